#include "cli/program_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli_support.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

std::string systemError(const char* what) {
    return std::string(what) + " (" + std::strerror(errno) + ")";
}

// flock, retried when a signal interrupts the wait.
int flockRetrying(int fd, int operation) {
    int result;
    do result = ::flock(fd, operation);
    while (result != 0 && errno == EINTR);
    return result;
}

}  // namespace

void lockProgramFolder(const fs::path& folder, LockWait wait) {
    const fs::path lockFile = folder / kProgramFolderLockFile;
    // Never closed: the descriptor holds the lock until the process ends. A lock file another
    // user made may be read-only to us, which is enough for flock.
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0 && errno == EACCES) fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) fail(lockFile, systemError("cannot be opened to lock the program folder"));
    if (flockRetrying(fd, LOCK_EX | LOCK_NB) == 0) return;
    if (errno != EWOULDBLOCK) fail(lockFile, systemError("cannot be locked"));
    if (wait == LockWait::Never)
        fail(folder, "program folder is in use by another kavro run (--no-wait was given)");
    std::fprintf(stderr, "kavro: waiting for the other kavro run in program folder %s to finish\n",
                 folder.c_str());
    if (flockRetrying(fd, LOCK_EX) != 0) fail(lockFile, systemError("cannot be locked"));
}

}  // namespace kavro::cli
