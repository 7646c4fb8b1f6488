// The scan of one clause: its working lists of nominals, verbs, participles, adjectives,
// prepositions and conjunctions, with the lexical rules of its key words (conjunction-like
// adverbs, "quam" after a comparative, numerals of dates, question words); and the notes of "ne"
// and of alter/alius that English assembly reads.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "syntax/analysis_access.h"
#include "syntax/clause_analysis.h"
#include "syntax/clause_steps.h"
#include "syntax/reading_choice.h"

namespace kavro {
namespace {

// Conjunctions that, among the first three words of a clause, join it to what went before and
// are read as adverbs ("Caesar autem ...", "nec tamen ...").
constexpr std::array<std::string_view, 6> kConjunctionLikeForms = {"autem.", "etenim.", "tamquam.",
                                                                   "dum.", "nec.", "siue."};
constexpr int kConjunctionLikeWords = 3;
constexpr std::uint8_t kConjunctionLikeFlag = 1;
// Words that make a later "quam" mean "than".
constexpr std::array<std::string_view, 2> kComparativeAdverbs = {"magis.", "minus."};
constexpr std::array<std::string_view, 2> kComparativeStems = {"mai.or", "pauci.or"};
// English beginnings of the nouns that a date numeral goes with.
constexpr std::array<std::string_view, 3> kDateNouns = {"year", "month", "day"};
constexpr std::uint8_t kDateFlag = 1;   // byte 23 of a numeral
// Question words linked to the noun or adjective that follows ("quod consilium?").
constexpr std::array<std::string_view, 3> kQuestionWords = {"qu.o", "qu.id", "qu.od"};
// Clauses in which "ne" and alter/alius are noted.
constexpr int kNotedClauses = 5;

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

void reportFullList(Engine& e) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "More than limit of %d of one type of Noun/Verb/Vpar/Adj in clause.\nTruncating "
                  "clause.\nTranslation will be corrupt.\n",
                  kClauseListCapacity);
    e.rationedWarning(text);
}

// Adds to a list of the clause; false (after the message) when the list is full.
bool push(Engine& e, std::int16_t* list, int& count, int index, ClauseLists& lists) {
    list[count++] = static_cast<std::int16_t>(index);
    if (count < kClauseListCapacity) return true;
    count = kClauseListCapacity - 1;
    lists.truncated = true;
    reportFullList(e);
    return false;
}

bool goesToNounList(const WordAnalysis& a) {
    if (isNoun(a) || a.partOfSpeech == speech_type::SubstantiveAdjective) return true;
    return isPronoun(a) && a.kind2 != pronoun_kind_type::Demonstrative &&
           a.kind2 != pronoun_kind_type::Adjectival;
}

void addPreposition(const Engine& e, int i, ClauseLists& l) {
    if (l.prepositionCount >= kClauseSmallListCapacity) return;
    if (l.prepositionCount > 0) {
        const WordAnalysis& prev = e.wordAnalyses[l.prepositions[l.prepositionCount - 1]];
        const WordAnalysis& a = e.wordAnalyses[i];
        if (governedCase(prev) == governedCase(a) && prev.wordPosition == a.wordPosition) return;
    }
    l.prepositions[l.prepositionCount++] = static_cast<std::int16_t>(i);
}

// Files one reading into the lists; false when a full list ends the scan.
bool file(Engine& e, int i, ClauseLists& l) {
    WordAnalysis& a = e.wordAnalyses[i];
    if (goesToNounList(a)) {
        l.nouns[l.nounCount] = {static_cast<std::int16_t>(i), a.grammar1, a.grammar2};
        if (++l.nounCount >= kClauseListCapacity) {
            l.nounCount = kClauseListCapacity - 1;
            l.truncated = true;
            reportFullList(e);
            return false;
        }
        return true;
    }
    switch (a.partOfSpeech) {
    case speech_type::Participle:
        if (!isGerundive(a) && !push(e, l.participles, l.participleCount, i, l)) return false;
        return push(e, l.adjectives, l.adjectiveCount, i, l);
    case speech_type::Adjective:
    case speech_type::Supine: return push(e, l.adjectives, l.adjectiveCount, i, l);
    case speech_type::Verb:
        if (a.kind2 == verb_kind_type::Impersonal && a.grammar4 != 0 && a.grammar4 != 3) {
            deleteAnalysis(e, i);
            return true;
        }
        return push(e, l.verbs, l.verbCount, i, l);
    case speech_type::Preposition: addPreposition(e, i, l); return true;
    case speech_type::Conjunction:
        if (l.conjunctionCount < kClauseSmallListCapacity) l.conjunctions[l.conjunctionCount++] = static_cast<std::int16_t>(i);
        return true;
    case speech_type::Numeral:
        if (a.kind1 == numeral_kind_type::Cardinal && l.cardinalPlace < 0) l.cardinalPlace = i;
        return true;
    default: return true;
    }
}

void makeConjunctionLike(WordAnalysis& a, int wordInClause) {
    if (!isConjunction(a) || wordInClause >= kConjunctionLikeWords || !listed(kConjunctionLikeForms, formOf(a)))
        return;
    a.partOfSpeech = speech_type::Adverb;
    a.grammar1 = 1;
    a.grammar5 = kConjunctionLikeFlag;
}

