// The words of one stretch of a sentence grouped into English phrase units, so that the word
// order can move whole phrases: a noun with its adjectives (before it), its participles and
// genitives (after it); a preposition with its object; two words joined by "and"; a verb with
// the "not" after it; the "be" of a compound tense with its participle.
#pragma once

#include <vector>

#include "english/polish_sentence.h"
#include "english/relative_clauses.h"
#include "english/reported_speech.h"

namespace kavro {

// The genitive of the personal pronoun is/ea/id ("eius", "eorum", also when read as the
// demonstrative) with a noun: English puts it before the noun as a possessive ("uxor eius" ->
// "his wife").
bool isPossessivePronoun(const WordAnalysis& r);
// The same at position p, unless its English is that of idem ("eiusdem": of the same).
bool isPossessiveAt(const PolishSentence& s, int p);

// Where a unit goes in an English clause.
enum class UnitRole { Address, Subject, Verb, Complement, Other };

class PhraseUnits {
public:
    // Groups positions first .. last; `copulaClause` makes a nominative adjective or participle
    // standing alone a complement rather than a subject. `complement` (or -1) is the complement
    // that the copula rule placed: it stands alone after its copula. Each relative clause
    // (already in English order) goes whole after its antecedent; no other tie crosses its edge.
    // A reported statement is one unit headed by its subject, its verb after it, the verb's
    // participle and complement after the verb.
    PhraseUnits(const PolishSentence& s, int first, int last, bool copulaClause, int complement,
                const std::vector<RelativeClause>& relatives = {},
                const std::vector<ReportedStatement>& reported = {});

    // The positions that head a unit, in Latin order.
    std::vector<int> roots() const;
    UnitRole role(int root) const;
    const WordAnalysis& reading(int p) const { return s_.reading(p); }
    // The positions of a unit (or of any sub-unit) in English order.
    std::vector<int> flatten(int head) const;
    // The heads that have words put before them.
    std::vector<int> headsWithLeaders() const;
    // A "be" that heads the participle of its compound tense ("fugati sunt").
    bool holdsParticiple(int root) const;
    // A root that names the doer of a passive: a/ab read "by" ("a nostris": by our men).
    bool isAgent(int root) const;

private:
    int index(int p) const { return p - first_; }
    bool inRange(int p) const { return p >= first_ && p <= last_; }
    int rootOf(int p) const;
    // Puts `child` (a unit root) under `host`, before or after it; false when it would make a
    // cycle or the child already has a host.
    bool attach(int child, int host, bool before);
    bool link(int child, int host, bool before);

    void attachRelativeClauses(const std::vector<RelativeClause>& relatives);
    void attachReportedStatements(const std::vector<ReportedStatement>& reported);
    void attachModifiers();
    void attachGenitives();
    void attachJoinedWords();
    void attachPrepositionObjects();
    void attachNegations();
    void attachCompoundParticiples();

    const PolishSentence& s_;
    int first_;
    int last_;
    bool copulaClause_;
    int complement_;
    std::vector<int> parent_;
    std::vector<int> relative_;   // per position: the relative clause it belongs to, or -1
    std::vector<std::vector<int>> before_;
    std::vector<std::vector<int>> after_;
};

}  // namespace kavro
