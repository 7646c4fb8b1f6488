// The text search of one file: its prepared lines (temp.lat), each compared in lower case with j
// as i and v as u.
#include <cstdio>
#include <cstring>

#include "core/engine.h"
#include "core/regular_file.h"
#include "search/file_search.h"
#include "text/latin_preparation.h"

namespace kavro {
namespace {

constexpr const char* kTempFileName = "temp.lat";
constexpr int kTextSearchLineLength = 1000;  // a longer prepared line is compared in pieces

std::string withoutLineEnd(const char* line) {
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace

bool textLineMatches(std::string_view foldedLine, const SearchDialogValues& search) {
    if (foldedLine.find(search.item) == std::string_view::npos) return false;
    if (!search.andItem.empty() && foldedLine.find(search.andItem) == std::string_view::npos) return false;
    return search.exclusion.empty() || foldedLine.find(search.exclusion) == std::string_view::npos;
}

FileSearch searchTextFile(Engine& engine, const SearchDialogValues& search,
                          const std::filesystem::path& file) {
    FileSearch result;
    PreparedLineStarts starts;
    OpenedFile opened = openPreparedText(engine, file, starts);
    if (!opened.file) return result;
    result.searched = true;
    char line[kTextSearchLineLength + 1];
    for (;;) {
        const long at = std::ftell(opened.file);
        if (!std::fgets(line, sizeof line, opened.file)) break;
        if (textLineMatches(searchFolded(line), search))
            result.hits.push_back({inputLineAt(starts, at), {}, withoutLineEnd(line), false});
        if (engine.host.escapePressed()) {
            reportSearchEscape(engine);
            result.aborted = true;
            break;
        }
    }
    result.readFailed = std::ferror(opened.file) != 0;
    std::fclose(opened.file);
    return result;
}

}  // namespace kavro