// A word all of whose live readings are comparative, or a comparative marker word.
bool isComparativeMarker(const Engine& e, int i) {
    const WordAnalysis& a = e.wordAnalyses[i];
    const std::string_view f = formOf(a);
    if (listed(kComparativeAdverbs, f)) return true;
    for (std::string_view stem : kComparativeStems)
        if (f.starts_with(stem)) return true;
    if (a.partOfSpeech == speech_type::Adverb && a.stemKey == comparison_type::Comparative) return true;
    if (a.partOfSpeech != speech_type::Adjective || a.grammar4 != comparison_type::Comparative) return false;
    const int end = wordEnd(e, i);
    for (int j = wordBegin(e, i); j < end; ++j) {
        const WordAnalysis& b = e.wordAnalyses[j];
        if (isLive(b) && !(b.partOfSpeech == speech_type::Adjective && b.grammar4 == comparison_type::Comparative))
            return false;
    }
    return true;
}

void makeThan(Engine& e, int i) {
    OrigWordDelete(e, i);
    WordAnalysis& q = e.wordAnalyses[i];
    copyField(q.english, "than");
    q.grammar5 = 0;
}

bool beginsWithAny(std::string_view text) {
    for (std::string_view w : kDateNouns)
        if (text.starts_with(w)) return true;
    return false;
}

bool wordHasDateNoun(const Engine& e, int w) {
    const WordRange r = readingsOfWord(e, w);
    for (int i = r.first; i < r.end; ++i)
        if (isLive(e.wordAnalyses[i]) && isNoun(e.wordAnalyses[i]) && beginsWithAny(englishOf(e.wordAnalyses[i])))
            return true;
    return false;
}

void markDate(Engine& e, int i) {
    WordAnalysis& a = e.wordAnalyses[i];
    if (a.partOfSpeech != speech_type::Numeral || a.grammar4 != numeral_kind_type::Cardinal) return;
    if (wordHasDateNoun(e, a.wordPosition - 1)) a.reserved23 |= kDateFlag;
    if (wordHasDateNoun(e, a.wordPosition + 1)) a.reserved23 &= static_cast<std::uint8_t>(~kDateFlag);
}

// "quod consilium?": the question word tied to the agreeing noun or adjective after it.
void linkQuestionWord(Engine& e, int i) {
    const WordAnalysis& q = e.wordAnalyses[i];
    if (!isPronoun(q) || !listed(kQuestionWords, formOf(q))) return;
    const WordRange next = readingsOfWord(e, q.wordPosition + 1);
    for (int j = next.first; j < next.end; ++j) {
        const WordAnalysis& b = e.wordAnalyses[j];
        if (!isLive(b) || !(isNoun(b) || isAdjectival(b)) || !agrees(e, i, j)) continue;
        addLink(e.wordAnalyses[i], j);
        addLink(e.wordAnalyses[j], i);
        return;
    }
}

bool isAlterForm(const WordAnalysis& a) {
    const bool kind = isNoun(a) || a.partOfSpeech == speech_type::Adjective ||
                      a.partOfSpeech == speech_type::SubstantiveAdjective;
    const std::string_view f = formOf(a);
    return kind && (f.starts_with("ali.") || f.starts_with("alter.") || f.starts_with("Ali.") ||
                    f.starts_with("Alter."));
}

}  // namespace

void scanClause(Engine& e, int k, ClauseLists& lists) {
    SentenceTables& s = e.sentence;
    s.roles[k] = emptyRoleSlots();
    s.activeRoles = s.roles[k];
    const int start = s.clauses.clauseStart[k], end = s.clauses.clauseEnd[k];
    const int firstWord = e.wordAnalyses[start].wordPosition;
    bool comparative = false;
    const bool question = s.sentenceFinalMark == '?' && s.negativeConjunction < 0;
    for (int i = start; i <= end && i < e.analysisCount; ++i) {
        WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a)) continue;
        makeConjunctionLike(a, a.wordPosition - firstWord);
        if (comparative && formIs(a, "quam.")) makeThan(e, i);
        if (isComparativeMarker(e, i)) comparative = true;
        markDate(e, i);
        if (question) linkQuestionWord(e, i);
        if (isLive(a) && !file(e, i, lists)) return;
    }
}

void noteNeAndAlter(Engine& e) {
    SentenceTables& s = e.sentence;
    const int clauses = std::min(s.clauses.clauseCount, kNotedClauses);
    if (clauses == 0) return;
    const int last = s.clauses.clauseEnd[clauses - 1];
    int open = -1;
    for (int i = 0; i <= last && i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a)) continue;
        if (isConjunction(a) && formIs(a, "ne.") && s.negativeConjunction < 0)
            s.negativeConjunction = static_cast<std::int16_t>(i);
        if (!isAlterForm(a) || (open >= 0 && sameWord(e, open, i))) continue;
        if (open < 0) {
            open = i;
        } else if (s.alterPairCount < static_cast<int>(kAlterPairCapacity)) {
            s.alterPairs[s.alterPairCount++] = {static_cast<std::int16_t>(open), static_cast<std::int16_t>(i)};
            open = -1;
        }
    }
}

}  // namespace kavro
