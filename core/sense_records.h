// The learned tables of English word choice: which sense of a dictionary entry a translation
// takes (senses.dat) and the English form of proper names (names.dat). Both are compiled from
// data/senses.txt and data/names.txt; without them every reading keeps its entry's first sense
// and every name its Latin form.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavro {

// When a sense rule holds for a reading.
namespace sense_condition {
inline constexpr std::uint8_t Usual = 0;        // always: the sense the entry usually takes
inline constexpr std::uint8_t Capital = 1;      // the word is written with a capital in mid-sentence
inline constexpr std::uint8_t AfterWord = 2;    // the word right before it is `argument` ("in")
inline constexpr std::uint8_t Case = 3;         // the reading's case is `caseCode`
inline constexpr std::uint8_t LowerCase = 4;    // the word is written in lower case
inline constexpr std::uint8_t BeforeName = 5;   // the word after it is a name
inline constexpr std::uint8_t Count = 6;
}  // namespace sense_condition

#pragma pack(push, 1)
// senses.dat (sorted by meaning record, then by the order of the rules): one sense of one
// dictionary entry and when a translation takes it.
struct SenseChoiceRecord {
    std::uint32_t meaningIndex;   // record of transl.dat
    std::uint8_t condition;       // sense_condition
    std::uint8_t caseCode;        // case_type code, for sense_condition::Case
    char argument[10];            // the word before, for sense_condition::AfterWord
    char sense[48];               // the sense as the entry's English gives it
};

// names.dat (sorted by form): a proper name's Latin form (j, v written i, u) and its English.
struct NameRecord {
    char form[24];
    char english[24];
};
#pragma pack(pop)

static_assert(sizeof(SenseChoiceRecord) == 64);
static_assert(offsetof(SenseChoiceRecord, argument) == 6);
static_assert(offsetof(SenseChoiceRecord, sense) == 16);
static_assert(sizeof(NameRecord) == 48);

// Bits of byte 23 of a reading (WordAnalysis::reserved23; bit 0 is a numeral's date mark): the
// word was written with a capital and does not open its sentence or a clause after a full stop,
// colon or the like; it was written in lower case; it is a name guessed from its capital.
inline constexpr std::uint8_t kCapitalInMidSentence = 0x80;
inline constexpr std::uint8_t kWrittenInLowerCase = 0x40;
inline constexpr std::uint8_t kGuessedName = 0x20;

}  // namespace kavro
