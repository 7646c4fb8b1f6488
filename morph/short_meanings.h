// The short meaning of a reading: the English of its entry with the area's meaning taken, the
// remarks in brackets dropped, the part after "/" cut and only the first sense kept. Cutting it
// costs more than building the rest of a reading, so the short meaning of a general dictionary
// entry is kept for the job (Engine::shortMeanings) and reused by every later reading of it.
#pragma once

#include <string>

namespace kavro {

struct Engine;
struct StemRecord;

// Replaces `english` (the entry's meaning as fetched for a reading of source kind `kind`) by
// its short meaning. `readingSubject` is the subject the reading carries. Returns the area index
// taken (0 when none): the caller records it as the reading's subject with rarity 1.
int cutShortMeaning(Engine& engine, const StemRecord& stem, int kind, int readingSubject,
                    std::string& english);

// True when cutShortMeaning, called with the same arguments, would take the short meaning
// kept from an earlier reading and not look at the meaning it is given.
bool holdsShortMeaning(const Engine& engine, const StemRecord& stem, int kind, int readingSubject);

}  // namespace kavro
