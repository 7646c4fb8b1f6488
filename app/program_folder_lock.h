// One job at a time in a program folder: the work files (latin.lat, temp.lat, parser.txt) have
// fixed names, so two runs in one folder would write over each other's text and log. The
// command line and the window both take this lock.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace kavro {

// The lock file every run takes in its program folder; it stays there, empty, between runs.
inline constexpr const char* kProgramFolderLockFile = "kavro.lock";

// What a run does when another run holds the program folder.
enum class LockWait { UntilFree, Never };

enum class LockOutcome {
    Locked,  // held for the rest of the process
    Busy,    // another run holds it (only with LockWait::Never)
    Failed,  // the lock file cannot be opened or locked; `problem` says why
};

struct FolderLock {
    LockOutcome outcome = LockOutcome::Failed;
    std::filesystem::path lockFile;
    std::string problem;
};

// Takes the advisory lock (flock) on the program folder's lock file for the rest of the process:
// the system releases it when the process ends, however it ends. With LockWait::UntilFree and
// another run holding it, calls `beforeWaiting` and then waits.
FolderLock takeProgramFolderLock(const std::filesystem::path& folder, LockWait wait,
                             const std::function<void()>& beforeWaiting = {});

}  // namespace kavro
