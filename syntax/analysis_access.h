// Small questions the sentence passes ask of the readings in wordAnalyses: is a reading still
// live, where does its word begin and end, what part of speech, case or form does it have.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/analysis_record.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"

namespace kavro {

// These helpers live in a namespace of their own: the English passes have helpers of the same
// names that answer differently (their isNominal leaves out adjectives), and two inline or
// out-of-line functions of one name in one namespace let the linker pick either for both.
namespace sentence_readings {

// A reading neither deleted (0) nor set aside as not chosen (255).
inline bool isLive(const WordAnalysis& a) {
    return a.partOfSpeech != speech_type::DeletedGram && a.partOfSpeech != speech_type::DeletedAi;
}

inline bool validIndex(const Engine& e, int i) { return i >= 0 && i < e.analysisCount; }

// The reading at index i, or a blank one (part of speech 0) for an index outside the table.
inline const WordAnalysis& readingAt(const Engine& e, int i) {
    static const WordAnalysis kNone = blankAnalysis();
    return validIndex(e, i) ? e.wordAnalyses[i] : kNone;
}

inline bool liveAt(const Engine& e, int i) { return validIndex(e, i) && isLive(e.wordAnalyses[i]); }

// The first and one-past-last index of the readings of the word that holds reading i.
inline int wordBegin(const Engine& e, int i) {
    const std::int16_t w = e.wordAnalyses[i].wordPosition;
    while (i > 0 && e.wordAnalyses[i - 1].wordPosition == w) --i;
    return i;
}
inline int wordEnd(const Engine& e, int i) {
    const std::int16_t w = e.wordAnalyses[i].wordPosition;
    while (i < e.analysisCount && e.wordAnalyses[i].wordPosition == w) ++i;
    return i;
}

// Rebuilds sentence.wordFirst from the word positions of the table (which run in order).
inline void indexWords(Engine& e) {
    SentenceTables& s = e.sentence;
    int w = 0;
    for (int i = 0; i < e.analysisCount && w < static_cast<int>(kTokenCapacity); ++i) {
        const int position = e.wordAnalyses[i].wordPosition;
        while (w <= position && w < static_cast<int>(kTokenCapacity)) s.wordFirst[w++] = static_cast<std::int16_t>(i);
    }
    s.indexedWords = w;
    for (int k = w; k <= static_cast<int>(kTokenCapacity); ++k) s.wordFirst[k] = static_cast<std::int16_t>(e.analysisCount);
}

// The readings of word position w: [first, end); empty for a position outside the sentence.
struct WordRange {
    int first = 0;
    int end = 0;
    bool empty() const { return first >= end; }
};
inline WordRange readingsOfWord(const Engine& e, int w) {
    if (w < 0 || w >= e.sentence.indexedWords) return {};
    return {e.sentence.wordFirst[w], e.sentence.wordFirst[w + 1]};
}

inline bool sameWord(const Engine& e, int a, int b) {
    return validIndex(e, a) && validIndex(e, b) &&
           e.wordAnalyses[a].wordPosition == e.wordAnalyses[b].wordPosition;
}

inline std::string_view formOf(const WordAnalysis& a) { return fieldText(a.analysedForm); }

// Whether a fixed text field holds exactly `text`, without measuring the field first.
template <std::size_t N>
bool fieldIs(const char (&field)[N], std::string_view text) {
    return text.size() < N && std::memcmp(field, text.data(), text.size()) == 0 && field[text.size()] == '\0';
}
inline bool formIs(const WordAnalysis& a, std::string_view text) { return fieldIs(a.analysedForm, text); }
inline bool englishIs(const WordAnalysis& a, std::string_view text) { return fieldIs(a.english, text); }
inline std::string_view englishOf(const WordAnalysis& a) { return fieldText(a.english); }
inline int rarity4(const WordAnalysis& a) { return a.rarity & 0x0F; }

inline bool isPunctuation(const WordAnalysis& a) {
    return a.partOfSpeech == speech_type::Punctuation;
}
inline bool isVerb(const WordAnalysis& a) { return a.partOfSpeech == speech_type::Verb; }
inline bool isFiniteVerb(const WordAnalysis& a) {
    return isVerb(a) && a.grammar3 >= mood_type::Indicative && a.grammar3 <= mood_type::Imperative;
}
inline bool isInfinitive(const WordAnalysis& a) {
    return isVerb(a) && a.grammar3 == mood_type::Infinitive;
}
inline bool isPreposition(const WordAnalysis& a) {
    return a.partOfSpeech == speech_type::Preposition;
}
inline bool isConjunction(const WordAnalysis& a) {
    return a.partOfSpeech == speech_type::Conjunction;
}
inline bool isNoun(const WordAnalysis& a) { return a.partOfSpeech == speech_type::Noun; }
inline bool isPronoun(const WordAnalysis& a) { return a.partOfSpeech == speech_type::Pronoun; }
inline bool isParticiple(const WordAnalysis& a) {
    return a.partOfSpeech == speech_type::Participle;
}
inline bool isGerundive(const WordAnalysis& a) {
    return isParticiple(a) && a.grammar6 == mood_type::Gerund;
}
// Adjectives, substantive adjectives, participles and numerals: the words that agree.
inline bool isAdjectival(const WordAnalysis& a) {
    return a.partOfSpeech == speech_type::Adjective ||
           a.partOfSpeech == speech_type::SubstantiveAdjective ||
           a.partOfSpeech == speech_type::Participle || a.partOfSpeech == speech_type::Numeral;
}
// Every reading that carries a case, number and gender.
inline bool isNominal(const WordAnalysis& a) {
    return isNoun(a) || isPronoun(a) || isAdjectival(a);
}
inline int caseOf(const WordAnalysis& a) { return isNominal(a) ? a.grammar1 : 0; }
inline int numberOf(const WordAnalysis& a) {
    if (isVerb(a)) return a.grammar5;
    return isNominal(a) ? a.grammar2 : 0;
}
inline int genderOf(const WordAnalysis& a) { return isNominal(a) ? a.grammar3 : 0; }
inline int personOf(const WordAnalysis& a) { return isVerb(a) ? a.grammar4 : 0; }
// The case a preposition governs.
inline int governedCase(const WordAnalysis& a) { return a.grammar1 != 0 ? a.grammar1 : a.kind1; }
// A verb whose meaning is "be" (sum and its compounds read as the copula).
inline bool isCopula(const WordAnalysis& a) { return isVerb(a) && englishIs(a, "be"); }

// Deletes a reading outright (part of speech 0).
inline void markDeleted(WordAnalysis& a) { a.partOfSpeech = speech_type::DeletedGram; }

// The first free link of a reading takes `target` (nothing when all three are in use or it is
// already there). True when the link was made or was there.
inline bool addLink(WordAnalysis& a, int target) {
    std::int16_t* links[] = {&a.link1, &a.link2, &a.link3};
    for (std::int16_t* l : links)
        if (*l == target) return true;
    for (std::int16_t* l : links)
        if (*l < 0) {
            *l = static_cast<std::int16_t>(target);
            return true;
        }
    return false;
}

inline bool linksTo(const WordAnalysis& a, int target) {
    return target >= 0 && (a.link1 == target || a.link2 == target || a.link3 == target);
}

// Removes `target` from a reading's links; the later links move up.
inline void dropLink(WordAnalysis& a, int target) {
    if (a.link3 == target) a.link3 = -1;
    if (a.link2 == target) {
        a.link2 = a.link3;
        a.link3 = -1;
    }
    if (a.link1 == target) {
        a.link1 = a.link2;
        a.link2 = a.link3;
        a.link3 = -1;
    }
}

}  // namespace sentence_readings

using namespace sentence_readings;

}  // namespace kavro
