// matchSplits: which stem and ending pairs become readings (verb-kind and number filters, the
// bare imperative, the supine, the medieval age rule, the duplicate test, groups).
#include <gtest/gtest.h>

#include "morph/analysis_emit.h"
#include "morph/split_matching.h"
#include "tests/morph/word_analysis_world.h"

namespace kavro::testing {
namespace {

// Matches one word; returns the readings emitted.
std::vector<WordAnalysis> match(WordWorld& w, std::string_view text) {
    w.engine->analysisCount = 0;
    WordBuffer word{};
    copyField(word, text);
    const int n = splitWord(*w.engine, word);
    const int emitted = matchSplits(*w.engine, n, source_kind::Dictionary);
    EXPECT_EQ(emitted, w.engine->analysisCount);
    return {w.engine->wordAnalyses, w.engine->wordAnalyses + w.engine->analysisCount};
}

class MatchTest : public ::testing::Test {
protected:
    MatchTest() {
        addCommonLatin(w);
        w.options.sentenceMode = true;
    }
    WordWorld w;
};

TEST_F(MatchTest, VerbKindsRefuseTheFormsTheyLack) {
    w.stem({"ning", speech_type::Verb, 1, 1, 0, verb_kind_type::Impersonal, 1}, "ningit", "snow");
    w.stem({"hort", speech_type::Verb, 1, 1, 0, verb_kind_type::Deponent, 1}, "hortor", "urge");
    w.stem({"fid", speech_type::Verb, 1, 1, 0, verb_kind_type::Semideponent, 1}, "fido", "trust");
    w.finish();
    EXPECT_TRUE(match(w, "ningo").empty()) << "impersonal: no first person";
    EXPECT_EQ(match(w, "ningat").size(), 1u);
    EXPECT_TRUE(match(w, "ningans").empty()) << "impersonal: no participle";
    EXPECT_EQ(match(w, "amans").size(), 1u);
    EXPECT_TRUE(match(w, "horto").empty()) << "deponent: no present active";
    ASSERT_EQ(match(w, "hortor").size(), 1u);
    EXPECT_EQ(w.engine->wordAnalyses[0].grammar2, voice_type::Active) << "deponent reads active";
    EXPECT_EQ(match(w, "fido").size(), 1u);
    EXPECT_TRUE(match(w, "fidor").empty()) << "semi-deponent: no present passive";
}

TEST_F(MatchTest, OnlyStemsEndingInCTakeTheBareImperative) {
    w.stem({"dic", speech_type::Verb, 3, 1, 0, verb_kind_type::Transitive, 1}, "dico", "say");
    w.stem({"reg", speech_type::Verb, 3, 1, 0, verb_kind_type::Transitive, 1}, "rego", "rule");
    w.finish();
    const auto dic = match(w, "dic");
    ASSERT_EQ(dic.size(), 1u);
    EXPECT_EQ(dic[0].grammar3, mood_type::Imperative);
    EXPECT_TRUE(match(w, "reg").empty());
}

TEST_F(MatchTest, ParticipleStemInUmIsAlsoASupine) {
    w.finish();
    const auto r = match(w, "amatum");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].partOfSpeech, speech_type::Participle);
    EXPECT_EQ(r[1].partOfSpeech, speech_type::Supine);
    EXPECT_EQ(r[1].grammar1, case_type::Accusative);
    EXPECT_GE(r[1].rarity, 5) << "a supine is at least uncommon";
    EXPECT_EQ(r[0].groupNumber, r[1].groupNumber);
    EXPECT_EQ(w.engine->tempinflects[1].ending, std::string("um"));
}

TEST_F(MatchTest, NumberRestrictedNounTakesOnlyItsNumber) {
    Stem arms{"arm", speech_type::Noun, 1, 1, gender_type::Neuter};
    arms.numberRestriction = number_type::Plural;
    w.stem(arms, "arma, armorum", "arms");
    w.finish();
    EXPECT_TRUE(match(w, "arma").empty());
    EXPECT_EQ(match(w, "armas").size(), 1u);
}

// A later word (metaphysica, scabinus) is read under the default medieval age, after the older
// words: only when no older entry reads the form. The classical age leaves it out.
TEST_F(MatchTest, MedievalAgeReadsLaterStemsAfterTheOlderOnes) {
    Stem late{"bapt", speech_type::Noun, 1, 1, gender_type::Feminine};
    late.ageLevel = 7;
    w.stem(late, "bapta, baptae", "dipping");
    Stem lateTwin{"cant", speech_type::Noun, 1, 1, gender_type::Masculine};
    lateTwin.ageLevel = 8;
    w.stem(lateTwin, "canta, cantae", "cantor");
    w.stem({"cant", speech_type::Noun, 1, 1, gender_type::Feminine}, "canta, cantae", "song");
    w.finish();
    w.options.age = kAgeMedieval;
    const auto medieval = match(w, "bapta");
    ASSERT_EQ(medieval.size(), 1u);
    EXPECT_EQ(medieval[0].ageLevel, 7);
    const auto older = match(w, "canta");
    ASSERT_EQ(older.size(), 1u) << "the older entry alone";
    EXPECT_EQ(older[0].grammar3, gender_type::Feminine);
    w.options.age = kAgeClassical;
    w.engine->stemLevelLimit = kAgeClassical;   // as the word-analysis run sets it
    EXPECT_TRUE(match(w, "bapta").empty());
}

TEST_F(MatchTest, SecondEntryDifferingOnlyInMeaningIsNotRepeated) {
    w.stem({"cant", speech_type::Noun, 1, 1, gender_type::Feminine}, "canta, cantae", "song");
    w.stem({"cant", speech_type::Noun, 1, 1, gender_type::Feminine}, "canta, cantae", "tune");
    w.stem({"cant", speech_type::Noun, 1, 1, gender_type::Masculine}, "canta, cantae", "singer");
    w.finish();
    const auto r = match(w, "canta");
    ASSERT_EQ(r.size(), 2u) << "the feminine twin is dropped, the masculine entry stays";
    EXPECT_EQ(r[0].grammar3, gender_type::Feminine);
    EXPECT_EQ(r[1].grammar3, gender_type::Masculine);
    EXPECT_NE(r[0].groupNumber, r[1].groupNumber);
}

}  // namespace
}  // namespace kavro::testing
