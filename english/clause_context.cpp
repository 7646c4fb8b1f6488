// The clause around a word, as English assembly reads it: a verb's subject and the sense of
// ut/uti. The scans walk the chosen readings of the clause's word positions, so readings that
// were not chosen never count.
#include "english/clause_context.h"

#include <algorithm>
#include <vector>

#include "core/grammar_codes.h"
#include "english/chosen_reading.h"
#include "english/connectives.h"
#include "english/relative_clauses.h"

namespace kavro {

namespace {

// The pronoun stems mark a pronoun sort by 8 in grammar 6; such a pronoun ends a subject search.
constexpr int kMarkedPronounSort = 8;
// Personal pronouns of declension 5, variants 1 to 3 (stem class = which x 16 + variant): ego,
// tu, nos, uos never stand as the free subject of a 3rd person verb.
constexpr int kFirstPersonalStemClass = 81;
constexpr int kLastPersonalStemClass = 83;
// A verb whose grammar 6 is 1 before ut (accidit ut, fit ut) makes it "that".
constexpr int kThatVerbKind = 1;
constexpr int kThirdPerson = 3;

int clauseLimit(const Engine& engine) {
    return std::clamp(engine.sentence.clauses.clauseCount, 0, static_cast<int>(kClauseCapacity));
}

// The candidates of a subject search, and the last free one (an analysis index).
struct SubjectTally {
    int linked = 0;
    int free = 0;
    int lastFree = -1;
};

// A nominative noun, or a nominative pronoun or substantive adjective of stem class 2 equal to 1.
bool isSubjectCandidate(const WordAnalysis& r) {
    if (r.grammar1 != case_type::Nominative) return false;
    if (r.partOfSpeech == speech_type::Noun) return true;
    return (r.partOfSpeech == speech_type::Pronoun ||
            r.partOfSpeech == speech_type::SubstantiveAdjective) &&
           r.stemClass2 == 1;
}

void tallyCandidate(const WordAnalysis& r, int index, int verb, int verbNumber, SubjectTally& t) {
    const int weight = r.grammar2 == number_type::Plural ? 2 : 1;
    if (r.link1 == verb || r.link2 == verb) {
        t.linked += weight;
        return;
    }
    const bool personal =
        r.stemClass >= kFirstPersonalStemClass && r.stemClass <= kLastPersonalStemClass;
    if (r.grammar2 == verbNumber && !personal) {
        t.free += weight;
        t.lastFree = index;
    }
}

// One position of a subject search; false when the search goes no further in this direction
// (a conjunction other than a connective, or just after a pronoun of the marked sort).
bool visitForSubject(const Engine& engine, int position, int verb, int verbNumber,
                     SubjectTally& t) {
    const WordAnalysis& r = chosenReading(engine, position);
    if (r.partOfSpeech == speech_type::DeletedGram) return true;
    if (r.partOfSpeech == speech_type::Conjunction && !isConnective(r)) return false;
    if (isSubjectCandidate(r)) tallyCandidate(r, chosenIndex(engine, position), verb, verbNumber, t);
    return !(r.partOfSpeech == speech_type::Pronoun && r.grammar6 == kMarkedPronounSort);
}

// Writes the verb into the first free link of its subject (the third link when none is free).
void linkSubjectToVerb(Engine& engine, int subject, std::int16_t verb) {
    WordAnalysis& s = engine.wordAnalyses[subject];
    if (s.link1 == -1) s.link1 = verb;
    else if (s.link2 == -1) s.link2 = verb;
    else s.link3 = verb;
}

bool isSubjunctiveVerb(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Verb && r.grammar3 == mood_type::Subjunctive;
}

// Scans from `position` towards `limit` (step +1 or -1, limit included) up to a conjunction;
// true when a reading there satisfies `test`.
template <class Test>
bool scanToConjunction(const Engine& engine, int position, int limit, int step, Test test) {
    for (int j = position; step > 0 ? j <= limit : j >= limit; j += step) {
        const WordAnalysis& r = chosenReading(engine, j);
        if (r.partOfSpeech == speech_type::Conjunction) return false;
        if (test(r)) return true;
    }
    return false;
}

// The chosen readings of the clause's positions.
PositionRun runOfSpan(const Engine& engine, ClauseSpan span) {
    PositionRun run;
    run.offset = span.first;
    for (int p = span.first; p <= span.last; ++p) {
        run.readings.push_back(&chosenReading(engine, p));
        run.index.push_back(chosenIndex(engine, p));
    }
    return run;
}

// The clause before clause k, when it is a relative clause set off by commas ("Hostes, qui
// flumen transierant, fugati sunt"): its first word is a relative pronoun.
bool followsRelativeClause(const Engine& engine, int k) {
    if (k < 2) return false;
    const WordAnalysis* first = analysisAt(engine, engine.sentence.clauses.clauseStart[k - 1]);
    return first && isRelativePronoun(chosenReading(engine, first->wordPosition));
}

// A verb whose own clause has no subject, right after a relative clause set off by commas, takes
// the subject that stands before the relative clause ("Hostes, qui ..., fugati sunt": "the
// enemies ... were put to flight", not "they were").
void subjectBeforeRelativeClause(const Engine& engine, int clause, int verb, SubjectTally& tally) {
    if (!followsRelativeClause(engine, clause)) return;
    const ClauseTable& table = engine.sentence.clauses;
    const WordAnalysis* start = analysisAt(engine, table.clauseStart[clause - 2]);
    const WordAnalysis* end = analysisAt(engine, table.clauseEnd[clause - 2]);
    if (!start || !end) return;
    const int verbNumber = engine.wordAnalyses[verb].grammar5;
    for (int j = end->wordPosition - 1; j >= start->wordPosition; --j)
        if (!visitForSubject(engine, j, verb, verbNumber, tally)) break;
}

}  // namespace

bool clauseOfAnalysis(const Engine& engine, int analysis, ClauseSpan& span, int& clause) {
    const ClauseTable& table = engine.sentence.clauses;
    for (int k = 0; k < clauseLimit(engine); ++k) {
        if (analysis < table.clauseStart[k] || analysis > table.clauseEnd[k]) continue;
        const WordAnalysis* start = analysisAt(engine, table.clauseStart[k]);
        const WordAnalysis* end = analysisAt(engine, table.clauseEnd[k]);
        if (!start || !end) continue;
        span = {start->wordPosition, end->wordPosition};
        clause = k;
        return true;
    }
    return false;
}

int verbSubjectCount(Engine& engine, int position, int analysis) {
    ClauseSpan span{};
    int clause = -1;
    if (!clauseOfAnalysis(engine, analysis, span, clause)) return 0;
    const WordAnalysis& verb = engine.wordAnalyses[analysis];
    if (verb.grammar4 != kThirdPerson) return engine.sentence.subjectCount[clause];

    // A verb of a relative clause finds its subject within that clause; any other verb
    // outside the relative clauses of its clause.
    const std::vector<RelativeClause> relatives = findRelativeClauses(runOfSpan(engine, span));
    const RelativeClause* own = relativeClauseAt(relatives, position);
    const int from = own ? own->pronoun : span.first;
    const int to = own ? own->last : span.last;
    const auto outside = [&](int j) { return own || !relativeClauseAt(relatives, j); };
    // A clause set off by commas that opens with a nominative relative ("Hostes, qui flumen
    // transierant, ..."): the relative is the subject of its verb.
    const WordAnalysis& opener = chosenReading(engine, span.first);
    if (!own && isRelativePronoun(opener) && opener.grammar1 == case_type::Nominative)
        return opener.grammar2 == number_type::Plural ? 2 : 1;
    if (own) {
        // "qui in castris erant": a nominative relative pronoun is the subject itself.
        const WordAnalysis& pronoun = chosenReading(engine, own->pronoun);
        if (pronoun.grammar1 == case_type::Nominative)
            return pronoun.grammar2 == number_type::Plural ? 2 : 1;
    }

    SubjectTally tally;
    for (int j = position - 1; j >= from; --j) {
        if (!outside(j)) continue;
        // "vidit Deus quod esset bonum": a relative that opens the verb's clause ends it.
        if (j != from && isRelativePronoun(chosenReading(engine, j))) break;
        if (!visitForSubject(engine, j, analysis, verb.grammar5, tally)) break;
    }
    for (int j = position + 1; j <= to; ++j)
        if (outside(j) && !visitForSubject(engine, j, analysis, verb.grammar5, tally)) break;

    if (tally.linked == 0 && tally.free == 0 && !own) subjectBeforeRelativeClause(engine, clause, analysis, tally);
    if (tally.linked > 0 || tally.free == 0) return tally.linked;
    linkSubjectToVerb(engine, tally.lastFree, static_cast<std::int16_t>(analysis));
    return tally.free;
}

std::string_view utConjunctionEnglish(const Engine& engine, int position, int analysis) {
    ClauseSpan span{};
    int clause = -1;
    int backLimit = 0;
    if (clauseOfAnalysis(engine, analysis, span, clause)) {
        if (!scanToConjunction(engine, position + 1, span.last, +1, isSubjunctiveVerb)) return "as";
        backLimit = span.first;
    }
    const auto thatVerb = [](const WordAnalysis& r) {
        return r.partOfSpeech == speech_type::Verb && r.grammar6 == kThatVerbKind;
    };
    // A purpose or result: "so that" (covers both, and is the English of current prose where
    // "in order that" reads stilted).
    return scanToConjunction(engine, position - 1, backLimit, -1, thatVerb) ? "that" : "so that";
}

bool clauseClosesWithQuestion(const Engine& engine, int analysis) {
    ClauseSpan span{};
    int clause = -1;
    if (!clauseOfAnalysis(engine, analysis, span, clause)) return false;
    const WordAnalysis* closing = analysisAt(engine, engine.sentence.clauses.clauseEnd[clause]);
    return closing && formOf(*closing).starts_with('?');
}

}  // namespace kavro
