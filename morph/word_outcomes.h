// Readings that the word-analysis driver builds itself rather than from the lexicon.
#pragma once

#include <string_view>

#include "core/analysis_record.h"

namespace kavro {

struct Engine;

// The NOT FOUND reading of `word`: analysed form "[word]" (cut to 23 with "*"), Latin detail
// "NOT FOUND"; appended in the current group, which then advances.
void appendNotFound(Engine& engine, std::string_view word);

// The adverb in "-ly" ("-edly" for a participle) that an adjective found alone in the vocative
// masculine lends its word; appended after it.
void appendSyntheticAdverb(Engine& engine, const WordAnalysis& base, std::string_view word);

// A word in capitals that reads as a Roman numeral becomes one cardinal numeral reading (its
// English the digits); false when it is not a numeral.
bool emitRomanNumeral(Engine& engine, std::string_view capitals);

}  // namespace kavro
