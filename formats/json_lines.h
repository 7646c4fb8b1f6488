// JSON Lines of word analysis, one object per token: the readings word analysis found (in table
// order), or, after the choice of readings, every reading in preference order with its status.
// The fields are described in README.md; the text is written directly, one line at a time.
#pragma once

#include <cstdio>

namespace kavro {

struct Engine;
struct SentenceReadings;

// Word analysis: one line per token of the sentence just analysed, with every reading found.
void printWordAnalysisLines(std::FILE* out, Engine& engine, int sentence);

// After the choice of readings: one line per token with its readings in preference order, each
// with "chosen" and its "status" (and its "score" when the scores were traced).
void printChosenReadingLines(std::FILE* out, const Engine& engine, const SentenceReadings& listed,
                             int sentence);

}  // namespace kavro
