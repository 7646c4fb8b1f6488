// The choice of readings: ties, not-found words, the topic, the segment limit, the bound on a
// word's candidates, and one live reading per word afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/stages.h"
#include "job/translation_job.h"
#include "syntax/clause_analysis.h"
#include "syntax/reading_choice.h"
#include "syntax/segments.h"
#include "tests/support/hand_sentence.h"
#include "tests/syntax/real_sentence.h"

namespace kavro::testing {
namespace {

// Appends one reading of word position `word` to the table (the sentence is built reading by
// reading; the positions run in order).
int put(Engine& e, WordAnalysis r, int word, int rarity = 1) {
    r.wordPosition = static_cast<std::int16_t>(word);
    r.rarity = static_cast<std::uint8_t>(rarity);
    e.wordAnalyses[e.analysisCount] = r;
    e.wordCount = word + 1;
    return e.analysisCount++;
}

void choose(Engine& e) {
    for (int k = 0; k < e.analysisCount; ++k) e.sentence.analysisOrigin[k] = static_cast<std::int16_t>(k);
    analyseClauses(e);
    chooseReadings(e);
}

TEST(ReadingChoice, ATieGoesToTheLaterCandidateExceptOnTheLastWordOfItsSegment) {
    HandSentence s;
    Engine& e = s.engine();
    put(e, reading(speech_type::Interjection, "eheu.", "alas"), 0);
    const int later = put(e, reading(speech_type::Interjection, "eheu.", "oh"), 0);
    const int first = put(e, reading(speech_type::Interjection, "heu.", "ah"), 1);
    put(e, reading(speech_type::Interjection, "heu.", "woe"), 1);   // no mark closes the clause
    choose(e);
    EXPECT_EQ(e.sentence.chosenAnalysis[0], later);
    EXPECT_EQ(e.sentence.chosenAnalysis[1], first);
    EXPECT_EQ(e.wordAnalyses[first + 1].partOfSpeech, speech_type::DeletedAi);
}

TEST(ReadingChoice, ANotFoundWordIsChosenAtOnceAndTheTopicTipsAVariableNoun) {
    HandSentence s;
    Engine& e = s.engine();
    put(e, declined(speech_type::Noun, case_type::Nominative, 1, 1, "fili.us", "son"), 0);
    put(e, declined(speech_type::Noun, case_type::Genitive, 1, 1, "templ.i", "temple"), 1);
    const int unknown = put(e, reading(speech_type::NotFound, "[xyzzy]", ""), 2);
    put(e, declined(speech_type::Noun, case_type::Accusative, 1, 1, "as.sem", "copper", 11), 3);
    const int money = put(e, declined(speech_type::Noun, case_type::Accusative, 1, 1, "as.sem", "money", 11), 3);
    put(e, markReading(punctuation_type::FullStop, '.'), 4);
    choose(e);
    EXPECT_EQ(e.sentence.sentenceTopic, 2);
    EXPECT_EQ(e.sentence.chosenAnalysis[2], unknown);
    EXPECT_EQ(e.sentence.chosenAnalysis[3], money);
}

TEST(ReadingChoice, TwentyOneConjunctionsMakeTwentySegments) {
    HandSentence s;
    Engine& e = s.engine();
    int word = 0;
    put(e, declined(speech_type::Noun, case_type::Nominative, 1, 1, "Marc.us", "Marcus"), word++);
    for (int k = 0; k < 21; ++k) {
        put(e, reading(speech_type::Conjunction, "sed.", "but"), word++);
        put(e, declined(speech_type::Noun, case_type::Nominative, 1, 1, "Marc.us", "Marcus"), word++);
    }
    const int mark = put(e, markReading(punctuation_type::FullStop, '.'), word);
    for (int k = 0; k < e.analysisCount; ++k) e.sentence.analysisOrigin[k] = static_cast<std::int16_t>(k);
    analyseClauses(e);
    int first[kSegmentCapacity], end[kSegmentCapacity];
    ASSERT_EQ(cutSegments(e, 0, first, end), kSegmentCapacity);
    EXPECT_EQ(end[kSegmentCapacity - 1], mark);   // the later conjunctions stay in the twentieth
    EXPECT_EQ(first[1], 1);
}

TEST(ReadingChoice, AWordOfMoreCandidatesThanTheListIsChosenFromTheFirstHundred) {
    HandSentence s;
    Engine& e = s.engine();
    for (int k = 0; k < 150; ++k)
        put(e, declined(speech_type::Noun, case_type::Ablative, 1, 1, "re.re", "thing"), 0, k < 100 ? 3 : 1);
    put(e, markReading(punctuation_type::FullStop, '.'), 1);
    choose(e);
    EXPECT_LT(e.sentence.chosenAnalysis[0], 100);
    int live = 0;
    for (int k = 0; k < 150; ++k) live += isLive(e.wordAnalyses[k]);
    EXPECT_EQ(live, 1);
}

class ChosenReadings : public RealSentence {};

TEST_F(ChosenReadings, EveryWordKeepsOneLiveReadingAndCommonConstructionsComeOutRight) {
    struct Case {
        const char* latin;
        int position;
        const char* form;
        int caseCode;
    } cases[] = {
        {"Caesar cum magno exercitu in Galliam uenit.", 3, "exercit.u", case_type::Ablative},
        {"Caesar cum magno exercitu in Galliam uenit.", 5, "Galli.am", case_type::Accusative},
        {"Milites urbem ceperunt.", 1, "urb.em", case_type::Accusative},
        {"Puella rosam amat.", 0, "puell.a", case_type::Nominative},
        {"Deus creauit caelum et terram.", 2, "cael.um", case_type::Accusative},
        {"Liber est in mensa.", 3, "mens.a", case_type::Ablative},
    };
    for (const Case& c : cases) {
        choose(c.latin);
        expectOneLiveReadingEach();
        EXPECT_EQ(chosenForm(c.position), c.form) << c.latin;
        EXPECT_EQ(chosen(c.position).grammar1, c.caseCode) << c.latin;
    }
}

// Over whole texts of real Latin (when the corpus is at hand): after the choice no word keeps
// more than one live reading, and every sentence gets its English line.
TEST_F(ChosenReadings, WholeTextsLeaveOneLiveReadingPerWord) {
    const std::filesystem::path corpus = std::filesystem::path(KAVRO_SOURCE_DIR) / "../shared/corpus/text";
    if (!std::filesystem::exists(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
    Engine& e = engine();
    int sentences = 0, faults = 0;
    JobStages stages = engineStages();
    stages.translateSentence = [&](Engine& en) {
        translateSentence(en);
        ++sentences;
        for (int p = 0; p < en.wordCount; ++p) faults += liveReadings(p) > 1;
    };
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".txt") continue;
        std::filesystem::path file = entry.path();
        runTranslationJob(e, file, 0, stages);
    }
    EXPECT_GT(sentences, 1000);
    EXPECT_EQ(faults, 0);
}

}  // namespace
}  // namespace kavro::testing
