// The file list: which names are listed, the walk's depth limit and sorting on trees the tests
// build, the refused folders, DIRKavro.TXT as written and read back, and a folder of 10,000 files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "search/file_list.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::TestHost;

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "Gallia est omnis divisa.\n";
}

std::vector<std::string> names(const std::vector<std::string>& paths) {
    std::vector<std::string> out;
    for (const std::string& p : paths) out.push_back(fs::path(p).filename().string());
    return out;
}

TEST(FileList, NamesListedAndNamesLeftOut) {
    struct Case {
        const char* name;
        bool listed;
    };
    const Case cases[] = {
        {"CIL_VI.TXT", true},   {"caesar.txt", true},   {"mixed.Txt", true},
        {"fails.txt", false},   {"FAILS.TXT", false},   {"DirKavro.txt", false},
        {"PARSER.txt", false},  {"user.TXT", false},    {"userfile.txt", true},
        {"notes.md", false},    {"txt", false},         {".txt", false},
        {"two\nlines.txt", false}, {"archive.txt.gz", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isListedFileName(c.name), c.listed) << c.name;
}

// A chain of folders level1/level2/... with one file at every level (level 0 is the top).
TEST(FileList, WalkStopsTenLevelsDownAndSortsWithCaseIgnored) {
    TempFolder tree;
    fs::path level = tree.path();
    for (int depth = 0; depth <= 12; ++depth) {
        touch(level / ("L" + std::to_string(depth) + ".TXT"));
        level /= "level" + std::to_string(depth + 1);
    }
    touch(tree.file("b.txt"));
    touch(tree.file("A.TXT"));
    touch(tree.file("a.txt"));
    touch(tree.file("Parser.TXT"));
    touch(tree.file("read.me"));
    fs::create_directory_symlink(tree.path(), tree.file("loop"));  // not followed

    const FolderWalk walk = walkSearchFolder(tree.path());
    EXPECT_EQ(walk.foldersTooDeep, 1);  // level11 is not entered; the counter comes back down
    const std::vector<std::string> listed = names(walk.paths);
    ASSERT_EQ(listed.size(), 4u + 10u);
    EXPECT_EQ(std::vector<std::string>(listed.begin(), listed.begin() + 4),
              (std::vector<std::string>{"A.TXT", "a.txt", "b.txt", "L0.TXT"}));
    EXPECT_EQ(listed.back(), "L10.TXT");  // deepest listed: ten folders down
    for (std::size_t i = 1; i < walk.paths.size(); ++i) {
        std::string a = walk.paths[i - 1], b = walk.paths[i];
        for (char& ch : a) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        for (char& ch : b) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_LE(a, b);
    }
}

TEST(FileList, RefusedFolders) {
    TempFolder root;
    const fs::path program = root.file("kavro");
    fs::create_directories(program / "texts");
    fs::create_directories(root.file("kavro2"));
    struct Case {
        fs::path chosen;
        std::string_view refusal;
    };
    const std::string_view inside = "Must not use the Kavro Latin dictionary for searching.";
    const Case cases[] = {
        {"", "You must select a subdirectory holding the inscriptions \nBEFORE you make the sub-directories!"},
        {program, inside},
        {program / "texts", inside},
        {program / "texts" / ".." / "texts", inside},
        {program.string() + "/", inside},
        {root.file("kavro2"), ""},  // a name that only begins like the program folder's
        {root.path(), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(searchFolderRefusal(program, c.chosen), c.refusal) << c.chosen;

    TestHost host;
    EXPECT_FALSE(createFileList(host, program, program / "texts"));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, inside);
    EXPECT_FALSE(fs::exists(program / "texts" / kFileListName));
}

TEST(FileList, CreatedListIsWrittenWholeAndReadBack) {
    TempFolder program, tree;
    touch(tree.file("b/two.TXT"));
    touch(tree.file("One.txt"));
    TestHost host;
    const auto list = createFileList(host, program.path(), tree.path());
    ASSERT_TRUE(list);
    const std::string folder = fileListFolderName(tree.path());
    EXPECT_EQ(tree.read(kFileListName),
              folder + "\n" + (tree.path() / "b/two.TXT").string() + "\n" +
                  (tree.path() / "One.txt").string() + "\n2 = No. of files");
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Generating files.", "Sorting", "Ready"}));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              "Successfully completed construction of 'DIRKavro.TXT' look-up files.\n 2 files found.");

    const FileListRead read = readFileList(tree.path());
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.list.paths, list->paths);
    EXPECT_EQ(read.list.savedTotal, 2u);
    EXPECT_TRUE(fileListMatchesFolder(read.list, tree.path()));
    EXPECT_FALSE(fileListMatchesFolder(read.list, program.path()));

    // A list cut short has no count line; a header differing only in letter case still matches.
    FileList cut = parseFileList(folder + "\n/x/a.txt\n/x/b.t");
    EXPECT_FALSE(cut.savedTotal);
    EXPECT_EQ(cut.paths.size(), 2u);
    for (char& ch : cut.folder) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    EXPECT_TRUE(fileListMatchesFolder(cut, tree.path()));
}

TEST(FileList, EmptyAndTooDeepTreesAreSaidSo) {
    TempFolder program, tree;
    fs::path deep = tree.path();
    for (int depth = 1; depth <= 11; ++depth) deep /= "d";
    touch(deep / "lost.TXT");
    TestHost host;
    const auto list = createFileList(host, program.path(), tree.path());
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->paths.empty());
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "1 sub-directories more than 10 levels down were not searched.");
    EXPECT_EQ(host.boxes[1].text, kNoTextFiles);
    EXPECT_EQ(tree.read(kFileListName), fileListFolderName(tree.path()) + "\n0 = No. of files");
}

TEST(FileList, TenThousandFilesAreListedAndSorted) {
    TempFolder program, tree;
    for (int i = 9999; i >= 0; --i) std::ofstream(tree.file("F" + std::to_string(i) + ".txt"));
    TestHost host;
    const auto list = createFileList(host, program.path(), tree.path());
    ASSERT_TRUE(list);
    ASSERT_EQ(list->paths.size(), 10000u);
    EXPECT_TRUE(std::is_sorted(list->paths.begin(), list->paths.end()));  // one letter case here
    const FileListRead read = readFileList(tree.path());
    EXPECT_EQ(read.list.paths, list->paths);
    EXPECT_EQ(read.list.savedTotal, 10000u);
}

}  // namespace
}  // namespace kavro
