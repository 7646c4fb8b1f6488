// The inflection table's one question: which endings equal a string and fit a dictionary stem.
#pragma once

#include <string_view>

namespace kavro {

struct Engine;

inline constexpr int kEndingNotInTable = -1;

// Fills engine.tempinflects with every record of the inflection table whose ending equals
// `ending` and which fits the stem in tempstems[stemSlot], as altered copies; returns their
// count, or kEndingNotInTable when no record has this ending at all (so the caller can stop
// offering it to the other stems of the same split).
int findInflections(Engine& engine, std::string_view ending, int stemSlot);

}  // namespace kavro
