// The open parser.txt stream to which every stage appends while a job runs.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace kavro {

class OutputLog {
public:
    OutputLog() = default;
    OutputLog(const OutputLog&) = delete;
    OutputLog& operator=(const OutputLog&) = delete;
    ~OutputLog() { close(); }

    // Opens (truncating) the file for writing; false if it cannot be created.
    bool open(const std::filesystem::path& path);
    void close();
    bool isOpen() const { return file_ != nullptr; }

    // Appends text; does nothing while the log is closed. Write errors are not checked.
    void write(std::string_view text);
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

private:
    std::FILE* file_ = nullptr;
};

}  // namespace kavro
