#include "job/output_log.h"

#include <cstdarg>

namespace kavro {

bool OutputLog::open(const std::filesystem::path& path) {
    close();
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void OutputLog::close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

void OutputLog::write(std::string_view text) {
    if (file_) std::fwrite(text.data(), 1, text.size(), file_);
}

void OutputLog::printf(const char* format, ...) {
    if (!file_) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file_, format, args);
    va_end(args);
}

}  // namespace kavro
