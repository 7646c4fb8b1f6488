#include "morph/word_alone.h"

#include <cstring>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/stages.h"

namespace kavro {

bool WordOutcome::operator==(const WordOutcome& other) const {
    const bool sameReadings =
        readings.size() == other.readings.size() &&
        (readings.empty() ||
         std::memcmp(readings.data(), other.readings.data(), readings.size() * sizeof(WordAnalysis)) == 0);
    return sameReadings && groupNumber == other.groupNumber && lastWordResult == other.lastWordResult &&
           wordsInSentence == other.wordsInSentence && wordsSincePunct == other.wordsSincePunct;
}

WordOutcome analyseWordAlone(Engine& engine, std::string_view form, bool useHash) {
    engine.options.hashActive = useHash;
    resetWordStatusCache(engine);
    copyField(engine.sentenceTokens[0], form);
    engine.tokenCount = 1;
    engine.analysisCount = 0;
    engine.groupNumber = 0;
    analyseSentenceWords(engine);
    return {{engine.wordAnalyses, engine.wordAnalyses + engine.analysisCount},
            engine.groupNumber, engine.lastWordResult, engine.wordsInSentence, engine.wordsSincePunct};
}

}  // namespace kavro
