// Sentences of real Latin run through word analysis and the sentence passes on the compiled
// lexicon of the build (skipped when it has not been built).
#pragma once

#include <string>
#include <string_view>

#include "syntax/analysis_access.h"
#include "syntax/sentence_driver.h"
#include "tests/morph/real_lexicon_fixture.h"
#include "text/tokenizer.h"

namespace kavro::testing {

class RealSentence : public RealLexicon {
protected:
    // Tokenizes one sentence and analyses its words.
    void analyse(std::string_view latin) {
        Engine& e = engine();
        e.analysisCount = 0;
        e.groupNumber = 0;
        e.tokenCount = tokenizeSentence(e, latin);
        analyseSentenceWords(e);
        e.wordCount = e.tokenCount;
    }
    // Analyses one sentence, then orders, clauses and chooses its readings.
    void choose(std::string_view latin) {
        analyse(latin);
        chooseSentenceReadings(engine());
    }
    // The chosen reading of word position p.
    const WordAnalysis& chosen(int p) { return readingAt(engine(), engine().sentence.chosenAnalysis[p]); }
    std::string chosenForm(int p) { return std::string(formOf(chosen(p))); }
    std::string chosenEnglish(int p) { return std::string(englishOf(chosen(p))); }
    // How many readings of word position p are still live.
    int liveReadings(int p) {
        int n = 0;
        for (int i = 0; i < engine().analysisCount; ++i)
            n += engine().wordAnalyses[i].wordPosition == p && isLive(engine().wordAnalyses[i]);
        return n;
    }
    // Every word has exactly one live reading, and it is the chosen one.
    void expectOneLiveReadingEach() {
        for (int p = 0; p < engine().wordCount; ++p) {
            EXPECT_EQ(liveReadings(p), 1) << "position " << p;
            EXPECT_TRUE(isLive(chosen(p))) << "position " << p;
        }
    }
};

}  // namespace kavro::testing
