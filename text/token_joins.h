// Multi-word expressions that the tokenizer joins into one token (id est -> id_est,
// tertius decimus -> tertiusdecimus), and the reordering of "in hoc autem".
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/capacities.h"

namespace kavro {

// The joined text of `before` followed by `word`, written into `joined` (a token field), or
// false when the pair is not one that joins.
bool joinTokenPair(std::string_view before, std::string_view word, char (&joined)[kTokenTextSize]);

// The first token of every fixed pair of the join table, as the table spells it ("ius",
// "pater", "id", ...; not the teen ordinals nor Cleo est), so that a check can cover the table.
std::vector<std::string_view> joinedPairFirstTokens();

// In sentence mode: "in hoc autem" / "in hac enim" and the like become "autem in hoc".
void reorderParticleAfterIn(char (*tokens)[kTokenTextSize], int count);

}  // namespace kavro
