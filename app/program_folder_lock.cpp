#include "app/program_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kavro {
namespace {

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

FolderLock takeProgramFolderLock(const std::filesystem::path& folder, LockWait wait,
                             const std::function<void()>& beforeWaiting) {
    FolderLock lock;
    lock.lockFile = folder / kProgramFolderLockFile;
    // Never closed once locked: the descriptor holds the lock until the process ends. A lock
    // file another user made may be read-only to us, which is enough for flock.
    int fd = ::open(lock.lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0 && errno == EACCES) fd = ::open(lock.lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        lock.problem = systemError("cannot be opened to lock the program folder");
        return lock;
    }
    if (flockRetrying(fd, LOCK_EX | LOCK_NB) == 0) {
        lock.outcome = LockOutcome::Locked;
        return lock;
    }
    if (errno != EWOULDBLOCK) {
        lock.problem = systemError("cannot be locked");
        ::close(fd);
        return lock;
    }
    if (wait == LockWait::Never) {
        ::close(fd);
        lock.outcome = LockOutcome::Busy;
        return lock;
    }
    if (beforeWaiting) beforeWaiting();
    if (flockRetrying(fd, LOCK_EX) != 0) {
        lock.problem = systemError("cannot be locked");
        ::close(fd);
        return lock;
    }
    lock.outcome = LockOutcome::Locked;
    return lock;
}

}  // namespace kavro
