// Roman numerals written in capitals (U and V both five, a final S a half).
#pragma once

#include <cstddef>
#include <string_view>

namespace kavro {

struct RomanNumeral {
    int value = 0;      // 0: not a numeral
    bool half = false;  // a final S added a half
};

// Reads `word` as a Roman numeral by the subtraction rules; value 0 if it is not one.
RomanNumeral readRomanNumeral(std::string_view word);

// The value of `word` as a Roman numeral, or 0 if it is not one.
int romanNumeralValue(std::string_view word);

// The numeral in digits as word analysis shows it ("14", or "7" followed by the Windows-1252
// one-half sign for VIIS); NUL-terminated in `out`, returns the length written.
std::size_t romanNumeralDigits(const RomanNumeral& numeral, char* out, std::size_t capacity);

// Letters that may make up a Roman numeral.
bool isRomanNumeralLetter(char ch);

}  // namespace kavro
