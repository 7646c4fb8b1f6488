#include "text/latin_input.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>
#include <system_error>

#include "core/command_error.h"
#include "core/regular_file.h"
#include "text/input_encoding.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

// Read size; even, so that a UTF-16 unit never straddles two chunks (fread fills every chunk
// but the last).
constexpr std::size_t kChunkSize = std::size_t{1} << 16;
// Work files a job writes into the program folder.
constexpr const char* kJobWorkFiles[] = {"temp.lat", "parser.txt", "fails.txt"};
// Plain text holds no NUL and at most one control character (other than layout) in this many.
constexpr std::uint64_t kControlShare = 20;
constexpr const char* kStdinName = "<stdin>";

bool isTextControl(std::uint32_t c) {
    return c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0x1A;
}

// The limit as messages give it: "1 GiB" for the real one, a byte count for any other.
std::string limitText(std::uint64_t limit) {
    if (limit % kInputSizeLimit == 0) return std::to_string(limit / kInputSizeLimit) + " GiB";
    return std::to_string(limit) + " bytes";
}

std::string readProblem(int error) {
    return std::string("cannot be read (") + std::strerror(error) + ")";
}

// The plain-text checks, fed a chunk at a time: bytes, or 16-bit units after a UTF-16
// byte-order mark (whose high bytes are mostly NUL).
class TextCheck {
public:
    explicit TextCheck(const fs::path& name) : name_(name) {}

    void feed(std::string_view chunk) {
        if (!started_) order_ = utf16ByteOrder(chunk);
        started_ = true;
        if (order_ == Utf16Order::None) {
            for (char c : chunk) unit(static_cast<unsigned char>(c));
            return;
        }
        for (std::size_t at = 0; at + 1 < chunk.size(); at += 2) {
            const auto first = static_cast<unsigned char>(chunk[at]);
            const auto second = static_cast<unsigned char>(chunk[at + 1]);
            unit(order_ == Utf16Order::BigEndian ? first << 8 | second : second << 8 | first);
        }
    }

    void finish() const {
        if (controls_ * kControlShare > units_) fail(name_, "not a text file (it holds binary data)");
    }

private:
    void unit(std::uint32_t value) {
        ++units_;
        if (value == 0) fail(name_, "not a text file (it holds NUL bytes)");
        if (value < 0x20 && !isTextControl(value)) ++controls_;
    }

    const fs::path& name_;
    Utf16Order order_ = Utf16Order::None;
    bool started_ = false;
    std::uint64_t units_ = 0;
    std::uint64_t controls_ = 0;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using InputFile = std::unique_ptr<std::FILE, FileCloser>;

// A file the user named, open for reading; fails with the reason when it cannot be.
InputFile openInput(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) fail(path, "no such file");
    if (fs::is_directory(path, ec)) fail(path, "is a folder, not a text file");
    errno = 0;
    InputFile file(std::fopen(path.c_str(), "rb"));
    if (!file) fail(path, readProblem(errno));
    return file;
}

// Standard input (or a pipe) copied block by block into latin.lat, whole or not at all: a
// partial copy never replaces the user's previous one, and the text is never held whole.
fs::path storeLatin(std::FILE* in, const fs::path& name, const fs::path& home) {
    const fs::path storage = home / kStdinStorageFile;
    constexpr std::string_view kWhat = "cannot store standard input here: ";
    RegularFileReplacement replacement;
    std::string problem;
    if (!replacement.start(storage, problem)) fail(storage, std::string(kWhat) + problem);
    readCheckedText(in, name, [&](std::string_view chunk) {
        if (!replacement.append(chunk, problem)) fail(storage, std::string(kWhat) + problem);
    });
    if (!replacement.commit(problem)) fail(storage, std::string(kWhat) + problem);
    return storage;
}

}  // namespace

void readCheckedText(std::FILE* in, const fs::path& name, const TextChunkSink& sink,
                     std::uint64_t limit) {
    const auto chunk = std::make_unique_for_overwrite<char[]>(kChunkSize);
    TextCheck check(name);
    std::uint64_t total = 0;
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(chunk.get(), 1, kChunkSize, in);
        if (got == 0) break;
        total += got;
        if (total > limit) fail(name, "is larger than " + limitText(limit));
        check.feed(std::string_view(chunk.get(), got));
        if (sink) sink(std::string_view(chunk.get(), got));
    }
    if (std::ferror(in)) fail(name, readProblem(errno));
    check.finish();
}

std::string readCheckedText(std::FILE* in, const fs::path& name, bool keep, std::uint64_t limit) {
    std::string kept;
    TextChunkSink sink;
    if (keep) sink = [&kept](std::string_view chunk) { kept.append(chunk); };
    readCheckedText(in, name, sink, limit);
    return kept;
}

std::string readLatinInput(const std::string& name) {
    if (name == "-") return readCheckedText(stdin, kStdinName, true);
    const InputFile file = openInput(name);
    return readCheckedText(file.get(), name, true);
}

fs::path latinFileFor(const std::string& input, const fs::path& home) {
    std::error_code ec;
    const bool inPlace = input != "-" && fs::is_regular_file(input, ec);
    if (input != "-") refuseWorkFile(input, home, !inPlace);
    if (input == "-") return storeLatin(stdin, kStdinName, home);
    const InputFile file = openInput(input);
    if (!inPlace) return storeLatin(file.get(), input, home);
    readCheckedText(file.get(), input, false);
    return input;
}

void refuseWorkFile(const fs::path& input, const fs::path& home, bool storesLatin) {
    std::error_code ec;
    for (const char* name : kJobWorkFiles) {
        if (fs::equivalent(input, home / name, ec))
            fail(input, std::string("is the job's work file ") + name +
                            " in the program folder and would be overwritten; copy it elsewhere first");
    }
    if (storesLatin && fs::equivalent(input, home / kStdinStorageFile, ec))
        fail(input, std::string("is the work file ") + kStdinStorageFile +
                        " in the program folder, where this run stores its copy of the text; copy it "
                        "elsewhere first");
}

}  // namespace kavro
