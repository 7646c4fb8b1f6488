// The chosen reading of each word position as English generation reads it. An index of -1 (no
// live reading) or one outside the filled analysis table reads as an empty analysis (part of
// speech 0, no partners), so that no rule ever indexes the table with it.
#pragma once

#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"

namespace kavro {

// The number of word positions of the sentence, within the capacity of the tables.
inline int sentenceLength(const Engine& engine) {
    const int words = engine.wordCount;
    return words < 0 ? 0 : words > static_cast<int>(kTokenCapacity) ? static_cast<int>(kTokenCapacity) : words;
}

// The analysis at `index`, or null when the index is -1 or outside the filled table.
inline const WordAnalysis* analysisAt(const Engine& engine, int index) {
    if (index < 0 || index >= engine.analysisCount || index >= static_cast<int>(kAnalysisCapacity))
        return nullptr;
    return &engine.wordAnalyses[index];
}

// The chosen analysis index of a word position; -1 when it has none or it points nowhere.
inline int chosenIndex(const Engine& engine, int position) {
    if (position < 0 || position >= static_cast<int>(kChosenCapacity)) return -1;
    const int index = engine.sentence.chosenAnalysis[position];
    return analysisAt(engine, index) ? index : -1;
}

// The record that a missing reading reads as: part of speech 0, links -1.
inline const WordAnalysis& emptyReading() {
    static const WordAnalysis empty = blankAnalysis();
    return empty;
}

inline const WordAnalysis& chosenReading(const Engine& engine, int position) {
    const WordAnalysis* reading = analysisAt(engine, chosenIndex(engine, position));
    return reading ? *reading : emptyReading();
}

// The first partner (link 1) of a reading, or null.
inline const WordAnalysis* firstPartner(const Engine& engine, const WordAnalysis& reading) {
    return analysisAt(engine, reading.link1);
}

// The analysed form ("plag.is") and the short English meaning of a reading.
inline std::string_view formOf(const WordAnalysis& reading) { return fieldText(reading.analysedForm); }
inline std::string_view englishOf(const WordAnalysis& reading) { return fieldText(reading.english); }

// True when the analysed form is `form`, letter case aside ("Ut." is "ut.").
inline bool formIsIgnoringCase(const WordAnalysis& reading, std::string_view form) {
    const std::string_view own = formOf(reading);
    if (own.size() != form.size()) return false;
    for (std::size_t i = 0; i < own.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(own[i]) != lower(form[i])) return false;
    }
    return true;
}

}  // namespace kavro
