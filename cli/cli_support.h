// Pieces shared by the subcommands: the one-line error, the standard streams, the program and
// data folders, and the lexicon.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/batch_runs.h"
#include "app/command_support.h"
#include "core/command_error.h"
#include "core/lexicon.h"
#include "core/view_options.h"
#include "formats/trace_output.h"

namespace kavro {
struct Engine;
}

namespace kavro::cli {

// Runs a command whose outcome is an exit status: `success` returns normally; any other status
// ends kavro with it, and an error (reported on standard error) ends it with `failed`, so that a
// failure to run is told apart from an outcome such as "no hits".
void runForExitStatus(const std::function<int()>& run, int success, int failed);


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

// --jobs N: how many files run at once (default: the number of processors).
void addJobsOption(CLI::App& command, unsigned& jobs);
// Runs a batch of files (see runBatch); when any failed, says how many and ends with status 1.
void runBatchCommand(const std::vector<std::string>& inputs, const std::filesystem::path& home,
                     unsigned jobs, const BatchJob& job);

// Called first thing: a standard stream the caller closed stays unusable instead of having its
// number taken by a file opened later.
void keepStandardStreamsOpen();


// The data folder: --data, else $KAVRO_DATA, else the build's own data folder.
std::filesystem::path dataFolder(const std::string& flag);



}  // namespace kavro::cli
