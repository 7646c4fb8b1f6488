// The readings of a sentence after clause analysis and the choice of one reading per word, each
// listed under the token it was read from, in preference order, with its status. Shared by the
// JSON Lines and the CoNLL-U output of kavro analyse.
#pragma once

#include <vector>

#include "core/analysis_record.h"
#include "core/engine.h"

namespace kavro {

// One reading as the sentence outputs show it.
struct PrintedReading {
    const WordAnalysis* record;
    const AnalysisSource* note;
    const char* status = nullptr;       // "chosen", "set aside" (not chosen), "deleted"; null in word mode
    const ScoreTrace* score = nullptr;  // with --trace, the parts of its context score
};

struct SentenceReadings {
    std::vector<WordAnalysis> found;                   // the readings as word analysis found them
    std::vector<std::vector<PrintedReading>> byToken;  // one list per token of the sentence
};

// Runs the choice of readings on the sentence word analysis has just read and lists them. A
// reading that is no longer live is shown as word analysis found it. The result points into the
// engine's tables: use it before the next sentence.
SentenceReadings chooseAndListReadings(Engine& engine);

// The reading a token ended with: its first chosen reading, or null when none was chosen.
const PrintedReading* chosenReading(const std::vector<PrintedReading>& readings);

// The number of tokens of the sentence, within the token table.
int sentenceTokenCount(const Engine& engine);

}  // namespace kavro
