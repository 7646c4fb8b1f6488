// Shared pieces of the compiler tests: where the package and our sources are, and a builder
// for DICTFILE.GEN records so that bad input can be made byte by byte.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace kavro::mkdata::testing {

inline const std::filesystem::path kPackageDir = "/usr/share/whitakers-words";
inline const std::filesystem::path kSourceDir = std::filesystem::path(KAVRO_SOURCE_DIR) / "data";

inline bool packageInstalled() { return std::filesystem::exists(kPackageDir / "DICTFILE.GEN"); }

#define KAVRO_NEEDS_PACKAGE()                                                              \
    if (!::kavro::mkdata::testing::packageInstalled())                                     \
    GTEST_SKIP() << "the package whitakers-words-data is not installed"

// One 180-byte DICTFILE.GEN record.
struct EntryBytes {
    std::string bytes = std::string(180, ' ');

    EntryBytes(const std::string& s1, const std::string& s2, std::uint8_t pos) {
        bytes.replace(0, s1.size(), s1);
        bytes.replace(18, s2.size(), s2);
        bytes[72] = static_cast<char>(pos);
        for (int i = 73; i < 97; ++i) bytes[i] = '\0';
        for (int i = 177; i < 180; ++i) bytes[i] = '\0';
        bytes[95] = 1;   // frequency A
        meaning("a meaning;");
    }
    EntryBytes& field(int offset, std::uint8_t value) {
        bytes[offset] = static_cast<char>(value);
        return *this;
    }
    EntryBytes& meaning(const std::string& text) {
        bytes.replace(97, 80, std::string(80, ' '));
        bytes.replace(97, text.size(), text);
        if (text.size() < 80) bytes[97 + text.size()] = '\r';
        return *this;
    }
};

}  // namespace kavro::mkdata::testing
