// Opening parser.txt with its job header, and the dump of the analysis table.
#pragma once

#include <ctime>
#include <string>

namespace kavro {

struct Engine;

// Makes the Translation box read-only, opens (truncating) parser.txt in the program folder and
// writes the header stamped with the current local time. On failure shows the error box and
// returns false; the caller must not go on.
bool openOutputLog(Engine& engine);
// The same with a given local time, so that the header can be checked exactly.
bool openOutputLog(Engine& engine, const std::tm& localTime);

// The 24-character date text of the header ("Sun Dec 06 15:48:00 2026"), English names
// whatever the locale, the day always two digits.
std::string headerDateText(const std::tm& localTime);

// Writes one line per record of the analysis table to the open log, then an empty line.
// With dumpGroups on, each line also shows the record's group number.
void dumpAnalysisTable(Engine& engine);

}  // namespace kavro
