#include <gtest/gtest.h>

#include "text/roman_numerals.h"

namespace kavro {
namespace {

TEST(RomanNumerals, ValuesBySubtraction) {
    EXPECT_EQ(romanNumeralValue("XIV"), 14);
    EXPECT_EQ(romanNumeralValue("XIU"), 14);
    EXPECT_EQ(romanNumeralValue("MCMXCIX"), 1999);
    EXPECT_EQ(romanNumeralValue("IIII"), 4);
    EXPECT_EQ(romanNumeralValue("CCXL"), 240);
    EXPECT_EQ(romanNumeralValue("D"), 500);
}

TEST(RomanNumerals, NonNumeralsAreZero) {
    EXPECT_EQ(romanNumeralValue(""), 0);
    EXPECT_EQ(romanNumeralValue("S"), 0);
    EXPECT_EQ(romanNumeralValue("ABC"), 0);
    EXPECT_EQ(romanNumeralValue("xiv"), 0);
    EXPECT_EQ(romanNumeralValue("IM"), 0);   // more than ten times the letter before
    EXPECT_EQ(romanNumeralValue("VX"), 0);   // twice the letter before
    EXPECT_EQ(romanNumeralValue("LC"), 0);   // twice the letter before
    EXPECT_EQ(romanNumeralValue("XVV"), 0);  // a pair of V after X
}

TEST(RomanNumerals, FinalSIsAHalf) {
    const RomanNumeral numeral = readRomanNumeral("XIIS");
    EXPECT_EQ(numeral.value, 12);
    EXPECT_TRUE(numeral.half);
    char digits[16];
    EXPECT_EQ(romanNumeralDigits(numeral, digits, sizeof digits), 3u);
    EXPECT_STREQ(digits, "12\xBD");
    EXPECT_EQ(romanNumeralDigits(readRomanNumeral("XIV"), digits, 2), 1u);
    EXPECT_STREQ(digits, "1");
}

}  // namespace
}  // namespace kavro
