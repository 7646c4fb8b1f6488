// The links of one clause: coordinated words, a preposition and the words it governs, an
// adjective and the noun it agrees with, a relative and its antecedent; then the roles of the
// clause, with its subject tied to its verb.
#include <cstdlib>

#include "syntax/analysis_access.h"
#include "syntax/clause_analysis.h"
#include "syntax/clause_steps.h"
#include "syntax/coordination.h"
#include "syntax/reading_choice.h"
#include "syntax/segments.h"

namespace kavro {
namespace {

// How far after a preposition its object may stand ("in magnam Galliae partem").
constexpr int kPrepositionReach = 4;
// How far from its noun an adjective may stand (Latin separates them freely, but rarely far).
constexpr int kAgreementReach = 3;
// How far back a relative pronoun looks for its antecedent.
constexpr int kAntecedentReach = 8;

bool isHead(const WordAnalysis& a) {
    return isNoun(a) || a.partOfSpeech == speech_type::SubstantiveAdjective ||
           (isPronoun(a) && a.kind2 != pronoun_kind_type::Adjectival);
}

// A word that only ends a noun phrase: a mark, or a word all of whose live readings are finite
// verbs, prepositions or conjunctions.
bool endsPhrase(const Engine& e, int w) {
    const WordRange r = readingsOfWord(e, w);
    if (r.empty()) return true;
    for (int i = r.first; i < r.end; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a)) continue;
        if (!(isPunctuation(a) || isFiniteVerb(a) || isPreposition(a) || isConjunction(a))) return false;
    }
    return true;
}

// The first live reading of word w in case c that passes `test`, or -1.
template <class Test>
int readingInCase(const Engine& e, int w, int c, Test test) {
    const WordRange r = readingsOfWord(e, w);
    for (int i = r.first; i < r.end; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (isLive(a) && a.grammar1 == c && test(a)) return i;
    }
    return -1;
}

// Ties preposition p and the reading at `object`: every reading of the object's word in the
// governed case is tied back, and so are the adjectives between.
void tieObject(Engine& e, int p, int object, int c) {
    addLink(e.wordAnalyses[p], object);
    const int w = e.wordAnalyses[object].wordPosition;
    const WordRange r = readingsOfWord(e, w);
    for (int i = r.first; i < r.end; ++i)
        if (isLive(e.wordAnalyses[i]) && e.wordAnalyses[i].grammar1 == c) addLink(e.wordAnalyses[i], p);
    for (int m = e.wordAnalyses[p].wordPosition + 1; m < w; ++m) {
        const int adj = readingInCase(e, m, c, isAdjectival);
        if (adj >= 0) addLink(e.wordAnalyses[adj], p);
    }
}

bool isAdjectivalPronoun(const WordAnalysis& a) {
    return isPronoun(a) && a.kind2 == pronoun_kind_type::Adjectival;
}

bool hasHeadReading(const Engine& e, int w) {
    const WordRange r = readingsOfWord(e, w);
    for (int i = r.first; i < r.end; ++i)
        if (isLive(e.wordAnalyses[i]) && isHead(e.wordAnalyses[i])) return true;
    return false;
}

// The object of preposition p: the first word after it that has a head reading in the governed
// case; failing a head within reach, a word that can only be an adjective or adjectival pronoun,
// standing for its noun ("cum his", "post paucos"). Returns false when nothing within reach can be its object.
bool linkPrepositionObject(Engine& e, int p, int lastWord) {
    const int c = governedCase(e.wordAnalyses[p]);
    const int w0 = e.wordAnalyses[p].wordPosition;
    int standIn = -1;
    for (int w = w0 + 1; w <= w0 + kPrepositionReach && w <= lastWord; ++w) {
        if (endsPhrase(e, w)) break;
        const int head = readingInCase(e, w, c, isHead);
        if (head >= 0) {
            tieObject(e, p, head, c);
            return true;
        }
        const int modifier = readingInCase(e, w, c, [](const WordAnalysis& a) {
            return isAdjectival(a) || isAdjectivalPronoun(a);
        });
        // A noun of another case after the adjective is the noun it goes with ("in magna urbe":
        // not "into" with magna standing alone).
        if (modifier < 0) {
            if (hasHeadReading(e, w)) return false;
            break;
        }
        if (standIn < 0 && !hasHeadReading(e, w)) standIn = modifier;
    }
    if (standIn < 0) return false;
    tieObject(e, p, standIn, c);
    return true;
}

