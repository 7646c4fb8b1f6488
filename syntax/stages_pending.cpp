// Placeholder sentence stages until sentence translation and auto-area selection are built.
#include "job/engine.h"
#include "job/stages.h"

namespace kavro {

void translateSentence(Engine&) {}
void clearSentenceContext(Engine&) {}
void resetAutoArea(Engine&) {}
void reportAutoArea(Engine&) {}

}  // namespace kavro
