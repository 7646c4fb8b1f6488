// In-place edits of the driver's word buffer that the spelling repairs make: every edit is
// bounded by the buffer and leaves the word unchanged when its result would not fit.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "morph/split_matching.h"

namespace kavro {

inline char lowerLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
inline char upperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Replaces the `removed` letters at `at` by `inserted`; false (word unchanged) when they are not
// all in the word or the result would not fit the buffer.
inline bool replaceLetters(WordBuffer& word, std::size_t at, std::size_t removed,
                           std::string_view inserted) {
    const std::size_t length = std::strlen(word);
    if (at > length || removed > length - at) return false;
    if (length - removed + inserted.size() >= sizeof word) return false;
    std::memmove(word + at + inserted.size(), word + at + removed, length - at - removed + 1);
    if (!inserted.empty()) std::memcpy(word + at, inserted.data(), inserted.size());
    return true;
}

// True when `text` begins with `prefix`, the letter case of `text` ignored (`prefix` is lower case).
inline bool beginsIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lowerLetter(text[i]) != prefix[i]) return false;
    return true;
}

// First place at or after `from` where `pattern` (lower case) occurs, letter case ignored.
inline std::size_t findIgnoringCase(std::string_view text, std::string_view pattern,
                                    std::size_t from = 0) {
    if (pattern.empty() || text.size() < pattern.size()) return std::string_view::npos;
    for (std::size_t at = from; at + pattern.size() <= text.size(); ++at)
        if (beginsIgnoringCase(text.substr(at), pattern)) return at;
    return std::string_view::npos;
}

// Replaces the letters at `at` as replaceLetters does, keeping a capital initial a capital.
inline bool rewriteKeepingCase(WordBuffer& word, std::size_t at, std::size_t removed,
                               std::string_view inserted) {
    const bool capital = at == 0 && word[0] >= 'A' && word[0] <= 'Z';
    if (!replaceLetters(word, at, removed, inserted)) return false;
    if (capital) word[0] = upperLetter(word[0]);
    return true;
}

}  // namespace kavro
