// English to Latin: whole words and simple English inflection in the meanings, and the order
// and limit of the listing on the compiled lexicon.
#include <gtest/gtest.h>

#include "morph/english_lookup.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro {
namespace {

TEST(EnglishWord, WholeWordsAndTheirSimpleInflections) {
    struct Case {
        std::string_view meaning, word;
        bool found;
    };
    for (const Case& c : {
             Case{"love, like; fall in love with;", "love", true},
             Case{"love, like;", "loves", true},
             Case{"love, like;", "loved", true},
             Case{"love, like;", "loving", true},
             Case{"worthy to be loved, lovable;", "love", true},    // the meaning inflected
             Case{"Love; affection;", "LOVE", true},                 // case does not matter
             Case{"carry, bear;", "carries", true},
             Case{"stop, check;", "stopped", true},
             Case{"glove, gauntlet;", "love", false},               // not inside another word
             Case{"lover, sweetheart;", "love", false},
             Case{"bus, coach;", "bu", false},
             Case{"go, walk;", "go", true},
             Case{"", "love", false},
         }) {
        EXPECT_EQ(findEnglishWord(c.meaning, c.word) != std::string_view::npos, c.found)
            << c.word << " in " << c.meaning;
    }
    EXPECT_EQ(findEnglishWord("fire; flame of love", "love"), 15u);
}

class EnglishLookup : public testing::RealLexicon {};

TEST_F(EnglishLookup, MostFrequentFirstThenTheEarlierSenseAtMostFortyNine) {
    const std::vector<StemRecord> found = findEnglishEntries(engine(), "love");
    ASSERT_EQ(found.size(), kEnglishLookupLimit);
    EXPECT_EQ(fieldText(found[0].stem), "am");     // amo: "love, like; ..."
    EXPECT_EQ(fieldText(found[1].stem), "amor");   // amor: "love; affection; ..."
    for (std::size_t i = 1; i < found.size(); ++i)
        EXPECT_LE(found[i - 1].areaFrequency & 0x0F ? found[i - 1].areaFrequency & 0x0F : 99,
                  found[i].areaFrequency & 0x0F ? found[i].areaFrequency & 0x0F : 99);
    EXPECT_EQ(listEnglishEntries(engine(), "qzqzqz"), kNoEnglishMatch);
}

}  // namespace
}  // namespace kavro
