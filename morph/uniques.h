// Irregular forms kept whole (uniques.dat) and the joint of compound ordinals and doubled words.
// The seams the driver calls, findUniques and prepareCompound, are declared in word_repairs.h.
#pragma once

#include <string_view>

#include "core/lexicon_records.h"

namespace kavro {

struct Engine;
struct Lexicon;

// The stem and inflection that a unique record stands for, as findUniques puts them into the
// work tables; `recordNumber` becomes the stem's meaningIndex (emitAnalysis reads the record
// back through it).
StemRecord uniqueStem(const UniqueRecord& unique, std::uint32_t recordNumber);
InflectionRecord uniqueInflection(const UniqueRecord& unique);

// The headword an irregular form is cited by (uniqueheads.dat: vult -> volo); the form itself
// when the table names none.
std::string_view uniqueCitation(const Lexicon& lexicon, std::string_view form);

}  // namespace kavro
