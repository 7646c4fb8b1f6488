#include "cli/cli_support.h"
#include "cli/text_encoding.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "job/data_loader.h"
#include "job/engine.h"
#include "job/log_writer.h"
#include "job/regular_file.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

// Bytes that plain text never holds: a file with any NUL, or with more than one such control
// byte in twenty, is taken for binary data.
bool isTextControl(unsigned char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0x1A;
}

void checkIsText(const fs::path& name, std::string_view content) {
    std::size_t controls = 0;
    for (char ch : content) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0) fail(name, "not a text file (it holds NUL bytes)");
        if (c < 0x20 && !isTextControl(c)) ++controls;
    }
    if (controls * 20 > content.size()) fail(name, "not a text file (it holds binary data)");
}

// Creates and removes a probe file: the only test that also holds for read-only file systems
// and for a user whom permissions do not stop.
bool canCreateFileIn(const fs::path& folder) {
    const fs::path probe = folder / (".kavro-write-check-" + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string readStream(std::istream& in) {
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

void fail(const fs::path& what, std::string_view problem) {
    std::fprintf(stderr, "kavro: error: %s: %.*s\n", what.c_str(), static_cast<int>(problem.size()),
                 problem.data());
    throw CLI::RuntimeError(1);
}

void addHomeOption(CLI::App& command, std::string& home) {
    command.add_option("--home", home,
                       "Program folder: holds the work files (latin.lat, temp.lat, parser.txt) and "
                       "the user files (UserSettings.txt, ...)")
        ->capture_default_str();
}

void addDataOption(CLI::App& command, std::string& data) {
    command.add_option("--data", data,
                       "Folder of the compiled lexicon (default: $KAVRO_DATA, else " KAVRO_DEFAULT_DATA_DIR
                       ")");
}

fs::path writableProgramFolder(const std::string& home) {
    const fs::path folder = home.empty() ? fs::path(".") : fs::path(home);
    std::error_code ec;
    if (!fs::exists(folder, ec)) fail(folder, "program folder does not exist");
    if (!fs::is_directory(folder, ec)) fail(folder, "program folder is not a folder");
    if (!canCreateFileIn(folder))
        fail(folder, std::string("program folder is not writable (") + std::strerror(errno) + ")");
    return folder;
}

fs::path dataFolder(const std::string& flag) {
    if (!flag.empty()) return flag;
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DEFAULT_DATA_DIR;
}

void loadLexicon(Lexicon& lexicon, Engine& engine, const fs::path& data) {
    // The start-up log: the header, then the loader's progress lines.
    const fs::path log = engine.file("parser.txt");
    if (!openOutputLog(engine)) fail(log, "cannot be written: " + engine.log.problem());
    std::string problem;
    const bool loaded = loadDataFiles(engine, lexicon, data, &problem);
    const bool logged = engine.log.close();
    if (!loaded) fail(data, "a required data file is missing or damaged: " + problem);
    if (!logged) fail(log, "cannot write: " + engine.log.problem());
}

std::string readLatinInput(const std::string& name) {
    if (name == "-") {
        std::string content = readStream(std::cin);
        if (std::cin.bad()) fail("<stdin>", "read error");
        checkIsText("<stdin>", content);
        return content;
    }
    const fs::path path(name);
    std::error_code ec;
    if (!fs::exists(path, ec)) fail(path, "no such file");
    if (fs::is_directory(path, ec)) fail(path, "is a folder, not a text file");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) fail(path, std::string("cannot be read (") + std::strerror(errno) + ")");
    std::string content = readStream(in);
    if (in.bad()) fail(path, "read error");
    checkIsText(path, content);
    return content;
}

void failWritingStdout() {
    const int error = errno ? errno : EIO;
    fail("<stdout>", std::string("write error: ") + std::strerror(error));
}

void storeWorkFile(const fs::path& path, std::string_view content, std::string_view what) {
    std::string problem;
    if (!replaceRegularFile(path, content, problem)) fail(path, std::string(what) + ": " + problem);
}

void printEngineText(std::string_view engineText) {
    const std::string utf8 = windows1252ToUtf8(engineText);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) failWritingStdout();
}

}  // namespace kavro::cli
