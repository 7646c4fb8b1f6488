// Dictionary citation forms: the way a Latin dictionary prints an entry (amo, amare, amavi,
// amatus; puella, puellae; bonus -a -um ...), built from the entry's four stems and the grammar
// bytes of one of its stem records.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/lexicon_records.h"

namespace kavro {

inline constexpr std::size_t kCitationStemSize = 48;    // one stem slot, terminator included
inline constexpr std::size_t kCitationOutputSize = 80;  // the output buffer, terminator included

// The entry's stems in stem-key order (S1..S4); a missing stem is "" or the dictionary's "zzz".
using CitationStems = std::array<std::string, 4>;

// The four finished parts, before they are joined (exposed for the tests and the look-up).
std::array<std::string, 4> citationParts(const CitationStems& stems, const StemRecord& record);

// The citation form "%s %s %s %s" of the four parts, cut to 79 characters.
std::string citationForm(const CitationStems& stems, const StemRecord& record);

// The headword of a word derived from a known stem (a modified stem: intelligibil- read as an
// adjective of which 3, variant 2), built as the entry `record` would cite it with `stem` as
// its stems 1 and 2: "intelligibilis", "amator", "amatio", "dignitas". The stem itself when the
// tables have no row for the class.
std::string derivedHeadword(std::string_view stem, const StemRecord& record);

// The word-analysis interface: `output` must already hold text (the caller puts the meaning
// there first); an empty output is left alone. S3 and S4 are given back with their endings.
void makeCitationForm(CitationStems& stems, const StemRecord& record,
                      char (&output)[kCitationOutputSize]);

}  // namespace kavro
