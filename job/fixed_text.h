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

}  // namespace kavro
