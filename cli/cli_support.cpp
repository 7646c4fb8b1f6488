#include "cli/cli_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <exception>

#include "app/program_folders.h"

namespace kavro::cli {

namespace fs = std::filesystem;

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

void addJobsOption(CLI::App& command, unsigned& jobs) {
    jobs = defaultJobCount();
    command
        .add_option("--jobs,-j", jobs,
                    "With several files: how many run at once, each on its own engine and in its "
                    "own scratch folder of the program folder (default: the number of processors); "
                    "the outputs are printed whole, in the order of the files")
        ->check(CLI::Range(1u, 256u))
        ->capture_default_str();
}

void runBatchCommand(const std::vector<std::string>& inputs, const fs::path& home, unsigned jobs,
                     const BatchJob& job) {
    const std::size_t failed = runBatch(inputs, home, jobs, job);
    if (failed == 0) return;
    std::fprintf(stderr, "kavro: error: %zu of %zu files failed\n", failed, inputs.size());
    throw CLI::RuntimeError(1);
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



fs::path dataFolder(const std::string& flag) {
    if (!flag.empty()) return flag;
    return defaultDataFolder(KAVRO_DEFAULT_DATA_DIR);
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
