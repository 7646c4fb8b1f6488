#include "search/corpus_search.h"

#include "core/elapsed_time.h"
#include "core/engine.h"
#include "core/regular_file.h"
#include "search/file_list.h"
#include "search/file_search.h"
#include "search/search_results.h"

namespace kavro {
namespace {

constexpr const char* kFailsName = "fails.txt";
constexpr const char* kParserName = "parser.txt";
constexpr std::string_view kSearchingStatus = "Searching...";
constexpr std::string_view kReadyStatus = "Ready";
constexpr std::string_view kCreateListQuestion = "Cannot open 'dirkavro.txt'.\nShall I create it?";
constexpr std::string_view kFailsUnwritable = "Cannot open search output file 'fails.txt' file.\n";
constexpr std::string_view kResultsSaved = "Results saved to file 'fails.txt' in application directory.";

// The list of the folder, or none after asking to build it (and building it on Yes).
std::optional<FileList> listToSearch(Engine& engine, const std::filesystem::path& folder,
                                     SearchOutcome& outcome) {
    FileListRead read = readFileList(folder);
    if (read.ok) return std::move(read.list);
    outcome = SearchOutcome::NoFileList;
    if (engine.host.message(kCreateListQuestion, BoxKind::YesNo) == BoxAnswer::Yes)
        createFileList(engine.host, engine.programFolder, folder);
    return std::nullopt;
}

// Every listed file in turn, until Escape.
SearchSummary searchListedFiles(Engine& engine, const SearchDialogValues& search,
                                const FileList& list, SearchResultsText& results) {
    SearchSummary summary;
    summary.savedTotal = list.savedTotal.value_or(0);
    const int total = static_cast<int>(list.paths.size());
    int started = 0;
    for (const std::string& path : list.paths) {
        engine.host.progress(started++, total);
        engine.host.setStatus("Searching file #" + std::to_string(summary.filesSearched + 1));
        const FileSearch file = searchFile(engine, search, path);
        results.addFile(path, file);
        if (file.searched && !file.aborted) ++summary.filesSearched;
        if (file.aborted) {
            summary.aborted = true;
            break;
        }
    }
    engine.host.progress(started, total);
    summary.hits = results.hitCount();
    return summary;
}

void showSearchEnd(Engine& engine, const SearchSummary& summary) {
    if (!summary.aborted) {
        if (const std::string discrepancy = searchDiscrepancyMessage(summary); !discrepancy.empty())
            engine.host.message(discrepancy);
    }
    engine.host.message(searchEndMessage(summary));
}

}  // namespace

std::string searchEndMessage(const SearchSummary& summary) {
    if (summary.aborted)
        return "Escape pressed. Only " + std::to_string(summary.filesSearched) +
               " files fully searched and exit.";
    return "Search complete.\nNo. of files searched was " + std::to_string(summary.filesSearched) +
           ".\nNo. of search-hits found was " + std::to_string(summary.hits) +
           ".\nTime taken for search was " + summary.timeTaken + "\n" + std::string(kResultsSaved);
}

std::string searchDiscrepancyMessage(const SearchSummary& summary) {
    if (summary.filesSearched == summary.savedTotal) return {};
    return "Discrepancy between files saved " + std::to_string(summary.savedTotal) +
           " and files searched " + std::to_string(summary.filesSearched) +
           ".\nProbably need to re-make sub-directories.";
}

std::string fileListMismatchMessage(const std::string& header) {
    return "Header for 'DIRKavro.TXT' (" + header + ") does not match subdirectory you selected.";
}

SearchOutcome searchFileList(Engine& engine, const SearchDialogValues& dialog,
                             const std::filesystem::path& folder, bool folderChosenNow) {
    const std::int64_t start = clockMillis();
    engine.host.setStatus(kSearchingStatus);
    const SearchDialogValues search = normalisedSearch(dialog);
    SearchOutcome outcome = SearchOutcome::Completed;
    const std::optional<FileList> list = listToSearch(engine, folder, outcome);
    if (!list) return outcome;
    if (folderChosenNow && !fileListMatchesFolder(*list, folder)) {
        engine.host.message(fileListMismatchMessage(list->folder));
        return SearchOutcome::FolderMismatch;
    }
    if (list->paths.empty()) {
        engine.host.message(kNoTextFiles);
        return SearchOutcome::NoFiles;
    }
    engine.host.setWaitCursor(true);
    SearchResultsText results(search);
    SearchSummary summary = searchListedFiles(engine, search, *list, results);
    results.finish();
    summary.timeTaken = formatElapsed(start, clockMillis());
    engine.host.setWaitCursor(false);
    engine.host.setStatus(kReadyStatus);
    std::string problem;
    if (!replaceRegularFile(engine.file(kFailsName), results.text(), problem)) {
        engine.host.message(std::string(kFailsUnwritable) + problem);
        return SearchOutcome::ResultsUnwritten;
    }
    replaceRegularFile(engine.file(kParserName), "", problem);
    showSearchEnd(engine, summary);
    return summary.aborted ? SearchOutcome::Aborted : SearchOutcome::Completed;
}

}  // namespace kavro
