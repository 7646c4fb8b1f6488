#include "tools/mkdata/package_codes.h"

#include <array>
#include <cctype>

namespace kavro::mkdata {
namespace {

using namespace std::string_view_literals;

constexpr std::array kPartsOfSpeech{"X"sv, "N"sv, "PRON"sv, "PACK"sv, "ADJ"sv, "NUM"sv, "ADV"sv,
                                    "V"sv, "VPAR"sv, "SUPINE"sv, "PREP"sv, "CONJ"sv,
                                    "INTERJ"sv, "TACKON"sv, "PREFIX"sv, "SUFFIX"sv};
constexpr std::array kCases{"X"sv, "NOM"sv, "VOC"sv, "GEN"sv, "LOC"sv, "DAT"sv, "ABL"sv, "ACC"sv};
constexpr std::array kNumbers{"X"sv, "S"sv, "P"sv};
constexpr std::array kGenders{"X"sv, "M"sv, "F"sv, "N"sv, "C"sv};
constexpr std::array kComparisons{"X"sv, "POS"sv, "COMP"sv, "SUPER"sv};
constexpr std::array kTenses{"X"sv, "PRES"sv, "IMPF"sv, "FUT"sv, "PERF"sv, "PLUP"sv, "FUTP"sv};
constexpr std::array kVoices{"X"sv, "ACTIVE"sv, "PASSIVE"sv};
constexpr std::array kMoods{"X"sv, "IND"sv, "SUB"sv, "IMP"sv, "INF"sv, "PPL"sv};
constexpr std::array kNumeralSorts{"X"sv, "CARD"sv, "ORD"sv, "DIST"sv, "ADVERB"sv};
constexpr std::array kPronounKinds{"X"sv, "PERS"sv, "REL"sv, "REFLEX"sv, "DEMONS"sv, "INTERR"sv,
                                   "INDEF"sv, "ADJECT"sv};
constexpr std::array kVerbKinds{"X"sv, "TO_BE"sv, "TO_BEING"sv, "GEN"sv, "DAT"sv, "ABL"sv,
                                "TRANS"sv, "INTRANS"sv, "IMPERS"sv, "DEP"sv, "SEMIDEP"sv,
                                "PERFDEF"sv};
constexpr std::array kNounKinds{"X"sv, "S"sv, "M"sv, "A"sv, "G"sv, "N"sv, "P"sv, "T"sv, "L"sv,
                                "W"sv};
constexpr std::array kAges{"X"sv, "A"sv, "B"sv, "C"sv, "D"sv, "E"sv, "F"sv, "G"sv, "H"sv};
constexpr std::array kAreas{"X"sv, "A"sv, "B"sv, "D"sv, "E"sv, "G"sv, "L"sv, "P"sv, "S"sv,
                            "T"sv, "W"sv, "Y"sv};
constexpr std::array kGeos{"X"sv, "A"sv, "B"sv, "C"sv, "D"sv, "E"sv, "F"sv, "G"sv, "H"sv,
                           "I"sv, "J"sv, "K"sv, "N"sv, "P"sv, "Q"sv, "R"sv, "S"sv, "U"sv};
constexpr std::array kFrequencies{"X"sv, "A"sv, "B"sv, "C"sv, "D"sv, "E"sv, "F"sv, "I"sv,
                                  "M"sv, "N"sv};
constexpr std::array kSources{"X"sv, "A"sv, "B"sv, "C"sv, "D"sv, "E"sv, "F"sv, "G"sv, "H"sv,
                              "I"sv, "J"sv, "K"sv, "L"sv, "M"sv, "N"sv, "O"sv, "P"sv, "Q"sv,
                              "R"sv, "S"sv, "T"sv, "U"sv, "V"sv, "W"sv, "Y"sv, "Z"sv};

// Engine age levels by package age, so that the age option keeps its promise: classical (5)
// admits up to Late Latin (D, to about 500 AD); medieval (7) admits Later and Medieval Latin (E,
// F: level 6); NeoLatin (G) and Modern (H) come after them.
constexpr std::array<std::uint8_t, 9> kEngineAgeLevels{0, 1, 2, 3, 4, 6, 6, 7, 8};   // X A..H

// Engine noun kinds by package position: X S M A G N P T L W.
constexpr std::array<std::uint8_t, 10> kEngineNounKinds{0, 1, 2, 3, 9, 4, 6, 7, 5, 8};

bool sameName(std::string_view a, std::string_view b, bool ignoreCase) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = a[i], y = b[i];
        if (ignoreCase ? std::toupper(x) != std::toupper(y) : x != y) return false;
    }
    return true;
}

}  // namespace

NameList partOfSpeechNames() { return kPartsOfSpeech; }
NameList caseNames() { return kCases; }
NameList numberNames() { return kNumbers; }
NameList genderNames() { return kGenders; }
NameList comparisonNames() { return kComparisons; }
NameList tenseNames() { return kTenses; }
NameList voiceNames() { return kVoices; }
NameList moodNames() { return kMoods; }
NameList numeralSortNames() { return kNumeralSorts; }
NameList pronounKindNames() { return kPronounKinds; }
NameList verbKindNames() { return kVerbKinds; }
NameList nounKindLetters() { return kNounKinds; }
NameList ageLetters() { return kAges; }
NameList areaLetters() { return kAreas; }
NameList geoLetters() { return kGeos; }
NameList frequencyLetters() { return kFrequencies; }
NameList sourceLetters() { return kSources; }

std::optional<std::uint8_t> codeOf(NameList list, std::string_view name, bool ignoreCase) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (sameName(list[i], name, ignoreCase)) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

std::uint8_t engineNounKind(std::uint8_t packageKind) {
    return packageKind < kEngineNounKinds.size() ? kEngineNounKinds[packageKind] : 0;
}

std::uint8_t engineAgeLevel(std::uint8_t packageAge) {
    return packageAge < kEngineAgeLevels.size() ? kEngineAgeLevels[packageAge] : packageAge;
}

std::uint8_t verbPartOf(std::uint8_t verbKind) {
    switch (verbKind) {
    case 4: return 5;   // DAT
    case 5: return 7;   // ABL
    case 6: return 2;   // TRANS
    case 7: return 3;   // INTRANS
    default: return 0;
    }
}

}  // namespace kavro::mkdata
