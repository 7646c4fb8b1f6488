// Byte-order comparison of a fixed, NUL-terminated text field with a string, for the binary
// searches of word analysis that run for nearly every word (uniques, addons): it stops at the
// first difference instead of measuring the field first.
#pragma once

#include <cstddef>
#include <string_view>

namespace kavro {

// Negative, zero or positive as the field's text sorts before, equal to or after `text`.
template <std::size_t N>
int compareFieldText(const char (&field)[N], std::string_view text) {
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < N; ++i) {
        const auto a = static_cast<unsigned char>(field[i]);
        if (i == n) return a == 0 ? 0 : 1;
        if (a == 0) return -1;
        const auto b = static_cast<unsigned char>(text[i]);
        if (a != b) return a < b ? -1 : 1;
    }
    return n == N ? 0 : -1;   // a field without terminator: all N bytes are its text
}

}  // namespace kavro
