// Placeholder until the polishing-table compiler is written: writes the three tables empty.
#include "tools/mkdata/polish_tables.h"

#include <fstream>

namespace kavro::mkdata {

bool compilePolishTables(const PolishSources&, const std::filesystem::path& outDir,
                         std::string& error, std::ostream& report) {
    for (const char* name : {"polish.dat", "phrasedud.dat", "finalpolish.dat"}) {
        std::ofstream out(outDir / name, std::ios::binary);
        if (!out) {
            error = "cannot write " + (outDir / name).string();
            return false;
        }
        report << name << ": 0 records (placeholder)\n";
    }
    return true;
}

}  // namespace kavro::mkdata
