// The choice of readings: each clause cut into segments at its conjunctions and question words,
// each segment surveyed, and every word given the candidate with the highest context score.
#include "syntax/reading_choice.h"

#include <algorithm>
#include <memory>
#include <string>

#include "core/format_analysis.h"

#include "syntax/analysis_access.h"
#include "syntax/choice_steps.h"
#include "syntax/clause_analysis.h"
#include "syntax/segments.h"

namespace kavro {
namespace {

constexpr int kNoScore = -999;

// The decision trace of the details dump: every scored candidate with the parts of its score.
void traceScore(Engine& e, int c, const CandidateScore& s) {
    const WordAnalysis& a = e.wordAnalyses[c];
    std::string line;
    formatAnalysis(line, a, e.options.easyLatin);
    e.log.printf("Score %d: %d %s %s= %d (base %d, links %d, roles %d, crossing %d, rarity %d, topic %d, uncertain %d)\n",
                 c, a.wordPosition, a.analysedForm, line.c_str(), s.total(), s.base, s.links, s.roles, s.crossing,
                 s.rarity, s.topic, s.uncertain);
}

void keepScore(Engine& e, int c, const CandidateScore& s) {
    auto clip = [](int v) { return static_cast<std::int16_t>(std::clamp(v, -32000, 32000)); };
    e.sentence.scores[c] = {clip(s.total()), clip(s.base), clip(s.links), clip(s.roles), clip(s.rarity),
                            clip(s.crossing + s.topic + s.uncertain), true};
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
        memory.wordBest = commonestFormRarity(e, wordBegin(e, i), wordEnd(e, i));
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
            const CandidateScore score = scoreCandidate(e, survey, c, expected, memory);
            scores[count] = score.total();
            if (e.options.details) traceScore(e, c, score);
            if (e.sentence.traceScores) keepScore(e, c, score);
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

// A word that can only be a verb of the second person or "tu"/"uos": somebody is spoken to.
bool speaksToSomebody(const Engine& e, int w) {
    const WordRange r = readingsOfWord(e, w);
    bool any = false;
    for (int i = r.first; i < r.end; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a)) continue;
        any = true;
        const bool second = (isFiniteVerb(a) && a.grammar4 == 2) ||
                            (isPronoun(a) && a.kind2 == pronoun_kind_type::Personal &&
                             (formIs(a, "tu.") || formIs(a, "u.os")));
        if (!second) return false;
    }
    return any;
}

void countAddressWords(Engine& e) {
    SentenceTables& s = e.sentence;
    s.addressWords = 0;
    s.addressWord = -1;
    for (int w = 0; w < s.indexedWords; ++w)
        if (speaksToSomebody(e, w)) {
            ++s.addressWords;
            s.addressWord = static_cast<std::int16_t>(w);
        }
}

}  // namespace

void chooseReadings(Engine& e) {
    SentenceTables& s = e.sentence;
    s.sentenceTopic = findSentenceTopic(e);
    countAddressWords(e);
    if (s.traceScores)
        for (ScoreTrace& t : s.scores) t.scored = false;
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
