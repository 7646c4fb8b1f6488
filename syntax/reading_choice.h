// Choice of readings: one analysis chosen for every word position from a context score, and
// the services clause analysis shares: agreement, rarity under the options, and the role finder.
#pragma once

#include <cstdint>

#include "core/analysis_record.h"
#include "core/view_options.h"

namespace kavro {

struct Engine;

// Fills chosenAnalysis and marks every live reading that was not chosen with part of speech 255.
void chooseReadings(Engine& engine);

// Whether readings a and b agree (case, gender, number, and their links allow it).
bool agrees(const Engine& engine, int a, int b);

// The rarity of a reading under the preferred area and age: 0 for the preferred area.
int rarityOf(const WordAnalysis& reading, const ViewOptions& options);

// The area letter of a reading's subject index ('-' general; '?' for an index outside the table).
char areaLetterOf(const WordAnalysis& reading);

// How the role finder is run: over a whole clause by clause analysis, or over one segment of a
// clause by the choice of readings.
enum class RoleMode { Clause = 0, Segment = 1 };

// Fills engine.sentence.activeRoles for the analyses first .. end of one clause or segment.
void findRoles(Engine& engine, int first, int end, RoleMode mode);

}  // namespace kavro
