// The sense of each chosen reading in its sentence, and the English form of names: the learned
// sense rules of senses.dat whose context holds (a capital in mid-sentence, the word before, the
// case) replace the English the reading took from its entry, and a word that the name table
// knows is written as its English name, never declined.
#pragma once

#include <span>
#include <string_view>

#include "core/sense_records.h"

namespace kavro {

struct Engine;
struct WordAnalysis;

// What a sense rule reads around a word: the analysed form of the word right before it without
// its full stops (empty at the start), and whether the word after it is a name.
struct SenseNeighbours {
    std::string_view before;
    bool nameAfter = false;
};

// The rule of `rules` that holds for `reading` (null when none does).
const SenseChoiceRecord* senseRuleInContext(std::span<const SenseChoiceRecord> rules,
                                            const WordAnalysis& reading, const SenseNeighbours& around);

// Rewrites the English of the chosen readings of the sentence by their context and the name
// table; run after the choice of readings and before the English is assembled.
void chooseSensesInContext(Engine& engine);

}  // namespace kavro
