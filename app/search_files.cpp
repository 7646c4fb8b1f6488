#include "app/search_files.h"

#include <unistd.h>

#include <algorithm>
#include <numeric>
#include <system_error>

#include "core/command_error.h"
#include "core/regular_file.h"
#include "search/corpus_search.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

void noteFolderWalk(const fs::path& folder, const FolderWalk& walk, std::vector<std::string>& notes) {
    if (walk.foldersTooDeep > 0)
        notes.push_back(folder.string() + ": " + std::to_string(walk.foldersTooDeep) + " sub-folder(s) more than " +
                        std::to_string(kFileListDepthLimit) + " levels down were not searched");
    if (walk.foldersUnreadable > 0)
        notes.push_back(folder.string() + ": " + std::to_string(walk.foldersUnreadable) +
                        " sub-folder(s) could not be read");
}

// A folder the user cannot write to, or one that nobody may write to by its permissions (which
// a superuser could still write to, against the owner's intent).
bool markedReadOnly(const fs::path& folder) {
    std::error_code error;
    const fs::perms perms = fs::status(folder, error).permissions();
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return ::access(folder.c_str(), W_OK) != 0 || (!error && (perms & kAnyWrite) == fs::perms::none);
}

// A new list of the folder, put in DIRKavro.TXT when the folder can be written to, else kept in
// memory only.
FileList newFileList(const fs::path& folder, std::vector<std::string>& notes) {
    FileList list;
    list.folder = fileListFolderName(folder);
    FolderWalk walk = walkSearchFolder(list.folder);
    noteFolderWalk(folder, walk, notes);
    std::string problem;
    const fs::path listFile = folder / kFileListName;
    if (markedReadOnly(folder))
        notes.push_back(folder.string() + " is read-only; the file list is kept in memory");
    else if (replaceRegularFile(listFile, fileListText(list.folder, walk.paths), problem))
        notes.push_back(std::to_string(walk.paths.size()) + " file(s) listed in " + listFile.string());
    else
        notes.push_back(listFile.string() + " cannot be written (" + problem + "); the file list is kept in memory");
    list.savedTotal = walk.paths.size();
    list.paths = std::move(walk.paths);
    return list;
}

}  // namespace

FileList searchFileList(const fs::path& folder, bool rebuild, std::vector<std::string>& notes) {
    if (rebuild) return newFileList(folder, notes);
    FileListRead read = readFileList(folder);
    if (read.missing) return newFileList(folder, notes);
    if (!read.ok) fail(folder / kFileListName, read.problem);
    if (!fileListMatchesFolder(read.list, folder))
        fail(folder / kFileListName, fileListMismatchMessage(read.list.folder) + " (--rebuild makes it anew)");
    return std::move(read.list);
}

std::vector<std::size_t> longestFilesFirst(const std::vector<std::string>& paths) {
    std::vector<std::uintmax_t> sizes(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::error_code error;
        sizes[i] = fs::file_size(paths[i], error);
        if (error) sizes[i] = 0;
    }
    std::vector<std::size_t> order(paths.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return sizes[a] > sizes[b]; });
    return order;
}

std::string shownPath(const std::string& path, const FileList& list, const std::string& folderArgument) {
    if (!path.starts_with(list.folder) || path.size() <= list.folder.size() ||
        (path[list.folder.size()] != '/' && list.folder != "/"))
        return path;
    std::string shown = folderArgument;
    while (shown.size() > 1 && shown.back() == '/') shown.pop_back();
    if (shown != "/") shown += '/';
    return shown + path.substr(list.folder.size() + (list.folder == "/" ? 0 : 1));
}

}  // namespace kavro
