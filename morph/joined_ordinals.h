// Compound ordinals of the teens written as one word (tertius decimus, joined by the text
// preparation into "tertiusdecimus"): both halves declined alike, read as one ordinal numeral
// ("thirteenth") in every case, number and gender its ending allows.
#pragma once

#include <string_view>

namespace kavro {

struct Engine;

// Appends the readings of `word` when it is a joined ordinal of 13 to 19 and returns their
// number; 0 (nothing appended) for any other word.
int emitJoinedOrdinal(Engine& engine, std::string_view word);

}  // namespace kavro
