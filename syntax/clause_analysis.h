// Clause analysis: pruning of impossible readings, the clause split, the sentence facts, the
// two word-order moves, and the scan of each clause that links agreeing and governed words.
#pragma once

#include <cstdint>

namespace kavro {

struct Engine;

// The first sentence pass: fills the clause table, the role slots, the links and the sentence
// facts of engine.sentence, and deletes (part of speech 0) the readings it rules out.
void analyseClauses(Engine& engine);

// Makes analysis `a` the only live reading of its word, sparing the readings the rules keep.
void OrigWordDelete(Engine& engine, int a);

// Deletes analysis `a` unless a role slot holds it or it is its word's last live reading.
// Returns -1 when deleted; otherwise the slot-1 or slot-3 index, or the next analysis index.
std::int16_t deleteAnalysis(Engine& engine, int a);

}  // namespace kavro
