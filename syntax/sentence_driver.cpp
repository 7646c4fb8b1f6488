#include "syntax/sentence_driver.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string_view>
#include <utility>
#include <vector>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "core/log_writer.h"
#include "core/stages.h"
#include "english/polish_english.h"
#include "english/sentence_assembly.h"
#include "syntax/auto_area.h"
#include "syntax/clause_analysis.h"
#include "syntax/final_output.h"
#include "syntax/reading_choice.h"
#include "user/standard_phrases.h"

namespace kavro {
namespace {

// Weight of a verb's voice code: active first, then passive; other codes last.
constexpr std::array<int, 12> kVoiceWeight = {0, 5, 15, 40, 30, 50, 50, 50, 60, 60, 60, 0};
// Weight of a nominal's case code: nominative first, then accusative, ablative, dative,
// genitive, vocative and locative.
constexpr std::array<int, 8> kCaseWeight = {0, 5, 45, 40, 50, 35, 30, 25};
// Weight of a gender code (subtracted twice): unmarked, common, masculine, feminine, neuter.
constexpr std::array<int, 5> kGenderWeight = {5, 3, 2, 1, 4};

template <std::size_t N>
int weightOf(const std::array<int, N>& table, int code) {
    return code >= 0 && code < static_cast<int>(N) ? table[static_cast<std::size_t>(code)] : 0;
}

// The part-of-speech bonus: nouns first, then numerals, adjectives, verbs and participles.
int partOfSpeechBonus(const WordAnalysis& r) {
    int h = 0;
    switch (r.partOfSpeech) {
    case speech_type::Noun: h = 8; break;
    case speech_type::Numeral: h = 6; break;
    case speech_type::Adjective: h = 5; break;
    case speech_type::Verb:
    case speech_type::Participle: h = 4; break;
    case speech_type::Pronoun:
    case speech_type::Preposition:
    case speech_type::Conjunction: h = 2; break;
    default: break;
    }
    if (r.kind2 == 2 || (h == 2 && r.kind2 == 1)) --h;
    return h;
}

// Puts the run `items` into the new order: entry i takes the old entry order[i].second.
template <class T>
void permuteRun(T* items, const std::vector<std::pair<std::int32_t, int>>& order) {
    std::vector<T> moved;
    moved.reserve(order.size());
    for (const auto& entry : order) moved.push_back(items[entry.second]);
    std::copy(moved.begin(), moved.end(), items);
}

void dumpIfDetailed(Engine& engine) {
    if (engine.options.details) dumpAnalysisTable(engine);
}

// Every word's run of candidates, the last run of the table included, in preference order.
void orderCandidates(Engine& engine) {
    int first = 0;
    for (int i = 1; i <= engine.analysisCount; ++i) {
        if (i < engine.analysisCount &&
            engine.wordAnalyses[i].wordPosition == engine.wordAnalyses[first].wordPosition)
            continue;
        if (i - first > 1) sortCandidates(engine, first, i);
        first = i;
    }
}

void resetSentenceTables(Engine& engine) {
    SentenceTables& s = engine.sentence;
    s.clauses.clauseCount = 0;
    std::fill(std::begin(s.chosenAnalysis), std::end(s.chosenAnalysis), std::int16_t{-1});
    for (auto& slot : s.englishSlots) slot[0] = '\0';
    for (int i = 0; i < static_cast<int>(kAnalysisCapacity); ++i)
        s.analysisOrigin[i] = static_cast<std::int16_t>(i);
}

}  // namespace

std::int32_t preferenceScore(const WordAnalysis& r, const ViewOptions& options) {
    int p, q, rTerm;
    if (r.partOfSpeech == speech_type::Verb) {
        p = weightOf(kVoiceWeight, r.grammar2);
        q = r.grammar3;
        rTerm = 2 * r.grammar1;
    } else {
        p = weightOf(kCaseWeight, r.grammar1);
        q = r.grammar2;
        rTerm = -2 * weightOf(kGenderWeight, r.grammar3);
    }
    const int h = partOfSpeechBonus(r);
    char letter = areaLetterOf(r);
    int m = r.rarity;
    if (letter == '-' && m == 15) {
        letter = 'Z';
    } else if (options.area == 'H' && (letter == 'Z' || letter == 'S' || letter == 'T')) {
        m = 0;
    } else if (options.age == kAgeAll) {
        if (options.preferNeoLatin && r.ageLevel > 6) m = 0;
        else if (m == 15) m = 3;
    } else if (options.age == kAgeMedieval) {
        if (options.preferMedieval && r.ageLevel == 6) m = 0;
    }
    const std::int16_t penalty = static_cast<std::int16_t>(
        m != 10 && letter == options.area ? 5 * m : 100 * m);
    return (penalty + p - h) * 100 + 5 * r.ageLevel + 25 + rTerm + q;
}

void sortCandidates(Engine& engine, int first, int end) {
    if (first < 0 || end > engine.analysisCount || end - first < 2) return;
    const int n = end - first;
    std::vector<std::pair<std::int32_t, int>> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        order[i] = {preferenceScore(engine.wordAnalyses[first + i], engine.options), i};
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    permuteRun(engine.wordAnalyses + first, order);
    permuteRun(engine.sentence.analysisOrigin + first, order);
    if (engine.keepAnalysisSources) {
        permuteRun(engine.analysisSources + first, order);
        engine.markAnalysisSourcesWritten(first + n);
    }
}

bool chooseSentenceReadings(Engine& engine) {
    resetSentenceTables(engine);
    orderCandidates(engine);
    dumpIfDetailed(engine);
    analyseClauses(engine);
    chooseReadings(engine);
    if (engine.options.autoArea) {
        tallySentenceArea(engine);
        if (engine.areaChanged) return false;
    }
    dumpIfDetailed(engine);
    return true;
}

void translateSentence(Engine& engine) {
    engine.sentence.finalLine.clear();
    if (!chooseSentenceReadings(engine)) return;
    assembleEnglish(engine);
    if (engine.options.allowUserPhrases && !engine.singleWordLookup) applyStandardPhrases(engine);
    polishEnglish(engine);
    assembleFinalOutput(engine);
}

void clearSentenceContext(Engine& engine) {
    const bool trace = engine.sentence.traceScores;
    engine.sentence = SentenceTables{};
    engine.sentence.traceScores = trace;
}

}  // namespace kavro
