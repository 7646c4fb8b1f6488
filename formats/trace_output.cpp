#include "formats/trace_output.h"

#include <sys/sendfile.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/command_error.h"
#include "core/regular_file.h"
#include "text/text_encoding.h"

namespace kavro {

namespace fs = std::filesystem;

void failWritingStdout() {
    const int error = errno ? errno : EIO;
    fail("<stdout>", std::string("write error: ") + std::strerror(error));
}

namespace {

constexpr std::size_t kPrintBlockSize = std::size_t{1} << 16;

// The most one call hands to the kernel when copying a file to stdout inside it.
constexpr std::size_t kSendBlockSize = std::size_t{1} << 24;

// Copies an open file, from its position on, to stdout inside the kernel, so that the bytes
// never pass through this process (a trace of many megabytes). False when the kernel cannot
// copy to this kind of stdout: the caller then copies the rest a block at a time.
bool sendToStdout(std::FILE* file) {
    if (std::fflush(stdout) != 0) failWritingStdout();
    const int in = ::fileno(file);
    for (;;) {
        const ssize_t sent = ::sendfile(STDOUT_FILENO, in, nullptr, kSendBlockSize);
        if (sent > 0) continue;
        if (sent == 0) return true;
        if (errno == EINTR || errno == EAGAIN) continue;
        if (errno == EINVAL || errno == ENOSYS) return false;
        failWritingStdout();
    }
}

// Copies a file to stdout a block at a time, each block converted from the engine's 8-bit text
// when `engineText` (Windows-1252 is one byte a character, so no block boundary splits one).
bool copyToStdout(const fs::path& file, bool engineText, std::string& problem) {
    OpenedFile opened = openRegularFile(file, FileAccess::Read);
    if (!opened.file) {
        problem = std::move(opened.problem);
        return false;
    }
    if (!engineText && sendToStdout(opened.file)) {
        std::fclose(opened.file);
        return true;
    }
    const auto block = std::make_unique_for_overwrite<char[]>(kPrintBlockSize);
    std::size_t got;
    while ((got = std::fread(block.get(), 1, kPrintBlockSize, opened.file)) > 0) {
        const std::string_view bytes(block.get(), got);
        // A block of plain ASCII, nearly every block of a trace, is UTF-8 as it stands.
        const bool convert = engineText && holdsHighByte(bytes);
        const std::string utf8 = convert ? windows1252ToUtf8(bytes) : std::string();
        const std::string_view out = convert ? std::string_view(utf8) : bytes;
        if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size()) {
            std::fclose(opened.file);
            failWritingStdout();
        }
    }
    const bool readFailed = std::ferror(opened.file);
    const int error = errno;
    std::fclose(opened.file);
    if (readFailed) {
        problem = std::strerror(error ? error : EIO);
        return false;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) failWritingStdout();
    return true;
}

}  // namespace

bool printEngineFile(const fs::path& file, std::string& problem, bool mayHoldHighBytes) {
    return copyToStdout(file, mayHoldHighBytes, problem);
}

bool printFileBytes(const fs::path& file, std::string& problem) { return copyToStdout(file, false, problem); }

void printEngineText(std::string_view engineText) {
    const std::string utf8 = windows1252ToUtf8(engineText);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) failWritingStdout();
}


}  // namespace kavro
