// The tokens of a sentence as the text writes them, for outputs that show the text itself
// (CoNLL-U): each token of the token table paired with the stretch of the sentence line it was
// read from, so that a word keeps its spelling (v and j, capitals) and a mark is the mark.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/view_options.h"

namespace kavro {

// One word of a written token: its form and the token it was read into (-1 when the tokenizer
// made no token of it: a stray character, digits, a word past the token limit).
struct WrittenWord {
    std::string form;
    int token = -1;
};

// A stretch of the text without spaces read as one unit, in the text's 8-bit encoding. Most hold
// one word; "virumque" holds virum + que, "factumst" factum + est.
struct WrittenToken {
    std::string text;
    bool spaceAfter = true;
    std::vector<WrittenWord> words;
};

// Pairs `tokens` (the token table after word analysis) with the pieces of the sentence `line`.
// Word analysis gives an enclitic it cuts off (que, ne, the cum of mecum) a token of its own next
// to its word; the pair becomes one written token of two words, the word first as written. When
// the tokens cannot be paired with the line, each token stands for itself: its text, a mark as
// the mark, no space before a closing mark or after an opening one.
std::vector<WrittenToken> writtenTokens(std::string_view line, const std::vector<std::string_view>& tokens,
                                        const ViewOptions& options);

}  // namespace kavro
