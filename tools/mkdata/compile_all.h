// The whole lexicon compilation: every data file and the manifest, into one folder.
#pragma once

#include <filesystem>
#include <ostream>

namespace kavro::mkdata {

struct CompileOptions {
    std::filesystem::path packageDir = "/usr/share/whitakers-words";
    std::filesystem::path wordnetDir = "/usr/share/wordnet";
    std::filesystem::path sourceDir;   // the repository's data/ folder
    std::filesystem::path outDir;      // the data folder to fill
};

// Writes every file, printing the counts to `report`; throws DataError on bad input.
void compileAll(const CompileOptions& options, std::ostream& report);

}  // namespace kavro::mkdata
