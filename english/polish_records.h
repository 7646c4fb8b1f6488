// Records of the three polishing tables: polish.dat (word table), phrasedud.dat (phrase table)
// and finalpolish.dat (line table). Read and written as whole records.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kavro {

static_assert(std::endian::native == std::endian::little);

#pragma pack(push, 1)

// polish.dat: one English word and its replacement; sorted by key in unsigned byte order.
struct PolishRecord {
    char key[20];           // NUL-terminated
    char replacement[20];   // NUL-terminated
};
static_assert(sizeof(PolishRecord) == 40);
static_assert(offsetof(PolishRecord, replacement) == 20);

// phrasedud.dat: the first kVerbPhraseGroupSize records are the verb-phrase group, searched
// in file order (unused places hold an empty search phrase); the rest is the general group,
// sorted by search phrase.
struct PhraseRecord {
    char search[30];              // NUL-terminated
    char replacement[30];         // NUL-terminated
    std::int16_t comparedLength;  // leading characters of the search phrase that must match
};
static_assert(sizeof(PhraseRecord) == 62);
static_assert(offsetof(PhraseRecord, replacement) == 30);
static_assert(offsetof(PhraseRecord, comparedLength) == 60);

// finalpolish.dat: a lower-case word or phrase of the finished line and its replacement;
// sorted by the key's first letter.
struct FinalPolishRecord {
    char key[100];                     // NUL-terminated
    char replacement[100];             // NUL-terminated
    std::uint8_t keyLength;            // characters
    std::uint8_t replacementLength;    // characters
};
static_assert(sizeof(FinalPolishRecord) == 202);
static_assert(offsetof(FinalPolishRecord, replacement) == 100);
static_assert(offsetof(FinalPolishRecord, keyLength) == 200);
static_assert(offsetof(FinalPolishRecord, replacementLength) == 201);

#pragma pack(pop)

// polish.dat also holds the simple past of the English verbs whose past differs from their
// participle, under the key verb + this suffix ("take+past" -> "took"). No slot word can
// carry a "+" when the word table runs, so these records never replace a word of a slot.
inline constexpr std::string_view kSimplePastKeySuffix = "+past";
// And it marks the words that stand as the object noun of a phrasal verb meaning ("hold" of
// "take hold", "thanks" of "give thanks"), under the key word + this suffix: a passive form
// leaves them out ("taken", not "taken hold").
inline constexpr std::string_view kObjectNounKeySuffix = "+obj";

// The verb-phrase group at the head of phrasedud.dat.
inline constexpr int kVerbPhraseGroupSize = 19;

}  // namespace kavro
