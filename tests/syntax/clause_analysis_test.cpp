// Clause analysis on real Latin: the split and its limit, the two moves, the pruning rules and
// the lexical rules of comparison and correlatives.
#include <gtest/gtest.h>

#include <string>

#include "syntax/clause_analysis.h"
#include "tests/support/hand_sentence.h"
#include "tests/syntax/real_sentence.h"

namespace kavro::testing {
namespace {

class ClauseAnalysis : public RealSentence {
protected:
    // How many readings of word position p were deleted (part of speech 0).
    int deletedReadings(int p) {
        int n = 0;
        for (int i = 0; i < engine().analysisCount; ++i)
            n += engine().wordAnalyses[i].wordPosition == p && engine().wordAnalyses[i].partOfSpeech == 0;
        return n;
    }
    const ClauseTable& clauses() { return engine().sentence.clauses; }
};

TEST_F(ClauseAnalysis, ASentenceWithoutMarksIsOneClauseAndEveryMarkClosesOne) {
    choose("Caesar in Galliam uenit");
    ASSERT_EQ(clauses().clauseCount, 1);
    EXPECT_EQ(clauses().clauseStart[0], 0);
    EXPECT_EQ(clauses().clauseEnd[0], engine().analysisCount - 1);
    expectOneLiveReadingEach();

    choose("Veni, uidi, uici.");
    ASSERT_EQ(clauses().clauseCount, 3);
    EXPECT_EQ(engine().sentence.sentenceFinalMark, '.');
    EXPECT_EQ(chosenForm(4), "uic.i");
}

TEST_F(ClauseAnalysis, TheFiftyFirstMarkEndsTheSentenceWithAMessage) {
    std::string latin;
    for (int k = 0; k < 51; ++k) latin += "et, ";
    latin += "Caesar uenit.";
    choose(latin);
    EXPECT_EQ(clauses().clauseCount, 50);
    EXPECT_EQ(engine().wordCount, 100);   // 50 words and their 50 commas
    EXPECT_NE(engine().messageBuffer.find("Too many clauses in sentence (Max. 50)."), std::string::npos);
}

TEST_F(ClauseAnalysis, AConnectiveInSecondPlaceGoesFirst) {
    choose("Gallia enim est diuisa.");
    EXPECT_EQ(chosenForm(0), "enim.");
    EXPECT_EQ(chosenForm(1), "Galli.a");
    // The origins still name the records word analysis made, so the text order can be restored.
    EXPECT_EQ(engine().wordAnalyses[0].wordPosition, 0);
    EXPECT_GT(engine().sentence.analysisOrigin[0], 0);
}

TEST_F(ClauseAnalysis, QuamAfterAComparativeIsThanAndOtherwiseKeepsItsReadings) {
    choose("Caesar magis timet quam Pompeius.");
    EXPECT_EQ(chosenEnglish(3), "than");
    EXPECT_GT(deletedReadings(3), 0);
    choose("Pompeius quam urbem uidit.");
    EXPECT_EQ(deletedReadings(1), 0);   // its other readings are set aside by the choice, not deleted
}

TEST_F(ClauseAnalysis, CorrelativePairsTakeTheirEnglish) {
    struct Case {
        const char* latin;
        int first, second;
        const char* firstEnglish;
        const char* secondEnglish;
    } cases[] = {
        {"aut uincere aut mori uolunt.", 0, 2, "either", "or"},
        {"neque id omnino fecit.", 0, 2, "not", "at all"},
        {"et Caesar et Pompeius uenerunt.", 0, 2, "both", "and"},
    };
    for (const Case& c : cases) {
        choose(c.latin);
        EXPECT_EQ(chosenEnglish(c.first), c.firstEnglish) << c.latin;
        EXPECT_EQ(chosenEnglish(c.second), c.secondEnglish) << c.latin;
    }
}

TEST_F(ClauseAnalysis, AnAgentNounInAtorLosesItsVerbReadings) {
    choose("imperator uenit.");
    EXPECT_EQ(chosen(0).partOfSpeech, speech_type::Noun);
    for (int i = 0; i < engine().analysisCount; ++i) {
        const WordAnalysis& a = engine().wordAnalyses[i];
        if (a.wordPosition == 0) {
            EXPECT_NE(a.partOfSpeech, speech_type::Verb) << a.analysedForm;
        }
    }
}

TEST_F(ClauseAnalysis, AnInquitClauseInTheMiddleMovesToTheEndUnlessQuotesAreOdd) {
    // "Ego, inquit, faciam." reads "Ego faciam, inquit.": the comma that opened the parenthesis
    // goes, the one that closed it opens it, and the final mark closes it.
    choose("Ego, inquit, faciam.");
    EXPECT_TRUE(engine().sentence.inquitMoved);
    EXPECT_EQ(chosenForm(1), "faci.am");
    EXPECT_EQ(chosenForm(2), ",");
    EXPECT_EQ(chosenForm(3), "inqu.it");
    EXPECT_EQ(chosenForm(4), ".");
    EXPECT_EQ(engine().wordCount, 5);

    choose("\"Ego, inquit, faciam.");
    EXPECT_FALSE(engine().sentence.inquitMoved);
    EXPECT_EQ(chosenForm(3), "inqu.it");
}

// A word whose readings are all of rarity 10 keeps its first two.
TEST(RarityTen, AtMostTheFirstTwoRarityTenReadingsOfAWordStay) {
    HandSentence s;
    Engine& e = s.engine();
    for (int k = 0; k < 3; ++k) {
        WordAnalysis r = declined(speech_type::Noun, case_type::Nominative, 1, 1, "rar.a", "rare");
        r.rarity = 10;
        e.wordAnalyses[e.analysisCount++] = r;
    }
    WordAnalysis stop = markReading(punctuation_type::FullStop, '.');
    stop.wordPosition = 1;
    e.wordAnalyses[e.analysisCount++] = stop;
    e.wordCount = 2;
    analyseClauses(e);
    EXPECT_EQ(e.wordAnalyses[0].partOfSpeech, speech_type::Noun);
    EXPECT_EQ(e.wordAnalyses[1].partOfSpeech, speech_type::Noun);
    EXPECT_EQ(e.wordAnalyses[2].partOfSpeech, speech_type::DeletedGram);
}

}  // namespace
}  // namespace kavro::testing
