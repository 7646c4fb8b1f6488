// Placeholder until sentence polishing is built.
#include "english/polish_english.h"

namespace kavro {
void polishEnglish(Engine&) {}
}  // namespace kavro
