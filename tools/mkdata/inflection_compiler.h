// inflects.dat from the package's inflection records.
//
// Each package record becomes one InflectionRecord: part of speech, which and variant; grammar
// bytes 3..8 in the engine's order (case number gender comparison/sort; verbs tense voice mood
// person number; participles case number gender tense voice mood; adverbs comparison in byte 6;
// prepositions the case in byte 3); the stem key; the package age as `ageLevel`; for verbs the
// rarity step = frequency - 1 (A = 0, B = 1, ...), 0 for every other part of speech.
// The one-stem adverb records (comparison POS, COMP, SUPER) get the stem keys 1, 2, 3 that the
// dictionary gives one-stem adverbs of that comparison, and are placed before the comparison-X
// records of the three-stem adverbs, so that the first fitting record carries the right degree.
// Sorted by ending in plain byte order ("" first), then part of speech; the package order is
// kept among equals.
#pragma once

#include <vector>

#include "job/lexicon_records.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {

InflectionRecord inflectionRecordOf(const PackageInflection& p);

std::vector<InflectionRecord> compileInflections(const std::vector<PackageInflection>& records);

// Throws DataError unless the records are sorted by ending, then part of speech.
void checkInflectionOrder(const std::vector<InflectionRecord>& records);

}  // namespace kavro::mkdata
