#include <gtest/gtest.h>

#include "tests/text/text_fixture.h"
#include "text/input_encoding.h"

namespace kavro {
namespace {

TEST(InputEncoding, OnlyWellFormedUtf8WithNonAsciiIsTakenAsUtf8) {
    EXPECT_FALSE(looksLikeUtf8("Gallia est omnis divisa."));
    EXPECT_TRUE(looksLikeUtf8("d\xC4\xABv\xC4\xAB" "sa"));            // dīvīsa
    EXPECT_FALSE(looksLikeUtf8("d\xEDv\xEDsa"));                       // Windows-1252 í
    EXPECT_FALSE(looksLikeUtf8("\xC0\xAF"));                           // overlong "/"
    EXPECT_FALSE(looksLikeUtf8("\xED\xA0\x80"));                       // a surrogate
    EXPECT_FALSE(looksLikeUtf8("ab\xE2\x80"));                         // cut short
}

TEST(InputEncoding, AccentsFoldAndTheRestMapsIntoWindows1252) {
    // Macrons, breves, acute, circumflex, diaeresis; combining macron; BOM; curly quotes.
    EXPECT_EQ(decodeUtf8ToWindows1252("\xEF\xBB\xBF" "\xC4\x80\xC4\x81\xC4\x94\xC4\xAD\xC3\xA9\xC3\xB4"
                                      "\xC3\xAF\xC3\x9C" "a\xCC\x84"),
              "AaEieoiUa");
    EXPECT_EQ(decodeUtf8ToWindows1252("\xC3\xA6\xC3\x86\xC5\x93\xC5\x92"), "\xE6\xC6\x9C\x8C");
    EXPECT_EQ(decodeUtf8ToWindows1252("\xE2\x80\x9C" "a\xE2\x80\x9D \xE2\x80\x98" "b\xE2\x80\x99"),
              "\x93" "a\x94 \x91" "b\x92");
    EXPECT_EQ(decodeUtf8ToWindows1252("\xCE\xBB\xF0\x9F\x98\x80" "x"), "  x");  // Greek, emoji
}

using EncodedInput = TextTest;

TEST_F(EncodedInput, BothEncodingsPrepareToTheSameText) {
    const std::string utf8 =
        "\xEF\xBB\xBF" "Gallia \xC4\x93st omnis d\xC4\xABv\xC4\xAB" "sa, \xE2\x80\x9C" "Tro\xC3\xAF"
        "a\xE2\x80\x9D \xC3\xA6ra.\n";
    const std::string cp1252 = "Gallia est omnis d\xEDv\xEDsa, \x93Tro\xEF" "a\x94 \xE6ra.\n";
    const std::string expected = "Gallia est omnis divisa, \"Troia\" aera.\n";
    EXPECT_EQ(prepare(utf8), expected);
    EXPECT_EQ(prepare(cp1252), expected);
}

TEST_F(EncodedInput, Utf16WithAByteOrderMarkPreparesLikeItsUtf8Twin) {
    // "Gallia ēst dīvīsa 😀 æra." with Windows line ends; the emoji is a surrogate pair.
    const std::u16string text = u"Gallia \u0113st d\u012Bv\u012Bsa \U0001F600 \u00E6ra.\r\nVale.\r\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (const char16_t unit : text) {
        little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        big += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    const std::string expected = prepare(
        "Gallia \xC4\x93st d\xC4\xABv\xC4\xAB" "sa \xF0\x9F\x98\x80 \xC3\xA6ra.\nVale.\n");
    EXPECT_EQ(prepare(little), expected);
    EXPECT_EQ(prepare(big), expected);
    // An unpaired surrogate and an odd last byte are unmappable, not a reason to drop the text.
    EXPECT_EQ(utf16ToUtf8(std::string("\xFF\xFE" "a\0\x00\xD8" "b\0c", 9), Utf16Order::LittleEndian),
              "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST_F(EncodedInput, InvalidUtf8IsReadAsWindows1252) {
    // The bytes are Windows-1252 letters: \xC4 is A-diaeresis and folds like any accented letter.
    EXPECT_EQ(prepare("d\xC4\xABv\xC4\xAB" "sa \xE9t\xE9 \xFF\xFE.\n"), "dA\xABvA\xAB" "sa ete y\xFE.\n");
}

TEST_F(EncodedInput, WindowsLineEndsAreReadAsPlainLineEnds) {
    // The line end's neighbours decide a full stop (a capital two places before it) and the
    // moved-up mark (a comma before the line end), so "\r\n" must count as "\n".
    const std::string unix = "Arma cano ,\nfugit Io\nauro.\n\nVALE\n";
    std::string windows;
    for (char ch : unix) windows += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    const std::string expected = prepare(unix);
    EXPECT_EQ(prepare(windows), expected);
}

}  // namespace
}  // namespace kavro