// Preposition readings without an object give way to a reading of the same word that has one
// ("in" with an accusative after it is "into").
void linkPrepositions(Engine& e, int start, int end, int lastWord) {
    for (int i = start; i <= end; ++i) {
        if (!liveAt(e, i) || !isPreposition(e.wordAnalyses[i])) continue;
        if (linkPrepositionObject(e, i, lastWord)) continue;
        const int wEnd = wordEnd(e, i);
        bool otherHasObject = false;
        for (int j = wordBegin(e, i); j < wEnd; ++j)
            otherHasObject |= j != i && liveAt(e, j) && isPreposition(e.wordAnalyses[j]) && e.wordAnalyses[j].link1 >= 0;
        if (otherHasObject) deleteAnalysis(e, i);
    }
}

// An adjective reading tied to the nearest agreeing head within reach (the next word first on a
// tie, as Latin adjectives usually follow their noun only when the noun came first).
void linkAdjective(Engine& e, int a, int firstWord, int lastWord) {
    const int w0 = e.wordAnalyses[a].wordPosition;
    for (int d = 1; d <= kAgreementReach; ++d) {
        for (const int w : {w0 + d, w0 - d}) {
            if (w < firstWord || w > lastWord) continue;
            const WordRange r = readingsOfWord(e, w);
            for (int i = r.first; i < r.end; ++i) {
                // A noun without case (an indeclinable "mane", "nihil") agrees with nothing in
                // particular, so it is tied to no adjective.
                const WordAnalysis& head = e.wordAnalyses[i];
                if (!isLive(head) || !isHead(head) || head.grammar1 == 0 || !agrees(e, a, i)) continue;
                addLink(e.wordAnalyses[a], i);
                addLink(e.wordAnalyses[i], a);
                return;
            }
        }
    }
}

bool agreesInGenderAndNumber(const WordAnalysis& r, const WordAnalysis& n) {
    if (r.grammar2 != 0 && n.grammar2 != 0 && r.grammar2 != n.grammar2) return false;
    if (r.grammar3 == 0 || n.grammar3 == 0 || r.grammar3 == n.grammar3) return true;
    if (r.grammar3 == gender_type::Common || n.grammar3 == gender_type::Common)
        return r.grammar3 != gender_type::Neuter && n.grammar3 != gender_type::Neuter;
    return false;
}

// A word that a relative pronoun may refer back to: a noun, a substantive adjective, or a
// demonstrative or personal pronoun ("eos qui", "id quod", "ego qui").
bool canBeAntecedent(const WordAnalysis& n) {
    if (isNoun(n) || n.partOfSpeech == speech_type::SubstantiveAdjective) return true;
    return isPronoun(n) && (n.kind2 == pronoun_kind_type::Demonstrative || n.kind2 == pronoun_kind_type::Personal);
}

// A relative pronoun tied to the nearest word before it of its gender and number that it may
// refer back to.
void linkRelative(Engine& e, int rel) {
    const WordAnalysis& r = e.wordAnalyses[rel];
    const int w0 = r.wordPosition;
    for (int w = w0 - 1; w >= 0 && w >= w0 - kAntecedentReach; --w) {
        const WordRange range = readingsOfWord(e, w);
        for (int i = range.first; i < range.end; ++i) {
            const WordAnalysis& n = e.wordAnalyses[i];
            if (!isLive(n) || !canBeAntecedent(n) || !agreesInGenderAndNumber(r, n)) continue;
            addLink(e.wordAnalyses[rel], i);
            return;
        }
    }
}

