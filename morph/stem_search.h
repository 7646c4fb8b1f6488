// Searches of the dictionary's stems (and the user dictionary's) into the work table tempstems.
#pragma once

#include <string_view>

namespace kavro {

struct Engine;

// The stem level limit that word analysis uses for an `age` option: the age itself up to
// classical, every stem above it.
int stemLevelLimitFor(int age);
inline constexpr int kAdmitEveryStem = 99;

// Fills tempstems from slot 0 with every dictionary record whose stem equals `stem` and whose
// ageLevel is within engine.stemLevelLimit, in file order; returns the count (0 to 49).
int findStems(Engine& engine, std::string_view stem);

// Appends, after `count` slots, the user-dictionary stems equal to `stem`; their copies carry
// meaningIndex = the user meaning number + kUserMeaningBase. Returns the new count.
int findUserStems(Engine& engine, std::string_view stem, int count);

// Appends, after `count` slots, every dictionary record whose stem begins with `prefix` and is
// within engine.stemLevelLimit. Returns the new count; an empty prefix appends nothing.
int findStemsByPrefix(Engine& engine, std::string_view prefix, int count);

}  // namespace kavro
