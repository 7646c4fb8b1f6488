// Stem and ending matching: a word is divided in every admissible way into a stem part and an
// ending part, and each division is looked up in the dictionary and the inflection table.
#pragma once

#include <string_view>

#include "core/capacities.h"

namespace kavro {

struct Engine;
struct StemRecord;
struct InflectionRecord;

// The driver's word buffer (a copy of one token, which the repairs alter).
using WordBuffer = char[kTokenTextSize];

// Longest word matched; a longer one is matched as its first 31 characters.
inline constexpr std::size_t kMatchedWordLength = 31;
// Longest ending tried (the inflection table has none longer).
inline constexpr int kLongestEnding = 7;

// Cuts `word` to 31 characters and fills engine.wordSplits: the whole word with no ending, then
// endings growing by one letter up to 7, then "." with the last letters as the ending (so that
// a dictionary entry whose stem is "." can be all ending). Returns the number of splits.
int splitWord(Engine& engine, WordBuffer& word);

// Looks every split of engine.wordSplits up and emits one reading per fitting stem and ending
// (tagged `sourceKind`, see emitAnalysis); returns the number emitted.
int matchSplits(Engine& engine, int splitCount, int sourceKind);

// The filters of plain matching: verb kinds without some forms (impersonal verbs have no
// first or second person, deponents no present active, semideponents no present passive, and
// only stems ending in "c" take the bare third-conjugation imperative), and nouns restricted to
// one number take no ending of the other. True when `infl` gives `stem` no reading.
bool readingRefused(const StemRecord& stem, const InflectionRecord& infl);

// For a participle stem in tempstems[stemSlot]: the endings "um" and "u" are also a supine
// (accusative and ablative); writes it into tempinflects[count] and returns count + 1, else count.
int addSupine(Engine& engine, std::string_view ending, int stemSlot, int count);

}  // namespace kavro