bool isAgreeingWord(const WordAnalysis& a) {
    if (isAdjectival(a) && a.partOfSpeech != speech_type::SubstantiveAdjective) return true;
    return isPronoun(a) && (a.kind2 == pronoun_kind_type::Adjectival || a.kind2 == pronoun_kind_type::Demonstrative);
}

bool linkedToHead(const Engine& e, const WordAnalysis& a) {
    for (const int l : {a.link1, a.link2, a.link3})
        if (liveAt(e, l) && isHead(e.wordAnalyses[l])) return true;
    return false;
}

bool isPerfectPassiveNominative(const WordAnalysis& a) {
    return isParticiple(a) && a.grammar1 == case_type::Nominative && a.grammar4 == tense_type::Perfect &&
           a.grammar5 == voice_type::Passive;
}

// A perfect participle beside a form of "sum" of its number makes one verb with it ("factum
// est", "capti sunt"): the participle is tied to the verb.
void linkCompoundTenses(Engine& e, int start, int end) {
    for (int v = start; v <= end; ++v) {
        if (!liveAt(e, v) || !isCopula(e.wordAnalyses[v]) || isInfinitive(e.wordAnalyses[v])) continue;
        const WordAnalysis& verb = e.wordAnalyses[v];
        for (const int w : {verb.wordPosition - 1, verb.wordPosition + 1}) {
            const WordRange r = readingsOfWord(e, w);
            for (int i = r.first; i < r.end; ++i) {
                WordAnalysis& p = e.wordAnalyses[i];
                if (isLive(p) && isPerfectPassiveNominative(p) && p.grammar2 == verb.grammar5) addLink(p, v);
            }
        }
    }
}

void coordinateClause(Engine& e, int start, int end) {
    for (int i = start; i <= end; ++i) {
        if (!liveAt(e, i)) continue;
        if (isVerb(e.wordAnalyses[i])) coordinateVerbs(e, i);
        else if (isNominal(e.wordAnalyses[i])) coordinate(e, i);
    }
}

}  // namespace

void linkClause(Engine& e, int k, const ClauseLists& lists) {
    SentenceTables& s = e.sentence;
    const int start = s.clauses.clauseStart[k];
    const int end = std::min(s.clauses.clauseEnd[k], e.analysisCount - 1);
    if (start > end) return;
    const int firstWord = e.wordAnalyses[start].wordPosition;
    const int lastWord = e.wordAnalyses[end].wordPosition;
    s.activeRoles = s.roles[k];
    coordinateClause(e, start, end);
    linkCompoundTenses(e, start, end);
    linkPrepositions(e, start, end, lastWord);
    for (int i = start; i <= end; ++i)
        if (liveAt(e, i) && isAgreeingWord(e.wordAnalyses[i]) && !linkedToHead(e, e.wordAnalyses[i]))
            linkAdjective(e, i, firstWord, lastWord);
    for (int i = start; i <= end; ++i)
        if (liveAt(e, i) && isPronoun(e.wordAnalyses[i]) && e.wordAnalyses[i].kind2 == pronoun_kind_type::Relative)
            linkRelative(e, i);
    (void)lists;
    // Subjects are tied to verbs within each segment of the clause, so that the verb of a
    // relative or subordinate clause does not take the subject of the main one. The clause keeps
    // the roles of its first segment that has any.
    int segFirst[kSegmentCapacity], segEnd[kSegmentCapacity];
    const int segments = cutSegments(e, k, segFirst, segEnd);
    RoleSlots clauseRoles = emptyRoleSlots();
    for (int g = 0; g < segments; ++g) {
        findRoles(e, segFirst[g], segEnd[g], RoleMode::Clause);
        if (clauseRoles[role_slot::MainVerb] < 0 && clauseRoles[role_slot::Subject] < 0) clauseRoles = s.activeRoles;
    }
    s.roles[k] = clauseRoles;
    s.activeRoles = clauseRoles;
}

}  // namespace kavro
