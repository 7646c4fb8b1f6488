// analyseSentenceWords: the sentence rules, the letter-case retries, the word-status cache, the
// synthetic adverb and NOT FOUND.
#include <gtest/gtest.h>

#include "morph/word_analysis.h"
#include "morph/word_status_cache.h"
#include "tests/morph/word_analysis_world.h"

namespace kavro::testing {
namespace {

class DriverTest : public ::testing::Test {
protected:
    DriverTest() {
        addCommonLatin(w);
        Stem bonus{"bon", speech_type::Adjective, 1, 1};
        w.stem(bonus, "bonus -a -um", "good");
        w.ending({"e", speech_type::Adjective, 1, 1, case_type::Vocative, number_type::Singular,
                  gender_type::Masculine, comparison_type::Positive});
        w.finish();
        resetWordStatusCache(*w.engine);
    }
    WordWorld w;
};

TEST_F(DriverTest, EveryWordEndsWithReadingsOrNotFound) {
    w.analyse({"amo", "puellam", "xyzzy", "PUNCT@"});
    EXPECT_EQ(w.readingsOf(0).size(), 1u);
    EXPECT_EQ(w.readingsOf(1).size(), 1u);
    const auto unknown = w.readingsOf(2);
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_EQ(unknown[0].partOfSpeech, speech_type::NotFound);
    EXPECT_EQ(std::string(unknown[0].analysedForm), "[xyzzy]");
    EXPECT_EQ(std::string(unknown[0].latinDetail), "NOT FOUND");
    const auto mark = w.readingsOf(3);
    ASSERT_EQ(mark.size(), 1u);
    EXPECT_EQ(mark[0].partOfSpeech, speech_type::Punctuation);
    EXPECT_EQ(w.engine->wordsTranslated, 3);
    EXPECT_EQ(w.engine->lastWordResult, 0) << "the last word ended NOT FOUND";
    // Groups: one per stem that gave readings, one for the NOT FOUND.
    EXPECT_LT(w.readingsOf(0)[0].groupNumber, w.readingsOf(1)[0].groupNumber);
    EXPECT_LT(w.readingsOf(1)[0].groupNumber, unknown[0].groupNumber);
}

TEST_F(DriverTest, ARepeatedPassAnalysesWithoutCountingTheWordsAgain) {
    w.analyse({"amo", "puellam", "PUNCT@"});
    EXPECT_EQ(w.engine->wordsTranslated, 2);
    w.engine->repeatedPass = true;
    w.analyse({"amo", "puellam", "PUNCT@"});
    EXPECT_EQ(w.readingsOf(1).size(), 1u);
    EXPECT_EQ(w.engine->wordsTranslated, 2);
}

TEST_F(DriverTest, SentenceWithoutClosingMarkEndsTruncated) {
    w.analyse({"amo", "puellam", "amat"});
    EXPECT_EQ(w.token(1), "truncated");
    EXPECT_EQ(w.token(2), "PUNCT@");
    ASSERT_EQ(w.readingsOf(1).size(), 1u);
    EXPECT_EQ(std::string(w.readingsOf(1)[0].analysedForm), "[truncated]");
    EXPECT_EQ(w.readingsOf(2)[0].partOfSpeech, speech_type::Punctuation);
}

TEST_F(DriverTest, CapitalisedFirstWordIsFoundInLowerCase) {
    w.analyse({"Amo", "puellam", "PUNCT@"});
    const auto r = w.readingsOf(0);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(std::string(r[0].analysedForm), "am.o");
}

TEST(DriverCaseTest, CapitalisedFirstWordFoundAsANameAlsoGetsItsLowerCaseReadings) {
    WordWorld w;
    addCommonLatin(w);
    Stem goddess{"Fortun", speech_type::Noun, 1, 1, gender_type::Feminine, noun_kind_type::Proper};
    w.stem(goddess, "Fortuna, Fortunae", "Fortune (goddess)");
    w.stem({"fortun", speech_type::Noun, 1, 1, gender_type::Feminine}, "fortuna, fortunae", "luck");
    w.finish();
    w.analyse({"Fortuna", "amat", "PUNCT@"});
    const auto first = w.readingsOf(0);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(std::string(first[0].english), "Fortune");   // the remark in brackets is dropped
    EXPECT_EQ(std::string(first[1].english), "luck");
    w.analyse({"amat", "Fortuna", "PUNCT@"});
    EXPECT_EQ(w.readingsOf(1).size(), 1u) << "in mid-sentence a found name stays a name";
}

// In mid-sentence a capitalised word the dictionary lacks is tried as a name, and when that
// gives nothing, once more in lower case: either way it is not left NOT FOUND.
TEST_F(DriverTest, CapitalisedWordInMidSentenceIsReadAsANameOrInLowerCase) {
    w.analyse({"amo", "Puellam", "PUNCT@"});
    const auto r = w.readingsOf(1);
    ASSERT_FALSE(r.empty());
    EXPECT_NE(r[0].partOfSpeech, speech_type::NotFound);
}

TEST_F(DriverTest, UnknownWordSeenAgainGoesStraightToNotFound) {
    w.openLog();
    w.analyse({"amo", "xyzzy", "PUNCT@"});
    const int hash = wordHash("xyzzy");
    w.analyse({"amo", "xyzzy", "PUNCT@"});
    const std::string log = w.closeLog();
    const std::string line = "(Hash #" + std::to_string(hash) + ")  [xyzzy] NOT FOUND.\n\n";
    const std::size_t cached = log.find(line);
    ASSERT_NE(cached, std::string::npos) << log;
    EXPECT_LT(log.find("[xyzzy] NOT FOUND."), cached) << "the first sighting is analysed in full";
}

TEST_F(DriverTest, WordHashFollowsItsFormula) {
    // a = 2a + 2c - 130 over the first 12 characters, then (a >> 1) & 511.
    EXPECT_EQ(wordHash("a"), (2 * 'a' - 130) >> 1 & 511);
    EXPECT_EQ(wordHash("ab"), ((2 * (2 * 'a' - 130) + 2 * 'b' - 130) >> 1) & 511);
    EXPECT_EQ(wordHash("abcdefghijklXYZ"), wordHash("abcdefghijkl"));
}

TEST_F(DriverTest, LoneMasculineVocativeAdjectiveLendsAnAdverb) {
    w.analyse({"amo", "bone", "PUNCT@"});
    const auto r = w.readingsOf(1);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].partOfSpeech, speech_type::Adjective);
    EXPECT_EQ(r[1].partOfSpeech, speech_type::Adverb);
    EXPECT_EQ(std::string(r[1].analysedForm), "bone.");
    EXPECT_EQ(std::string(r[1].english), "good-ly");
    EXPECT_EQ(r[1].groupNumber, r[0].groupNumber);
}

