// The open parser.txt stream to which every stage appends while a job runs.
#pragma once

#include <cstdio>
#include <filesystem>
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
    // (failed(), problem()) and later writes are dropped, so that the job can stop.
    void write(std::string_view text);
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

    bool failed() const { return failed_; }
    // Why the last open, write or close failed ("No space left on device").
    const std::string& problem() const { return problem_; }

private:
    void recordFailure(int error);

    std::FILE* file_ = nullptr;
    bool failed_ = false;
    std::string problem_;
};

}  // namespace kavro
