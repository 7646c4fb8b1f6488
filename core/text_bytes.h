// Byte-level facts about the engine's 8-bit text.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace kavro {

// Whether `text` holds a byte of 128 or more. The engine's text is Windows-1252; a text without
// such a byte is plain ASCII, and so UTF-8 as it stands.
inline bool holdsHighByte(std::string_view text) {
    // Eight bytes at a time: the high bits of the words OR-ed together.
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t i = 0;
    std::uint64_t seen = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        seen |= word;
    }
    for (; i < text.size(); ++i) seen |= static_cast<unsigned char>(text[i]);
    return (seen & kHighBits) != 0;
}

}  // namespace kavro