TEST_F(DriverTest, MedievalTricksTryAeInsteadOfTheAdverb) {
    w.options.medievalTricks = true;
    w.options.age = kAgeMedieval;
    w.analyse({"amo", "bone", "PUNCT@"});
    const auto r = w.readingsOf(1);
    ASSERT_EQ(r.size(), 1u) << "the retry with \"bonae\" finds nothing more, and no adverb is made";
    EXPECT_EQ(r[0].partOfSpeech, speech_type::Adjective);
}

TEST_F(DriverTest, LongUnknownWordHasACutBracketedForm) {
    const std::string word(30, 'q');
    w.analyse({"amo", word, "PUNCT@"});
    const auto r = w.readingsOf(1);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(std::string(r[0].analysedForm), "[" + std::string(21, 'q') + "*");
}

TEST_F(DriverTest, ClassicalAgeLimitsTheStems) {
    w.options.age = kAgeClassical;
    w.analyse({"amo", "PUNCT@"});
    EXPECT_EQ(w.engine->stemLevelLimit, kAgeClassical);
    w.options.age = kAgeAll;
    w.analyse({"amo", "PUNCT@"});
    EXPECT_EQ(w.engine->stemLevelLimit, 99);
}

TEST_F(DriverTest, LowerCaseRomanNumeralIsANumber) {
    w.analyse({"amo", "xiv", "PUNCT@"});
    const auto r = w.readingsOf(1);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].partOfSpeech, speech_type::Numeral);
    EXPECT_EQ(std::string(r[0].english), "14");
}

}  // namespace
}  // namespace kavro::testing

namespace kavro::testing {
namespace {

// Tokens as long and as strange as the token table allows never overrun a field, and every word
// still ends with a reading.
TEST_F(DriverTest, StrangeTokensEndAsReadingsWithoutOverrun) {
    const std::string longest(kTokenTextSize - 1, 'a');
    const std::string highBytes = "\xe9\xff\x80qu\xe6";
    const std::string capitals(60, 'X');
    w.options.plautusElisions = true;
    w.options.inscriptions = true;
    w.analyse({longest, highBytes, ".", capitals, "qu", "PUNCTx", "n", "PUNCT@"});
    for (int position = 0; position < 7; ++position)
        EXPECT_FALSE(w.readingsOf(position).empty()) << "token " << position;
    for (int i = 0; i < w.engine->analysisCount; ++i) {
        const WordAnalysis& a = w.engine->wordAnalyses[i];
        EXPECT_LT(std::strlen(a.analysedForm), sizeof a.analysedForm);
        EXPECT_LT(std::strlen(a.english), sizeof a.english);
        EXPECT_LT(std::strlen(a.latinDetail), sizeof a.latinDetail);
    }
}

}  // namespace
}  // namespace kavro::testing
