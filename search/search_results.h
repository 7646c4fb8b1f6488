// The results of a search as fails.txt holds them, built file by file in the order of the list,
// and "Save Search &Results...", which copies fails.txt to a file of the user's choice.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "search/file_search.h"
#include "search/search_request.h"

namespace kavro {

class SearchResultsText {
public:
    // Starts with the header of the (normalised) search.
    explicit SearchResultsText(const SearchDialogValues& search);
    // The hits of one file, numbered on from the hits before them.
    void addFile(const std::string& path, const FileSearch& file);
    // The closing line; the text is then complete.
    void finish();

    const std::string& text() const { return text_; }
    int hitCount() const { return hits_; }

private:
    SearchKind kind_;
    std::string text_;
    int hits_ = 0;
};

enum class SaveResults {
    Saved,
    NoResults,       // fails.txt is missing or cannot be read
    SameFile,        // the chosen file is fails.txt itself
    ExistsAlready,   // the chosen file exists and replacing it was not allowed
    NotWritten,      // the copy could not be put in place (the old file, if any, is untouched)
};

// Copies `failsFile` to `destination` whole or not at all; an existing destination is replaced
// only when `replaceExisting` is set (the window asks first), and never when it is a link, not a
// regular file, or fails.txt itself. `problem` says why when the result is not Saved.
SaveResults saveSearchResults(const std::filesystem::path& failsFile,
                              const std::filesystem::path& destination, bool replaceExisting,
                              std::string& problem);

}  // namespace kavro
