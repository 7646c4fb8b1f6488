// Searched texts packed into big-endian 64-bit words, for the binary searches of word analysis
// over fixed, NUL-terminated fields (stems of 24 bytes, endings of 8): a field is compared with
// the packed text eight bytes at a time, without measuring it first. The order is the fields'
// byte order (unsigned bytes, a text before every longer text that begins with it), whatever
// bytes follow a field's terminator.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kavro {

// A searched text of up to 8*W bytes as W words; a longer text keeps its first 8*W bytes.
template <std::size_t W>
struct PackedText {
    std::array<std::uint64_t, W> words{};   // big-endian, zero after the text
    bool longer = false;                    // the text has more than 8*W bytes: no field equals it
    bool holdsNul = false;                  // the text holds a NUL byte: no field equals it
    std::size_t size = 0;                   // bytes of the text

    // The text's bytes in word i (0 to 8).
    std::size_t bytesIn(std::size_t i) const {
        return size <= 8 * i ? 0 : size - 8 * i >= 8 ? 8 : size - 8 * i;
    }

    explicit PackedText(std::string_view text) {
        size = text.size();
        longer = size > 8 * W;
        char bytes[8 * W]{};
        if (size != 0) {
            holdsNul = std::memchr(text.data(), '\0', size) != nullptr;
            std::memcpy(bytes, text.data(), longer ? 8 * W : size);
        }
        for (std::size_t i = 0; i < W; ++i) {
            std::uint64_t w;
            std::memcpy(&w, bytes + 8 * i, 8);
            words[i] = __builtin_bswap64(w);
        }
    }

    // False when no field can equal the text, so a search need not look.
    bool searchable() const { return !holdsNul && !longer; }
};

// Negative, zero or positive as the text of `field` (up to its first NUL, or all 8*W bytes)
// sorts before, equals or sorts after the packed text. Whatever follows the field's NUL is
// read too, but decides nothing: a word of the field that differs from the text's only after
// the text's end holds the field's NUL there (the text's bytes before it are equal), so the
// two are equal. A text holding a NUL sorts as if it ended there (callers do not search for
// such texts; see PackedText::searchable).
template <std::size_t W>
[[gnu::always_inline]] inline int compareField(const char (&field)[8 * W], const PackedText<W>& text) {
    for (std::size_t i = 0; i < W; ++i) {
        std::uint64_t w;
        std::memcpy(&w, field + 8 * i, 8);
        const std::uint64_t a = __builtin_bswap64(w);
        const std::uint64_t b = text.words[i];
        const std::size_t textBytes = text.bytesIn(i);
        if (a != b) {
            const std::size_t firstDifference = static_cast<std::size_t>(__builtin_clzll(a ^ b)) / 8;
            if (firstDifference > textBytes) return 0;   // past the text's end: the field's NUL
            return a < b ? -1 : 1;
        }
        if (textBytes < 8) return 0;   // both end in this word
    }
    return text.longer ? -1 : 0;
}

}  // namespace kavro
