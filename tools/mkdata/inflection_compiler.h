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
// The package gives the gerundive's masculine and neuter forms of one ending (amandi GEN SING M
// and N) as two records; they become one record of gender M/NT, the gender by which word
// analysis knows a gerundive that also reads as a gerund. The merged record keeps the place of
// the first of the two.
// Sorted by ending in plain byte order ("" first), then part of speech; the package order is
// kept among equals.
#pragma once

#include <vector>

#include "core/lexicon_records.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {

InflectionRecord inflectionRecordOf(const PackageInflection& p);

// Merges each masculine gerundive record with its neuter twin (or the other way round) into one
// record of gender M/NT; returns the number of pairs merged.
std::size_t mergeGerundiveGenders(std::vector<InflectionRecord>& records);

std::vector<InflectionRecord> compileInflections(const std::vector<PackageInflection>& records);

// Throws DataError unless the records are sorted by ending, then part of speech.
void checkInflectionOrder(const std::vector<InflectionRecord>& records);

}  // namespace kavro::mkdata
