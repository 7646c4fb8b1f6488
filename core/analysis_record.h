// The candidate analysis record: one reading of one word of the sentence.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace kavro {

static_assert(std::endian::native == std::endian::little,
              "records are stored little-endian and read as whole structs");

#pragma pack(push, 1)
struct WordAnalysis {
    std::uint8_t partOfSpeech;   // speech_type code; 64 marks a NOT FOUND word
    std::uint8_t kind1;          // gender for nouns; verb part for verbs/participles
    std::uint8_t kind2;          // noun kind; verb kind for verbs/participles
    std::uint8_t grammar1;       // case (verbs: tense)
    std::uint8_t grammar2;       // number (verbs: voice)
    std::uint8_t grammar3;       // gender (verbs: mood)
    std::uint8_t grammar4;
    std::uint8_t grammar5;
    std::uint8_t grammar6;
    std::uint8_t stemKey;
    std::int16_t wordPosition;   // token index of the word in the sentence
    std::int16_t groupNumber;    // all readings from one stem share it
    std::int16_t link1;          // -1 when created
    std::int16_t link2;
    std::int16_t link3;
    std::uint8_t rarity;         // frequency class
    std::uint8_t ageLevel;
    std::uint8_t subject;        // area code of the meaning
    std::uint8_t reserved23;
    std::int16_t stemClass;      // which * 16 + variant
    std::int16_t stemClass2;     // stem byte 38 * 16 + stem byte 39
    char latinDetail[24];
    char analysedForm[24];       // "am.o"
    char english[24];
    std::int16_t templateWord;   // copied with templates
};
#pragma pack(pop)

static_assert(sizeof(WordAnalysis) == 102);
static_assert(offsetof(WordAnalysis, wordPosition) == 10);
static_assert(offsetof(WordAnalysis, groupNumber) == 12);
static_assert(offsetof(WordAnalysis, link1) == 14);
static_assert(offsetof(WordAnalysis, rarity) == 20);
static_assert(offsetof(WordAnalysis, stemClass) == 24);
static_assert(offsetof(WordAnalysis, stemClass2) == 26);
static_assert(offsetof(WordAnalysis, latinDetail) == 28);
static_assert(offsetof(WordAnalysis, analysedForm) == 52);
static_assert(offsetof(WordAnalysis, english) == 76);
static_assert(offsetof(WordAnalysis, templateWord) == 100);

// Byte view used by rules that address the record by offset (bytes 0..9 are the codes).
inline std::uint8_t codeByte(const WordAnalysis& a, int index) {
    return reinterpret_cast<const std::uint8_t*>(&a)[index];
}

// An all-zero record whose three links are -1: the start of every new analysis.
inline WordAnalysis blankAnalysis() {
    WordAnalysis a{};
    a.link1 = a.link2 = a.link3 = -1;
    return a;
}

}  // namespace kavro
