// Auto-area selection: the per-sentence tally of the areas of the chosen readings, and the
// suggestion at the end of the job (resetAutoArea and reportAutoArea are stages, core/stages.h).
#pragma once

#include <string>

namespace kavro {

struct Engine;
struct ViewOptions;

// The area index (1..13) that clearly dominates the counts of one sentence, or -1: a count must
// lead every earlier one by more than 2, and a later count within 2 of the lead cancels it.
int dominantAreaIndex(const int (&counts)[14]);

// Tallies the areas of the sentence's chosen readings; sets engine.areaChanged when it switched
// the preferred area, and the sentence is then translated again under the new one.
void tallySentenceArea(Engine& engine);

// The end-of-job suggestion, or empty when no area counted more than 40 % of the sentences.
std::string autoAreaSuggestion(const ViewOptions& options);

}  // namespace kavro
