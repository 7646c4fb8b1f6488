// Plautine elisions from the text to the readings: "amatst" is the verb and an elided "est".
#include "tests/morph/real_lexicon_fixture.h"
#include "text/tokenizer.h"

namespace kavro::testing {
namespace {

class Elisions : public RealLexicon {
protected:
    // Tokenizes and analyses one line; returns the tokens joined by blanks.
    std::string read(std::string_view line) {
        Engine& e = engine();
        e.analysisCount = 0;
        e.groupNumber = 0;
        e.tokenCount = tokenizeSentence(e, line);
        if (e.tokenCount <= 0) return "(no tokens)";
        analyseSentenceWords(e);
        std::string tokens;
        for (int i = 0; i < e.tokenCount; ++i) tokens += std::string(token(i)) + " ";
        return tokens;
    }
};

TEST_F(Elisions, AmatstIsReadAsAmatFollowedByEst) {
    options().plautusElisions = true;
    const std::string tokens = read("Puella amatst.");
    ASSERT_NE(tokens.find(" est "), std::string::npos) << tokens;
    EXPECT_TRUE(hasReading(1, speech_type::Verb, "am.at")) << formsOf(1);
    EXPECT_EQ(token(2), "est");
    ASSERT_FALSE(readingsOf(2).empty());
    EXPECT_NE(readingsOf(2)[0].partOfSpeech, speech_type::NotFound);
}

TEST_F(Elisions, WithoutTheOptionAmatstIsNotFound) {
    const std::string tokens = read("Puella amatst.");
    EXPECT_EQ(tokens.find(" est "), std::string::npos) << tokens;
    ASSERT_EQ(readingsOf(1).size(), 1u) << formsOf(1);
    EXPECT_EQ(readingsOf(1)[0].partOfSpeech, speech_type::NotFound);
}

}  // namespace
}  // namespace kavro::testing
