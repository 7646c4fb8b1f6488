// One job at a time in a program folder: the work files (latin.lat, temp.lat, parser.txt) have
// fixed names, so two runs in one folder would write over each other's text and log.
#pragma once

#include <filesystem>

namespace kavro::cli {

// The lock file every job takes in its program folder; it stays there, empty, between runs.
inline constexpr const char* kProgramFolderLockFile = "kavro.lock";

// What a run does when another run holds the program folder.
enum class LockWait { UntilFree, Never };

// Takes the advisory lock (flock) on the program folder's lock file for the rest of the process:
// the system releases it when the process ends, however it ends. When another run holds it,
// either waits (with a note on stderr) or fails at once naming the folder.
void lockProgramFolder(const std::filesystem::path& folder, LockWait wait);

}  // namespace kavro::cli
