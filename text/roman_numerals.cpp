#include "text/roman_numerals.h"

#include <cstdio>

namespace kavro {
namespace {

constexpr char kHalfSign = '\xBD';  // Windows-1252 one half

int letterValue(char ch) {
    switch (ch) {
        case 'C': return 100;
        case 'D': return 500;
        case 'I': return 1;
        case 'L': return 50;
        case 'M': return 1000;
        case 'U':
        case 'V': return 5;
        case 'X': return 10;
        default: return 0;
    }
}

}  // namespace

bool isRomanNumeralLetter(char ch) { return letterValue(ch) != 0; }

RomanNumeral readRomanNumeral(std::string_view word) {
    RomanNumeral numeral;
    if (word.empty()) return numeral;
    if (word.size() > 1 && word.back() == 'S') {
        numeral.half = true;
        word.remove_suffix(1);
    }
    int total = letterValue(word[0]);
    for (std::size_t k = 1; k < word.size(); ++k) {
        const int b = letterValue(word[k]);
        const int a = letterValue(word[k - 1]);
        const bool hasZ = k >= 2;
        const int z = hasZ ? letterValue(word[k - 2]) : 0;
        if (b == 0 || a == 0 || (hasZ && z == 0)) return {};
        if (b > a) {
            if (b == 2 * a || (hasZ && 2 * a == z) || b > 10 * a) return {};
            total += b - 2 * a;
        } else {
            if (b == a && hasZ && 2 * a == z) return {};
            total += b;
        }
    }
    if (total == 0) return {};
    numeral.value = total;
    return numeral;
}

int romanNumeralValue(std::string_view word) { return readRomanNumeral(word).value; }

std::size_t romanNumeralDigits(const RomanNumeral& numeral, char* out, std::size_t capacity) {
    if (capacity == 0) return 0;
    int written = std::snprintf(out, capacity, "%d", numeral.value);
    if (written < 0) written = 0;
    std::size_t length = static_cast<std::size_t>(written) < capacity
                             ? static_cast<std::size_t>(written)
                             : capacity - 1;
    if (numeral.half && length + 1 < capacity) {
        out[length++] = kHalfSign;
        out[length] = '\0';
    }
    return length;
}

}  // namespace kavro
