// Special senses of a few words whose dictionary meaning depends on the sentence around them
// (plaga, contentus, saltus, lustrum, pila, the vocative of liber).
#pragma once

namespace kavro {

struct Engine;

// Rewrites the slots of the sentence's special-sense words; run by polishing while the neural
// networks are on and no single word is being looked up.
void applySpecialSenses(Engine& engine);

}  // namespace kavro
