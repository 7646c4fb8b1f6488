// Pieces shared by the subcommands: the one-line error, the standard streams, the program and
// data folders, and the lexicon.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "job/lexicon.h"
#include "job/view_options.h"

namespace kavro {
struct Engine;
}

namespace kavro::cli {

// Prints "kavro: error: WHAT: PROBLEM" to stderr and ends the subcommand with exit status 1.
[[noreturn]] void fail(const std::filesystem::path& what, std::string_view problem);

// Fails with "<stdout>: write error: REASON" (a full disk, a closed pipe).
[[noreturn]] void failWritingStdout();

// Runs a command whose outcome is an exit status: `success` returns normally; any other status
// ends kavro with it, and an error (reported on standard error) ends it with `failed`, so that a
// failure to run is told apart from an outcome such as "no hits".
void runForExitStatus(const std::function<int()>& run, int success, int failed);

// The options of UserSettings.txt in the program folder (the defaults when there is none); a
// settings file that cannot be read is said on stderr, and the defaults are used.
ViewOptions settingsOptions(const std::filesystem::path& home);

// Prints engine text (Windows-1252) to stdout as UTF-8; a failed write is a failure of the command.
void printEngineText(std::string_view engineText);
// Copies an engine text file (parser.txt) to stdout as UTF-8 a block at a time, so that a trace
// of any length costs one block of memory; false with `problem` set when it cannot be read.
// A file known to hold no byte of 128 or more (`mayHoldHighBytes` false) is UTF-8 already and
// is copied as it is.
bool printEngineFile(const std::filesystem::path& file, std::string& problem,
                     bool mayHoldHighBytes = true);
// The same for a file that is already UTF-8, copied as it is.
bool printFileBytes(const std::filesystem::path& file, std::string& problem);

// --home DIR: the program folder that holds the work files and the user files.
void addHomeOption(CLI::App& command, std::string& home);
// --data DIR: the folder of the compiled lexicon.
void addDataOption(CLI::App& command, std::string& data);
// --no-wait: fail instead of waiting while another run holds the program folder.
void addNoWaitOption(CLI::App& command, bool& noWait);

// The options of a command that runs a job on a Latin file: the required FILE (- for stdin;
// `stdinNote` says what becomes of it), --home, --data and --no-wait.
struct JobFileOptions {
    std::string& input;
    std::string& home;
    std::string& data;
    bool& noWait;
};
void addJobFileOptions(CLI::App& command, JobFileOptions options, std::string_view stdinNote = "");
// The same for a command that takes one or more files (FILE ...).
struct JobFilesOptions {
    std::vector<std::string>& inputs;
    std::string& home;
    std::string& data;
    bool& noWait;
};
void addJobFilesOptions(CLI::App& command, JobFilesOptions options, std::string_view stdinNote = "");

// Called first thing: a standard stream the caller closed stays unusable instead of having its
// number taken by a file opened later.
void keepStandardStreamsOpen();

// The program folder, checked to exist (and to be a folder); nothing is written to it.
std::filesystem::path existingProgramFolder(const std::string& home);
// The program folder, checked to exist and to be writable.
std::filesystem::path writableProgramFolder(const std::string& home);

// The data folder: --data, else $KAVRO_DATA, else the build's own data folder.
std::filesystem::path dataFolder(const std::string& flag);

// Whether loading writes the start-up log (parser.txt) and reads the user files (installing the
// shipped ones into the program folder): a job does; a stem look-up does neither and leaves the
// folder as it found it.
enum class StartupLog { Written, None };

// Fills the lexicon from the data folder (the program folder's copies win), reporting through
// the engine's host (and log); fails naming the data folder when a required table is missing.
void loadLexicon(Lexicon& lexicon, Engine& engine, const std::filesystem::path& data,
                 StartupLog startupLog = StartupLog::Written);

// Puts `content` in place of the work file `path` whole or not at all (a partial copy never
// replaces the previous one); fails with "WHAT: REASON" naming the file otherwise, also when a
// link or anything but a regular file stands under the name.
void storeWorkFile(const std::filesystem::path& path, std::string_view content, std::string_view what);

}  // namespace kavro::cli
