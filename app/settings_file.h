// UserSettings.txt: the user's options as KEY=VALUE lines, read once at start-up and rewritten
// by the "Save User Settings" command. Keys, their order, comments and unknown lines survive a
// rewrite.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "core/host.h"
#include "core/view_options.h"

namespace kavro {

inline constexpr const char* kSettingsFileName = "UserSettings.txt";
inline constexpr const char* kSettingsBackupName = "UserSettings_bak.txt";
// Only this many characters of a line take part in recognising its key and value.
inline constexpr std::size_t kSettingsLineLimit = 300;

// Reads UserSettings.txt of the program folder into the options, line by line in file order
// (a later line may undo an earlier one). False if there is no such file: the options stand.
// Only a regular file is read: a link, a pipe or an unreadable file is passed over, and then
// `problem` (when given) says why. The caller then applies the fonts and background to the boxes.
bool loadSettings(ViewOptions& options, const std::filesystem::path& programFolder,
                  std::string* problem = nullptr);

// Rewrites UserSettings.txt with the current values of the keys it holds, keeping every other
// line as it stands; creates it with every key when it does not exist. The new file is written
// beside the old one and renamed over it, so a failure never leaves a half-written file; the
// previous file is kept as UserSettings_bak.txt. True on success.
bool saveSettings(const ViewOptions& options, const std::filesystem::path& programFolder);

// The "Save User Settings" command: asks first, saves on OK and says how it went.
void saveSettingsCommand(const ViewOptions& options, const std::filesystem::path& programFolder,
                         Host& host);

}  // namespace kavro
