// A tiny invented Latin lexicon for the word-analysis tests: a few first-declension nouns,
// first- and third-conjugation verbs with their participles, an adjective and a numeral, with
// helpers to run sentences and read the word-mode trace.
#pragma once

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "core/stages.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro::testing {

struct WordWorld : TinyWorld {
    WordWorld() {
        options.sentenceMode = false;
        options.medievalTricks = false;
    }

    // Adds an ending; the table is sorted by finish().
    void ending(const Ending& e) { lexicon.inflections.push_back(makeInflection(e)); }
    // The same with grammar 5 (participle voice, verb number) and grammar 6.
    void ending(const Ending& e, std::uint8_t grammar5, std::uint8_t grammar6 = 0) {
        InflectionRecord r = makeInflection(e);
        r.grammar5 = grammar5;
        r.grammar6 = grammar6;
        lexicon.inflections.push_back(r);
    }

    // Adds an entry's stem with its meanings record (a new record unless `meaning` is given).
    std::uint32_t stem(Stem s, std::string_view latin, std::string_view english) {
        s.meaningIndex = static_cast<std::uint32_t>(lexicon.meanings.size());
        lexicon.meanings.push_back(makeMeaning(latin, english));
        lexicon.stems.push_back(makeStem(s));
        return s.meaningIndex;
    }
    void sameEntryStem(Stem s, std::uint32_t meaning) {
        s.meaningIndex = meaning;
        lexicon.stems.push_back(makeStem(s));
    }

    // Sorts the inflections by ending, then part of speech, and indexes them and the stems.
    void finish() {
        std::stable_sort(lexicon.inflections.begin(), lexicon.inflections.end(),
                         [](const InflectionRecord& a, const InflectionRecord& b) {
                             const int c = std::strcmp(a.ending, b.ending);
                             return c != 0 ? c < 0 : a.partOfSpeech < b.partOfSpeech;
                         });
        indexEndingRuns(lexicon);
        indexStems(lexicon);
    }

    void openLog() { engine->log.open(folder.file("parser.txt")); }
    std::string closeLog() {
        engine->log.close();
        return folder.read("parser.txt");
    }

    // Puts the tokens in the token table and analyses them as one sentence.
    void analyse(std::initializer_list<std::string_view> tokens) {
        int n = 0;
        for (std::string_view t : tokens) copyField(engine->sentenceTokens[n++], t);
        engine->tokenCount = n;
        engine->analysisCount = 0;
        engine->groupNumber = 0;
        analyseSentenceWords(*engine);
    }

    std::vector<WordAnalysis> readingsOf(int position) const {
        std::vector<WordAnalysis> out;
        for (int i = 0; i < engine->analysisCount; ++i)
            if (engine->wordAnalyses[i].wordPosition == position) out.push_back(engine->wordAnalyses[i]);
        return out;
    }
    std::string_view token(int i) const { return fieldText(engine->sentenceTokens[i]); }
};

// The endings and stems most tests share.
inline void addCommonLatin(WordWorld& w) {
    using namespace kavro;
    // First declension (case, number, gender 0 = the stem's).
    w.ending({"a", speech_type::Noun, 1, 1, case_type::Nominative, number_type::Singular});
    w.ending({"am", speech_type::Noun, 1, 1, case_type::Accusative, number_type::Singular});
    w.ending({"as", speech_type::Noun, 1, 1, case_type::Accusative, number_type::Plural});
    // First conjugation present (tense, voice, mood, person; number in grammar 5 is left 0).
    w.ending({"o", speech_type::Verb, 1, 0, tense_type::Present, voice_type::Active,
              mood_type::Indicative, 1});
    w.ending({"at", speech_type::Verb, 1, 0, tense_type::Present, voice_type::Active,
              mood_type::Indicative, 3});
    w.ending({"or", speech_type::Verb, 1, 0, tense_type::Present, voice_type::Passive,
              mood_type::Indicative, 1});
    // Present participle (key 1) and perfect participle (key 4): tense in grammar 4.
    w.ending({"ans", speech_type::Participle, 1, 0, case_type::Nominative, number_type::Singular,
              gender_type::Common, tense_type::Present});
    Ending perfect{"um", speech_type::Participle, 0, 0, case_type::Accusative,
                   number_type::Singular, gender_type::Neuter, tense_type::Perfect};
    perfect.stemKey = 4;
    w.ending(perfect, voice_type::Passive);
    // Third conjugation: the bare imperative.
    w.ending({"", speech_type::Verb, 3, 1, tense_type::Present, voice_type::Active,
              mood_type::Imperative, 2});

    w.stem({"puell", speech_type::Noun, 1, 1, gender_type::Feminine}, "puella, puellae",
           "girl, maiden");
    const auto amo = w.stem({"am", speech_type::Verb, 1, 1, 0, verb_kind_type::Transitive, 1},
                            "amo, amare, amavi, amatus", "love, like");
    w.sameEntryStem({"amat", speech_type::Participle, 1, 1, 0, verb_kind_type::Transitive, 4}, amo);
}

}  // namespace kavro::testing
