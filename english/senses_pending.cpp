// Placeholder until the special senses are built.
#include "english/special_senses.h"

namespace kavro {
void applySpecialSenses(Engine&) {}
}  // namespace kavro
