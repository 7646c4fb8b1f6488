#include "cli/cli_support.h"
#include "cli/text_encoding.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/program_folders.h"
#include "app/settings_file.h"
#include "job/data_loader.h"
#include "job/engine.h"
#include "job/log_writer.h"
#include "job/regular_file.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPrintBlockSize = std::size_t{1} << 16;

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
                       "Folder of the compiled lexicon (default: $KAVRO_DATA, else the installed data, else " KAVRO_DEFAULT_DATA_DIR
                       ")");
}

void addNoWaitOption(CLI::App& command, bool& noWait) {
    command.add_flag("--no-wait", noWait,
                     "Fail at once when another kavro run is using the program folder, instead of "
                     "waiting for it to finish");
}

namespace {

std::string fileHelp(std::string_view stdinNote) {
    std::string help = "Latin text file, Windows-1252, UTF-8 or UTF-16 with a byte-order mark; - reads stdin";
    if (!stdinNote.empty()) help += " " + std::string(stdinNote);
    return help;
}

void addFolderOptions(CLI::App& command, std::string& home, std::string& data, bool& noWait) {
    addHomeOption(command, home);
    addDataOption(command, data);
    addNoWaitOption(command, noWait);
}

}  // namespace

void addJobFileOptions(CLI::App& command, JobFileOptions options, std::string_view stdinNote) {
    command.add_option("FILE", options.input, fileHelp(stdinNote))->required();
    addFolderOptions(command, options.home, options.data, options.noWait);
}

void addJobFilesOptions(CLI::App& command, JobFilesOptions options, std::string_view stdinNote) {
    command.add_option("FILE", options.inputs, fileHelp(stdinNote) + " (several files: see --jobs)")
        ->required();
    addFolderOptions(command, options.home, options.data, options.noWait);
}

void keepStandardStreamsOpen() {
    // A closed stream is stood in for by /dev/null opened the wrong way round, so that reading
    // stdin or writing stdout fails as it would have, and no file opened later takes its number
    // (which would send the output into that file, or read it as the input).
    constexpr int kStandardStreams[] = {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO};
    for (const int fd : kStandardStreams) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int standIn = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (standIn >= 0 && standIn != fd) ::close(standIn);
    }
}

fs::path existingProgramFolder(const std::string& home) {
    const fs::path folder = home.empty() ? fs::path(".") : fs::path(home);
    std::error_code ec;
    if (!fs::exists(folder, ec)) fail(folder, "program folder does not exist");
    if (!fs::is_directory(folder, ec)) fail(folder, "program folder is not a folder");
    return folder;
}

fs::path writableProgramFolder(const std::string& home) {
    const fs::path folder = existingProgramFolder(home);
    if (!canCreateFileIn(folder))
        fail(folder, std::string("program folder is not writable (") + std::strerror(errno) + ")");
    return folder;
}

fs::path dataFolder(const std::string& flag) {
    if (!flag.empty()) return flag;
    return defaultDataFolder(KAVRO_DEFAULT_DATA_DIR);
}

void loadLexicon(Lexicon& lexicon, Engine& engine, const fs::path& data, StartupLog startupLog) {
    // The start-up log: the header, then the loader's progress lines.
    const fs::path log = engine.file("parser.txt");
    const bool writesLog = startupLog == StartupLog::Written;
    if (writesLog && !openOutputLog(engine)) fail(log, "cannot be written: " + engine.log.problem());
    const UserFiles userFiles = writesLog ? UserFiles::Load : UserFiles::Skip;
    std::string problem;
    const bool loaded = loadDataFiles(engine, lexicon, data, &problem, userFiles);
    const bool logged = engine.log.close();
    if (!loaded) fail(data, "a required data file is missing or damaged: " + problem);
    if (!logged) fail(log, "cannot write: " + engine.log.problem());
}

ViewOptions settingsOptions(const fs::path& home) {
    ViewOptions options;
    std::string problem;
    if (!loadSettings(options, home, &problem) && !problem.empty())
        std::fprintf(stderr, "kavro: %s: %s; the default options are used\n",
                     (home / kSettingsFileName).c_str(), problem.c_str());
    return options;
}

void failWritingStdout() {
    const int error = errno ? errno : EIO;
    fail("<stdout>", std::string("write error: ") + std::strerror(error));
}

void storeWorkFile(const fs::path& path, std::string_view content, std::string_view what) {
    std::string problem;
    if (!replaceRegularFile(path, content, problem)) fail(path, std::string(what) + ": " + problem);
}

namespace {

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


void runForExitStatus(const std::function<int()>& run, int success, int failed) {
    int status = failed;
    try {
        status = run();
    } catch (const CLI::Error&) {
        throw CLI::RuntimeError(failed);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kavro: error: %s\n", e.what());
        throw CLI::RuntimeError(failed);
    }
    if (status != success) throw CLI::RuntimeError(status);
}

}  // namespace kavro::cli
