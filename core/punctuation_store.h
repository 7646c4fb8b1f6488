// The analysis record of a punctuation token.
#pragma once

#include <string_view>

namespace kavro {

struct Engine;

// Appends the analysis of a punctuation token ("PUNCT" followed by the character 64 + the mark's
// punctuation code) for token `tokenIndex` to the analysis table, in the current group. When the
// table fills up, warns and starts it again from zero.
void storePunctuation(Engine& engine, std::string_view token, int tokenIndex);

// Warns that the analysis table is full and empties it. Shared by every store of analyses.
void restartFullAnalysisTable(Engine& engine);

}  // namespace kavro
