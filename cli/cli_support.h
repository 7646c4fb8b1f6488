// Pieces shared by the subcommands: the one-line error, the program and data folders, the
// lexicon, and reading the user's input.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <string>
#include <string_view>

#include "job/lexicon.h"

namespace kavro {
struct Engine;
}

namespace kavro::cli {

// Prints "kavro: error: WHAT: PROBLEM" to stderr and ends the subcommand with exit status 1.
[[noreturn]] void fail(const std::filesystem::path& what, std::string_view problem);

// Fails with "<stdout>: write error: REASON" (a full disk, a closed pipe).
[[noreturn]] void failWritingStdout();

// Prints engine text (Windows-1252) to stdout as UTF-8; a failed write is a failure of the command.
void printEngineText(std::string_view engineText);

// --home DIR: the program folder that holds the work files and the user files.
void addHomeOption(CLI::App& command, std::string& home);
// --data DIR: the folder of the compiled lexicon.
void addDataOption(CLI::App& command, std::string& data);

// The program folder, checked to exist and to be writable.
std::filesystem::path writableProgramFolder(const std::string& home);

// The data folder: --data, else $KAVRO_DATA, else the build's own data folder.
std::filesystem::path dataFolder(const std::string& flag);

// Fills the lexicon from the data folder (the program folder's copies win), reporting through
// the engine's host and log; fails naming the data folder when a required table is missing.
void loadLexicon(Lexicon& lexicon, Engine& engine, const std::filesystem::path& data);

// Puts `content` in place of the work file `path` whole or not at all (a partial copy never
// replaces the previous one); fails with "WHAT: REASON" naming the file otherwise, also when a
// link or anything but a regular file stands under the name.
void storeWorkFile(const std::filesystem::path& path, std::string_view content, std::string_view what);

// The whole content of a file the user named, or of stdin for "-"; fails naming the file when
// it cannot be read or is not text.
std::string readLatinInput(const std::string& name);

}  // namespace kavro::cli
