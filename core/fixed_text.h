// Bounded helpers for the fixed, NUL-terminated 8-bit text fields of the engine's records.
// Every copy into a fixed field goes through these so that no input can overrun a buffer.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace kavro {

// Copies at most N-1 bytes of `src` into `dst` and terminates it; returns the bytes copied.
template <std::size_t N>
std::size_t copyField(char (&dst)[N], std::string_view src) {
    static_assert(N > 0);
    const std::size_t n = src.size() < N - 1 ? src.size() : N - 1;
    if (n) std::memcpy(dst, src.data(), n);
    dst[n] = '\0';
    return n;
}

// Same for a raw buffer of `capacity` bytes (capacity includes the terminator).
inline std::size_t copyBounded(char* dst, std::size_t capacity, std::string_view src) {
    if (capacity == 0) return 0;
    const std::size_t n = src.size() < capacity - 1 ? src.size() : capacity - 1;
    if (n) std::memcpy(dst, src.data(), n);
    dst[n] = '\0';
    return n;
}

// The text of a fixed field up to its first NUL (or the whole field if it has none).
template <std::size_t N>
std::string_view fieldText(const char (&field)[N]) {
    const void* nul = std::memchr(field, '\0', N);
    return {field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : N};
}

// Byte-order comparison of a fixed field's text with a string, for binary searches over
// tables of fixed fields: it stops at the first difference instead of measuring the field.
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
