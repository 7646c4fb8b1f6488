// Searches of small trees of typed Latin texts with the compiled lexicon: the word search by
// stem, part of speech and tense, the text search with its items, fails.txt as the search command
// writes it, the header check for a folder that moved, Escape, saving the results, and the same
// results from several threads as from one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "core/ordered_parallel.h"
#include "search/corpus_search.h"
#include "search/file_list.h"
#include "search/search_results.h"
#include "search/search_workers.h"
#include "tests/support/compiled_engine.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;
using testing::CompiledEngine;
using testing::TempFolder;

constexpr std::uint8_t kVerb = 7, kPerf = 4, kUnknown = 64;

class CorpusSearch : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::haveCompiledData()) GTEST_SKIP() << "no compiled lexicon";
        compiled = std::make_unique<CompiledEngine>(ViewOptions{});
        write("letters/A.TXT", "Marcus Iuliam amat.\n\nIulia Marcum non amavit;\nsed amicum amabat.\n");
        write("letters/b/C.txt", "-- a comment line\nGaius JULIUS Caesar venit. Amicus venit.\n");
        write("notes.txt", "Amor vincit omnia. xqzt amo.\n");
    }
    void write(const std::string& name, const std::string& text) {
        fs::create_directories(tree.file(name).parent_path());
        std::ofstream(tree.file(name)) << text;
    }
    Engine& engine() { return *compiled->engine; }
    std::vector<std::string> listed() { return walkSearchFolder(tree.path()).paths; }

    TempFolder tree;
    std::unique_ptr<CompiledEngine> compiled;
};

std::vector<std::string> hitLines(const FileSearch& file) {
    std::vector<std::string> lines;
    for (const SearchHit& h : file.hits) lines.push_back(std::to_string(h.line) + " " + h.form + ":" + h.text);
    return lines;
}

TEST_F(CorpusSearch, WordSearchFindsTheFormsOfAStem) {
    const SearchDialogValues verbs = normalisedSearch({SearchKind::Word, "am", "", "", kVerb, 0});
    EXPECT_EQ(hitLines(searchFile(engine(), verbs, tree.file("letters/A.TXT"))),
              (std::vector<std::string>{"1 amat: Marcus Iuliam amat.", "3 amauit: Iulia Marcum non amauit;",
                                        "4 amabat: sed amicum amabat."}));
    const SearchDialogValues perfects = normalisedSearch({SearchKind::Word, "am", "", "", kVerb, kPerf});
    EXPECT_EQ(hitLines(searchFile(engine(), perfects, tree.file("letters/A.TXT"))),
              (std::vector<std::string>{"3 amauit: Iulia Marcum non amauit;"}));
    // Any part of speech, less the forms of amicus.
    const SearchDialogValues notFriends = normalisedSearch({SearchKind::Word, "am", "amic", "", 0, 0});
    const FileSearch c = searchFile(engine(), notFriends, tree.file("letters/b/C.txt"));
    EXPECT_TRUE(c.searched);
    EXPECT_TRUE(c.hits.empty()) << hitLines(c).front();
    const SearchDialogValues unknown = normalisedSearch({SearchKind::Word, "", "", "", kUnknown, 0});
    const FileSearch notes = searchFile(engine(), unknown, tree.file("notes.txt"));
    ASSERT_EQ(notes.hits.size(), 1u);
    EXPECT_TRUE(notes.hits[0].unknownWord);
    EXPECT_EQ(notes.hits[0].line, 1);
}

TEST_F(CorpusSearch, TextSearchFoldsJAndVAndKeepsTheFileLine) {
    const SearchDialogValues iulius = normalisedSearch({SearchKind::Text, "Iulius", "", "", 0, 0});
    EXPECT_EQ(hitLines(searchFile(engine(), iulius, tree.file("letters/b/C.txt"))),
              (std::vector<std::string>{"2 :Gaius JULIUS Caesar venit."}));
    const SearchDialogValues withAnd = normalisedSearch({SearchKind::Text, "iul", "uit", "marc", 0, 0});
    EXPECT_EQ(hitLines(searchFile(engine(), withAnd, tree.file("letters/A.TXT"))),
              (std::vector<std::string>{"1 :Marcus Iuliam amat."}));
    const FileSearch missing = searchFile(engine(), iulius, tree.file("gone.txt"));
    EXPECT_FALSE(missing.searched);
    ASSERT_EQ(::mkfifo(tree.file("pipe.txt").c_str(), 0600), 0);
    EXPECT_FALSE(searchFile(engine(), iulius, tree.file("pipe.txt")).searched);  // not waited on
}

