// Sentence translation: the order of the sentence passes, and the preference order in which
// every word's candidate readings are kept.
#pragma once

#include <cstdint>

#include "core/analysis_record.h"
#include "core/view_options.h"

namespace kavro {

struct Engine;

// The preference score of one candidate reading under the options (smaller sorts first): its
// voice or case, part of speech, area, rarity and age.
std::int32_t preferenceScore(const WordAnalysis& reading, const ViewOptions& options);

// Sorts the readings first .. end-1 of wordAnalyses (one word's candidates) by ascending
// preference score. Sources and origins kept beside the table move with their records.
void sortCandidates(Engine& engine, int first, int end);

// The first half of a sentence's translation: candidate order, clause analysis and the choice
// of one reading per word (the not-chosen readings marked 255, chosenAnalysis filled). Returns
// false when the auto-area tally asks for the sentence to be translated again.
bool chooseSentenceReadings(Engine& engine);

}  // namespace kavro
