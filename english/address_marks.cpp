// The "O" of a vocative stays only where the word stands as an address: set off at the start
// of the sentence or clause ("Domine, ..." -> "O Lord, ...") or after another vocative. Inside a
// clause a vocative reading is nearly always a nominative, dative or indeclinable name that the
// choice of readings took for a vocative, and English prose addresses without "O" there.
#include <string>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

bool isVocative(const WordAnalysis& r) {
    return (isNominal(r) || r.partOfSpeech == speech_type::Adjective ||
            r.partOfSpeech == speech_type::Participle) &&
           caseOf(r) == case_type::Vocative;
}

// The nearest position before p whose slot is not empty, or -1.
int previousFilled(const PolishSentence& s, int p) {
    for (int q = p - 1; q >= 0; --q) {
        if (!s.text(q).empty()) return q;
    }
    return -1;
}

int nextFilled(const PolishSentence& s, int p) {
    for (int q = p + 1; q < s.size(); ++q) {
        if (!s.text(q).empty()) return q;
    }
    return -1;
}

// Set off by punctuation (or the sentence's ends) on both sides, or next to another vocative.
bool standsAsAddress(const PolishSentence& s, int p) {
    const int before = previousFilled(s, p);
    const int after = nextFilled(s, p);
    const bool openBefore = before < 0 || isPunctuation(s.reading(before)) || isVocative(s.reading(before));
    const bool closedAfter = after < 0 || isPunctuation(s.reading(after)) || isVocative(s.reading(after));
    return openBefore && closedAfter;
}

}  // namespace

void dropAddressMarksInsideClauses(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        if (s.isUserPhrase(p) || !isVocative(s.reading(p)) || standsAsAddress(s, p)) continue;
        std::string text = s.text(p);
        if (removeLeading(text, "O ")) s.setText(p, text);
    }
}

}  // namespace kavro
