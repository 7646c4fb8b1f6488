// The word under a click in the Latin or Translation box.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kavro {

// A clicked word is cut at this many characters.
inline constexpr std::size_t kClickedWordLimit = 98;

// True for the characters of a word: letters, digits, the underscore and the four ligatures of
// the Windows-1252 code page (0x8C, 0x9C, 0xC6, 0xE6).
bool isClickWordChar(char c);

// The word of the engine's 8-bit `text` around position `at` (the character clicked on, or the
// one just before it when the click fell at the word's end), cut at kClickedWordLimit; empty on
// white space and punctuation.
std::string wordAt(std::string_view text, std::size_t at);

}  // namespace kavro
