#include "core/output_log.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "core/regular_file.h"
#include "core/text_bytes.h"

namespace kavro {

bool OutputLog::open(const std::filesystem::path& path) {
    close();
    failed_ = false;
    highBytes_ = false;
    problem_.clear();
    OpenedFile opened = openRegularFile(path, FileAccess::Write);
    file_ = opened.file;
    problem_ = std::move(opened.problem);
    used_ = 0;
    if (file_ && !block_) block_ = std::make_unique_for_overwrite<char[]>(kBlockSize);
    return file_ != nullptr;
}

bool OutputLog::close() {
    if (!file_) return !failed_;
    flushBlock();
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

void OutputLog::flushBlock() {
    const std::size_t n = used_;
    used_ = 0;
    if (!file_ || failed_ || n == 0) return;
    highBytes_ = highBytes_ || holdsHighByte(std::string_view(block_.get(), n));
    errno = 0;
    if (std::fwrite(block_.get(), 1, n, file_) != n) recordFailure(errno);
}

void OutputLog::writeLong(std::string_view text) {
    flushBlock();
    if (failed_) return;
    if (text.size() <= kBlockSize) {
        write(text);
        return;
    }
    highBytes_ = highBytes_ || holdsHighByte(text);
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) recordFailure(errno);
}

void OutputLog::printf(const char* format, ...) {
    if (!file_ || failed_) return;
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(block_.get() + used_, kBlockSize - used_, format, args);
    va_end(args);
    if (length >= 0 && static_cast<std::size_t>(length) < kBlockSize - used_) {
        used_ += static_cast<std::size_t>(length);
    } else if (length >= 0) {
        // Too long for what is left: the block goes out first, then the text by itself.
        flushBlock();
        highBytes_ = true;   // not looked at: taken to hold some
        errno = 0;
        if (!failed_ && std::vfprintf(file_, format, again) < 0) recordFailure(errno);
    } else {
        recordFailure(EINVAL);
    }
    va_end(again);
}

}  // namespace kavro
