// Numbers written in several Latin words read as English writes them: "centum viginti septem"
// -> "one hundred and twenty-seven", "nongenti triginta" -> "nine hundred and thirty", "viginti
// duo millia" -> "twenty-two thousand", "quinque et viginti" -> "twenty-five".
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/polish_tables.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

constexpr std::array<std::string_view, 9> kUnits = {"one", "two", "three", "four", "five",
                                                    "six", "seven", "eight", "nine"};
constexpr std::array<std::string_view, 8> kTens = {"twenty", "thirty", "forty", "fifty",
                                                   "sixty", "seventy", "eighty", "ninety"};
constexpr std::array<std::string_view, 2> kLarge = {"hundred", "thousand"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

bool isCardinal(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Numeral && r.grammar4 == numeral_kind_type::Cardinal;
}

std::string_view lastWord(std::string_view text) {
    const std::size_t blank = text.rfind(' ');
    return blank == std::string_view::npos ? text : text.substr(blank + 1);
}

// A number below a hundred: "seven", "twenty", "fifteen", "twenty-seven".
bool isSmallNumber(std::string_view word) {
    return listed(kUnits, word) || listed(kTens, word) || word.ends_with("teen") || word == "ten" ||
           word == "eleven" || word == "twelve" || word.find('-') != std::string_view::npos;
}

// The number word of a slot without the case prefix it may carry.
std::string bareNumber(std::string text) {
    const int prefix = prefixLength(text);
    if (prefix > 0) text.erase(0, static_cast<std::size_t>(prefix));
    return text;
}

// "quinque et viginti" -> "twenty-five": a unit, "and", then a number of tens.
bool joinUnitAndTens(PolishSentence& s, int p, std::string_view unit) {
    if (p + 2 >= s.size() || !listed(kUnits, unit) || s.text(p + 1) != "and" ||
        !isCardinal(s.reading(p + 2)) || s.isUserPhrase(p + 2))
        return false;
    const std::string tens = bareNumber(s.text(p + 2));
    if (!listed(kTens, tens)) return false;
    std::string text = s.text(p);
    text.replace(text.size() - unit.size(), std::string::npos, tens + "-" + std::string(unit));
    s.setText(p, text);
    s.setText(p + 1, "");
    s.setText(p + 2, "");
    return true;
}

}  // namespace

void joinCompoundNumbers(PolishSentence& s) {
    for (int p = 0; p + 1 < s.size(); ++p) {
        if (!isCardinal(s.reading(p)) || s.isUserPhrase(p + 1)) continue;
        const std::string text = s.text(p);
        const std::string next = bareNumber(s.text(p + 1));
        const std::string_view word = lastWord(text);
        if (joinUnitAndTens(s, p, word)) continue;
        if (next == "thousands") {   // "duo millia": the noun of thousands after a number
            s.setText(p + 1, "thousand");
        } else if (!isCardinal(s.reading(p + 1))) {
            continue;
        } else if (listed(kTens, word) && listed(kUnits, next)) {
            s.setText(p, text + "-" + next);
            s.setText(p + 1, "");
        } else if (listed(kLarge, word) && isSmallNumber(next)) {
            s.setText(p, text + " and");
            s.setText(p + 1, next);
        }
    }
}

}  // namespace kavro
