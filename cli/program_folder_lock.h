// The command line's side of the program-folder lock (app/program_folder_lock.h): a run that
// cannot have the folder ends with a one-line error.
#pragma once

#include <filesystem>

#include "app/program_folder_lock.h"

namespace kavro::cli {

using kavro::kProgramFolderLockFile;
using kavro::LockWait;

// Takes the lock for the rest of the process. When another run holds it, either waits (with a
// note on stderr) or fails at once naming the folder.
void lockProgramFolder(const std::filesystem::path& folder, LockWait wait);

}  // namespace kavro::cli
