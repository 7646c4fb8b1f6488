// The segments of a clause: the stretches between its conjunctions, question words and relative
// pronouns, each with (usually) one verb of its own.
#include "syntax/segments.h"

#include <algorithm>

#include "syntax/analysis_access.h"

namespace kavro {
namespace {

constexpr std::uint8_t kQuestionClauseMark = 8;

// A relative pronoun in a word that can be nothing but a pronoun opens its relative clause,
// though it is tied to its antecedent ("eos qui uos diligunt").
bool opensRelativeClause(const Engine& e, int i) {
    const WordAnalysis& a = e.wordAnalyses[i];
    if (!isPronoun(a) || a.kind2 != pronoun_kind_type::Relative) return false;
    const int end = wordEnd(e, i);
    for (int j = wordBegin(e, i); j < end; ++j)
        if (isLive(e.wordAnalyses[j]) && !isPronoun(e.wordAnalyses[j])) return false;
    return true;
}

// A reading that opens a new segment: a conjunction or a question-clause pronoun, common or first
// of its word, in a word none of whose readings is tied to anything; or a relative pronoun.
bool opensSegment(const Engine& e, int i) {
    const WordAnalysis& a = e.wordAnalyses[i];
    if (!isLive(a)) return false;
    if (opensRelativeClause(e, i)) return true;
    const bool opener = isConjunction(a) || (isPronoun(a) && a.grammar6 == kQuestionClauseMark);
    if (!opener || (rarity4(a) != 1 && i != wordBegin(e, i))) return false;
    const int end = wordEnd(e, i);
    for (int j = wordBegin(e, i); j < end; ++j)
        if (e.wordAnalyses[j].link1 >= 0) return false;
    return true;
}

// The segments of clause k as [first, end] pairs; returns their number. The clause's first word
// never opens a segment of its own, and conjunctions past the twentieth segment stay in it.
}  // namespace

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

}  // namespace kavro
