// The window's search command around the folder search: the hits become the Translation box's
// text, cut as a long log is, and only when the search wrote them.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "app/search_commands.h"
#include "app/translate_command.h"
#include "core/engine.h"
#include "search/file_list.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

class SearchCommands : public ::testing::Test {
protected:
    SearchCommands() : engine(std::make_unique<Engine>(lexicon, options, host, home.path())) {
        engine->translationText = "the last translation";
        engine->translationEditable = true;
    }

    // Two listed files in the texts folder, the first with `lines` lines that hold "rosa".
    void makeList(int lines) {
        std::string many;
        for (int i = 0; i < lines; ++i) many += "Rosa " + std::string(90, 'x') + " " + std::to_string(i) + ".\n";
        texts.write("A.TXT", many);
        texts.write("B.TXT", "Nauta stat.\n");
        ASSERT_TRUE(createFileList(host, home.path(), texts.path()));
        host.boxes.clear();
        host.progressCalls.clear();
    }

    testing::TempFolder home;
    testing::TempFolder texts;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine;
};

TEST_F(SearchCommands, TheHitsBecomeTheTranslationBoxAndTheFilesAreCounted) {
    makeList(3);
    const SearchRun run = searchAndShowResults(*engine, {SearchKind::Text, "rosa", "", "", 0, 0}, texts.path(), true);
    EXPECT_EQ(run.outcome, SearchOutcome::Completed);
    ASSERT_TRUE(run.resultsShown);
    EXPECT_EQ(engine->translationText, home.read("fails.txt"));
    EXPECT_NE(engine->translationText.find("3***Rosa"), std::string::npos);
    EXPECT_TRUE(engine->translationEditable);
    // The progress bar hears each file as it starts, then the end.
    EXPECT_EQ(host.progressCalls, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
}

TEST_F(SearchCommands, ALongResultIsCutInTheBoxButKeptWholeInFailsTxt) {
    makeList(2000);
    const SearchRun run = searchAndShowResults(*engine, {SearchKind::Text, "rosa", "", "", 0, 0}, texts.path(), true);
    ASSERT_TRUE(run.resultsShown);
    const std::string results = home.read("fails.txt");
    ASSERT_GT(results.size(), kTranslationReadLimit);
    EXPECT_TRUE(results.ends_with("--Search complete.\n"));
    EXPECT_EQ(engine->translationText, results.substr(0, kTruncationOffset) + kTruncatedMark);
    EXPECT_FALSE(engine->translationEditable);
}

TEST_F(SearchCommands, ASearchThatWroteNoResultsLeavesTheBoxAlone) {
    makeList(1);
    // A list made for another folder, and a folder without a list (the user declines to make one).
    texts.write(kFileListName, "/somewhere/else\n/somewhere/else/A.TXT\n1 = No. of files");
    host.answers.push_back(BoxAnswer::No);
    const std::pair<std::filesystem::path, SearchOutcome> cases[] = {
        {texts.path(), SearchOutcome::FolderMismatch},
        {home.path() / "nothing", SearchOutcome::NoFileList},
    };
    for (const auto& [folder, outcome] : cases) {
        const SearchRun run = searchAndShowResults(*engine, {SearchKind::Text, "rosa", "", "", 0, 0}, folder, true);
        EXPECT_EQ(run.outcome, outcome);
        EXPECT_FALSE(run.resultsShown);
        EXPECT_EQ(engine->translationText, "the last translation");
    }
    EXPECT_FALSE(std::filesystem::exists(home.file("fails.txt")));
}

}  // namespace
}  // namespace kavro
