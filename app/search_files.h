// The file list a search command runs on, and how it shows the files: DIR/DIRKavro.TXT read
// (made anew when missing or asked), the files in the order the threads take them, and a listed
// path as the user named the folder.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "search/file_list.h"

namespace kavro {

// The list of `folder`'s text files: read from its DIRKavro.TXT, or made anew (when missing, or
// with `rebuild`) and saved there when the folder can be written to, else kept in memory. What
// the user should know (sub-folders passed over, where the list went) is added to `notes`.
// Fails naming the list when it cannot be read or was made for another folder.
FileList searchFileList(const std::filesystem::path& folder, bool rebuild, std::vector<std::string>& notes);

// The files' indexes, longest file first, so that the threads finish close together.
std::vector<std::size_t> longestFilesFirst(const std::vector<std::string>& paths);

// A listed (full) path as the user named the folder: DIR/letters/a.txt for a list of DIR.
std::string shownPath(const std::string& path, const FileList& list, const std::string& folderArgument);

}  // namespace kavro
