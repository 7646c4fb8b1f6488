// The window's folder-search commands around the toolkit-free search: the search with its hits
// then shown in the Translation box, and "Save Search Results" with its question before a file
// of the user's is replaced.
#pragma once

#include <filesystem>

#include "search/corpus_search.h"
#include "search/search_request.h"

namespace kavro {

class Host;
struct Engine;

struct SearchRun {
    SearchOutcome outcome = SearchOutcome::Completed;
    bool resultsShown = false;   // the engine's translationText now holds the hits of fails.txt
};

// "Search File List": searchFileList on the engine; when it wrote fails.txt (searched to the end
// or to Escape), the file becomes the Translation box's text, cut as a long log is (at most
// kTranslationReadLimit bytes, "\nTRUNCATED." and read-only past that).
SearchRun searchAndShowResults(Engine& engine, const SearchDialogValues& dialog,
                               const std::filesystem::path& folder, bool folderChosenNow);

inline constexpr std::string_view kNoSearchResults =
    "Cannot open search output file 'fails.txt' file.\nSearch a file list first.";

// "Save Search Results" to `destination`: the copy of fails.txt of the program folder, whole or
// not at all. An existing file is replaced only when the user says Yes; fails.txt itself, links
// and special files are refused. True when the results were saved.
bool saveSearchResultsAs(Host& host, const std::filesystem::path& programFolder,
                         const std::filesystem::path& destination);

// The question asked before `destination` is replaced.
std::string replaceFileQuestion(const std::filesystem::path& destination);

}  // namespace kavro
