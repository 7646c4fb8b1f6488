#include "text/word_forms.h"

#include <cstring>

#include "core/latin_spelling.h"
#include "text/roman_numerals.h"

namespace kavro {
namespace {

// A ligature is split only while the word is shorter than this, so the word stays in bounds.
constexpr std::size_t kLigatureSplitLimit = 95;

struct LigatureSplit {
    unsigned char from;
    std::string_view to;
};
constexpr LigatureSplit kLigatures[] = {
    {0xE6, "ae"}, {0xC6, "Ae"}, {0x9C, "oe"}, {0x8C, "Oe"},
};

constexpr std::string_view kDroppedBrackets = "[\\]^";
constexpr std::string_view kKeptMarks = " &,.?;:!";

bool isUpper(char ch) { return ch >= 'A' && ch <= 'Z'; }
bool isLower(char ch) { return ch >= 'a' && ch <= 'z'; }
bool isLetter(char ch) { return isUpper(ch) || isLower(ch); }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
char lowerAscii(char ch) { return isUpper(ch) ? static_cast<char>(ch + 32) : ch; }
bool contains(std::string_view set, char ch) {
    return ch != '\0' && set.find(ch) != std::string_view::npos;
}

bool equalsIgnoringCase(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size()) return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (lowerAscii(text[k]) != lowerAscii(pattern[k])) return false;
    }
    return true;
}
bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           equalsIgnoringCase(text.substr(text.size() - ending.size()), ending);
}
bool startsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && equalsIgnoringCase(text.substr(0, start.size()), start);
}

void lowerFrom(WordBuffer& word, std::size_t from) {
    for (std::size_t k = from; k < word.length; ++k) word.text[k] = lowerAscii(word.text[k]);
}

// The apostrophe's replacement in a Plautine elision, or '\0' to leave it.
char elisionLetter(const WordBuffer& word, std::size_t apostrophe) {
    const char p = apostrophe > 0 ? word.text[apostrophe - 1] : '\0';
    const char beforeP = apostrophe > 1 ? word.text[apostrophe - 2] : '\0';
    const char q = word.text[apostrophe + 1];
    if (punctuationIndex(q) >= 0 && p != 'u') return '\0';
    if (p == 'u') return 's';
    if (p == 'i' && beforeP != 'u') return 's';
    if (isLetter(p) && q == 's') return 's';
    if (p == 'l' && beforeP == 'l' && apostrophe > 2 && word.text[apostrophe - 3] == 'i') {
        return 'e';  // ill' for ille
    }
    return '\0';
}

// Plautine "st" for est: datust, factast, quest...
std::string_view splitPlautineEst(WordBuffer& word) {
    const std::string_view text = word.view();
    if (text.size() < 3 || !endsWithIgnoringCase(text, "st") || equalsIgnoringCase(text, "post")) {
        return {};
    }
    const char before = lowerAscii(text[text.size() - 3]);
    if (contains("aios", before) || endsWithIgnoringCase(text, "quest")) {
        word.truncate(word.length - 2);
        return "est";
    }
    if (before == 'u') {
        word.truncate(word.length - 1);
        return "est";
    }
    return {};
}

// Plautine "ss" for es: factuss, tuss.
std::string_view splitPlautineEs(WordBuffer& word) {
    const std::string_view text = word.view();
    if (text.size() < 3 || !endsWithIgnoringCase(text, "ss")) return {};
    const char before = lowerAscii(text[text.size() - 3]);
    word.truncate(word.length - (contains("iou", before) ? 1 : 2));
    if (equalsIgnoringCase(word.view(), "tus")) word.truncate(2);
    return "es";
}

}  // namespace

void WordBuffer::assign(std::string_view source) {
    length = source.size() < kCapacity - 1 ? source.size() : kCapacity - 1;
    if (length > 0) std::memcpy(text, source.data(), length);
    text[length] = '\0';
}

bool WordBuffer::append(char ch) {
    if (length + 1 >= kCapacity) return false;
    text[length++] = ch;
    text[length] = '\0';
    return true;
}

bool WordBuffer::insert(std::size_t at, char ch) {
    if (length + 1 >= kCapacity || at > length) return false;
    std::memmove(text + at + 1, text + at, length - at + 1);
    text[at] = ch;
    ++length;
    return true;
}

