// The last touches of polishing: verb carets removed, no article before a proper name
// ("the Caesar" -> "Caesar"), names spelt as English spells them ("Ioseph" -> "Joseph"), and a
// capital letter at the start of every sentence.
#include <string>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"
#include "english/verb_phrase.h"

namespace kavro {

namespace {

// Names that take no article: persons, places, countries, and a name of a group in the
// singular (the guessed names of persons are given that kind: "the Isaac" -> "Isaac"; "the
// Assyrians" keeps it).
bool takesNoArticle(const WordAnalysis& r) {
    if (!isProperNoun(r)) return false;
    switch (r.kind2) {
    case noun_kind_type::Proper:
    case noun_kind_type::Locale:
    case noun_kind_type::Person:
    case noun_kind_type::Country: return true;
    case noun_kind_type::Group: return numberOf(r) != number_type::Plural;
    default: return false;
    }
}

// English writes the consonantal i that opens a Latin name as "J": "Iulius" -> "Julius",
// "Ioseph" -> "Joseph", "Iudaea" -> "Judaea".
void spellNameInEnglish(std::string& text) {
    constexpr std::string_view kVowels = "aeiou";
    for (std::size_t at = 0; at + 2 < text.size(); ++at) {
        const bool wordStart = at == 0 || !isWordLetter(text[at - 1]);
        if (wordStart && text[at] == 'I' && kVowels.find(text[at + 1]) != std::string_view::npos &&
            isWordLetter(text[at + 2])) {
            text[at] = 'J';
        }
    }
}

void removeArticleOfName(std::string& text) {
    if (removeLeading(text, "the ")) return;
    const std::size_t inner = text.find(" the ");
    if (inner != std::string::npos) text.erase(inner + 1, 4);
}

bool isFullStop(const WordAnalysis& r) {
    return isPunctuation(r) && r.kind1 == punctuation_type::FullStop;
}

// Raises the first letter of the first non-empty slot from position `from` on.
void raiseFirstLetter(PolishSentence& s, int from) {
    for (int p = from; p < s.size(); ++p) {
        std::string text = s.text(p);
        if (text.empty()) continue;
        std::size_t letter = 0;
        if (text.starts_with("<(")) letter = 2;
        else if (text.starts_with('<')) letter = 1;
        raiseLetter(text, letter);
        s.setText(p, text);
        return;
    }
}

}  // namespace

void removeCaretsAndProperArticles(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        const WordAnalysis& r = s.reading(p);
        std::string text = s.text(p);
        removeVerbCaret(text, r);
        if (takesNoArticle(r)) removeArticleOfName(text);
        if (isProperNoun(r) && !s.isUserPhrase(p)) spellNameInEnglish(text);
        s.setText(p, text);
    }
}

void raiseSentenceCapitals(PolishSentence& s) {
    int first = 0;
    while (first < s.size() && isPunctuation(s.reading(first))) ++first;
    raiseFirstLetter(s, first);
    for (int p = first + 1; p < s.size(); ++p) {
        if (isFullStop(s.reading(p - 1))) raiseFirstLetter(s, p);
    }
}

}  // namespace kavro
