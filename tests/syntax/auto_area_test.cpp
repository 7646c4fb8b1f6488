// Auto-area selection: the winner of a sentence's area counts, the switch of the preferred area
// and its repeated pass, the return to general after many unclear sentences, and the end-of-job
// suggestion.
#include <gtest/gtest.h>

#include "core/stages.h"
#include "syntax/auto_area.h"
#include "tests/support/hand_sentence.h"

namespace kavro {
namespace {

using testing::HandSentence;

// Area indexes of the area letters the tests use (see the area letter table).
constexpr int kGeneral = 0;
constexpr int kLegal = 6;         // 'L'
constexpr int kBiological = 2;    // 'B'
constexpr int kEcclesiastical = 4;  // 'E'
constexpr int kGeneralToo = 1;    // '-'

struct CountsCase {
    const char* what;
    std::array<int, 14> counts;
    int winner;
};

class DominantArea : public ::testing::TestWithParam<CountsCase> {};

TEST_P(DominantArea, LeadOfMoreThanTwoOverEveryLaterCount) {
    int counts[14];
    std::copy(GetParam().counts.begin(), GetParam().counts.end(), counts);
    EXPECT_EQ(dominantAreaIndex(counts), GetParam().winner) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DominantArea,
    ::testing::Values(
        CountsCase{"nothing counted", {}, -1},
        CountsCase{"three of one area", {0, 0, 0, 0, 0, 0, 3}, kLegal},
        CountsCase{"two are not enough", {0, 0, 2}, -1},
        CountsCase{"3 then 2 later: cancelled", {0, 0, 3, 0, 2}, -1},
        CountsCase{"3 then 6 later: the later wins", {0, 0, 3, 0, 6}, kEcclesiastical},
        CountsCase{"an earlier close count does not cancel a later winner", {0, 0, 2, 0, 4}, kEcclesiastical},
        CountsCase{"general words never win", {9, 0, 0, 0, 0, 0, 3}, kLegal},
        CountsCase{"index 1 can win", {0, 3}, kGeneralToo}));

// A sentence of words with the given area indexes (one chosen reading each).
class Tally : public ::testing::Test {
protected:
    void sentence(std::initializer_list<int> areas) {
        s = std::make_unique<HandSentence>();
        for (const int area : areas) {
            WordAnalysis r = testing::reading(speech_type::Noun, "x.a", "thing");
            r.subject = static_cast<std::uint8_t>(area);
            s->add(r, "thing");
        }
    }
    // Runs the tally on a sentence that shares the option block `o`.
    void tally(std::initializer_list<int> areas) {
        sentence(areas);
        s->options = o;
        tallySentenceArea(s->engine());
        o = s->options;
        changed = s->engine().areaChanged;
    }
    std::unique_ptr<HandSentence> s;
    ViewOptions o;
    bool changed = false;
};

TEST_F(Tally, ThreeLegalWordsSwitchTheAreaOnceAndAreCountedInBothPasses) {
    o.autoArea = true;
    tally({kLegal, kLegal, kLegal});
    EXPECT_TRUE(changed);
    EXPECT_EQ(o.area, 'L');
    tally({kLegal, kLegal, kLegal});   // the repeated pass under the new area
    EXPECT_FALSE(changed);
    EXPECT_EQ(o.area, 'L');
    EXPECT_EQ(o.areaSentenceCounts[kLegal], 2);
}

TEST_F(Tally, TwoWordsOfOneAreaNeverSwitch) {
    tally({kBiological, kBiological, kGeneral});
    EXPECT_FALSE(changed);
    EXPECT_EQ(o.area, 0);
    EXPECT_EQ(o.unclearAreaCount, 1);
    EXPECT_EQ(o.areaSentenceCounts[kGeneral], 1);
}

TEST_F(Tally, AGeneralWinnerResetsTheAreaWithoutARepeatedPass) {
    o.area = 'L';
    tally({kGeneralToo, kGeneralToo, kGeneralToo});
    EXPECT_FALSE(changed);
    EXPECT_EQ(o.area, 0);
}

TEST_F(Tally, TheFiftyFirstUnclearSentenceReturnsToGeneral) {
    o.area = 'L';
    for (int i = 0; i < 50; ++i) {
        tally({kGeneral});
        if (i == 20) tally({kLegal, kLegal, kLegal});   // a winner in between restarts nothing
    }
    EXPECT_EQ(o.area, 'L');
    EXPECT_EQ(o.unclearAreaCount, 50);
    tally({kGeneral});
    EXPECT_EQ(o.area, 0);
    EXPECT_EQ(o.unclearAreaCount, 0);
}

TEST_F(Tally, AnAreaOutsideTheTableIsNotCounted) {
    tally({14, 200, 14, 200});
    EXPECT_FALSE(changed);
    EXPECT_EQ(o.unclearAreaCount, 1);
}

TEST(AutoAreaSuggestion, OverFortyPerCentOfTheSentencesIsSuggested) {
    ViewOptions o;
    o.areaSentenceCounts[kGeneral] = 4;
    o.areaSentenceCounts[kLegal] = 3;
    EXPECT_EQ(autoAreaSuggestion(o),
              "At least 42.9 % of sentences were of type Legal.\nSuggest you re-translate with this "
              "area selected.");
    o.areaSentenceCounts[kGeneral] = 3;
    o.areaSentenceCounts[kLegal] = 2;   // exactly 40 %
    EXPECT_EQ(autoAreaSuggestion(o), "");
    o = ViewOptions{};
    o.areaSentenceCounts[kGeneral] = 9;   // index 0 counts in the total but never wins
    EXPECT_EQ(autoAreaSuggestion(o), "");
}

TEST(AutoAreaSuggestion, EqualCountsGoToTheLowerIndexAndTheJobShowsOneBox) {
    HandSentence s;
    s.options.areaSentenceCounts[kBiological] = 3;
    s.options.areaSentenceCounts[kEcclesiastical] = 3;
    reportAutoArea(s.engine());
    ASSERT_EQ(s.host.boxes.size(), 1u);
    EXPECT_NE(s.host.boxes[0].text.find("50.0 % of sentences were of type Biological."), std::string::npos);
    resetAutoArea(s.engine());
    EXPECT_EQ(s.options.areaSentenceCounts[kBiological], 0);
    reportAutoArea(s.engine());
    EXPECT_EQ(s.host.boxes.size(), 1u);
}

}  // namespace
}  // namespace kavro
