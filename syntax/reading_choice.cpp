// The choice of readings: each clause cut into segments at its conjunctions and question words,
// each segment surveyed, and every word given the candidate with the highest context score.
#include "syntax/reading_choice.h"

#include <algorithm>
#include <memory>

#include "syntax/analysis_access.h"
#include "syntax/choice_steps.h"
#include "syntax/clause_analysis.h"

namespace kavro {
namespace {

constexpr int kNoScore = -999;
constexpr std::uint8_t kQuestionClauseMark = 8;

// A reading that opens a new segment: a conjunction or a question-clause pronoun, common or first
// of its word, in a word none of whose readings is tied to anything.
bool opensSegment(const Engine& e, int i) {
    const WordAnalysis& a = e.wordAnalyses[i];
    if (!isLive(a)) return false;
    const bool opener = isConjunction(a) || (isPronoun(a) && a.grammar6 == kQuestionClauseMark);
    if (!opener || (rarity4(a) != 1 && i != wordBegin(e, i))) return false;
    const int end = wordEnd(e, i);
    for (int j = wordBegin(e, i); j < end; ++j)
        if (e.wordAnalyses[j].link1 >= 0) return false;
    return true;
}

// The segments of clause k as [first, end] pairs; returns their number. The clause's first word
// never opens a segment of its own, and conjunctions past the twentieth segment stay in it.
int cutSegments(const Engine& e, int k, int (&first)[kSegmentCapacity], int (&end)[kSegmentCapacity]) {
    const ClauseTable& t = e.sentence.clauses;
    const int start = t.clauseStart[k], stop = std::min(t.clauseEnd[k], e.analysisCount - 1);
    int n = 0;
    first[0] = start;
    for (int w = wordEnd(e, start); w <= stop && n + 1 < kSegmentCapacity; w = wordEnd(e, w)) {
        bool opens = false;
        for (int i = w, wEnd = wordEnd(e, w); i < wEnd && !opens; ++i) opens = opensSegment(e, i);
        if (!opens) continue;
        end[n] = w - 1;
        first[++n] = w;
    }
    end[n] = stop;
    return n + 1;
}

// Writes the winners of a finished word: every candidate with the top score in candidate order
// (the last stands), or only the first of them for the last word of its segment.
void chooseWinners(Engine& e, const int* candidates, const int* scores, int count, int top,
                   bool lastOfSegment, ExpectedList& expected) {
    for (int k = 0; k < count; ++k) {
        if (scores[k] != top) continue;
        const int c = candidates[k];
        const WordAnalysis& a = e.wordAnalyses[c];
        e.sentence.chosenAnalysis[a.wordPosition] = static_cast<std::int16_t>(c);
        if (validIndex(e, a.link1) && e.wordAnalyses[a.link1].wordPosition > a.wordPosition) expected.add(a.link1);
        if (lastOfSegment) return;
    }
}

// Scores and chooses every word of one segment.
void chooseInSegment(Engine& e, SegmentSurvey& survey, ExpectedList& expected) {
    int candidates[kScoredCandidates], scores[kScoredCandidates];
    RarityMemory memory;
    int i = survey.first;
    while (i <= survey.end) {
        const int wEnd = std::min(wordEnd(e, i), survey.end + 1);
        const int position = e.wordAnalyses[i].wordPosition;
        int count = 0, top = kNoScore;
        bool decided = false;
        memory.reset();
        for (int c = i; c < wEnd; ++c) {
            const WordAnalysis& a = e.wordAnalyses[c];
            if (!isLive(a)) continue;
            if (a.partOfSpeech == speech_type::NotFound || isPunctuation(a)) {
                e.sentence.chosenAnalysis[position] = static_cast<std::int16_t>(c);
                decided = true;
                break;
            }
            if (count == kScoredCandidates) continue;   // a word's candidates beyond the list are not scored
            candidates[count] = c;
            scores[count] = scoreCandidate(e, survey, c, expected, memory);
            top = std::max(top, scores[count]);
            ++count;
        }
        if (!decided && count > 0) {
            chooseWinners(e, candidates, scores, count, top, wEnd > survey.end, expected);
            const WordAnalysis& won = e.wordAnalyses[e.sentence.chosenAnalysis[position]];
            if (isNominal(won) && won.grammar1 == case_type::Accusative && !isPreposition(readingAt(e, won.link1)))
                survey.accusativeChosen = true;
        }
        i = wEnd;
        if (i <= survey.end && e.sentence.chosenAnalysis[e.wordAnalyses[i].wordPosition] < 0)
            e.sentence.chosenAnalysis[e.wordAnalyses[i].wordPosition] = static_cast<std::int16_t>(i);
    }
}

}  // namespace

void chooseReadings(Engine& e) {
    SentenceTables& s = e.sentence;
    s.sentenceTopic = findSentenceTopic(e);
    std::fill(std::begin(s.chosenAnalysis), std::end(s.chosenAnalysis), std::int16_t{-1});
    auto survey = std::make_unique<SegmentSurvey>();
    for (int k = 0; k < s.clauses.clauseCount; ++k) {
        int first[kSegmentCapacity], end[kSegmentCapacity];
        const int segments = cutSegments(e, k, first, end);
        ExpectedList expected;
        for (int g = 0; g < segments; ++g) {
            *survey = SegmentSurvey{};
            survey->first = first[g];
            survey->end = end[g];
            surveySegment(e, *survey);
            chooseInSegment(e, *survey, expected);
            if (survey->opusEstWord >= 0) s.opusEstPosition = static_cast<std::int16_t>(survey->opusEstWord);
        }
    }
    finishChoice(e);
}

}  // namespace kavro
