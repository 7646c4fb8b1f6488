// Placeholder until the standard-phrase pass is built.
#include "user/standard_phrases.h"

namespace kavro {
void applyStandardPhrases(Engine&) {}
}  // namespace kavro
