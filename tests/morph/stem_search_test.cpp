#include <gtest/gtest.h>

#include "core/grammar_codes.h"
#include "morph/stem_search.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro {
namespace {

using testing::Stem;
using testing::TinyWorld;
namespace pos = speech_type;

class StemSearch : public ::testing::Test {
protected:
    void useStems(std::initializer_list<Stem> stems) {
        for (const Stem& s : stems) world.lexicon.stems.push_back(testing::makeStem(s));
        testing::indexStems(world.lexicon);
    }
    void useUserStems(std::initializer_list<Stem> stems) {
        for (const Stem& s : stems) world.lexicon.userStems.push_back(testing::makeStem(s));
    }
    Engine& engine() { return *world.engine; }

    TinyWorld world;
};

TEST_F(StemSearch, CapitalisedStemsLiveBeforeTheFirstSmallLetter) {
    useStems({{"Roma", pos::Noun, 1, 1, 2, 4, 1, 10}, {"rosa", pos::Noun}, {"ros", pos::Noun, 1, 1, 2, 0, 1, 11}});
    ASSERT_EQ(findStems(engine(), "Roma"), 1);
    EXPECT_EQ(engine().tempstems[0].meaningIndex, 10u);
    EXPECT_EQ(findStems(engine(), "roma"), 0);
    ASSERT_EQ(findStems(engine(), "ros"), 1);
    EXPECT_EQ(engine().tempstems[0].meaningIndex, 11u);
    EXPECT_EQ(findStems(engine(), "{ros"), 0);        // above "z"
    EXPECT_EQ(findStems(engine(), "\xe6sop"), 0);     // a high byte searches the capitals' range
    EXPECT_EQ(engine().tempstemCount, 0);
}

TEST_F(StemSearch, TheStemLevelLimitFollowsTheAgeOption) {
    EXPECT_EQ(stemLevelLimitFor(kAgeClassical), kAgeClassical);
    EXPECT_EQ(stemLevelLimitFor(kAgeMedieval), kAdmitEveryStem);
    EXPECT_EQ(stemLevelLimitFor(kAgeAll), kAdmitEveryStem);
    Stem late{"papa", pos::Noun};
    late.ageLevel = 6;
    useStems({late});
    engine().stemLevelLimit = stemLevelLimitFor(kAgeClassical);
    EXPECT_EQ(findStems(engine(), "papa"), 0);
    engine().stemLevelLimit = stemLevelLimitFor(kAgeMedieval);
    EXPECT_EQ(findStems(engine(), "papa"), 1);
}

TEST_F(StemSearch, EqualStemsComeInFileOrderAndUserStemsAfterThem) {
    useStems({{"am", pos::Verb, 1, 1, 0, 0, 1, 100}, {"am", pos::Noun, 1, 1, 0, 0, 1, 200},
              {"ama", pos::Noun}, {"al", pos::Noun}});
    useUserStems({{"am", pos::Noun, 2, 1, 0, 0, 1, 3}, {"am", pos::Verb, 3, 1, 0, 0, 1, 4}});
    ASSERT_EQ(findStems(engine(), "am"), 2);
    EXPECT_EQ(engine().tempstems[0].meaningIndex, 100u);
    EXPECT_EQ(engine().tempstems[1].meaningIndex, 200u);
    ASSERT_EQ(findUserStems(engine(), "am", 2), 4);
    EXPECT_EQ(engine().tempstems[2].meaningIndex, kUserMeaningBase + 3);
    EXPECT_EQ(engine().tempstems[3].meaningIndex, kUserMeaningBase + 4);
    EXPECT_EQ(engine().tempstemCount, 4);
    EXPECT_EQ(findUserStems(engine(), "zz", 4), 4);   // beyond the last user stem
}

TEST_F(StemSearch, TheFiftiethEqualStemIsRefusedWithARationedWarning) {
    for (int i = 0; i < 55; ++i) world.lexicon.stems.push_back(testing::makeStem({"et", pos::Conjunction}));
    testing::indexStems(world.lexicon);
    useUserStems({{"et", pos::Conjunction}});
    engine().log.open(engine().file("parser.txt"));
    EXPECT_EQ(findStems(engine(), "et"), 49);
    ASSERT_EQ(world.host.boxes.size(), 1u);
    EXPECT_EQ(world.host.boxes[0].text, "Too many tempstems fields.\n");
    EXPECT_EQ(engine().warningBoxCount, 1);
    // The user search after a full table refuses again; a third refusal is only logged.
    EXPECT_EQ(findUserStems(engine(), "et", 49), 49);
    EXPECT_EQ(findStems(engine(), "et"), 49);
    engine().log.close();
    EXPECT_EQ(world.host.boxes.size(), 2u);
    EXPECT_EQ(engine().warningBoxCount, 2);
    EXPECT_EQ(world.folder.read("parser.txt"), "Too many tempstems fields.\n"
                                               "Too many tempstems fields.\n"
                                               "Too many tempstems fields.\n");
    // A corpus search shows no box at all.
    engine().warningBoxCount = 0;
    engine().searchRunning = true;
    EXPECT_EQ(findStems(engine(), "et"), 49);
    EXPECT_EQ(world.host.boxes.size(), 2u);
}

TEST_F(StemSearch, ALetterIndexPointingPastTheStemsIsNotFollowed) {
    useStems({{"bellum", pos::Noun}});
    for (auto& entry : world.lexicon.letterIndex) entry.firstRecord = 5000000;
    world.lexicon.letterIndex[0].firstRecord = 0;
    world.lexicon.letterIndex[1].firstRecord = 0;   // b's range ends far past the table
    EXPECT_EQ(findStems(engine(), "bellum"), 1);
    world.lexicon.letterIndex[1].firstRecord = 7;   // b's range starts past the end
    EXPECT_EQ(findStems(engine(), "bellum"), 0);
}

TEST_F(StemSearch, PrefixSearchAppendsWithinTheLimitAndNotesTheCut) {
    useStems({{"uir", pos::Noun}, {"uirt", pos::Noun}, {"uis", pos::Noun}, {"Uir", pos::Noun}, {"ui", pos::Noun}});
    EXPECT_EQ(findStemsByPrefix(engine(), "uir", 0), 2);
    EXPECT_EQ(world.foundStem(1), "uirt");
    EXPECT_EQ(findStemsByPrefix(engine(), "Uir", 2), 3);
    EXPECT_EQ(world.foundStem(2), "Uir");
    EXPECT_EQ(findStemsByPrefix(engine(), "", 3), 3);
    EXPECT_TRUE(engine().messageBuffer.empty());

    for (int i = 0; i < 60; ++i) world.lexicon.stems.push_back(testing::makeStem({"uxor", pos::Noun}));
    testing::indexStems(world.lexicon);
    EXPECT_EQ(findStemsByPrefix(engine(), "ux", 0), 49);
    EXPECT_EQ(engine().messageBuffer, "Too many stems found (>50).\n");
    EXPECT_TRUE(world.host.boxes.empty());
}

}  // namespace
}  // namespace kavro
