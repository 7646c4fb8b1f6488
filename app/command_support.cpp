#include "app/command_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/settings_file.h"
#include "core/command_error.h"
#include "core/engine.h"
#include "core/log_writer.h"
#include "core/regular_file.h"
#include "job/data_loader.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

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

void storeWorkFile(const fs::path& path, std::string_view content, std::string_view what) {
    std::string problem;
    if (!replaceRegularFile(path, content, problem)) fail(path, std::string(what) + ": " + problem);
}

void checkJobResult(const JobResult& result, const fs::path& input, const fs::path& home, std::string_view work) {
    switch (result.status) {
    case JobStatus::Completed:
    case JobStatus::Aborted: return;
    case JobStatus::PreparationFailed: fail(input, "could not be prepared for " + std::string(work));
    case JobStatus::LogUnwritable: fail(home / "parser.txt", "cannot be written: " + result.problem);
    case JobStatus::TempFileUnreadable: fail(home / "temp.lat", "cannot be read back: " + result.problem);
    case JobStatus::LogWriteFailed: fail(home / "parser.txt", "cannot write: " + result.problem);
    }
}

}  // namespace kavro
