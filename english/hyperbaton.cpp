// An adjective put before the preposition of its noun ("magna cum laude", "magno in periculo",
// "hac in urbe") goes after the preposition, where English has it: "with great praise", "in
// great danger", "in this city". The positions move before the other steps, so that the case
// prefixes and the word order see the phrase in its plain order.
#include "core/grammar_codes.h"
#include "english/polish_steps.h"

namespace kavro {

namespace {

// Adjectives, numerals and the pronouns that stand as adjectives (not ego, tu, se).
bool isNounModifier(const WordAnalysis& r) {
    switch (r.partOfSpeech) {
    case speech_type::Adjective:
    case speech_type::Numeral: return true;
    case speech_type::Pronoun:
        return r.kind2 != pronoun_kind_type::Personal && r.kind2 != pronoun_kind_type::Reflexive;
    default: return false;
    }
}

bool agreesInCaseAndNumber(const WordAnalysis& a, const WordAnalysis& b) {
    return caseOf(a) == caseOf(b) && numberOf(a) == numberOf(b);
}

// The noun that the preposition at p governs, one or two words after it, of the case and
// number of `modifier`; -1 when there is none.
int governedNoun(const PolishSentence& s, int p, const WordAnalysis& modifier) {
    for (int n = p + 1; n <= p + 2 && s.contains(n); ++n) {
        const WordAnalysis& r = s.reading(n);
        if (r.partOfSpeech == speech_type::Noun && agreesInCaseAndNumber(r, modifier)) return n;
    }
    return -1;
}

// The modifier at m belongs to the preposition's noun: tied to it, or taken by the preposition
// for its object with the noun right after the preposition; and no noun of its case and number
// stands right before it ("die septimo ab universo opere" keeps "septimo" with "die").
bool belongsToPhrase(const PolishSentence& s, int m, int preposition, int noun) {
    const WordAnalysis& before = s.reading(m - 1);
    if (m > 0 && before.partOfSpeech == speech_type::Noun && agreesInCaseAndNumber(before, s.reading(m))) return false;
    const int partner = s.firstPartnerPosition(m);
    const bool takenByPreposition = partner == preposition && noun == preposition + 1;
    return s.pointsTo(preposition, noun) && (s.tied(m, noun) || takenByPreposition);
}

}  // namespace

void undoHyperbaton(PolishSentence& s) {
    for (int m = 0; m + 2 < s.size(); ++m) {
        const WordAnalysis& modifier = s.reading(m);
        const WordAnalysis& preposition = s.reading(m + 1);
        if (!isNounModifier(modifier) || preposition.partOfSpeech != speech_type::Preposition ||
            caseOf(preposition) != caseOf(modifier) || s.isUserPhrase(m) || s.isUserPhrase(m + 1)) {
            continue;
        }
        const int noun = governedNoun(s, m + 1, modifier);
        if (noun < 0 || !belongsToPhrase(s, m, m + 1, noun)) continue;
        s.move(m, m + 1);
        ++m;
    }
}

}  // namespace kavro
