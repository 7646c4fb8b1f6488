// The open parser.txt stream to which every stage appends while a job runs.
#pragma once

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace kavro {

class OutputLog {
public:
    OutputLog() = default;
    OutputLog(const OutputLog&) = delete;
    OutputLog& operator=(const OutputLog&) = delete;
    ~OutputLog() { close(); }

    // Opens (emptying) the file for writing, as a regular file only: a link, a pipe or any other
    // kind of file is refused. False with problem() telling why.
    bool open(const std::filesystem::path& path);
    // Closes the log; false when any write since open() or the close itself failed.
    bool close();
    bool isOpen() const { return file_ != nullptr; }

    // Appends text; does nothing while the log is closed. The first failed write is kept
    // (failed(), problem()) and later writes are dropped, so that the job can stop. The text
    // gathers in a block of the log's own and reaches the file a block at a time, so that the
    // many short pieces of a word-mode trace cost a copy each.
    void write(std::string_view text) {
        if (!file_ || failed_) return;
        if (text.size() <= kBlockSize - used_) {
            if (!text.empty()) std::memcpy(block_.get() + used_, text.data(), text.size());
            used_ += text.size();
            return;
        }
        writeLong(text);
    }
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

    bool failed() const { return failed_; }
    // Whether a byte of 128 or more may have been written since open() (the file is plain ASCII
    // when not). Kept after close(), until the next open().
    bool mayHoldHighBytes() const { return highBytes_; }
    // Why the last open, write or close failed ("No space left on device").
    const std::string& problem() const { return problem_; }

private:
    static constexpr std::size_t kBlockSize = 256 * 1024;

    void recordFailure(int error);
    // Hands the gathered block to the file.
    void flushBlock();
    // A text that does not fit in what is left of the block.
    void writeLong(std::string_view text);

    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> block_;
    std::size_t used_ = 0;
    bool failed_ = false;
    bool highBytes_ = false;
    std::string problem_;
};

}  // namespace kavro
