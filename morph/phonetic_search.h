// The sound-alike search of medieval spellings: a word is compared by its phonetic key with the
// keys of the dictionary's stems (phoneticuk.dat, or keys coded on the spot when that table is
// not loaded), and the dictionary words that sound like it are analysed instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "morph/split_matching.h"

namespace kavro {

struct Engine;

inline constexpr std::size_t kPhoneticKeySize = 20;   // NUL included

// phoneticuk.dat, sorted by key (byte order), then by stemRecord.
#pragma pack(push, 1)
struct PhoneticRecord {
    char key[kPhoneticKeySize];   // the stem's key, NUL-padded
    std::uint32_t stemRecord;     // index of the stem in dictUK.dat
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

// Writes the phonetic key of `text` into `key` and returns its length, or kPhoneticKeySize when
// the key does not fit (no stem has such a key). Letter by letter, left to right, after lower
// case and j -> i, v -> u: "ae" -> "e" (unless that "e" ends the word, when `wholeWord`), "c" and
// "d" -> "t" and "z" -> "s" except as the first letter, "h" dropped, "mn" -> "n", "oe" -> "e",
// "ph" -> "f", "y" -> "i", and a letter equal to the one written before it dropped. An empty
// key is "h".
std::size_t phoneticKey(std::string_view text, bool wholeWord, char (&key)[kPhoneticKeySize]);

// Analyses (source kind 8) of the dictionary words that sound like `word`: for the splits of the
// word from the longest stem down, a stem of the same key takes the split's place, and the first
// split whose sound-alike stems give readings ends the search. Returns the readings emitted.
int matchSoundAlikes(Engine& engine, const WordBuffer& word);

}  // namespace kavro
