// phoneticuk.dat: the phonetic keys of the dictionary's stems, sorted for search.
//
// Record layout (32 bytes, little-endian):
//   offset  width  field
//    0      20     key          the stem's phonetic key (below), NUL-terminated, NUL-padded
//   20       4     stemRecord   index of the stem's record in dictUK.dat
//   24       4     meaningIndex the stem's meanings record in transl.dat
//   28       1     partOfSpeech StemRecord byte 0 of that stem
//   29       1     stemKey      StemRecord byte 5 of that stem
//   30       1     keyLength    characters of the key
//   31       1     stemLength   characters of the stem
// Records are sorted by key in plain byte order, then by stemRecord, so a binary search finds
// every stem of one key (or every key that begins with a prefix) as one run. The "." stem
// (the empty stem of esse) has no key and no record.
//
// The key is the phonetic normalisation of the word-analysis spelling variants, applied to the
// stem letter by letter, left to right, after lower-casing and folding j to i and v to u:
// "ae" becomes "e" (unless that "e" ends the word: a stem is followed by an ending, so inside a
// stem it never does), "c" and "d" become "t" (except as the first letter), "h" is dropped,
// "mn" becomes "n", "oe" becomes "e", "ph" becomes "f", "y" becomes "i", "z" becomes "s"
// (except as the first letter), and a letter equal to the one written before it is dropped.
// A stem reduced to nothing gets the key "h".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "job/lexicon_records.h"

namespace kavro::mkdata {

#pragma pack(push, 1)
struct PhoneticRecord {
    char key[20];
    std::uint32_t stemRecord;
    std::uint32_t meaningIndex;
    std::uint8_t partOfSpeech;
    std::uint8_t stemKey;
    std::uint8_t keyLength;
    std::uint8_t stemLength;
};
#pragma pack(pop)
static_assert(sizeof(PhoneticRecord) == 32);
static_assert(offsetof(PhoneticRecord, stemRecord) == 20);
static_assert(offsetof(PhoneticRecord, partOfSpeech) == 28);

// The phonetic key of `text`; `wholeWord` says whether its last letter ends the word.
std::string phoneticKey(std::string_view text, bool wholeWord);

std::vector<PhoneticRecord> compilePhonetics(const std::vector<StemRecord>& stems);

}  // namespace kavro::mkdata
