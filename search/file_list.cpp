#include "search/file_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

#include "core/host.h"
#include "core/regular_file.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

// The program folder's work files, never listed.
constexpr std::array<std::string_view, 4> kExcludedNames = {"fails.txt", "dirkavro.txt", "parser.txt",
                                                             "user.txt"};
constexpr std::string_view kListedEnding = ".txt";
constexpr std::string_view kCountLineEnd = " = No. of files";

constexpr std::string_view kInsideProgramFolder = "Must not use the Kavro Latin dictionary for searching.";
constexpr std::string_view kNoFolderChosen =
    "You must select a subdirectory holding the inscriptions \nBEFORE you make the sub-directories!";
constexpr std::string_view kGeneratingStatus = "Generating files.";
constexpr std::string_view kSortingStatus = "Sorting";
constexpr std::string_view kReadyStatus = "Ready";

char lowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const auto lowered = [](char x, char y) { return lowerAscii(x) < lowerAscii(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowered)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowered)) return false;
    return a < b;
}

// A sub-folder is entered while it is at most kFileListDepthLimit levels below the chosen one.
void walkFolder(const fs::path& folder, int depth, FolderWalk& walk) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        ++walk.foldersUnreadable;
        return;
    }
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        if (error) break;
        const fs::directory_entry& entry = *entries;
        std::error_code statusError;
        if (fs::is_directory(entry.symlink_status(statusError))) {
            if (depth + 1 > kFileListDepthLimit) ++walk.foldersTooDeep;
            else walkFolder(entry.path(), depth + 1, walk);
        } else if (isListedFileName(entry.path().filename().string()) &&
                   fs::is_regular_file(entry.status(statusError))) {
            walk.paths.push_back(entry.path().string());
        }
    }
    if (error) ++walk.foldersUnreadable;
}

std::optional<std::size_t> countLineTotal(std::string_view line) {
    if (!line.ends_with(kCountLineEnd)) return std::nullopt;
    line.remove_suffix(kCountLineEnd.size());
    std::size_t total = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), total);
    if (error != std::errc{} || end != line.data() + line.size() || line.empty()) return std::nullopt;
    return total;
}

// Whether `inner` is `outer` or lies inside it, folder by folder.
bool isWithin(const fs::path& inner, const fs::path& outer) {
    auto o = outer.begin();
    for (auto i = inner.begin(); o != outer.end(); ++i, ++o) {
        if (o->empty()) continue;  // a trailing separator
        if (i == inner.end() || *i != *o) return false;
    }
    return true;
}

fs::path normalFolder(const fs::path& folder) {
    std::error_code error;
    fs::path normal = fs::weakly_canonical(fs::absolute(folder), error);
    if (error) normal = fs::absolute(folder).lexically_normal();
    return normal;
}

void reportFolderWalk(Host& host, const FolderWalk& walk) {
    if (walk.foldersTooDeep > 0)
        host.message(std::to_string(walk.foldersTooDeep) + " sub-directories more than " +
                     std::to_string(kFileListDepthLimit) + " levels down were not searched.");
    if (walk.foldersUnreadable > 0)
        host.message(std::to_string(walk.foldersUnreadable) + " sub-directories could not be read.");
    if (walk.paths.empty()) host.message(kNoTextFiles);
    else
        host.message("Successfully completed construction of 'DIRKavro.TXT' look-up files.\n " +
                     std::to_string(walk.paths.size()) + " files found.");
}

}  // namespace

bool isExcludedFileName(std::string_view name) {
    return std::any_of(kExcludedNames.begin(), kExcludedNames.end(),
                       [&](std::string_view excluded) { return equalIgnoringCase(name, excluded); });
}

// A name with a line end could not stand on a line of the list.
bool isListedFileName(std::string_view name) {
    return name.size() > kListedEnding.size() &&
           equalIgnoringCase(name.substr(name.size() - kListedEnding.size()), kListedEnding) &&
           name.find_first_of("\r\n") == std::string_view::npos && !isExcludedFileName(name);
}

FolderWalk walkSearchFolder(const fs::path& folder) {
    FolderWalk walk;
    walkFolder(folder, 0, walk);
    sortFileList(walk.paths);
    return walk;
}

void sortFileList(std::vector<std::string>& paths) { std::sort(paths.begin(), paths.end(), lessIgnoringCase); }

std::string fileListFolderName(const fs::path& folder) {
    std::string name = normalFolder(folder).string();
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    return name;
}

std::string fileListText(std::string_view folderName, const std::vector<std::string>& paths) {
    std::string text(folderName);
    text += '\n';
    for (const std::string& path : paths) (text += path) += '\n';
    text += std::to_string(paths.size());
    text += kCountLineEnd;
    return text;
}

FileList parseFileList(std::string_view text) {
    FileList list;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (first) {
            list.folder.assign(line);
            first = false;
        } else if (const auto total = countLineTotal(line)) {
            list.savedTotal = total;
        } else if (!line.empty()) {
            list.paths.emplace_back(line);
        }
    }
    return list;
}

FileListRead readFileList(const fs::path& folder) {
    FileListRead read;
    ReadFile file = readRegularFile(folder / kFileListName);
    read.missing = file.missing;
    read.problem = std::move(file.problem);
    if (!file.ok) return read;
    read.ok = true;
    read.list = parseFileList(file.content);
    return read;
}

bool fileListMatchesFolder(const FileList& list, const fs::path& folder) {
    return equalIgnoringCase(list.folder, fileListFolderName(folder));
}

std::string_view searchFolderRefusal(const fs::path& programFolder, const fs::path& chosen) {
    if (chosen.empty()) return kNoFolderChosen;
    if (isWithin(normalFolder(chosen), normalFolder(programFolder))) return kInsideProgramFolder;
    return {};
}

std::optional<FileList> createFileList(Host& host, const fs::path& programFolder, const fs::path& chosen) {
    if (const std::string_view refusal = searchFolderRefusal(programFolder, chosen); !refusal.empty()) {
        host.message(refusal);
        return std::nullopt;
    }
    host.setWaitCursor(true);
    host.setStatus(kGeneratingStatus);
    FileList list;
    list.folder = fileListFolderName(chosen);
    FolderWalk walk = walkSearchFolder(list.folder);
    host.setStatus(kSortingStatus);
    std::string problem;
    const fs::path listFile = chosen / kFileListName;
    const bool written = replaceRegularFile(listFile, fileListText(list.folder, walk.paths), problem);
    host.setWaitCursor(false);
    host.setStatus(kReadyStatus);
    if (!written) {
        host.message("Cannot open file " + listFile.string() + ". Already open elsewhere?\n" + problem);
        return std::nullopt;
    }
    reportFolderWalk(host, walk);
    list.savedTotal = walk.paths.size();
    list.paths = std::move(walk.paths);
    return list;
}

}  // namespace kavro
