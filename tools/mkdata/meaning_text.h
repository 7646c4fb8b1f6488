// The English of one entry: its package meaning lines joined, then cut to fit a field.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kavro::mkdata {

// A continuation line without its leading bars ("|great ..." → "great ...").
std::string withoutBars(std::string_view line);

// Joins a further meaning line to the text so far ("a; b;" + "c;" → "a; b; c;").
void appendMeaningLine(std::string& text, std::string_view line);

// Cuts `text` to at most `limit` bytes: after the last ';' that fits, else after the last ',',
// else at the last blank, so that no word is cut where a separator allows; a hard cut only for
// a text without any separator in reach. Trailing blanks are removed.
std::string fitMeaning(std::string_view text, std::size_t limit);

// The spelling of stems and keys inside the engine: i for j, u for v (I for J, U for V).
std::string foldLatinLetters(std::string_view text);

// True when `text` holds a j or a v (either case): a stored stem or ending that no folded
// look-up could ever match.
bool holdsUnfoldedLetter(std::string_view text);

}  // namespace kavro::mkdata
