// Placeholder word-analysis stage until the word analysis driver is built: nothing is analysed.
#include "job/engine.h"
#include "job/stages.h"

namespace kavro {

void resetWordStatusCache(Engine&) {}
void analyseSentenceWords(Engine&) {}

}  // namespace kavro
