#include "cli/program_folder_lock.h"

#include <cstdio>

#include "cli/cli_support.h"

namespace kavro::cli {

void lockProgramFolder(const std::filesystem::path& folder, LockWait wait) {
    const FolderLock lock = kavro::takeProgramFolderLock(folder, wait, [&folder] {
        std::fprintf(stderr, "kavro: waiting for the other kavro run in program folder %s to finish\n",
                     folder.c_str());
    });
    if (lock.outcome == LockOutcome::Failed) fail(lock.lockFile, lock.problem);
    if (lock.outcome == LockOutcome::Busy)
        fail(folder, "program folder is in use by another kavro run (--no-wait was given)");
}

}  // namespace kavro::cli
