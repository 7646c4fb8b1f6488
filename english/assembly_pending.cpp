// Placeholder until English sentence assembly is built.
#include "english/sentence_assembly.h"

namespace kavro {
void assembleEnglish(Engine&) {}
}  // namespace kavro
