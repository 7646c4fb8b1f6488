// splitWord: the table of stem and ending parts that matching walks.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "morph/split_matching.h"
#include "tests/morph/word_analysis_world.h"

namespace kavro::testing {
namespace {

using Splits = std::vector<std::pair<std::string, std::string>>;

Splits splitsOf(Engine& engine, std::string_view text, int* count = nullptr) {
    WordBuffer word{};
    copyField(word, text);
    const int n = splitWord(engine, word);
    if (count) *count = n;
    Splits out;
    for (int i = 0; i < n; ++i)
        out.emplace_back(engine.wordSplits.stems[i], engine.wordSplits.endings[i]);
    return out;
}

TEST(WordSplitTest, ShortWordsSplitAtEveryLetterThenAsAllEnding) {
    WordWorld w;
    EXPECT_EQ(splitsOf(*w.engine, "amo"),
              (Splits{{"amo", ""}, {"am", "o"}, {"a", "mo"}, {".", "amo"}}));
    EXPECT_EQ(splitsOf(*w.engine, "a"), (Splits{{"a", ""}, {".", "a"}}));
}

TEST(WordSplitTest, LongWordsTryEndingsOfUpToSevenLetters) {
    WordWorld w;
    int n = 0;
    const Splits s = splitsOf(*w.engine, "abcdefghijkl", &n);
    ASSERT_EQ(n, 9);
    EXPECT_EQ(s.front(), (std::pair<std::string, std::string>{"abcdefghijkl", ""}));
    EXPECT_EQ(s[7], (std::pair<std::string, std::string>{"abcde", "fghijkl"}));
    EXPECT_EQ(s[8], (std::pair<std::string, std::string>{".", "efghijkl"}));
}

TEST(WordSplitTest, WordIsCutToThirtyOneCharacters) {
    WordWorld w;
    WordBuffer word{};
    copyField(word, std::string(60, 'x'));
    EXPECT_EQ(splitWord(*w.engine, word), 9);
    EXPECT_EQ(std::string(word), std::string(31, 'x'));
    EXPECT_EQ(std::string(w.engine->wordSplits.stems[0]), std::string(31, 'x'));
}

}  // namespace
}  // namespace kavro::testing
