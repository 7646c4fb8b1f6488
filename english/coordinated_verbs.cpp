// Verbs joined by "and" that share their subject and their modal: English says the pronoun and
// the modal once ("ut luceant et illuminent" -> "so that they may shine and illuminate", not
// "... and they may illuminate"). Latin repeats them in every verb's ending. "let us" stays
// with every verb ("let us kill him, and let us send him"), as "might have" does.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

constexpr std::array<std::string_view, 3> kJoiners = {"et.", "que.", "ac."};

// The openings of a subjunctive's phrase that a second verb leaves to the first: a subject
// pronoun with its modal.
constexpr std::array<std::string_view, 8> kPronouns = {"I ", "you ", "he ", "she ", "it ", "we ", "they ", "s/he/it "};
constexpr std::array<std::string_view, 3> kModals = {"may ", "would ", "should "};

// A phrase's opening: a modal after an optional subject pronoun.
struct Opening {
    std::size_t length = 0;     // the characters a second verb leaves out ("they may ")
    std::string_view modal;     // "may "
};

Opening openingOf(std::string_view text) {
    std::size_t pronoun = 0;
    for (std::string_view p : kPronouns) {
        if (text.starts_with(p)) pronoun = p.size();
    }
    for (std::string_view modal : kModals) {
        if (text.substr(pronoun).starts_with(modal)) return {pronoun + modal.size(), modal};
    }
    return {};
}

bool isSubjunctive(const WordAnalysis& r) { return isFiniteVerb(r) && moodOf(r) == mood_type::Subjunctive; }

bool isNominativeNominal(const WordAnalysis& r) { return isNominal(r) && caseOf(r) == case_type::Nominative; }

// The subjunctive before the joiner at j, of the verb at v's tense, person and number, in the
// same stretch (past its object and a comma); -1 when there is none.
int firstVerb(const PolishSentence& s, int j, int v) {
    const WordAnalysis& second = s.reading(v);
    for (int q = j - 1; q >= 0; --q) {
        const WordAnalysis& r = s.reading(q);
        if (isPunctuation(r) && formOf(r) != ",") return -1;
        if (!isFiniteVerb(r)) continue;
        const bool same = isSubjunctive(r) && tenseOf(r) == tenseOf(second) && personOf(r) == personOf(second) &&
                          verbNumberOf(r) == verbNumberOf(second);
        return same ? q : -1;
    }
    return -1;
}

// The verb at v has a nominative subject of its own between the joiner and the next mark.
bool ownSubject(const PolishSentence& s, int j, int v) {
    for (int q = j + 1; q < s.size() && !isPunctuation(s.reading(q)); ++q) {
        if (q != v && isNominativeNominal(s.reading(q))) return true;
    }
    return false;
}

}  // namespace

void shareCoordinatedModals(PolishSentence& s) {
    for (int v = 1; v < s.size(); ++v) {
        const int j = v - 1;
        if (!isSubjunctive(s.reading(v)) || s.isUserPhrase(v) ||
            std::find(kJoiners.begin(), kJoiners.end(), formOf(s.reading(j))) == kJoiners.end()) {
            continue;
        }
        const int first = firstVerb(s, j, v);
        if (first < 0 || ownSubject(s, j, v)) continue;
        const std::string text = s.text(v);
        const Opening opening = openingOf(text);
        if (opening.length == 0 || openingOf(s.text(first)).modal != opening.modal) continue;
        s.setText(v, text.substr(opening.length));
    }
}

}  // namespace kavro
