// The tokenizer: cuts one sentence line of temp.lat into the token table, one entry per word
// and one per punctuation mark ("PUNCT" and the mark's code letter).
#pragma once

#include <cstddef>
#include <string_view>

namespace kavro {

struct Engine;

// Highest token count before the limit warning, less the marks still to come.
inline constexpr int kTokenLimit = 398;
// Trailing marks peeled off one word; a further one is lost.
inline constexpr int kTrailingMarkLimit = 18;
// A word of this many characters or more is reported and passed over; the line goes on.
inline constexpr int kWordLengthLimit = 100;

// Fills engine.sentenceTokens from `line`; returns the token count, 0 for a line without
// tokens, -2 after Cancel in the token-limit warning.
int tokenizeSentence(Engine& engine, std::string_view line);

// How much of a line one sentence took when the line holds more than one sentence can.
struct SentencePart {
    std::size_t taken = 0;         // characters of the line read; the rest is the next sentence's
    bool fullStopAdded = false;    // the part ended in a word, so a full stop token closes it
};

// As tokenizeSentence, for a line that may be longer than one sentence: when the token table
// fills up, the scan stops before the word that did not fit (the rest of the line is left for
// the next sentence), and a part that stops there, or that the reader cut from a longer line
// (`lineGoesOn`), is closed with a full stop token when it does not already end in a mark.
int tokenizeSentencePart(Engine& engine, std::string_view line, bool lineGoesOn,
                         SentencePart& part);

}  // namespace kavro
