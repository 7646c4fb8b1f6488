// The inflection table's one question: which endings equal a string and fit a dictionary stem.
#pragma once

#include <span>
#include <string_view>

#include "core/lexicon_records.h"

namespace kavro {

struct Engine;

inline constexpr int kEndingNotInTable = -1;

// Fills engine.tempinflects with every record of the inflection table whose ending equals
// `ending` and which fits the stem in tempstems[stemSlot], as altered copies; returns their
// count, or kEndingNotInTable when no record has this ending at all (so the caller can stop
// offering it to the other stems of the same split).
int findInflections(Engine& engine, std::string_view ending, int stemSlot);

// The two halves of findInflections, for a caller that offers one ending to several stems:
// the records of the inflection table whose ending equals `ending` (empty when none has it),
// and the altered copies in tempinflects of those of `run` that fit tempstems[stemSlot].
std::span<const InflectionRecord> findEndingRun(const Engine& engine, std::string_view ending);
int fitInflections(Engine& engine, std::span<const InflectionRecord> run, std::string_view ending,
                   int stemSlot);

}  // namespace kavro
