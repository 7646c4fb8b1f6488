// The search of one listed file: the text search of its prepared lines, or the word search of
// every sentence through word analysis. The hits are kept with the line of the file where their
// text begins; numbering them and writing them to fails.txt is left to the caller, which takes
// the files in the order of the list.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/regular_file.h"
#include "search/search_request.h"
#include "text/latin_preparation.h"

namespace kavro {

struct Engine;

struct SearchHit {
    int line = 0;              // line of the searched file where the hit's text begins (from 1)
    std::string form;          // word search: the analysed form, without its stem/ending divider
    std::string text;          // the sentence (word search) or the prepared line as read
    bool unknownWord = false;  // a NOT FOUND word of an "UNKnown" search: only its form is written
};

struct FileSearch {
    bool searched = false;  // the file was prepared and read to its end (or to Escape)
    bool aborted = false;   // Escape ended the search in this file
    bool readFailed = false; // a prepared line could not be read (text search)
    std::vector<SearchHit> hits;
};

// Searches `file` as `search` (normalised, see normalisedSearch) asks, with the engine's work
// files; the engine's log stays closed. A file that cannot be prepared is not searched (the
// preparation has told the user why).
FileSearch searchFile(Engine& engine, const SearchDialogValues& search,
                      const std::filesystem::path& file);

// The two kinds of search, which searchFile chooses between.
FileSearch searchTextFile(Engine& engine, const SearchDialogValues& search,
                          const std::filesystem::path& file);
FileSearch searchWordFile(Engine& engine, const SearchDialogValues& search,
                          const std::filesystem::path& file);

// Prepares `file` into temp.lat, noting where each prepared line begins in the file, and opens
// temp.lat for reading; a file that cannot be prepared or opened gives no file (the user has
// been told why).
OpenedFile openPreparedText(Engine& engine, const std::filesystem::path& file, PreparedLineStarts& starts);

// Escape during a search: the box, and the job marked as ended by the user.
void reportSearchEscape(Engine& engine);

// True when a prepared line (folded, see searchFolded) matches the text search.
bool textLineMatches(std::string_view foldedLine, const SearchDialogValues& search);

// The word-match step on the analysed sentence of the engine: appends its hits (with `line`).
void matchSentenceWords(const Engine& engine, const SearchDialogValues& search, int line,
                        std::vector<SearchHit>& hits);

// The sentence as the word search writes it: each word after a space, each mark alone.
std::string searchSentenceText(const Engine& engine);

}  // namespace kavro
