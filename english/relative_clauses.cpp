// Relative clauses inside a clause part.
#include "english/relative_clauses.h"

#include <string_view>

#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "english/polish_sentence.h"

namespace kavro {

namespace {

// How far before its pronoun an antecedent is looked for: a relative, and an interrogative
// form that may be one.
constexpr int kRelativeReach = 8;
constexpr int kInterrogativeReach = 3;
// grammar 5 of a conjunction that joins two words, and of an adverb that ends a stretch.
constexpr int kJoiningConjunction = 2;
constexpr int kClauseAdverb = 1;

bool endsPart(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Punctuation ||
           (r.partOfSpeech == speech_type::Conjunction && r.grammar5 != kJoiningConjunction) ||
           (r.partOfSpeech == speech_type::Adverb && r.grammar5 == kClauseAdverb);
}

bool isFinite(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Verb && r.grammar3 >= mood_type::Indicative &&
           r.grammar3 <= mood_type::Imperative;
}

// A noun, a pronoun, or an adjective standing for a noun ("omnia quae locutus est").
bool isAntecedentWord(const WordAnalysis& r) {
    switch (r.partOfSpeech) {
    case speech_type::Noun:
    case speech_type::SubstantiveAdjective:
    case speech_type::Adjective: return true;
    case speech_type::Pronoun: return !isRelativePronoun(r);
    default: return false;
    }
}

// Genders agree when equal, or when either word has no gender or the common one; a personal
// pronoun ("ego quod ...") is never the antecedent of a neuter.
bool agrees(const WordAnalysis& antecedent, const WordAnalysis& rel) {
    if (antecedent.grammar2 != rel.grammar2) return false;
    if (antecedent.partOfSpeech == speech_type::Pronoun && antecedent.kind2 == pronoun_kind_type::Personal &&
        rel.grammar3 == gender_type::Neuter) {
        return false;
    }
    const int a = antecedent.grammar3, b = rel.grammar3;
    return a == b || a == gender_type::None || b == gender_type::None || a == gender_type::Common ||
           b == gender_type::Common;
}

const WordAnalysis& at(const PositionRun& run, int k) {
    static const WordAnalysis empty = blankAnalysis();
    const WordAnalysis* r = k >= 0 && k < static_cast<int>(run.readings.size()) ? run.readings[k] : nullptr;
    return r ? *r : empty;
}

// An adjective stands for its noun when it has one: "deos alienos qui" refers to "deos".
int nounOfAdjective(const PositionRun& run, int k) {
    const WordAnalysis& r = at(run, k);
    if (r.partOfSpeech != speech_type::Adjective) return k;
    for (int q = 0; q < static_cast<int>(run.index.size()) && r.link1 >= 0; ++q) {
        if (run.index[q] == r.link1 && at(run, q).partOfSpeech == speech_type::Noun) return q;
    }
    // "somnium meum quod": an untied adjective right after a noun of its number belongs to it.
    const WordAnalysis& before = at(run, k - 1);
    return before.partOfSpeech == speech_type::Noun && before.grammar2 == r.grammar2 ? k - 1 : k;
}

// The word before `first` (k, an index of the run, within the part) that the pronoun refers
// to: the one it is tied to, else the nearest of its number and gender; -1 when none.
int antecedentOf(const PositionRun& run, int pronoun, int first, int partStart) {
    const WordAnalysis& rel = at(run, pronoun);
    for (int k = first - 1; k >= partStart; --k) {
        if (run.index[k] >= 0 && (rel.link1 == run.index[k] || rel.link2 == run.index[k]) &&
            isAntecedentWord(at(run, k))) {
            return nounOfAdjective(run, k);
        }
    }
    const int reach = rel.kind2 == pronoun_kind_type::Relative ? kRelativeReach : kInterrogativeReach;
    for (int k = first - 1; k >= partStart && k >= first - reach; --k) {
        const WordAnalysis& r = at(run, k);
        if (isAntecedentWord(r) && agrees(r, rel)) return nounOfAdjective(run, k);
    }
    return -1;
}

// The last word of the clause opened by the pronoun at k; -1 when no finite verb follows it
// within the part that ends at partEnd.
int clauseEnd(const PositionRun& run, int k, int partEnd) {
    int verb = -1;
    for (int q = k + 1; q <= partEnd && verb < 0; ++q) {
        if (isFinite(at(run, q))) verb = q;
    }
    if (verb < 0) return -1;
    bool laterVerb = false;
    for (int q = verb + 1; q <= partEnd; ++q) laterVerb = laterVerb || isFinite(at(run, q));
    if (!laterVerb) return partEnd;
    // "quam condidit Romulus": the clause's own subject after its verb.
    const WordAnalysis& next = at(run, verb + 1);
    const bool nominalNext =
        next.partOfSpeech == speech_type::Noun || next.partOfSpeech == speech_type::Pronoun;
    if (at(run, k).grammar1 != case_type::Nominative && nominalNext &&
        next.grammar1 == case_type::Nominative && next.grammar2 == at(run, verb).grammar5) {
        return verb + 1;
    }
    return verb;
}

}  // namespace

bool isRelativePronoun(const WordAnalysis& r) {
    if (r.partOfSpeech != speech_type::Pronoun) return false;
    if (r.kind2 == pronoun_kind_type::Relative) return true;
    const std::string_view form = fieldText(r.analysedForm);
    return r.kind2 == pronoun_kind_type::Interrogative && form.starts_with("qu.") && form != "qu.is" &&
           form != "qu.id";
}

std::vector<RelativeClause> findRelativeClauses(const PositionRun& run) {
    std::vector<RelativeClause> out;
    const int n = static_cast<int>(run.readings.size());
    int partStart = 0;
    for (int k = 0; k < n; ++k) {
        const WordAnalysis& r = at(run, k);
        if (endsPart(r)) {
            partStart = k + 1;
            continue;
        }
        if (!isRelativePronoun(r)) continue;
        int partEnd = k;
        while (partEnd + 1 < n && !endsPart(at(run, partEnd + 1))) ++partEnd;
        const bool governed = k > partStart && at(run, k - 1).partOfSpeech == speech_type::Preposition;
        const int first = governed ? k - 1 : k;
        const int antecedent = antecedentOf(run, k, first, partStart);
        const int last = antecedent < 0 ? -1 : clauseEnd(run, k, partEnd);
        if (last < 0) continue;
        out.push_back({run.offset + first, run.offset + k, run.offset + last, run.offset + antecedent});
        k = last;
    }
    return out;
}

std::vector<RelativeClause> findRelativeClauses(const PolishSentence& s) {
    PositionRun run;
    for (int p = 0; p < s.size(); ++p) {
        run.readings.push_back(&s.reading(p));
        run.index.push_back(s.chosenIndex(p));
    }
    return findRelativeClauses(run);
}

bool refersBack(const std::vector<RelativeClause>& clauses, int p) {
    const RelativeClause* rc = relativeClauseAt(clauses, p);
    return rc && rc->pronoun == p;
}

const RelativeClause* relativeClauseAt(const std::vector<RelativeClause>& clauses, int p) {
    for (const RelativeClause& c : clauses) {
        if (p >= c.first && p <= c.last) return &c;
    }
    return nullptr;
}

}  // namespace kavro
