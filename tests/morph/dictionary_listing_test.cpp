#include <gtest/gtest.h>

#include "core/grammar_codes.h"
#include "morph/dictionary_listing.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro {
namespace {

using testing::Stem;
namespace pos = speech_type;

class DictionaryListing : public ::testing::Test {
protected:
    DictionaryListing() {
        auto& m = world.lexicon.meanings;
        m.push_back(testing::makeMeaning("uir, uiri", "man; husband; hero"));
        m.push_back(testing::makeMeaning("uireo, uirere, uirui, -", "be green; flourish"));
        m.push_back(testing::makeMeaning("Uirgilius, Uirgili", "Virgil"));
        m.push_back(testing::makeMeaning("uirens, uirentis (gen.), uirentior -or -us", "green"));
        world.lexicon.botanyMeanings.push_back(testing::makeMeaning("uirga", "a plant"));
        Stem herb{"uirgul", pos::Noun, 1, 1, 2, 0, 1, 0};
        herb.areaFrequency = 0xDF;
        Stem late{"uirtu", pos::Noun, 3, 1, 2, 0, 1, 0};
        late.ageLevel = 20;
        late.areaFrequency = 2;
        for (const Stem& s : {Stem{"uir", pos::Noun, 2, 3, 1, 0, 1, 0},
                              Stem{"uire", pos::Verb, 2, 1, 0, 0, 2, 1},
                              Stem{"Uirgili", pos::Noun, 2, 4, 1, 4, 1, 2},
                              Stem{"uirent", pos::Adjective, 3, 1, 0, 0, 3, 3},
                              Stem{"amic", pos::Noun, 2, 1, 1, 0, 1, 0}, herb, late})
            world.lexicon.stems.push_back(testing::makeStem(s));
        testing::indexStems(world.lexicon);
    }
    testing::TinyWorld world;
};

TEST_F(DictionaryListing, LettersWithVAndJFindSmallAndCapitalStemsInTheFixedColumns) {
    world.engine->stemLevelLimit = 5;   // the look-up always admits every age
    const std::string listing = listDictionaryStems(*world.engine, "Vir");
    EXPECT_EQ(listing,
              "uir                  NOUN   2 3 MASC    A:0 man; husband; hero\n"
              "uire                 VERB   2 1 INF     A:0 be green; flourish\n"
              "uirent               ADJ    3 1 COMP    A:0 green\n"
              "uirtu                NOUN   3 1 FEM     B:6 man; husband; hero\n"
              "Uirgili              NOUN   2 4 MASC    A:0 Virgil\n");
    EXPECT_EQ(world.engine->stemLevelLimit, 99);
    EXPECT_EQ(listDictionaryStems(*world.engine, "uiren", ListingStyle::WithCitationForms),
              "uirent               ADJ    3 1 COMP    A:0 uirens, uirentis (gen.), uirentior -or -us"
              " - green\n");
}

TEST_F(DictionaryListing, BotanyWordsAppearOnlyWithTheBotanyMeanings) {
    EXPECT_EQ(listDictionaryStems(*world.engine, "uirgu"), std::string(kNoMatchingStems));
    world.options.botanyActive = true;
    EXPECT_EQ(listDictionaryStems(*world.engine, "uirgu"),
              "uirgul               NOUN   1 1 FEM     O:0 a plant\n");
}

TEST_F(DictionaryListing, NothingFoundAndTheTruncationNoticeAreReported) {
    EXPECT_EQ(listDictionaryStems(*world.engine, "xyz"), "No matching stems found.");
    EXPECT_EQ(listDictionaryStems(*world.engine, ""), "No matching stems found.");
    for (int i = 0; i < 60; ++i)
        world.lexicon.stems.push_back(testing::makeStem({"zona", pos::Noun, 1, 1, 2}));
    testing::indexStems(world.lexicon);
    const std::string listing = listDictionaryStems(*world.engine, "zon");
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 50);
    EXPECT_TRUE(listing.ends_with("A:0 man; husband; hero\nToo many stems found (>50).\n"));
}

}  // namespace
}  // namespace kavro
