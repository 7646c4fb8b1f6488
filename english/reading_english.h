// The English text of one chosen reading, built by its part of speech: the case prefix, the
// comparison word, the meaning and the suffix markers; for verbs the whole verb phrase.
#pragma once

#include <string>
#include <string_view>

#include "core/analysis_record.h"

namespace kavro {

struct Engine;

// One word position of the sentence being assembled.
struct WordInSentence {
    int position;
    int analysis;                // index in wordAnalyses, -1 for the empty reading
    const WordAnalysis& reading;
    std::string_view meaning;    // the reading's English meaning without its "~"
};

// The text of the word (before the clean-up and the slot bound). May link a verb's free
// subject to the verb.
std::string englishOfReading(Engine& engine, const WordInSentence& word);

}  // namespace kavro
