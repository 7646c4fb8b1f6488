#include "core/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace kavro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLinkProblem = "is a symbolic link; it is not followed";
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask
// Attempts at a fresh name for the new copy before giving up.
constexpr int kNewNameAttempts = 16;
constexpr std::size_t kReadBlock = 65536;

std::string systemProblem(int error) { return std::strerror(error); }

// What kind of thing stands where a regular file was wanted.
std::string kindProblem(mode_t mode) {
    if (S_ISLNK(mode)) return std::string(kLinkProblem);
    if (S_ISDIR(mode)) return "is a folder, not a regular file";
    if (S_ISFIFO(mode)) return "is a named pipe, not a regular file";
    if (S_ISSOCK(mode)) return "is a socket, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a regular file";
    return "is not a regular file";
}

// Why an open failed: the kind of thing at the path when it is not a regular file, else the
// system's reason.
void explainOpenFailure(const fs::path& path, int error, OpenedFile& opened) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        opened.problem = kindProblem(st.st_mode);
        return;
    }
    opened.missing = error == ENOENT;
    opened.problem = systemProblem(error);
}

int openFlags(FileAccess access, SymbolicLinks links) {
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (links == SymbolicLinks::Refuse) flags |= O_NOFOLLOW;
    return flags | (access == FileAccess::Read ? O_RDONLY : O_WRONLY | O_CREAT);
}

// The open descriptor checked to be a regular file, emptied for writing and made blocking.
bool prepareDescriptor(int fd, FileAccess access, std::string& problem) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        problem = systemProblem(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        problem = kindProblem(st.st_mode);
        return false;
    }
    if (access == FileAccess::Write && ::ftruncate(fd, 0) != 0) {
        problem = systemProblem(errno);
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        problem = systemProblem(errno);
        return false;
    }
    return true;
}

bool writeAll(int fd, std::string_view content, std::string& problem) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            problem = systemProblem(written < 0 ? errno : ENOSPC);
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new file beside the target under a name no one else uses; -1 with the reason on failure.
int createNewSibling(const fs::path& target, fs::path& sibling, std::string& problem) {
    for (int attempt = 0; attempt < kNewNameAttempts; ++attempt) {
        sibling = target;
        sibling += ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(sibling.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              kNewFileMode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    problem = systemProblem(errno);
    return -1;
}

bool refusedTarget(const fs::path& target, std::string& problem) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return false;
    problem = kindProblem(st.st_mode);
    return true;
}

}  // namespace

OpenedFile openRegularFile(const fs::path& path, FileAccess access, SymbolicLinks links) {
    OpenedFile opened;
    const int fd = ::open(path.c_str(), openFlags(access, links), kNewFileMode);
    if (fd < 0) {
        explainOpenFailure(path, errno, opened);
        return opened;
    }
    if (!prepareDescriptor(fd, access, opened.problem)) {
        ::close(fd);
        return opened;
    }
    opened.file = ::fdopen(fd, access == FileAccess::Read ? "rb" : "wb");
    if (!opened.file) {
        opened.problem = systemProblem(errno);
        ::close(fd);
    }
    return opened;
}

ReadFile readRegularFile(const fs::path& path, SymbolicLinks links) {
    ReadFile read;
    OpenedFile opened = openRegularFile(path, FileAccess::Read, links);
    if (!opened.file) {
        read.missing = opened.missing;
        read.problem = std::move(opened.problem);
        return read;
    }
    char block[kReadBlock];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, opened.file)) > 0;)
        read.content.append(block, got);
    if (std::ferror(opened.file)) read.problem = systemProblem(errno ? errno : EIO);
    std::fclose(opened.file);
    read.ok = read.problem.empty();
    return read;
}

bool closeChecked(std::FILE* file, std::string& problem) {
    errno = 0;
    bool written = std::fflush(file) == 0 && !std::ferror(file);
    int error = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) problem = systemProblem(error ? error : EIO);
    return written;
}

bool replaceRegularFile(const fs::path& target, std::string_view content, std::string& problem) {
    RegularFileReplacement replacement;
    return replacement.start(target, problem) && replacement.append(content, problem) &&
           replacement.commit(problem);
}

RegularFileReplacement::~RegularFileReplacement() { discard(); }

void RegularFileReplacement::discard() {
    if (fd_ >= 0) ::close(fd_);
    if (!sibling_.empty()) ::unlink(sibling_.c_str());
    fd_ = -1;
    sibling_.clear();
}

bool RegularFileReplacement::start(const fs::path& target, std::string& problem) {
    discard();
    if (refusedTarget(target, problem)) return false;
    target_ = target;
    fs::path sibling;
    fd_ = createNewSibling(target, sibling, problem);
    if (fd_ >= 0) sibling_ = std::move(sibling);
    return fd_ >= 0;
}

bool RegularFileReplacement::append(std::string_view piece, std::string& problem) {
    if (fd_ < 0) return false;
    if (writeAll(fd_, piece, problem)) return true;
    discard();
    return false;
}

bool RegularFileReplacement::commit(std::string& problem) {
    if (fd_ < 0) return false;
    const int fd = std::exchange(fd_, -1);
    bool complete = ::close(fd) == 0;
    if (!complete) problem = systemProblem(errno);
    if (complete && ::rename(sibling_.c_str(), target_.c_str()) != 0) {
        problem = systemProblem(errno);
        complete = false;
    }
    if (complete) sibling_.clear();
    discard();
    return complete;
}

std::string fileProblemText(std::string_view verb, const fs::path& path, std::string_view problem) {
    std::string text(verb);
    text.append(" ").append(path.filename().string()).append(": ").append(problem);
    return text;
}

}  // namespace kavro
