#include "formats/sentence_readings.h"

#include <algorithm>
#include <string_view>

#include "core/grammar_codes.h"
#include "syntax/sentence_driver.h"

namespace kavro {
namespace {

bool isDeleted(const WordAnalysis& a) {
    return a.partOfSpeech == speech_type::DeletedGram || a.partOfSpeech == speech_type::DeletedAi;
}

}  // namespace

int sentenceTokenCount(const Engine& engine) {
    return engine.tokenCount < static_cast<int>(kTokenCapacity) ? std::max(engine.tokenCount, 0)
                                                                : static_cast<int>(kTokenCapacity);
}

// Clause analysis may move words, so each reading is placed by the position it had when word
// analysis found it (analysisOrigin).
SentenceReadings chooseAndListReadings(Engine& engine) {
    SentenceReadings out;
    out.found.assign(engine.wordAnalyses, engine.wordAnalyses + engine.analysisCount);
    engine.wordCount = engine.tokenCount;
    chooseSentenceReadings(engine);
    out.byToken.resize(static_cast<std::size_t>(sentenceTokenCount(engine)));
    for (int i = 0; i < engine.analysisCount; ++i) {
        const int origin = engine.sentence.analysisOrigin[i];
        if (origin < 0 || origin >= static_cast<int>(out.found.size())) continue;
        const WordAnalysis& now = engine.wordAnalyses[i];
        const WordAnalysis& before = out.found[origin];
        const int position = before.wordPosition;
        if (position < 0 || position >= static_cast<int>(out.byToken.size())) continue;
        PrintedReading p{&now, &engine.analysisSources[i], "chosen"};
        if (engine.sentence.traceScores) p.score = &engine.sentence.scores[i];
        if (isDeleted(now)) {
            p.status = now.partOfSpeech == speech_type::DeletedGram ? "deleted" : "set aside";
            p.record = &before;
        } else if (now.partOfSpeech == speech_type::Tackon && before.partOfSpeech != speech_type::Tackon) {
            p.record = &before;   // a joining word keeps its own part of speech here
        }
        out.byToken[position].push_back(p);
    }
    return out;
}

const PrintedReading* chosenReading(const std::vector<PrintedReading>& readings) {
    for (const PrintedReading& r : readings)
        if (std::string_view(r.status ? r.status : "") == "chosen") return &r;
    return nullptr;
}

}  // namespace kavro
