#include "job/output_log.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "job/regular_file.h"

namespace kavro {

bool OutputLog::open(const std::filesystem::path& path) {
    close();
    failed_ = false;
    problem_.clear();
    OpenedFile opened = openRegularFile(path, FileAccess::Write);
    file_ = opened.file;
    problem_ = std::move(opened.problem);
    return file_ != nullptr;
}

bool OutputLog::close() {
    if (!file_) return !failed_;
    std::string problem;
    if (!closeChecked(file_, problem) && !failed_) {
        failed_ = true;
        problem_ = std::move(problem);
    }
    file_ = nullptr;
    return !failed_;
}

void OutputLog::recordFailure(int error) {
    if (failed_) return;
    failed_ = true;
    problem_ = std::strerror(error ? error : EIO);
}

void OutputLog::write(std::string_view text) {
    if (!file_ || failed_) return;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) recordFailure(errno);
}

void OutputLog::printf(const char* format, ...) {
    if (!file_ || failed_) return;
    va_list args;
    va_start(args, format);
    errno = 0;
    const int written = std::vfprintf(file_, format, args);
    va_end(args);
    if (written < 0) recordFailure(errno);
}

}  // namespace kavro
