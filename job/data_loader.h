// Start-up loading: every table of the Lexicon from the compiled data files (each checked
// against manifest.txt), then the user files, with progress lines in the log and the
// messages and questions through the host.
#pragma once

#include <filesystem>
#include <string>

namespace kavro {

struct Engine;
struct Lexicon;

// Whether the loader reads the user files (user dictionary, standard phrases, abbreviations),
// first copying the shipped ones into a program folder that lacks them. A stem look-up needs
// none of them and must leave the folder as it found it: it says Skip.
enum class UserFiles { Load, Skip };

// Loads everything in its fixed order. Data files are taken from the engine's program folder
// when a copy is there, else from `dataFolder`. False when a required file is missing, short
// or corrupt: the loader has then reported it as a missing file, and `problem` (when given)
// names the file and what is wrong with it. The engine's log should be open.
bool loadDataFiles(Engine& engine, Lexicon& lexicon, const std::filesystem::path& dataFolder,
                   std::string* problem = nullptr,
                   UserFiles userFiles = UserFiles::Load);

}  // namespace kavro
