// The segments of a clause: the stretches between its conjunctions, question words and relative
// pronouns.
#pragma once

#include "syntax/choice_steps.h"

namespace kavro {

struct Engine;

// The segments of clause k as [first, end] pairs of analysis indices; returns their number (at
// most kSegmentCapacity; later openers stay inside the last segment). The clause's first word
// never opens a segment of its own.
int cutSegments(const Engine& engine, int k, int (&first)[kSegmentCapacity], int (&end)[kSegmentCapacity]);

}  // namespace kavro
