// A sentence built by hand for the English passes: each word is one chosen reading with its
// English slot, in an engine of its own (empty lexicon tables unless the test fills them).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro::testing {

// A reading of the given part of speech with its analysed form and English meaning.
inline WordAnalysis reading(int partOfSpeech, std::string_view form, std::string_view english) {
    WordAnalysis r = blankAnalysis();
    r.partOfSpeech = static_cast<std::uint8_t>(partOfSpeech);
    copyField(r.analysedForm, form);
    copyField(r.english, english);
    return r;
}

// A noun, pronoun, adjective, participle or numeral: case, number, gender in grammar 1 to 3.
inline WordAnalysis declined(int partOfSpeech, int latinCase, int number, int gender,
                             std::string_view form, std::string_view english, int kind2 = 0) {
    WordAnalysis r = reading(partOfSpeech, form, english);
    r.grammar1 = static_cast<std::uint8_t>(latinCase);
    r.grammar2 = static_cast<std::uint8_t>(number);
    r.grammar3 = static_cast<std::uint8_t>(gender);
    r.kind2 = static_cast<std::uint8_t>(kind2);
    return r;
}

// A verb: tense, voice, mood, person, number in grammar 1 to 5.
inline WordAnalysis verbReading(int tense, int voice, int mood, int person, int number,
                                std::string_view form, std::string_view english, int kind2 = 0) {
    WordAnalysis r = reading(speech_type::Verb, form, english);
    r.grammar1 = static_cast<std::uint8_t>(tense);
    r.grammar2 = static_cast<std::uint8_t>(voice);
    r.grammar3 = static_cast<std::uint8_t>(mood);
    r.grammar4 = static_cast<std::uint8_t>(person);
    r.grammar5 = static_cast<std::uint8_t>(number);
    r.kind2 = static_cast<std::uint8_t>(kind2);
    return r;
}

// A punctuation mark of the tokenizer's kind (0 full stop, 1 comma, 5 double quote ...).
inline WordAnalysis markReading(int kind, char mark) {
    const char text[2] = {mark, '\0'};
    WordAnalysis r = reading(speech_type::Punctuation, text, text);
    r.kind1 = static_cast<std::uint8_t>(kind);
    return r;
}

class HandSentence {
public:
    HandSentence() : engine_(std::make_unique<Engine>(lexicon, options, host, folder.path())) {}

    Engine& engine() { return *engine_; }

    // Appends a word position; returns it.
    int add(WordAnalysis r, std::string_view slot) {
        Engine& e = engine();
        const int position = e.wordCount++;
        r.wordPosition = static_cast<std::int16_t>(position);
        e.wordAnalyses[e.analysisCount] = r;
        e.sentence.chosenAnalysis[position] = static_cast<std::int16_t>(e.analysisCount++);
        copyField(e.sentence.englishSlots[position], slot);
        return position;
    }
    // Position p names position q's reading as its next free partner.
    void link(int p, int q) {
        WordAnalysis& r = at(p);
        const std::int16_t target = engine().sentence.chosenAnalysis[q];
        if (r.link1 < 0) r.link1 = target;
        else if (r.link2 < 0) r.link2 = target;
        else r.link3 = target;
    }
    WordAnalysis& at(int p) { return engine().wordAnalyses[engine().sentence.chosenAnalysis[p]]; }
    std::string slot(int p) { return std::string(fieldText(engine().sentence.englishSlots[p])); }
    std::vector<std::string> slots() {
        std::vector<std::string> out;
        for (int p = 0; p < engine().wordCount; ++p) out.push_back(slot(p));
        return out;
    }
    // The analysed forms in their present order (each position moves with its reading).
    std::vector<std::string> forms() {
        std::vector<std::string> out;
        for (int p = 0; p < engine().wordCount; ++p) out.emplace_back(fieldText(at(p).analysedForm));
        return out;
    }

    TempFolder folder;
    TestHost host;
    Lexicon lexicon;
    ViewOptions options;

private:
    std::unique_ptr<Engine> engine_;
};

}  // namespace kavro::testing
