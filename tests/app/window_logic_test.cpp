// The window's toolkit-free rules: the layout, the refused file names, the clicked word and the
// print layout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "app/clicked_word.h"
#include "app/file_choice.h"
#include "app/print_layout.h"
#include "app/program_folders.h"
#include "app/window_layout.h"
#include "tests/support/temp_folder.h"

namespace kavro {
namespace {

TEST(WindowLayout, KeepsTheSplitsAndFillsTheClientAreaAtAnySize) {
    const int sizes[][2] = {{1000, 700}, {333, 517}, {1, 1}, {0, 0}, {1919, 1079}};
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const WindowLayout l = mainWindowLayout(w, h);
        EXPECT_EQ(l.latinBox.width, static_cast<int>(0.45 * w));
        EXPECT_EQ(l.latinBox.x + l.latinBox.width, l.translationBox.x);
        EXPECT_EQ(l.translationBox.x + l.translationBox.width, w);
        EXPECT_EQ(l.latinBox.y, static_cast<int>(0.05 * h));
        EXPECT_EQ(l.latinBox.height, static_cast<int>(0.8 * h));
        EXPECT_EQ(l.translationBox.y, l.latinBox.y);
        EXPECT_EQ(l.lowerWindow.y, static_cast<int>(0.85 * h));
        EXPECT_EQ(l.lowerWindow.width, static_cast<int>(0.75 * w));
        EXPECT_EQ(l.translateButton.x, l.lowerWindow.width);
        EXPECT_EQ(l.translateButton.x + l.translateButton.width, w);
        EXPECT_EQ(l.latinLabel.height, l.latinBox.y);
        EXPECT_EQ(l.translationLabel.x, l.translationBox.x);
    }
}

TEST(RefusedFileNames, WorkFileNamesAreRefusedWhateverTheirCaseAndExtension) {
    const struct {
        const char* name;
        const char* message;   // nullptr: accepted
    } cases[] = {
        {"/home/me/PARSER.TXT", "Must not use the results file!"},
        {"parser", "Must not use the results file!"},
        {"Temp.asc", "Must not use the temporary output file!"},
        {"user.txt", "Must not use your Userfile!"},
        {"UserSettings.txt", "Must not use your Userfile!"},
        {"usertext", "Must not use your Userfile!"},
        {"fails.TXT", "Must not use the Search results file!"},
        {"DIRkavro.txt", "Must not use the Search directory file!"},
        {"myuser.txt", nullptr},
        {"parser2.txt", nullptr},
        {"/tmp/user/caesar.txt", nullptr},   // a folder named user is no matter
        {"temporal.txt", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto refused = refusedFileMessage(c.name);
        if (c.message) EXPECT_EQ(refused, std::optional<std::string_view>(c.message));
        else EXPECT_FALSE(refused.has_value());
    }
}

TEST(ClickedWord, IsTheRunOfWordCharactersAroundTheClick) {
    const std::string text = "Puella rosam, \x9c" "conomia_2 amat.";
    const struct {
        std::size_t at;
        const char* word;
    } cases[] = {
        {0, "Puella"},  {3, "Puella"},  {6, "Puella"},   // the click just past a word takes it
        {7, "rosam"},   {12, "rosam"},  {13, ""},         // the comma follows "rosam"
        {14, "\x9c" "conomia_2"}, {26, "amat"}, {29, "amat"}, {30, ""}, {500, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at);
        EXPECT_EQ(wordAt(text, c.at), c.word);
    }
    EXPECT_EQ(wordAt("  ", 1), "");
    EXPECT_EQ(wordAt("", 0), "");
    EXPECT_EQ(wordAt(std::string(300, 'a'), 150).size(), kClickedWordLimit);
}

TEST(PrintLayout, LongLinesBreakAtTheLastSpaceBeforeTheColumn) {
    const std::string words = "abcde fghij klmno pqrst uvwxy zabcd efghi jklmn opqrs tuvwx yzabc defgh "
                              "ijklm nopqr stuvw xyzab";
    const std::vector<std::string> lines = printLines(words + "\r\nshort\n\n" + std::string(200, 'x'));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], words.substr(0, 71));   // the space at column 72 is the last before 76
    EXPECT_EQ(lines[1], words.substr(72));
    EXPECT_EQ(lines[2], "short");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], std::string(76, 'x'));   // no space: cut at the column
    EXPECT_EQ(lines[6], std::string(48, 'x'));
    for (const std::string& line : lines) EXPECT_LE(line.size(), kPrintLineWidth);
}

TEST(PrintLayout, PageCountIsLinesOverPagePlusOneAtMost999) {
    EXPECT_EQ(printPageCount(0, 60), 1);
    EXPECT_EQ(printPageCount(59, 60), 1);
    EXPECT_EQ(printPageCount(60, 60), 2);
    EXPECT_EQ(printPageCount(1000000, 60), 999);
    EXPECT_EQ(printPageCount(10, 0), 11);   // a page too small for one line still counts lines
}

}  // namespace
}  // namespace kavro

namespace kavro {
namespace {

// Sets an environment variable for the scope, putting back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ProgramFolders, TheWindowsFolderIsTheUsersOwnAndIsMadeWhenMissing) {
    testing::TempFolder root;
    {
        ScopedEnv home("HOME", root.path().c_str());
        ScopedEnv xdg("XDG_DATA_HOME", nullptr);
        ScopedEnv kavroHome("KAVRO_HOME", nullptr);
        EXPECT_EQ(userProgramFolder(), root.path() / ".local/share/kavro-latin");
        EXPECT_TRUE(std::filesystem::is_directory(root.path() / ".local/share/kavro-latin"));
        ScopedEnv xdgSet("XDG_DATA_HOME", (root.path() / "xdg").c_str());
        EXPECT_EQ(userProgramFolder(), root.path() / "xdg/kavro-latin");
        ScopedEnv chosen("KAVRO_HOME", (root.path() / "mine").c_str());
        EXPECT_EQ(userProgramFolder(), root.path() / "mine");
        root.write("a-file", "");
        ScopedEnv notFolder("KAVRO_HOME", (root.path() / "a-file").c_str());
        EXPECT_EQ(userProgramFolder(), std::filesystem::path());
    }
    ScopedEnv data("KAVRO_DATA", "/somewhere/data");
    EXPECT_EQ(defaultDataFolder("/build/data"), "/somewhere/data");
    ScopedEnv noData("KAVRO_DATA", nullptr);
    EXPECT_EQ(defaultDataFolder("/build/data"), "/build/data");   // a test program is not installed
}

}  // namespace
}  // namespace kavro
