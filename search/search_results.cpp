#include "search/search_results.h"

#include <system_error>

#include "core/regular_file.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSearchComplete = "--Search complete.\n";
constexpr std::string_view kReadError = "Error in reading a line of data.\n";

std::string numbered(int number, std::string_view separator) {
    return std::to_string(number) + "***" + std::string(separator);
}

}  // namespace

SearchResultsText::SearchResultsText(const SearchDialogValues& search)
    : kind_(search.kind), text_(searchResultsHeader(search)) {}

void SearchResultsText::addFile(const std::string& path, const FileSearch& file) {
    for (const SearchHit& hit : file.hits) {
        ++hits_;
        if (kind_ == SearchKind::Text) {
            text_ += "\n--Searching file...";
            text_ += path;
            (text_ += '\n') += numbered(hits_, "");
            (text_ += hit.text) += '\n';
        } else if (hit.unknownWord) {
            (text_ += hit.form) += '\n';
        } else {
            ((text_ += numbered(hits_, " ")) += hit.form) += ": ";
            (text_ += hit.text) += '\n';
        }
    }
    if (file.readFailed) text_ += kReadError;
}

void SearchResultsText::finish() { text_ += kSearchComplete; }

SaveResults saveSearchResults(const fs::path& failsFile, const fs::path& destination,
                              bool replaceExisting, std::string& problem) {
    std::error_code error;
    if (fs::equivalent(failsFile, destination, error)) {
        problem = "the results are fails.txt itself";
        return SaveResults::SameFile;
    }
    ReadFile results = readRegularFile(failsFile);
    if (!results.ok) {
        problem = results.missing ? "no search has been made" : results.problem;
        return SaveResults::NoResults;
    }
    if (!replaceExisting && fs::exists(fs::symlink_status(destination, error))) {
        problem = "the file exists already";
        return SaveResults::ExistsAlready;
    }
    return replaceRegularFile(destination, results.content, problem) ? SaveResults::Saved
                                                                     : SaveResults::NotWritten;
}

}  // namespace kavro
