// Where each token of a sentence line comes from. The tokenizer's steps are replayed on the
// line as written, so that a front end can show every token in the spelling of the text (v and
// j, capitals, a mark as the mark itself) and knows where the text runs on without a space.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/view_options.h"

namespace kavro {

// A stretch of the line that the tokenizer reads as one unit: a word, one of its marks, or a
// stray character at a word's edge that the tokenizer drops («, », *, ...).
struct WrittenPiece {
    std::size_t start = 0;    // in the line
    std::size_t length = 0;
    bool spaceAfter = false;  // white space (or the end of the line) follows
    bool word = false;        // the letters of a word; false for a mark or a stray character
};

// One token as the tokenizer makes it, and the pieces it is read from: several when two
// written words join into one token (id est -> id_est); two tokens share a piece when a word is
// cut in two (factumst -> factum est, M_XII -> M XII).
struct TokenSource {
    std::string text;        // "uirumque", "PUNCTA", "id_est"
    int firstPiece = 0;
    int lastPiece = 0;
};

struct LineTokens {
    std::vector<WrittenPiece> pieces;   // in the order of the line
    std::vector<TokenSource> tokens;    // in the tokenizer's order
};

// The pieces of `line` and the tokens tokenizeSentence makes of them with these options (the
// sentence-mode reordering of "in hoc autem" and the token limit left out). A piece that yields
// no token (a stray character, digits without botanyActive, a word too long to analyse) is
// still listed.
LineTokens replayTokenizer(std::string_view line, const ViewOptions& options);

}  // namespace kavro
