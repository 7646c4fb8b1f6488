// A form analysed as the one word of a sentence, from a fresh word-status cache: what the
// high-speed hash is built from and checked against.
#pragma once

#include <string_view>
#include <vector>

#include "core/analysis_record.h"

namespace kavro {

struct Engine;

// What analysing a word leaves behind: its readings and the counters the next word starts from.
struct WordOutcome {
    std::vector<WordAnalysis> readings;
    int groupNumber = 0;
    int lastWordResult = 0;
    int wordsInSentence = 0;
    int wordsSincePunct = 0;

    // Readings equal byte for byte, and the same counters.
    bool operator==(const WordOutcome& other) const;
};

// Analyses `form` alone, with the high-speed hash on or off.
WordOutcome analyseWordAlone(Engine& engine, std::string_view form, bool useHash);

}  // namespace kavro
