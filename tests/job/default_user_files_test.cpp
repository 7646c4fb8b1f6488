#include <gtest/gtest.h>

#include "job/default_user_files.h"
#include "tests/support/temp_folder.h"

namespace kavro {
namespace {

TEST(DefaultUserFiles, FillOnlyWhatTheProgramFolderLacks) {
    testing::TempFolder data;
    testing::TempFolder program;
    data.write("userphrases.txt", "shipped phrases\n");
    data.write("UserAbbreviations.txt", "shipped abbreviations\n");
    program.write("userphrases.txt", "my own phrases\n");
    // Userfile.txt is absent from both: nothing to copy and no complaint.

    EXPECT_EQ(installDefaultUserFiles(data.path(), program.path()), 1);
    EXPECT_EQ(program.read("userphrases.txt"), "my own phrases\n");
    EXPECT_EQ(program.read("UserAbbreviations.txt"), "shipped abbreviations\n");
    EXPECT_FALSE(std::filesystem::exists(program.file("Userfile.txt")));

    // A second start copies nothing, and the user's edits of an installed file survive it.
    program.write("UserAbbreviations.txt", "edited\n");
    EXPECT_EQ(installDefaultUserFiles(data.path(), program.path()), 0);
    EXPECT_EQ(program.read("UserAbbreviations.txt"), "edited\n");
}

TEST(DefaultUserFiles, AMissingDataFolderCopiesNothing) {
    testing::TempFolder program;
    EXPECT_EQ(installDefaultUserFiles(program.file("no-such-folder"), program.path()), 0);
}

}  // namespace
}  // namespace kavro
