// The default user files shipped in the data folder keep the line formats their loaders accept,
// so that none of their lines is rejected at start-up.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/tools/package_fixture.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {
namespace {

// The lines a loader reads: not comments ("--"), first character with the bit of value 64 set.
std::vector<std::string> entryLines(const char* name) {
    std::istringstream in(readWholeFile(testing::kSourceDir / name));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("--", 0) != 0 && !line.empty() && (static_cast<unsigned char>(line[0]) & 64))
            lines.push_back(line);
    return lines;
}

TEST(DefaultUserFiles, PhrasesHaveOneToFiveWordsAndAShortEnglish) {
    const auto lines = entryLines("userphrases.txt");
    EXPECT_GE(lines.size(), 40u);
    for (const std::string& line : lines) {
        ASSERT_LT(line.size(), 119u) << line;
        const std::size_t slash = line.find('/');
        ASSERT_NE(slash, std::string::npos) << line;
        const std::string english = line.substr(slash + 1);
        EXPECT_FALSE(english.empty()) << line;
        EXPECT_LE(english.size(), 78u) << line;
        std::istringstream latin(line.substr(0, slash));
        std::size_t words = 0;
        for (std::string w; latin >> w; ++words) {
            EXPECT_LE(w.size(), 22u) << line;
            EXPECT_EQ(w.find('.'), std::string::npos) << line;
        }
        EXPECT_GE(words, 1u) << line;
        EXPECT_LE(words, 5u) << line;
    }
}

TEST(DefaultUserFiles, AbbreviationsFitTheirFields) {
    const auto lines = entryLines("UserAbbreviations.txt");
    EXPECT_GE(lines.size(), 30u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].find('\t');
        ASSERT_NE(tab, std::string::npos) << lines[i];
        const std::string abbreviation = lines[i].substr(0, tab);
        EXPECT_LE(abbreviation.size(), 9u) << lines[i];
        EXPECT_LE(lines[i].size() - tab - 1, 23u) << lines[i];
        EXPECT_NE(abbreviation.find('.'), std::string::npos) << "only words with a full stop expand";
        // The first abbreviation that begins a word decides; none may hide a later one.
        for (std::size_t j = 0; j < i; ++j) {
            const std::string earlier = lines[j].substr(0, lines[j].find('\t'));
            EXPECT_NE(abbreviation.rfind(earlier, 0), 0u) << earlier << " hides " << abbreviation;
        }
    }
}

}  // namespace
}  // namespace kavro::mkdata
