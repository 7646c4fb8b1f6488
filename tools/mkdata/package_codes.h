// The enumerations of the Latin data package, as its text files spell them. A value is its
// position in the list; the positions are the grammatical codes the engine uses, except the
// noun kinds, which are translated by letter (engineNounKind).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kavro::mkdata {

using NameList = std::span<const std::string_view>;

NameList partOfSpeechNames();   // X N PRON PACK ADJ NUM ADV V VPAR SUPINE PREP CONJ INTERJ ...
NameList caseNames();           // X NOM VOC GEN LOC DAT ABL ACC
NameList numberNames();         // X S P
NameList genderNames();         // X M F N C
NameList comparisonNames();     // X POS COMP SUPER
NameList tenseNames();          // X PRES IMPF FUT PERF PLUP FUTP
NameList voiceNames();          // X ACTIVE PASSIVE
NameList moodNames();           // X IND SUB IMP INF PPL
NameList numeralSortNames();    // X CARD ORD DIST ADVERB
NameList pronounKindNames();    // X PERS REL REFLEX DEMONS INTERR INDEF ADJECT
NameList verbKindNames();       // X TO_BE TO_BEING GEN DAT ABL TRANS INTRANS IMPERS DEP ...
NameList nounKindLetters();     // X S M A G N P T L W
NameList ageLetters();          // X A..H
NameList areaLetters();         // X A B D E G L P S T W Y
NameList geoLetters();
NameList frequencyLetters();    // X A B C D E F I M N
NameList sourceLetters();

// Position of `name` in `list` (exact, or ignoring case when asked); nothing when absent.
std::optional<std::uint8_t> codeOf(NameList list, std::string_view name, bool ignoreCase = false);

// The engine's noun kind for a package noun kind code (X S M A G N P T L W → 0 1 2 3 9 4 6 7 5 8).
std::uint8_t engineNounKind(std::uint8_t packageKind);

// The engine's age level for a package age code (X A B C D E F G H → 0 1 2 3 4 6 6 7 8).
std::uint8_t engineAgeLevel(std::uint8_t packageAge);

// Verb part carried in the high four bits of a verb stem's sort byte, from the package verb kind:
// TRANS → +TRANS 2, INTRANS → +INTRANS 3, DAT → +DAT 5, ABL → +ABL 7, others none.
std::uint8_t verbPartOf(std::uint8_t verbKind);

namespace pos {
inline constexpr std::uint8_t X = 0, N = 1, PRON = 2, PACK = 3, ADJ = 4, NUM = 5, ADV = 6, V = 7,
                              VPAR = 8, SUPINE = 9, PREP = 10, CONJ = 11, INTERJ = 12,
                              TACKON = 13, PREFIX = 14, SUFFIX = 15;
}

}  // namespace kavro::mkdata
