// Two Latin words that English says otherwise: "res publica" -> "the State", "patres
// conscripti" -> "the Senators", "vir clarus" -> "an honourable man", "quidam" with "qui",
// "tam ... quam" -> "such as", "minus quam"/"plus quam" -> "less than"/"more than", a doubled
// "O", and "res gestae suae" -> "his acts".
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

// Each rule looks at positions p and p+1 and says whether it applied.
using IdiomRule = bool (*)(PolishSentence&, int);

bool holds(const PolishSentence& s, int p, std::string_view word) { return holdsWord(s.text(p), word); }

bool replaceIn(PolishSentence& s, int p, std::string_view word, std::string_view replacement) {
    std::string text = s.text(p);
    if (!replaceWholeWord(text, word, replacement)) return false;
    s.setText(p, text);
    return true;
}

// res publica: "the thing" "public" -> "the State".
bool theState(PolishSentence& s, int p) {
    if (!s.tied(p, p + 1) || numberOf(s.reading(p)) != number_type::Singular ||
        !holds(s, p + 1, "public") || !replaceIn(s, p, "thing", "State")) {
        return false;
    }
    s.setText(p + 1, "");
    return true;
}

// patres conscripti: "the fathers" "enrolled" -> "the Senators".
bool theSenators(PolishSentence& s, int p) {
    if (!s.tied(p, p + 1) || numberOf(s.reading(p)) != number_type::Plural ||
        !(holds(s, p + 1, "enrolled") || holds(s, p + 1, "sacred")) ||
        !replaceIn(s, p, "fathers", "Senators")) {
        return false;
    }
    s.setText(p + 1, "");
    return true;
}

bool clearAdjective(const PolishSentence& s, int p) {
    return s.reading(p).partOfSpeech == speech_type::Adjective && holds(s, p, "clear");
}

// vir clarus, clarus vir: "clear" of a man is "honourable".
bool honourableMan(PolishSentence& s, int p) {
    const bool manFirst = (holds(s, p, "men") || holds(s, p, "man")) && s.tied(p, p + 1);
    if (manFirst && clearAdjective(s, p + 1)) return replaceIn(s, p + 1, "clear", "honourable");
    if (holds(s, p + 1, "man") && clearAdjective(s, p)) return replaceIn(s, p, "clear", "honourable");
    return false;
}

// quidam: "certain-" "which" -> "certain".
bool certainOne(PolishSentence& s, int p) {
    if (!holds(s, p + 1, "which") || !replaceIn(s, p, "certain-", "certain")) return false;
    s.setText(p + 1, "");
    return true;
}

// "how" "and" -> "such" "as".
bool suchAs(PolishSentence& s, int p) {
    if (meaningOf(s.reading(p)) != "how" || meaningOf(s.reading(p + 1)) != "and") return false;
    s.setText(p, "such");
    s.setText(p + 1, "as");
    return true;
}

// minus quam, plus quam: "less than", "more than".
bool lessOrMoreThan(PolishSentence& s, int p) {
    const std::string_view form = formOf(s.reading(p));
    if (formOf(s.reading(p + 1)) != "quam." || (form != "minus." && form != "plus.")) return false;
    s.setText(p, form == "minus." ? "less" : "more");
    s.setText(p + 1, "than");
    return true;
}

bool doubledO(PolishSentence& s, int p) {
    if (s.text(p) != "O O") return false;
    s.setText(p, "O");
    return true;
}

// res gestae suae: "conducted" "his" -> "his" "acts".
bool hisActs(PolishSentence& s, int p) {
    if (!s.tied(p, p + 1) || meaningOf(s.reading(p + 1)) != "his" ||
        !replaceIn(s, p, "conducted", s.text(p + 1))) {
        return false;
    }
    s.setText(p + 1, numberOf(s.reading(p)) == number_type::Singular ? "act" : "acts");
    return true;
}

constexpr std::array<IdiomRule, 8> kIdioms = {theState,   theSenators,    honourableMan, certainOne,
                                              suchAs,     lessOrMoreThan, doubledO,      hisActs};

}  // namespace

void mergeTwoWordIdioms(PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        if (s.isUserPhrase(p)) continue;
        for (IdiomRule rule : kIdioms) {
            if (rule(s, p)) {
                ++p;
                break;
            }
        }
    }
}

}  // namespace kavro
