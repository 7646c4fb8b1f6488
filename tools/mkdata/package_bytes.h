// Small helpers shared by the readers of the package's binary files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/mkdata/data_error.h"
#include "tools/mkdata/package_codes.h"

namespace kavro::mkdata {

inline std::uint32_t readLe32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

inline std::uint8_t byteAt(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// An enumeration byte that must lie inside `list`.
inline std::uint8_t enumByte(const std::string& bytes, std::size_t at, NameList list,
                             const std::string& file, std::size_t record, const char* field) {
    const std::uint8_t v = byteAt(bytes, at);
    if (v >= list.size())
        throw recordError(file, record, std::string("bad ") + field + " code " + std::to_string(v));
    return v;
}

// A 32-bit which/variant number, 0..9 in the package.
inline std::uint8_t smallNumber(const std::string& bytes, std::size_t at, const std::string& file,
                                std::size_t record, const char* field) {
    const std::uint32_t v = readLe32(bytes, at);
    if (v > 9)
        throw recordError(file, record, std::string("bad ") + field + " " + std::to_string(v));
    return static_cast<std::uint8_t>(v);
}

}  // namespace kavro::mkdata
