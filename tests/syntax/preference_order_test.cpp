// The preference order of a word's candidates: voice, case and gender tables, the part of
// speech, and the rarity adjusted by the preferred area and age.
#include <gtest/gtest.h>

#include "core/grammar_codes.h"
#include "syntax/sentence_driver.h"
#include "tests/support/hand_sentence.h"

namespace kavro::testing {
namespace {

WordAnalysis noun(int latinCase, int gender, int rarity = 1) {
    WordAnalysis r = declined(speech_type::Noun, latinCase, number_type::Singular, gender, "x.a", "thing");
    r.rarity = static_cast<std::uint8_t>(rarity);
    return r;
}

TEST(PreferenceScore, CasesRankNominativeAccusativeAblativeDativeGenitiveVocativeLocative) {
    ViewOptions o;
    const int order[] = {case_type::Nominative, case_type::Accusative, case_type::Ablative, case_type::Dative,
                         case_type::Genitive,   case_type::Vocative,   case_type::Locative};
    for (int k = 0; k + 1 < 7; ++k)
        EXPECT_LT(preferenceScore(noun(order[k], gender_type::Feminine), o),
                  preferenceScore(noun(order[k + 1], gender_type::Feminine), o))
            << "case " << order[k];
    // Gender weighs twice: unmarked before common, masculine, feminine, neuter.
    EXPECT_LT(preferenceScore(noun(case_type::Nominative, gender_type::Masculine), o),
              preferenceScore(noun(case_type::Nominative, gender_type::Neuter), o));
}

TEST(PreferenceScore, VoiceMoodTenseAndRarityOfVerbs) {
    ViewOptions o;
    auto verb = [](int tense, int voice, int mood) {
        return verbReading(tense, voice, mood, 3, number_type::Singular, "am.at", "love");
    };
    const auto active = verb(tense_type::Present, voice_type::Active, mood_type::Indicative);
    EXPECT_LT(preferenceScore(active, o), preferenceScore(verb(tense_type::Present, voice_type::Passive, mood_type::Indicative), o));
    EXPECT_LT(preferenceScore(active, o), preferenceScore(verb(tense_type::Present, voice_type::Active, mood_type::Subjunctive), o));
    EXPECT_LT(preferenceScore(active, o), preferenceScore(verb(tense_type::Perfect, voice_type::Active, mood_type::Indicative), o));
    // A whole frequency class outweighs any grammar.
    WordAnalysis rare = active;
    rare.rarity = 2;
    WordAnalysis common = verb(tense_type::Present, voice_type::Passive, mood_type::Infinitive);
    common.rarity = 1;
    EXPECT_LT(preferenceScore(common, o), preferenceScore(rare, o));
}

TEST(PreferenceScore, AreaAndAgeAdjustTheRarity) {
    ViewOptions o;
    WordAnalysis legal = noun(case_type::Nominative, gender_type::Feminine, 4);
    legal.subject = 6;   // the legal area
    const WordAnalysis plain = noun(case_type::Nominative, gender_type::Feminine, 2);
    EXPECT_GT(preferenceScore(legal, o), preferenceScore(plain, o));
    o.area = 'L';
    EXPECT_LT(preferenceScore(legal, o), preferenceScore(plain, o));   // 5 x rarity in the preferred area

    // Rarity 15 counts only as class 3 when all ages are preferred, and not at all for a later
    // reading when NeoLatin is preferred.
    o.area = 0;
    WordAnalysis modern = noun(case_type::Nominative, gender_type::Feminine, 15);
    modern.subject = 2;
    const WordAnalysis class4 = noun(case_type::Nominative, gender_type::Feminine, 4);
    EXPECT_GT(preferenceScore(modern, o), preferenceScore(class4, o));
    o.age = kAgeAll;
    EXPECT_LT(preferenceScore(modern, o), preferenceScore(class4, o));
    o.preferNeoLatin = true;
    modern.ageLevel = 7;
    EXPECT_LT(preferenceScore(modern, o), preferenceScore(noun(case_type::Nominative, gender_type::Feminine, 1), o));
}

TEST(SortCandidates, EveryRunIsOrderedTheLastOneIncluded) {
    HandSentence s;
    Engine& e = s.engine();
    const int cases[] = {case_type::Genitive, case_type::Nominative, case_type::Accusative};
    for (int word = 0; word < 2; ++word)
        for (int c : cases) {
            WordAnalysis r = noun(c, gender_type::Feminine);
            r.wordPosition = static_cast<std::int16_t>(word);
            e.wordAnalyses[e.analysisCount++] = r;
        }
    e.wordCount = 2;
    for (int k = 0; k < e.analysisCount; ++k) e.sentence.analysisOrigin[k] = static_cast<std::int16_t>(k);
    sortCandidates(e, 3, 6);   // the last word's run
    EXPECT_EQ(e.wordAnalyses[3].grammar1, case_type::Nominative);
    EXPECT_EQ(e.wordAnalyses[4].grammar1, case_type::Accusative);
    EXPECT_EQ(e.wordAnalyses[5].grammar1, case_type::Genitive);
    EXPECT_EQ(e.sentence.analysisOrigin[3], 4);   // the origins move with their records
    EXPECT_EQ(e.wordAnalyses[0].grammar1, case_type::Genitive);   // the other run untouched
}

}  // namespace
}  // namespace kavro::testing
