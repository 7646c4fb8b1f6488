// Word-level edits of English slot texts: whole words found and replaced, prefixes removed,
// first letters raised.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kavro {

// True for the characters that make up a word: ASCII letters and the 8-bit letters above 127.
bool isWordLetter(char c);

// The first whole occurrence of `word` in `text` at or after `from` (no word letter directly
// before or after it), or npos.
std::size_t findWholeWord(std::string_view text, std::string_view word, std::size_t from = 0);
inline bool holdsWord(std::string_view text, std::string_view word) {
    return findWholeWord(text, word) != std::string_view::npos;
}
// Replaces the first whole occurrence of `word`; false when there is none.
bool replaceWholeWord(std::string& text, std::string_view word, std::string_view replacement);
// Replaces the first whole occurrence of `word` or of its plural ("word+s", "word+es").
bool replaceWordOrPlural(std::string& text, std::string_view word, std::string_view replacement);

// Removes `prefix` from the start of `text`; false when the text does not begin with it.
bool removeLeading(std::string& text, std::string_view prefix);
// Raises the letter at `at` when it is "a" to "z".
void raiseLetter(std::string& text, std::size_t at);

}  // namespace kavro
