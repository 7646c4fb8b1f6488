// The file list of a folder tree, DIRKavro.TXT in the folder itself: the folder on its first line,
// then the full path of every text file of the tree (to ten levels of sub-folders), sorted with
// letter case ignored, then "N = No. of files". The search reads its files from it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

class Host;

inline constexpr const char* kFileListName = "DIRKavro.TXT";
// Sub-folders are entered down to this many levels below the chosen folder.
inline constexpr int kFileListDepthLimit = 10;

// What the window says when its folder chooser fails.
inline constexpr std::string_view kFolderChooserError =
    "Error with selection of sub-directory from File Selector.";
inline constexpr std::string_view kNoTextFiles =
    "No TXT files found! Set path to a different folder and re-make directory structure.";

// The work files of a program folder, which are never listed wherever they are (case ignored).
bool isExcludedFileName(std::string_view name);
// A file the list takes: a name ending in ".txt" (any letter case) that is not excluded.
bool isListedFileName(std::string_view name);

struct FolderWalk {
    std::vector<std::string> paths;  // sorted, see sortFileList
    int foldersTooDeep = 0;          // sub-folders more than kFileListDepthLimit levels down
    int foldersUnreadable = 0;       // sub-folders that could not be listed
};

// The text files of the tree under `folder`, named from it (give the folder as
// fileListFolderName names it for the full paths the list holds). Links to folders are not followed (a link may lead
// back up the tree); links to files are listed like the files.
FolderWalk walkSearchFolder(const std::filesystem::path& folder);

// Ascending, letter case ignored; names that differ only in case keep a fixed order.
void sortFileList(std::vector<std::string>& paths);

// The folder as the list's first line names it: absolute, without "." or ".." or a trailing "/".
std::string fileListFolderName(const std::filesystem::path& folder);

// The content of DIRKavro.TXT.
std::string fileListText(std::string_view folderName, const std::vector<std::string>& paths);

struct FileList {
    std::string folder;                    // the first line
    std::vector<std::string> paths;
    std::optional<std::size_t> savedTotal; // from the count line; none when it is missing
};

struct FileListRead {
    bool ok = false;
    bool missing = false;
    std::string problem;
    FileList list;
};
FileListRead readFileList(const std::filesystem::path& folder);
FileList parseFileList(std::string_view text);

// Whether the list's first line names `folder` (letter case ignored).
bool fileListMatchesFolder(const FileList& list, const std::filesystem::path& folder);

// Why a chosen folder may not be listed (a folder inside the program folder, or none chosen),
// or empty.
std::string_view searchFolderRefusal(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& chosen);

// "&Create File List...": checks the chosen folder, walks it and puts DIRKavro.TXT in it whole,
// with the statuses and messages through the host. The list, or none when it was not written.
std::optional<FileList> createFileList(Host& host, const std::filesystem::path& programFolder,
                                       const std::filesystem::path& chosen);

}  // namespace kavro
