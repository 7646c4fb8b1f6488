// The clause split: every punctuation mark closes a clause; with it the rarity-10 pruning, the
// person counters of the nominative personal pronouns, the final mark and the quote count.
#include <cstdio>

#include "syntax/analysis_access.h"
#include "syntax/clause_steps.h"

namespace kavro {
namespace {

constexpr int kRarityTen = 10;
// Stem classes of the personal pronouns ego, tu and nos/uos (declension 5, variants 1 to 3).
constexpr std::int16_t kEgoClass = 5 * 16 + 1;
constexpr std::int16_t kTuClass = 5 * 16 + 2;
constexpr std::int16_t kNosUosClass = 5 * 16 + 3;

void countPersonalPronoun(Engine& e, const WordAnalysis& a) {
    if (!isPronoun(a) || a.kind2 != pronoun_kind_type::Personal || a.grammar1 != case_type::Nominative)
        return;
    std::int16_t* c = e.sentence.personCounters;
    if (a.stemClass == kEgoClass) ++c[0];
    else if (a.stemClass == kTuClass) ++c[1];
    else if (a.stemClass == kNosUosClass) ++c[(a.analysedForm[0] == 'n' || a.analysedForm[0] == 'N') ? 2 : 3];
}

// At most the first two readings of a word may be rarity-10 readings.
void pruneRarityTen(Engine& e, int i, bool& previousWasFirstTen) {
    WordAnalysis& a = e.wordAnalyses[i];
    const bool first = i == 0 || e.wordAnalyses[i - 1].wordPosition != a.wordPosition;
    const bool ten = rarity4(a) == kRarityTen;
    if (ten && !first && !previousWasFirstTen) markDeleted(a);
    previousWasFirstTen = ten && first;
}

void reportTooManyClauses(Engine& e) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "Too many clauses in sentence (Max. %d).\n Truncating translation at %d clauses.\n",
                  static_cast<int>(kClauseCapacity), static_cast<int>(kClauseCapacity));
    e.rationedWarning(text);
}

std::int16_t flagsFrom(const std::int16_t counters[4]) {
    const std::int16_t bits[4] = {person_flag::FirstSingular, person_flag::SecondSingular,
                                  person_flag::FirstPlural, person_flag::SecondPlural};
    std::int16_t flags = 0;
    for (int k = 0; k < 4; ++k)
        if (counters[k] >= 1) flags |= bits[k];
    return flags;
}

}  // namespace

void splitClauses(Engine& e, bool counting) {
    SentenceTables& s = e.sentence;
    ClauseTable& t = s.clauses;
    t.clauseCount = 0;
    int start = 0, quotes = 0;
    bool previousWasFirstTen = false;
    for (int i = 0; i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (counting) {
            countPersonalPronoun(e, a);
            pruneRarityTen(e, i, previousWasFirstTen);
        }
        if (!isPunctuation(a)) continue;
        if (a.kind1 == punctuation_type::DoubleQuote || a.kind1 == punctuation_type::SingleQuote) ++quotes;
        t.clauseStart[t.clauseCount] = start;
        t.clauseEnd[t.clauseCount] = i;
        ++t.clauseCount;
        start = i + 1;
        if (t.clauseCount == static_cast<int>(kClauseCapacity)) {
            reportTooManyClauses(e);
            e.wordCount = a.wordPosition + 1;
            e.analysisCount = i + 1;
            indexWords(e);
            break;
        }
    }
    s.personFlags = flagsFrom(s.personCounters);
    // Words after the last mark (or a sentence without marks) make a clause of their own.
    if (start < e.analysisCount && t.clauseCount < static_cast<int>(kClauseCapacity)) {
        t.clauseStart[t.clauseCount] = start;
        t.clauseEnd[t.clauseCount] = e.analysisCount - 1;
        ++t.clauseCount;
    }
    s.sentenceFinalMark = '.';
    if (t.clauseCount > 0) {
        const WordAnalysis& closer = e.wordAnalyses[t.clauseEnd[t.clauseCount - 1]];
        if (isPunctuation(closer) && closer.analysedForm[0] != '\0') s.sentenceFinalMark = closer.analysedForm[0];
    }
    s.quotesUnbalanced = (quotes % 2) != 0;
}

}  // namespace kavro
