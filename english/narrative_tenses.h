// The English tenses of Latin narrative. The Latin perfect of a story is the English simple
// past ("creavit" -> "created", "vidit" -> "saw", "fuit" -> "was"), not the present perfect
// that the verb templates build ("has created"); in the first and second persons, which speak,
// it keeps the present perfect ("dedi vobis" -> "I have given you"); the imperfect is told in the simple past as
// well ("ibat" -> "went", "erat" -> "was", not "was going", "was being"), its passive in the
// plain past passive ("ferebatur" -> "was carried", not "was being carried"). The verbs that
// report speech, aio and inquam, are told in the past too ("ait" -> "he said").
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/analysis_record.h"
#include "english/polish_records.h"

namespace kavro {

// Rewrites the verb phrase that buildVerbPhrase made for the finite verb reading `verb` (still
// with its caret and suffix marker) into the narrative tense. Phrases of other tenses and
// moods, and phrases of another shape, are left alone. `wordTable` is polish.dat (it holds
// the irregular simple pasts).
void useNarrativeTense(std::string& phrase, const WordAnalysis& verb,
                       std::span<const PolishRecord> wordTable);

// The simple past of an English verb ("take" -> "took", "carry" -> "carry+ed" with its marker
// still to be resolved), for a verb word without caret.
std::string simplePast(std::string_view verb, std::span<const PolishRecord> wordTable);

// The rest of a verb meaning after its verb word (" to flight" of "put to flight", with its
// leading blank) as a passive form carries it: empty when it begins with the object noun of
// the meaning ("take hold": the city was "taken"), the whole rest otherwise ("put to flight",
// "carried out", "laid waste").
std::string_view passiveRest(std::string_view rest, std::span<const PolishRecord> wordTable);

}  // namespace kavro
