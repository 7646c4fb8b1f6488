// "Nothing found" answers of the word-analysis repairs whose modules are not built yet. Each
// module replaces its own functions here when it lands.
#include "job/engine.h"
#include "morph/word_repairs.h"

namespace kavro {

bool lookUpHash(Engine&, std::string_view) { return false; }
void prepareCompound(Engine&, WordBuffer&) {}
int matchQuidam(Engine&, WordBuffer&, int) { return 0; }
int findUniques(Engine&, std::string_view) { return 0; }
int matchTackons(Engine&, int) { return 0; }
int matchPrefixes(Engine&, WordBuffer&) { return 0; }
int matchModifiedStems(Engine&, WordBuffer&) { return 0; }
int matchSpecialForms(Engine&, WordBuffer&) { return 0; }
int corpusSearchSentenceStep(Engine&) { return 0; }

}  // namespace kavro
