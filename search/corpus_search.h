// "&Search File List...": the search of every file of a folder's DIRKavro.TXT, the hits written to
// fails.txt in the program folder, and the closing messages. The window calls searchFileList
// after the dialog's checks (searchDialogRefusal) have passed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "search/search_request.h"

namespace kavro {

struct Engine;

enum class SearchOutcome {
    Completed,
    Aborted,          // Escape; fails.txt holds the files searched until then
    NoFileList,       // DIRKavro.TXT could not be read (built anew when the user said Yes)
    FolderMismatch,   // the list was made for another folder
    NoFiles,          // the list holds no file
    ResultsUnwritten, // fails.txt could not be put in place; the previous one is untouched
};

// What the closing messages tell.
struct SearchSummary {
    std::size_t filesSearched = 0;
    std::size_t savedTotal = 0;
    int hits = 0;
    bool aborted = false;
    std::string timeTaken;   // "hh:mm:ss.ss"
};

// The closing messages: after Escape how many files were searched; otherwise a discrepancy
// between the files listed and searched (when there is one) and the search's figures.
std::string searchEndMessage(const SearchSummary& summary);
std::string searchDiscrepancyMessage(const SearchSummary& summary);

// The header check: "Header for 'DIRKavro.TXT' (...) does not match subdirectory you selected."
std::string fileListMismatchMessage(const std::string& header);

// Searches the files listed in `folder`'s DIRKavro.TXT with the engine (its host shows the
// statuses and messages; Escape ends the search). `folderChosenNow` asks for the list's header to
// be checked against `folder`. The host hears the files started of the files listed (progress).
// fails.txt is put in place whole; parser.txt is emptied.
SearchOutcome searchFileList(Engine& engine, const SearchDialogValues& dialog,
                             const std::filesystem::path& folder, bool folderChosenNow);

}  // namespace kavro
