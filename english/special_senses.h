// Special senses of a few words whose dictionary meaning depends on the sentence around them
// (plaga, contentus, saltus, lustrum, pila, the vocative of liber).
#pragma once

#include <string>

namespace kavro {

struct Engine;

// Rewrites the slots of the sentence's special-sense words; run by polishing while the neural
// networks are on and no single word is being looked up.
void applySpecialSenses(Engine& engine);

// The 0/1 context features that the sense networks read for the word at `position` (plaga:
// 8 characters, or fewer for an ending the network does not know; contentus: 4; saltus: 9).
std::string plagaFeatures(const Engine& engine, int position);
std::string contentFeatures(const Engine& engine, int position);
std::string saltusFeatures(const Engine& engine, int position);

}  // namespace kavro
