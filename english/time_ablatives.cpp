// The ablative of time: a noun of time in the ablative without a preposition says when or how
// long: "nocte" -> "in the night", "decimo mense" -> "in the tenth month", "diebus septem" ->
// "for seven days" (a number of days, months or years is a span), not "with the night".
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

// English nouns of time, the last word of the Latin noun's meaning.
constexpr std::array<std::string_view, 14> kTimeNouns = {
    "day", "night", "year", "time", "hour", "month", "evening", "morning", "week", "season",
    "age", "noon", "dawn", "winter"};

std::string_view lastMeaningWord(const WordAnalysis& r) {
    const std::string_view meaning = meaningOf(r);
    const std::size_t blank = meaning.rfind(' ');
    return blank == std::string_view::npos ? meaning : meaning.substr(blank + 1);
}

bool isTimeAblative(const PolishSentence& s, int p) {
    const WordAnalysis& r = s.reading(p);
    if (r.partOfSpeech != speech_type::Noun || caseOf(r) != case_type::Ablative ||
        std::find(kTimeNouns.begin(), kTimeNouns.end(), lastMeaningWord(r)) == kTimeNouns.end()) {
        return false;
    }
    const WordAnalysis* partner = s.firstPartner(p);
    if (partner && partner->partOfSpeech == speech_type::Preposition) return false;
    // "transacto quinto die": the noun of an ablative absolute reads with its participle.
    for (int q = 0; q < s.size(); ++q) {
        if (s.tied(q, p) && s.reading(q).partOfSpeech == speech_type::Participle &&
            caseOf(s.reading(q)) == case_type::Ablative) {
            return false;
        }
    }
    return true;
}

// A word before the noun that belongs to its phrase: one tied to it, or a numeral.
bool belongsBefore(const PolishSentence& s, int q, int noun) {
    if (q < 0) return false;
    const WordAnalysis& r = s.reading(q);
    return !isPunctuation(r) && !isVerb(r) && r.partOfSpeech != speech_type::Preposition &&
           (s.tied(q, noun) || r.partOfSpeech == speech_type::Numeral);
}

bool isCardinal(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Numeral && r.grammar4 == numeral_kind_type::Cardinal;
}

}  // namespace

void readTimeAblatives(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        if (!isTimeAblative(s, p) || s.isUserPhrase(p)) continue;
        int first = p;
        while (belongsBefore(s, first - 1, p)) --first;
        bool span = false;
        for (int q = first; q < p; ++q) span = span || isCardinal(s.reading(q));
        // The phrase's first word carries its "with"; inner numbers lose theirs.
        for (int q = first + 1; q <= p; ++q) {
            std::string text = s.text(q);
            if (removeLeading(text, "with the ") || removeLeading(text, "with ")) s.setText(q, text);
        }
        std::string text = s.text(first);
        const bool article = removeLeading(text, "with the ");
        if (!article && !removeLeading(text, "with ")) continue;
        s.setText(first, (span ? "for " : article ? "in the " : "in ") + text);
    }
}

}  // namespace kavro
