// The high-speed hash is not built yet: its file is reported unavailable, as a missing one is.
#include "job/engine.h"
#include "job/startup_stages.h"

namespace kavro {

bool loadHashFile(Engine& engine, Lexicon&) {
    engine.host.message("Cannot open 'fixedhashfile.dat' file.\nHigh-speed hash disabled.",
                        BoxKind::Ok);
    return false;
}

double buildHashIndex(Lexicon&) { return 0.0; }

void releaseHashTable(Lexicon&) {}

}  // namespace kavro
