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

struct ShippedLine {
    std::vector<std::string> latin;
    std::string english;

    // The slots the phrase pass leaves when the Latin stands alone without a verb to settle
    // alternatives: the English (an "INF" one as its infinitive) in the receiving word's slot,
    // the other slots empty.
    std::vector<std::string> expectedSlots() const {
        std::vector<std::string> slots(latin.size());
        const InfinitivePhrase inf = infinitivePhraseNumbers(english);
        std::string text = inf.verbWord ? "to " + std::string(inf.infinitive) : english;
        std::replace(text.begin(), text.end(), '\\', '/');
        slots[inf.verbWord ? inf.receivingWord - 1 : 0] = "<" + text + ">";
        return slots;
    }
};

std::vector<ShippedLine> shippedPhraseLines() {
    std::ifstream in(std::string(KAVRO_SOURCE_DIR) + "/data/userphrases.txt");
    std::vector<ShippedLine> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("--") || line.empty()) continue;
        const std::size_t slash = line.find('/');
        ShippedLine entry{{}, line.substr(slash + 1)};
        std::string word;
        for (char c : line.substr(0, slash) + ' ') {
            if (c != ' ') word += c;
            else if (!word.empty()) entry.latin.push_back(std::exchange(word, {}));
        }
        lines.push_back(std::move(entry));
    }
    return lines;
}

class ShippedPhrases : public testing::RealLexicon {
protected:
    // Analyses the words (j and v read as i and u, as the prepared text has them) as a sentence
    // closed by a full stop, takes each position's first reading as the chosen
    // one, and runs the phrase pass over slots that hold "x".
    void translate(const std::vector<std::string>& words, int verb = -1) {
        Engine& e = engine();
        int n = 0;
        for (std::string w : words) {
            for (char& c : w) c = c == 'v' ? 'u' : c == 'V' ? 'U' : c == 'j' ? 'i' : c == 'J' ? 'I' : c;
            copyField(e.sentenceTokens[n++], w);
        }
        copyField(e.sentenceTokens[n++], "PUNCT@");
        e.tokenCount = n;
        e.analysisCount = 0;
        e.groupNumber = 0;
        analyseSentenceWords(e);
        e.wordCount = e.tokenCount;
        e.sentence = SentenceTables{};
        for (int a = e.analysisCount - 1; a >= 0; --a)
            e.sentence.chosenAnalysis[e.wordAnalyses[a].wordPosition] = static_cast<std::int16_t>(a);
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
    const Lexicon& lex = lexicon();
    const std::vector<ShippedLine> lines = shippedPhraseLines();
    ASSERT_EQ(lex.standardPhrases.size(), lines.size());
    EXPECT_EQ(lex.phraseIndex[kPhraseIndexClosing].firstPhrase, lines.size());
    EXPECT_EQ(fieldText(lex.phraseIndex[kPhraseIndexClosing].letter), "MAX_ENTRIES");
    options().showUserPhrases = true;
    for (const ShippedLine& line : lines) {
        translate(line.latin);
        const std::vector<std::string> expected = line.expectedSlots();
        for (std::size_t p = 0; p < expected.size(); ++p)
            EXPECT_EQ(slot(static_cast<int>(p)), expected[p]) << line.latin[0] << " " << line.english;
    }
    EXPECT_TRUE(options().allowUserPhrases);
}

// Sentences whose verb settles the phrase: the verb's slot holds the verb phrase that English
// assembly builds from the reading's meaning.
TEST_F(ShippedPhrases, TheVerbOfTheSentenceSettlesTheEnglish) {
    struct Case {
        std::vector<std::string> latin;
        int verb;
        std::vector<std::string> slots;
    };
    const Case cases[] = {
        {{"gratias", "agimus"}, 1, {"", "<we ^give thanks>"}},
        {{"bellum", "gesserunt"}, 1, {"", "<they have ^wage+ed war>"}},
        {{"sua", "sponte", "venerunt"}, 2, {"<of their own accord>", "", "they have ^come+ed"}},
        {{"rem", "publicam", "amo"}, 2, {"<the state>", "", "I ^love"}},
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
