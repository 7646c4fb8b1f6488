// The look-up of a word in the high-speed hash: its stored readings copied into the analysis
// table, as word analysis would have found them.
#include <algorithm>
#include <cstring>
#include <string>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/format_analysis.h"
#include "core/high_speed_hash.h"
#include "core/punctuation_store.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

// The subject code of the botany meanings, whose readings are kept only while they are active.
constexpr std::uint8_t kBotanyHashSubject = 13;
// The longest English part shown in the trace before "*" marks a cut.
constexpr std::size_t kTraceEnglishLength = 23;

// The key of `word` in the index (key 0, the sentinel, is never a match); null when absent.
const HashIndexKey* findKey(const HighSpeedHash& hash, std::string_view word) {
    if (hash.keys.size() < 2 || word.size() >= kHashKeySize) return nullptr;
    const auto first = hash.keys.begin() + 1;
    const auto found = std::lower_bound(first, hash.keys.end(), word, [](const HashIndexKey& key, std::string_view w) {
        return compareFieldText(key.form, w) < 0;
    });
    if (found == hash.keys.end() || compareFieldText(found->form, word) != 0) return nullptr;
    return &*found;
}

// The stored form, ignoring its stem-boundary full stops, equals the word.
bool formMatches(const WordAnalysis& record, std::string_view word) {
    std::size_t at = 0;
    for (const char c : fieldText(record.analysedForm)) {
        if (c == '.') continue;
        if (at == word.size() || word[at] != c) return false;
        ++at;
    }
    return at == word.size();
}

bool startsNewGroup(const WordAnalysis& previous, const WordAnalysis& record) {
    return previous.partOfSpeech != record.partOfSpeech ||
           std::strcmp(previous.analysedForm, record.analysedForm) != 0;
}

// The English part as the trace shows it: up to its first "/", cut to 23 characters with "*".
void writeTraceEnglish(OutputLog& log, const WordAnalysis& record) {
    std::string_view english = fieldText(record.english);
    english = english.substr(0, english.find('/'));
    if (english.size() > kTraceEnglishLength) {
        log.write(english.substr(0, kTraceEnglishLength));
        log.write("*");
    } else {
        log.write(english);
    }
}

void traceRecord(Engine& engine, const WordAnalysis& stored, int index) {
    thread_local std::string line;
    engine.log.write(fieldText(stored.analysedForm));
    engine.log.write(" (Pre-calc'd)\n");
    writeTraceEnglish(engine.log, stored);
    engine.log.write("\n");
    formatAnalysis(line, engine, index);
    engine.log.write(line);
    engine.log.write("\n\n");
}

}  // namespace

bool lookUpHash(Engine& engine, std::string_view word) {
    const HighSpeedHash& hash = engine.lexicon.hash;
    const HashIndexKey* key = findKey(hash, word);
    if (!key || key->firstRecord >= hash.records.size()) return false;
    constexpr int capacity = static_cast<int>(kAnalysisCapacity);
    const WordAnalysis* previous = nullptr;
    bool appended = false;
    for (std::size_t r = key->firstRecord; r < hash.records.size(); ++r) {
        const WordAnalysis& stored = hash.records[r];
        if (stored.ageLevel > engine.options.age) continue;
        if (!engine.options.botanyActive && stored.subject == kBotanyHashSubject) continue;
        if (!formMatches(stored, word)) break;
        if (previous && startsNewGroup(*previous, stored)) ++engine.groupNumber;
        if (engine.analysisCount < 0 || engine.analysisCount >= capacity) restartFullAnalysisTable(engine);
        const int index = engine.analysisCount;
        WordAnalysis& copy = engine.wordAnalyses[index];
        copy = stored;
        copy.wordPosition = static_cast<std::int16_t>(engine.tokenIndex);
        copy.groupNumber = static_cast<std::int16_t>(engine.groupNumber);
        if (engine.keepAnalysisSources) {
            engine.analysisSources[index] = AnalysisSource{{}, -1};
            engine.markAnalysisSourcesWritten(index + 1);
        }
        ++engine.analysisCount;
        if (!engine.options.sentenceMode) traceRecord(engine, stored, index);
        if (engine.analysisCount >= capacity) restartFullAnalysisTable(engine);
        previous = &stored;
        appended = true;
    }
    return appended;
}

}  // namespace kavro
