// Readers for the files of the Debian Latin data package (/usr/share/whitakers-words):
// DICTFILE.GEN, INFLECTS.SEC, UNIQUES.LAT and ADDONS.LAT. Each checks what it reads and throws
// DataError naming the file and the record when a file is missing, truncated or does not decode.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kavro::mkdata {

inline constexpr std::size_t kPackageStemWidth = 18;

// One record of DICTFILE.GEN.
struct PackageEntry {
    std::size_t record = 0;              // record number, from 1
    std::array<std::string, 4> stems;    // as spelled; "zzz" = no such stem; "" = blank slot
    int slotsUsed = 0;                   // slots up to the last non-blank one
    std::uint8_t partOfSpeech = 0;
    std::uint8_t which = 0;
    std::uint8_t variant = 0;
    // N: gender; PRON, PACK: pronoun kind; ADJ, ADV: comparison; NUM: numeral sort;
    // V: verb kind; PREP: case governed.
    std::uint8_t kind = 0;
    std::uint8_t nounKind = 0;           // package noun kind (N only)
    std::uint32_t numeralValue = 0;      // NUM only
    std::uint8_t age = 0, area = 0, geo = 0, frequency = 0, source = 0;
    std::string meaning;                 // up to the CR, trailing blanks removed

    // A stem that exists: neither "zzz" nor an unused blank slot (an inner blank slot is a
    // real empty stem, as in sum: s, "", fu, fut).
    bool stemExists(int slot) const {
        return slot < slotsUsed && stems[slot] != "zzz";
    }
};

// One data record of INFLECTS.SEC, its grammar already in the engine's byte order.
struct PackageInflection {
    std::size_t slot = 0;                // slot number in the file, from 1
    std::uint8_t partOfSpeech = 0;
    std::uint8_t which = 0;
    std::uint8_t variant = 0;
    std::array<std::uint8_t, 6> grammar{};   // inflection record bytes 3..8
    std::uint8_t stemKey = 0;
    std::string ending;
    std::uint8_t age = 0, frequency = 0;
};

// One record of UNIQUES.LAT (or of our own extra uniques, same format).
struct PackageUnique {
    std::size_t record = 0;              // from 1
    std::string sourceFile;              // the file it came from, for messages
    std::string form;
    std::uint8_t partOfSpeech = 0, which = 0, variant = 0;
    std::array<std::uint8_t, 6> grammar{};   // as inflection bytes 3..8; kinds included
    std::uint8_t age = 0, area = 0, geo = 0, frequency = 0, source = 0;
    std::string meaning;
};

// One TACKON record of ADDONS.LAT.
struct PackageTackon {
    std::size_t record = 0;              // from 1, counting every record of the file
    std::string key;                     // as spelled
    std::string baseEntry;               // the part entry it attaches to, single-spaced
    std::uint8_t basePartOfSpeech = 0, baseWhich = 0, baseVariant = 0;
    std::string meaning;
};

struct PackageAddons {
    std::vector<PackageTackon> tackons;
    std::size_t prefixes = 0;
    std::size_t suffixes = 0;
};

std::string readWholeFile(const std::filesystem::path& file);

std::vector<PackageEntry> readDictionary(const std::filesystem::path& file);
std::vector<PackageInflection> readInflections(const std::filesystem::path& file);
std::vector<PackageUnique> readUniques(const std::filesystem::path& file);
PackageAddons readAddons(const std::filesystem::path& file);

// Decoders on bytes, for the tests (`name` is used in messages).
std::vector<PackageEntry> decodeDictionary(const std::string& bytes, const std::string& name);
std::vector<PackageInflection> decodeInflections(const std::string& bytes, const std::string& name);
std::vector<PackageUnique> decodeUniques(const std::string& text, const std::string& name);
PackageAddons decodeAddons(const std::string& text, const std::string& name);

}  // namespace kavro::mkdata
