// User abbreviations: UserAbbreviations.txt lists abbreviations with the text each stands
// for (one per line, separated by a tab); the Latin preparation writes them out when the
// option "abbreviations" is on.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "core/lexicon_records.h"

namespace kavro {

struct Engine;

inline constexpr std::size_t kAbbreviationCapacity = 100;     // records of the table
inline constexpr std::size_t kAbbreviationLineLength = 119;   // characters read per line
// An expansion is refused when the line would then end further than this from its start.
inline constexpr std::size_t kExpandedLineLimit = 5500;

// Reads UserAbbreviations.txt of the program folder into `table` (emptied first); returns
// the number of abbreviations, 0 when the file is missing or unreadable. Progress and
// rejected lines go to the log.
int loadUserAbbreviations(Engine& engine, std::vector<AbbreviationRecord>& table);

// Rewrites the NUL-terminated `line` (a buffer of `capacity` bytes) in place: every word
// with a full stop that is exactly an abbreviation is replaced by its expansion, and a lone
// small letter with a full stop after a space gets "_" for the stop.
void expandAbbreviations(std::span<const AbbreviationRecord> table, char* line,
                         std::size_t capacity);

}  // namespace kavro
