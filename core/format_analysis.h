// The analysis line of parser.txt: one record of the analysis table as text.
#pragma once

#include <string>

#include "core/analysis_record.h"

namespace kavro {

struct Engine;

// Replaces `out` with the analysis line of `analysis`: the part of speech, the class digits
// when grammatical details follow, the grammatical names, and the rarity letter with the age
// level. With `easyLatin`, a deleted reading of rarity 90 is shown as uncommon. Returns true.
bool formatAnalysis(std::string& out, const WordAnalysis& analysis, bool easyLatin);

// The same for record `index` of the engine's analysis table, under the engine's easyLatin
// option. An index outside the table empties `out` and returns false.
bool formatAnalysis(std::string& out, const Engine& engine, int index);

}  // namespace kavro
