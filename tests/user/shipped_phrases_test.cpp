// The shipped userphrases.txt on the compiled lexicon: loaded through the start-up path, every
// phrase's own Latin, analysed as a sentence, is found again by the phrase pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "english/verb_phrase.h"
#include "tests/morph/real_lexicon_fixture.h"
#include "user/standard_phrases.h"

namespace kavro {
namespace {

class ShippedPhrases : public testing::RealLexicon {
protected:
    // Analyses the words as a sentence closed by a full stop, takes each position's first
    // reading as the chosen one, gives the verb at `verb` the English that assembly builds
    // and every other slot "x", and runs the phrase pass.
    void translate(const std::vector<std::string>& words, int verb = -1) {
        Engine& e = engine();
        int n = 0;
        for (const std::string& w : words) copyField(e.sentenceTokens[n++], w);
        copyField(e.sentenceTokens[n++], "PUNCT@");
        e.tokenCount = n;
        e.analysisCount = 0;
        analyseSentenceWords(e);
        e.wordCount = e.tokenCount;
        e.sentence = SentenceTables{};
        for (int a = e.analysisCount - 1; a >= 0; --a)
            e.sentence.chosenAnalysis[e.wordAnalyses[a].wordPosition] =
                static_cast<std::int16_t>(a);
        for (int p = 0; p < e.wordCount; ++p) copyField(e.sentence.englishSlots[p], "x");
        if (verb >= 0) {
            const int a = e.sentence.chosenAnalysis[verb];
            copyField(e.sentence.englishSlots[verb],
                      buildVerbPhrase(fieldText(e.wordAnalyses[a].english), 0, a,
                                      std::span(e.wordAnalyses, e.analysisCount)));
        }
        applyStandardPhrases(e);
    }
    std::string slot(int p) { return std::string(fieldText(engine().sentence.englishSlots[p])); }
};

TEST_F(ShippedPhrases, LoadWithAFullLetterIndexAndMatchTheirOwnLatin) {
    std::ifstream in(std::string(KAVRO_SOURCE_DIR) + "/data/userphrases.txt");
    std::size_t lines = 0;
    for (std::string line; std::getline(in, line);)
        lines += !line.empty() && !line.starts_with("--");
    const Lexicon& lex = lexicon();
    ASSERT_EQ(lex.standardPhrases.size(), lines);
    EXPECT_EQ(lex.phraseIndex[kPhraseIndexClosing].firstPhrase, lines);
    options().showUserPhrases = true;
    for (const StandardPhraseRecord& phrase : lex.standardPhrases) {
        std::vector<std::string> words;
        for (int k = 0; k < phraseWordCount(phrase); ++k)
            words.emplace_back(fieldText(phrase.words[k]));
        // A word with the enclitic -que is two tokens in running text, which these bare words
        // are not; such phrases are checked in whole sentences (tests/golden/word_choice_test).
        if (std::find(words.begin(), words.end(), "populusque") != words.end()) continue;
        translate(words);
        // Without a verb to settle it, the English stands as stored, an "INF" one as its
        // infinitive, in the slot of the receiving word; the other slots are emptied.
        const std::string_view english = fieldText(phrase.english);
        const InfinitivePhrase inf = infinitivePhraseNumbers(english);
        const int receiving = inf.verbWord ? inf.receivingWord - 1 : 0;
        for (int p = 0; p < static_cast<int>(words.size()); ++p) {
            const std::string text =
                inf.verbWord ? "to " + std::string(inf.infinitive) : std::string(english);
            EXPECT_EQ(slot(p), p == receiving ? "<" + text + ">" : "")
                << words[0] << " " << english;
        }
    }
    EXPECT_TRUE(options().allowUserPhrases);
}

// Sentences whose verb settles the phrase.
TEST_F(ShippedPhrases, TheVerbOfTheSentenceSettlesTheEnglish) {
    struct Case {
        std::vector<std::string> latin;
        int verb;
        std::vector<std::string> slots;
    };
    const Case cases[] = {
        {{"gratias", "agimus"}, 1, {"", "<we ^give thanks>"}},
        {{"bellum", "gesserunt"}, 1, {"", "<they have ^wage+ed war>"}},
        {{"sua", "sponte", "uenerunt"}, 2, {"<of their own accord>", "", "they have ^come+ed"}},
        // A verb phrase reaches its verb over other words, on either side, before any other
        // phrase takes its noun ("deo gratias").
        {{"gratias", "tibi", "agimus"}, 2, {"", "x", "<we ^give thanks>"}},
        {{"agimus", "tibi", "gratias"}, 0, {"<we ^give thanks>", "x", ""}},
        {{"deo", "gratias", "agimus"}, 2, {"x", "", "<we ^give thanks>"}},
    };
    options().showUserPhrases = true;
    for (const Case& c : cases) {
        translate(c.latin, c.verb);
        for (std::size_t p = 0; p < c.slots.size(); ++p)
            EXPECT_EQ(slot(static_cast<int>(p)), c.slots[p]) << c.latin[0] << " " << p;
    }
}

}  // namespace
}  // namespace kavro
