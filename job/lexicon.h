// Every table loaded at start-up. Filled once by the loader, then read-only, so several
// engines may share one Lexicon.
#pragma once

#include <array>
#include <vector>

#include "job/lexicon_records.h"

namespace kavro {

struct Lexicon {
    std::vector<InflectionRecord> inflections;   // inflects.dat
    std::vector<StemRecord> stems;               // dictUK.dat, stem part
    std::array<LetterIndex, kLetterIndexCount> letterIndex{};
    std::vector<MeaningRecord> meanings;         // transl.dat
    std::vector<MeaningRecord> botanyMeanings;   // Botanytransl.dat (optional)
    std::vector<StemRecord> userStems;           // user dictionaries, sorted by stem
    std::vector<MeaningRecord> userMeanings;
    std::vector<AbbreviationRecord> abbreviations;  // UserAbbreviations.txt
};

}  // namespace kavro
