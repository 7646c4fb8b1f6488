// The sentence around the words: a sentence the reader cut short, punctuation, the counters of
// words since the start and since the last mark, and the end of a sentence that tackons pushed out.
#include "morph/word_analysis.h"

#include <algorithm>
#include <cstring>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/punctuation_store.h"
#include "core/stages.h"
#include "morph/stem_search.h"
#include "morph/word_outcomes.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

constexpr std::string_view kPunctuationPrefix = "PUNCT";
constexpr std::size_t kPunctuationTokenLength = 6;
constexpr char kCommaLetter = 'A';   // a comma does not restart the words since the last mark
constexpr std::string_view kTruncatedWord = "truncated";
constexpr std::string_view kTruncatedMark = "PUNCT@";

int tokenLimit(const Engine& engine) {
    const int capacity = static_cast<int>(kTokenCapacity);
    return engine.tokenCount < capacity ? engine.tokenCount : capacity;
}

bool lastTokenIsPunctuation(const Engine& engine) {
    const int n = tokenLimit(engine);
    return n > 0 && isPunctuationToken(fieldText(engine.sentenceTokens[n - 1]));
}

// A sentence without a closing mark ends in "truncated" and the full stop. The sentence reader
// closes every sentence it cuts from a longer line with a full stop of its own, so this is left
// for token tables filled some other way.
void markCutSentence(Engine& engine) {
    const int n = tokenLimit(engine);
    copyField(engine.sentenceTokens[n - 2], kTruncatedWord);
    copyField(engine.sentenceTokens[n - 1], kTruncatedMark);
}

// Tackons pushed the closing mark out of the table: the last two words give way to
// "truncated" (NOT FOUND) and the full stop.
void closePushedSentence(Engine& engine) {
    const int n = tokenLimit(engine);
    const int truncatedAt = n - 2;
    while (engine.analysisCount > 0 &&
           engine.wordAnalyses[engine.analysisCount - 1].wordPosition >= truncatedAt)
        --engine.analysisCount;
    markCutSentence(engine);
    engine.tokenIndex = truncatedAt;
    appendNotFound(engine, kTruncatedWord);
    engine.tokenIndex = n - 1;
    storePunctuation(engine, kTruncatedMark, n - 1);
}

// How the word is written, for the sense rules: a capital in mid-sentence, lower case, or
// neither (the capital of a first word says nothing).
std::uint8_t letterCaseMark(const Engine& engine, std::string_view token) {
    if (token.empty()) return 0;
    if (token[0] >= 'a' && token[0] <= 'z') return kWrittenInLowerCase;
    return engine.wordsSincePunct != 0 && token[0] >= 'A' && token[0] <= 'Z' ? kCapitalInMidSentence : 0;
}

// The readings from `first` on belong to the word just analysed: their letter-case bits become
// `mark` (readings copied from the high-speed hash may carry others).
void markReadings(Engine& engine, int first, std::uint8_t mark) {
    constexpr auto kCaseBits = static_cast<std::uint8_t>(kCapitalInMidSentence | kWrittenInLowerCase);
    for (int i = std::max(first, 0); i < engine.analysisCount; ++i) {
        std::uint8_t& bits = engine.wordAnalyses[i].reserved23;
        bits = static_cast<std::uint8_t>((bits & ~kCaseBits) | mark);
    }
}

}  // namespace

bool isPunctuationToken(std::string_view token) {
    return token.size() == kPunctuationTokenLength && token.starts_with(kPunctuationPrefix);
}

void analyseSentenceWords(Engine& engine) {
    engine.stemLevelLimit = stemLevelLimitFor(engine.options.age);
    if (engine.tokenCount > 2 && !lastTokenIsPunctuation(engine)) markCutSentence(engine);
    engine.wordsInSentence = 0;
    engine.wordsSincePunct = 0;
    if (engine.keepAnalysisSources) {
        for (int i = 0; i < engine.analysisSourcesWritten; ++i)
            engine.analysisSources[i] = AnalysisSource{{}, -1};
        engine.analysisSourcesWritten = 0;
    }

    int result = 0;
    for (engine.tokenIndex = 0; engine.tokenIndex < tokenLimit(engine); ++engine.tokenIndex) {
        const std::string_view token = fieldText(engine.sentenceTokens[engine.tokenIndex]);
        if (isPunctuationToken(token)) {
            storePunctuation(engine, token, engine.tokenIndex);
            if (token[kPunctuationPrefix.size()] != kCommaLetter) engine.wordsSincePunct = 0;
            continue;
        }
        const int firstReading = engine.analysisCount;
        const std::uint8_t letterCase = letterCaseMark(engine, token);
        result = analyseWord(engine);
        markReadings(engine, firstReading, letterCase);
    }

    if (engine.tokenCount > 2 && !lastTokenIsPunctuation(engine)) closePushedSentence(engine);
    engine.lastWordResult = result;
    if (engine.searchRunning) engine.searchSentenceTotal += corpusSearchSentenceStep(engine);
}

}  // namespace kavro
