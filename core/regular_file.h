// Opening the files of the program folder as regular files only. A work file linked elsewhere
// would have its target overwritten, and a named pipe in place of any file would block the
// program for ever, so links are refused where asked and nothing but a regular file is
// accepted; no open ever waits on a pipe or a device.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace kavro {

enum class FileAccess {
    Read,   // an existing file
    Write,  // created when absent, emptied when present
};

enum class SymbolicLinks {
    Refuse,  // work files and user files of the program folder
    Follow,  // compiled data, which an install may link into place
};

// An opened file, or why there is none. `problem` is a short text without the file's name
// ("is a symbolic link; it is not followed", "No space left on device").
struct OpenedFile {
    std::FILE* file = nullptr;
    bool missing = false;  // the file does not exist (reading only)
    std::string problem;
};

OpenedFile openRegularFile(const std::filesystem::path& path, FileAccess access,
                           SymbolicLinks links = SymbolicLinks::Refuse);

// The whole content of a regular file; on failure `missing` or `problem` says why.
struct ReadFile {
    bool ok = false;
    bool missing = false;
    std::string problem;
    std::string content;
};
ReadFile readRegularFile(const std::filesystem::path& path,
                         SymbolicLinks links = SymbolicLinks::Refuse);

// Flushes and closes the file; false with the system's reason when a write or the close
// failed (a full disk often shows only here).
bool closeChecked(std::FILE* file, std::string& problem);

// Puts `content` in place of `target` whole or not at all: it is written to a new file in the
// same folder, which is renamed over the target only when complete and removed on failure.
// A target that is a link or not a regular file is refused and left as it is.
bool replaceRegularFile(const std::filesystem::path& target, std::string_view content,
                        std::string& problem);

// The same, for a content written a piece at a time (a text read from a pipe in blocks, never
// held whole): start(), append() as often as needed, then commit(). A replacement dropped
// without commit() removes its new file and leaves the target as it was.
class RegularFileReplacement {
public:
    RegularFileReplacement() = default;
    RegularFileReplacement(const RegularFileReplacement&) = delete;
    RegularFileReplacement& operator=(const RegularFileReplacement&) = delete;
    ~RegularFileReplacement();

    bool start(const std::filesystem::path& target, std::string& problem);
    bool append(std::string_view piece, std::string& problem);
    bool commit(std::string& problem);

private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path sibling_;
    int fd_ = -1;
};

// "cannot write parser.txt: No space left on device": the verb, the file's name, the problem.
std::string fileProblemText(std::string_view verb, const std::filesystem::path& path,
                            std::string_view problem);

}  // namespace kavro
