// Compilation of the English polishing tables (polish.dat, phrasedud.dat, finalpolish.dat)
// from their text sources under data/ and WordNet's inflection exceptions.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace kavro::mkdata {

struct PolishSources {
    std::filesystem::path dataDir;        // the repository's data/ folder
    std::filesystem::path wordnetDir;     // /usr/share/wordnet
    std::filesystem::path meaningsFile;   // the transl.dat just written (English verbs to cover)
};

// Writes the three tables into outDir. On failure returns false with a message naming the
// file and the record in `error`. Counts go to `report`.
bool compilePolishTables(const PolishSources& sources, const std::filesystem::path& outDir,
                         std::string& error, std::ostream& report);

}  // namespace kavro::mkdata
