// Relative clauses inside a clause part: "Puella [quam vides] rosas amat". English keeps a
// relative clause whole, right after the noun it refers to ("The girl whom you see loves the
// roses"), and the words outside it form the main clause, whose verb takes its subject from
// outside the relative clause only ("Urbs [quam condidit Romulus] magna erat": the city was
// large, not "he was").
#pragma once

#include <vector>

#include "core/analysis_record.h"

namespace kavro {

struct RelativeClause {
    int first;       // the relative pronoun, or the preposition that governs it ("in quibus")
    int pronoun;     // the relative pronoun
    int last;        // the last word of the clause
    int antecedent;  // the noun or pronoun it refers to, before `first`
};

// The chosen readings of a stretch of word positions, as the finder reads them: reading k
// stands at position offset + k, and index[k] is its analysis index (-1 for none).
struct PositionRun {
    int offset = 0;
    std::vector<const WordAnalysis*> readings;
    std::vector<int> index;
};

// The relative clauses of the run, in order, none inside another. A clause ends at its first
// finite verb; a nominative noun right after that verb is the clause's own subject when the
// pronoun is not ("quam condidit Romulus"); and a clause with no finite verb after its own runs
// to the end of its part. A relative pronoun is not a clause opener when it refers to nothing
// before it in its part (it then opens the part itself). A punctuation mark or a conjunction
// that does not join two words ends a part.
std::vector<RelativeClause> findRelativeClauses(const PositionRun& run);

// The relative clauses of a whole sentence in polishing.
class PolishSentence;
std::vector<RelativeClause> findRelativeClauses(const PolishSentence& s);

// True when the relative pronoun at p opens a relative clause of the sentence (refers to a
// word before it); false for one that opens a clause of its own ("vidit quod esset bonum").
bool refersBack(const std::vector<RelativeClause>& clauses, int p);

// The clause of `clauses` that holds position p, or null.
const RelativeClause* relativeClauseAt(const std::vector<RelativeClause>& clauses, int p);

// A pronoun that opens a relative clause: qui, quae, quod read as a relative, or as the
// interrogative that the dictionary also gives for their forms.
bool isRelativePronoun(const WordAnalysis& r);

}  // namespace kavro
