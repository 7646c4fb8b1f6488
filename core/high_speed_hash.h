// The high-speed hash: the readings of the commonest word forms, worked out in advance by the
// lexicon compiler and stored in fixedhashfile.dat, so that word analysis copies them instead of
// running the stem and ending search. The file holds analysis records sorted by form (the forms
// and English parts enciphered); the loader deciphers them and indexes the distinct forms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis_record.h"

namespace kavro {

inline constexpr std::string_view kHashFileName = "fixedhashfile.dat";
// The file of the hash file's distinct forms, whose manifest count is the number of index keys.
inline constexpr std::string_view kHashKeysEntry = "fixedhashfile.keys";
inline constexpr std::size_t kHashKeySize = 24;

struct HashIndexKey {
    char form[kHashKeySize];   // the form without its stem-boundary full stops
    std::size_t firstRecord;   // where its run of records starts
};

struct HighSpeedHash {
    std::vector<WordAnalysis> records;   // deciphered, in file order
    std::vector<HashIndexKey> keys;      // key 0 is the sentinel "-1"
    std::size_t expectedForms = 0;       // the distinct forms the manifest promises
};

// The character substitution of the file's texts: codes 32..127 are permuted, all others kept.
char decipherHashChar(char c);
char encipherHashChar(char c);
// Deciphers (or enciphers) the form and the English part of a record, each up to its NUL.
void decipherHashRecord(WordAnalysis& record);
void encipherHashRecord(WordAnalysis& record);

// The form as the index holds it: without full stops.
std::string hashKeyOf(std::string_view form);

// Fills hash.keys from hash.records; returns the coverage, the keys appended in the walk (the
// sentinel included) against hash.expectedForms, in per cent rounded to two decimals.
double indexHashRecords(HighSpeedHash& hash);

}  // namespace kavro