void WordBuffer::eraseFront(std::size_t count) {
    if (count > length) count = length;
    std::memmove(text, text + count, length - count + 1);
    length -= count;
}

void WordBuffer::truncate(std::size_t newLength) {
    if (newLength >= length) return;
    length = newLength;
    text[length] = '\0';
}

int punctuationIndex(char ch) {
    if (ch == '\0') return -1;
    const std::size_t at = kPunctuationMarks.find(ch);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

void markInnerParentheses(WordBuffer& word) {
    std::size_t close;
    if (word.length >= 1 && word.text[word.length - 1] == ')') {
        close = word.length - 1;
    } else if (word.length >= 2 && word.text[word.length - 2] == ')') {
        close = word.length - 2;
    } else {
        return;
    }
    const std::size_t open = word.view().find('(', 1);
    if (open == std::string_view::npos || open > close) return;
    word.text[open] = '[';
    word.text[close] = ']';
}

void restorePlautineElision(WordBuffer& word) {
    const std::size_t apostrophe = word.view().find('\'');
    if (apostrophe == std::string_view::npos) return;
    const char letter = elisionLetter(word, apostrophe);
    if (letter != '\0') word.text[apostrophe] = letter;
}

void cleanCharacters(WordBuffer& word, const ViewOptions& options) {
    WordBuffer clean;
    for (std::size_t k = 0; k < word.length; ++k) {
        const char ch = word.text[k];
        const auto byte = static_cast<unsigned char>(ch);
        if ((options.botanyActive && isDigit(ch)) || ch == '-' || isLetter(ch) || ch == '_' ||
            ch == '`') {
            clean.append(ch);
            continue;
        }
        bool ligature = false;
        for (const LigatureSplit& split : kLigatures) {
            if (split.from != byte) continue;
            ligature = true;
            if (clean.length < kLigatureSplitLimit) {
                clean.append(split.to[0]);
                clean.append(split.to[1]);
            }
        }
        if (ligature || contains(kDroppedBrackets, ch)) continue;
        if (contains(kKeptMarks, ch)) clean.append(ch);
    }
    word = clean;
}

CapitalCounts foldLetters(WordBuffer& word) {
    CapitalCounts counts;
    for (std::size_t k = 0; k < word.length; ++k) {
        char& ch = word.text[k];
        ch = foldIAndU(ch);
        if (!isUpper(ch)) continue;
        ++counts.capitals;
        if (!isRomanNumeralLetter(ch)) ++counts.nonNumeralCapitals;
    }
    return counts;
}

bool isInitialWithNumeral(const WordBuffer& word) {
    if (word.length < 3 || word.text[1] != '_') return false;
    for (std::size_t k = 2; k < word.length; ++k) {
        if (!isUpper(word.text[k]) || !isRomanNumeralLetter(word.text[k])) return false;
    }
    return true;
}

void shapeLetterCase(WordBuffer& word, const CapitalCounts& counts) {
    const std::string_view text = word.view();
    if (counts.nonNumeralCapitals == 0 && !text.starts_with("IULI") &&
        romanNumeralValue(text) != 0) {
        return;  // a Roman numeral
    }
    const std::size_t underscore = text.find('_', 1);
    if (underscore != std::string_view::npos && underscore <= 3) {
        lowerFrom(word, underscore + 1);  // a joined initial or abbreviation
    } else if (text == "DE") {
        word.text[1] = 'e';
    } else if (text.size() >= 2 && !isLower(text[0]) && counts.capitals <= 1) {
        return;  // a name
    } else {
        lowerFrom(word, 0);
    }
}

std::string_view splitElidedVerb(WordBuffer& word, const ViewOptions& options) {
    if (word.length > 3 && word.view().ends_with("mst")) {
        word.truncate(word.length - 2);
        return "est";
    }
    if (!options.plautusElisions) return {};
    const std::string_view est = splitPlautineEst(word);
    return est.empty() ? splitPlautineEs(word) : est;
}

// An initial y is left as written: word analysis tries it as hy and as i when the dictionary
// does not know the word (ymnus, ymago, Ytalia), so a token is never rewritten into a word that
// the text does not hold.
void repairSpelling(WordBuffer& word, const ViewOptions&) {
    if (startsWithIgnoringCase(word.view(), "uigesi")) word.text[2] = 'c';
}

}  // namespace kavro
