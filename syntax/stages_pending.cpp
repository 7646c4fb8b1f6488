// Placeholders until auto-area selection is built.
#include "job/engine.h"
#include "job/stages.h"
#include "syntax/auto_area.h"

namespace kavro {

void tallySentenceArea(Engine&) {}
void resetAutoArea(Engine&) {}
void reportAutoArea(Engine&) {}

}  // namespace kavro