TEST_F(CorpusSearch, SearchCommandWritesFailsWithItsHeaderAndEmptiesTheLog) {
    testing::TestHost& host = compiled->host;
    compiled->folder.write("parser.txt", "old log");
    // No list yet: the user is asked, and Yes builds it.
    const SearchDialogValues dialog{SearchKind::Word, "am", "amic", "", kVerb, kPerf};
    EXPECT_EQ(searchFileList(engine(), dialog, tree.path(), true), SearchOutcome::NoFileList);
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes[0].text, "Cannot open 'dirkavro.txt'.\nShall I create it?");
    ASSERT_TRUE(fs::exists(tree.file(kFileListName)));

    host.boxes.clear();
    EXPECT_EQ(searchFileList(engine(), dialog, tree.path(), true), SearchOutcome::Completed);
    EXPECT_EQ(compiled->folder.read("fails.txt"),
              "--Search items = am Exclude = amic (Speechtype = Verb. Case/tense type = Perf.)\n"
              "--Word Search.\n1*** amauit:  Iulia Marcum non amauit;\n--Search complete.\n");
    EXPECT_EQ(compiled->folder.read("parser.txt"), "");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_TRUE(host.boxes[0].text.starts_with(
        "Search complete.\nNo. of files searched was 3.\nNo. of search-hits found was 1.\n"));
    EXPECT_EQ(engine().options.sentenceMode, ViewOptions{}.sentenceMode);  // restored

    // fails.txt that cannot be replaced (a link): the previous results stay as they were.
    const std::string before = compiled->folder.read("fails.txt");
    fs::rename(compiled->folder.file("fails.txt"), tree.file("kept.txt"));
    fs::create_symlink(tree.file("kept.txt"), compiled->folder.file("fails.txt"));
    host.boxes.clear();
    EXPECT_EQ(searchFileList(engine(), dialog, tree.path(), true), SearchOutcome::ResultsUnwritten);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_TRUE(host.boxes[0].text.starts_with("Cannot open search output file 'fails.txt' file.\n"));
    EXPECT_EQ(tree.read("kept.txt"), before);
    fs::remove(compiled->folder.file("fails.txt"));
    fs::remove(tree.file("kept.txt"));

    // The folder moved: its list names the old place, and the search is refused.
    const fs::path moved = tree.path().string() + "-moved";
    fs::rename(tree.path(), moved);
    host.boxes.clear();
    EXPECT_EQ(searchFileList(engine(), dialog, moved, true), SearchOutcome::FolderMismatch);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Header for 'DIRKavro.TXT' (" + fileListFolderName(tree.path()) +
                                      ") does not match subdirectory you selected.");
    fs::rename(moved, tree.path());
}

TEST_F(CorpusSearch, TextSearchResultsAndEscape) {
    testing::TestHost& host = compiled->host;
    createFileList(host, compiled->folder.path(), tree.path());
    host.boxes.clear();
    const SearchDialogValues dialog{SearchKind::Text, "venit", "", "", 0, 0};
    EXPECT_EQ(searchFileList(engine(), dialog, tree.path(), false), SearchOutcome::Completed);
    EXPECT_EQ(compiled->folder.read("fails.txt"),
              "--Search items = uenit Exclude =  And = .\n--Text Search.\n"
              "\n--Searching file..." + tree.file("letters/b/C.txt").string() + "\n1***Gaius JULIUS Caesar venit.\n"
              "\n--Searching file..." + tree.file("letters/b/C.txt").string() + "\n2*** Amicus venit.\n"
              "--Search complete.\n");

    host.boxes.clear();
    host.escapes = {false, false, false, true};  // Escape in the second file, after its first line
    EXPECT_EQ(searchFileList(engine(), dialog, tree.path(), false), SearchOutcome::Aborted);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "Escape Pressed. Ending translation.\n");
    EXPECT_EQ(host.boxes[1].text, "Escape pressed. Only 1 files fully searched and exit.");
    EXPECT_TRUE(compiled->folder.read("fails.txt").ends_with("--Search complete.\n"));
}

TEST_F(CorpusSearch, SavingResultsNeverSpoilsAFile) {
    const fs::path fails = compiled->folder.file("fails.txt");
    std::string problem;
    EXPECT_EQ(saveSearchResults(fails, tree.file("saved.txt"), false, problem), SaveResults::NoResults);
    compiled->folder.write("fails.txt", "--Text Search.\n--Search complete.\n");
    EXPECT_EQ(saveSearchResults(fails, fails, true, problem), SaveResults::SameFile);
    EXPECT_EQ(saveSearchResults(fails, tree.file("notes.txt"), false, problem), SaveResults::ExistsAlready);
    EXPECT_EQ(tree.read("notes.txt"), "Amor vincit omnia. xqzt amo.\n");
    fs::create_symlink(tree.file("notes.txt"), tree.file("link.txt"));
    EXPECT_EQ(saveSearchResults(fails, tree.file("link.txt"), true, problem), SaveResults::NotWritten);
    EXPECT_EQ(tree.read("notes.txt"), "Amor vincit omnia. xqzt amo.\n");
    EXPECT_EQ(saveSearchResults(fails, tree.file("notes.txt"), true, problem), SaveResults::Saved);
    EXPECT_EQ(tree.read("notes.txt"), "--Text Search.\n--Search complete.\n");
}

TEST_F(CorpusSearch, SeveralThreadsGiveTheHitsOfOne) {
    const std::vector<std::string> files = listed();
    const SearchDialogValues search = normalisedSearch({SearchKind::Word, "am", "", "", 0, 0});
    std::string byThreads[2];
    for (const unsigned threads : {1u, 3u}) {
        SearchWorkers workers(compiled->lexicon, compiled->options, threads);
        ASSERT_TRUE(workers.ok()) << workers.problem();
        SearchResultsText results(search);
        runOrderedParallel<WorkerFileSearch>(
            files.size(), workers.count(),
            [&](unsigned w, std::size_t i) { return workers.search(w, search, files[i]); },
            [&](std::size_t i, WorkerFileSearch&& done) {
                results.addFile(files[i], done.file);
                return true;
            },
            {2, 0, 1});
        byThreads[threads == 1 ? 0 : 1] = results.text();
    }
    EXPECT_EQ(byThreads[0], byThreads[1]);
    EXPECT_NE(byThreads[0].find("amor"), std::string::npos);
}

}  // namespace
}  // namespace kavro
