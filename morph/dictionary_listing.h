// The dictionary look-up: every stem beginning with the letters a user entered, one line each.
#pragma once

#include <string>
#include <string_view>

#include "core/lexicon_records.h"

namespace kavro {

struct Engine;

inline constexpr std::string_view kNoMatchingStems = "No matching stems found.";

// The look-up dialog's lines end with the English; the command line may put the entry's
// citation form before it ("uir, uiri - man; husband").
enum class ListingStyle { Dialog, WithCitationForms };

// Lists the dictionary records whose stems begin with `letters` (j/v folded to i/u), first with
// the first letter in lower case, then in upper case. Each line reads "stem pos which variant
// kind frequency:age English"; the result ends with the message buffer (the truncation notice).
// The text is 8-bit Windows-1252 like the lexicon. Uses tempstems and sets stemLevelLimit to 99.
std::string listDictionaryStems(Engine& engine, std::string_view letters,
                                ListingStyle style = ListingStyle::Dialog);

// One line of the listing for one stem record, ending in a line feed.
std::string dictionaryListingLine(const Engine& engine, const StemRecord& stem, ListingStyle style);

}  // namespace kavro
