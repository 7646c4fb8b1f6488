// Searches of the dictionary's stems (and the user dictionary's) into the work table tempstems.
#pragma once

#include <cstddef>
#include <string_view>

namespace kavro {

struct Engine;

// The stem level limit that word analysis uses for an `age` option: the age itself up to
// classical, every stem above it.
int stemLevelLimitFor(int age);
inline constexpr int kAdmitEveryStem = 99;

// Where the last stem search of a word ended. The splits of a word are looked up longest stem
// first, and a shorter prefix sorts at or before a longer one, so the next search starts from
// there and looks backwards (near the records the last search has just read) rather than over
// the whole letter.
struct StemSearchHint {
    std::string_view stem;    // the stem last looked up
    std::size_t lower = 0;    // the start of the range it was looked up in
    std::size_t found = 0;    // its first record not below it
    bool valid = false;
};

// Fills tempstems from slot 0 with every dictionary record whose stem equals `stem` and whose
// ageLevel is within engine.stemLevelLimit, in file order; returns the count (0 to 49).
// `hint`, when given, is used and updated for a search of the same word's next split.
int findStems(Engine& engine, std::string_view stem, StemSearchHint* hint = nullptr);

// Appends, after `count` slots, the user-dictionary stems equal to `stem`; their copies carry
// meaningIndex = the user meaning number + kUserMeaningBase. Returns the new count.
int findUserStems(Engine& engine, std::string_view stem, int count);

// Appends, after `count` slots, every dictionary record whose stem begins with `prefix` and is
// within engine.stemLevelLimit. Returns the new count; an empty prefix appends nothing.
int findStemsByPrefix(Engine& engine, std::string_view prefix, int count);

}  // namespace kavro
