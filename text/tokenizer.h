// The tokenizer: cuts one sentence line of temp.lat into the token table, one entry per word
// and one per punctuation mark ("PUNCT" and the mark's code letter).
#pragma once

#include <string_view>

namespace kavro {

struct Engine;

// Highest token count before the limit warning, less the marks still to come.
inline constexpr int kTokenLimit = 398;
// Trailing marks peeled off one word; a further one is lost.
inline constexpr int kTrailingMarkLimit = 18;
// A word of this many characters ends the scan of its line.
inline constexpr int kWordLengthLimit = 100;

// Fills engine.sentenceTokens from `line`; returns the token count, 0 for a line without
// tokens, -2 after Cancel in the token-limit warning.
int tokenizeSentence(Engine& engine, std::string_view line);

}  // namespace kavro
