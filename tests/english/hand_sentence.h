// Hand-built sentences for the English passes: one chosen reading per word position (reading i
// is analysis i at position i), one clause over the whole sentence unless the test says
// otherwise, and an engine over an empty lexicon.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro::testing {

constexpr int NOM = 1, VOC = 2, GEN = 3, DAT = 5, ABL = 6, ACC = 7;
constexpr int SG = 1, PL = 2;

inline WordAnalysis reading(std::uint8_t partOfSpeech, const char* form, const char* english) {
    WordAnalysis r = blankAnalysis();
    r.partOfSpeech = partOfSpeech;
    copyField(r.analysedForm, form);
    copyField(r.english, english);
    return r;
}

// A declined word: case, number, gender.
inline WordAnalysis declined(std::uint8_t partOfSpeech, const char* form, const char* english,
                             int caseCode, int number, int gender = 1) {
    WordAnalysis r = reading(partOfSpeech, form, english);
    r.grammar1 = static_cast<std::uint8_t>(caseCode);
    r.grammar2 = static_cast<std::uint8_t>(number);
    r.grammar3 = static_cast<std::uint8_t>(gender);
    return r;
}

inline WordAnalysis noun(const char* form, const char* english, int caseCode, int number = SG) {
    WordAnalysis r = declined(speech_type::Noun, form, english, caseCode, number);
    r.kind2 = noun_kind_type::Thing;
    return r;
}

// A finite verb: tense, voice, mood, person, number (grammar 1 to 5).
inline WordAnalysis verb(const char* form, const char* english, int tense, int mood, int person,
                         int number) {
    WordAnalysis r = reading(speech_type::Verb, form, english);
    r.grammar1 = static_cast<std::uint8_t>(tense);
    r.grammar2 = voice_type::Active;
    r.grammar3 = static_cast<std::uint8_t>(mood);
    r.grammar4 = static_cast<std::uint8_t>(person);
    r.grammar5 = static_cast<std::uint8_t>(number);
    return r;
}

inline WordAnalysis mark(const char* text) {
    WordAnalysis r = reading(speech_type::Punctuation, text, text);
    return r;
}

class HandSentence {
public:
    // Loads the words as the chosen readings of one sentence with one clause over all of them.
    void load(const std::vector<WordAnalysis>& words) {
        Engine& e = engine();
        const int n = static_cast<int>(words.size());
        for (int i = 0; i < n; ++i) {
            e.wordAnalyses[i] = words[static_cast<std::size_t>(i)];
            e.wordAnalyses[i].wordPosition = static_cast<std::int16_t>(i);
            e.sentence.chosenAnalysis[i] = static_cast<std::int16_t>(i);
            e.sentence.englishSlots[i][0] = '\0';
        }
        e.analysisCount = n;
        e.wordCount = n;
        e.sentence.clauses.clauseCount = 1;
        e.sentence.clauses.clauseStart[0] = 0;
        e.sentence.clauses.clauseEnd[0] = n - 1;
        e.sentence.subjectCount[0] = 0;
    }
    std::vector<std::string> slots() const {
        std::vector<std::string> out;
        for (int i = 0; i < world_.engine->wordCount; ++i)
            out.emplace_back(fieldText(world_.engine->sentence.englishSlots[i]));
        return out;
    }
    Engine& engine() { return *world_.engine; }
    TinyWorld& world() { return world_; }

private:
    TinyWorld world_;
};

}  // namespace kavro::testing
