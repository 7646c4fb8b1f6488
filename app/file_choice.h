// The file dialogs' titles and filters, and the names a chosen file may not have: the program's
// own work files would be overwritten or read back as the user's text.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kavro {

inline constexpr std::string_view kOpenLatinTitle = "Open Latin file to be Processed";
inline constexpr std::string_view kSaveResultTitle = "Save result as what file?";
inline constexpr std::string_view kTextFilesFilter = "Text files (*.txt,*.asc)";
inline constexpr std::string_view kTextFilesPatterns = "*.Txt;*.Asc";
inline constexpr std::string_view kAllFilesFilter = "All files (*.*)";
inline constexpr std::string_view kDefaultExtension = "txt";

// The message refusing `chosen` when its name without extension (case ignored) is a work file's:
// "parser", "temp", "fails", "dirkavro", or begins with "user". Nothing for any other name.
std::optional<std::string_view> refusedFileMessage(const std::filesystem::path& chosen);

}  // namespace kavro
