#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
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

// The UTF-16 of `text` after a byte-order mark, with `tail` (an odd byte, say) appended.
std::string utf16(std::u16string_view text, bool bigEndian, std::string_view tail = "") {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes + std::string(tail);
}

// The lines an fgets-like read of the whole decoded text gives with a buffer of `capacity`.
std::vector<std::string> wholeTextLines(const std::string& bytes, std::size_t capacity) {
    const std::string decoded = decodeLatinBytes(bytes);
    std::string text;
    for (std::size_t at = 0; at < decoded.size(); ++at) {
        if (decoded.compare(at, 2, "\r\n") == 0) continue;
        text += decoded[at] == '\0' ? ' ' : decoded[at];
    }
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
        const std::size_t length = std::min(end - at, capacity - 1);
        lines.push_back(text.substr(at, length));
        at += length;
    }
    return lines;
}

std::vector<std::string> streamedLines(LatinInputReader& reader, std::size_t capacity) {
    std::vector<std::string> lines;
    std::vector<char> buffer(capacity);
    std::size_t length = 0;
    while (reader.readLine(buffer.data(), capacity, length) == LatinInputReader::Result::Line) {
        EXPECT_EQ(buffer[length], '\0');
        lines.emplace_back(buffer.data(), length);
    }
    EXPECT_EQ(reader.readLine(buffer.data(), capacity, length), LatinInputReader::Result::End);
    return lines;
}

TEST(LatinInputReader, ReadingInSmallBlocksGivesTheLinesOfTheWholeDecodedText) {
    using E = InputEncoding;
    using namespace std::literals;
    const std::string validUtf8 = "\xEF\xBB\xBF" "d\xC4\xABv\xC4\xAB" "sa \xE2\x80\x9C" "a\xCC\x84"
                                  "\xE2\x80\x9D \xF0\x9F\x98\x80 \xC5\x93ra.\r\nVale.\n";
    const struct {
        const char* name;
        std::string bytes;
        InputEncoding encoding;
    } cases[] = {
        {"ASCII", "Gallia est omnis divisa\nin partes tres.", E::Windows1252},
        {"Windows-1252", "d\xEDv\xEDsa \x93Tro\xEF" "a\x94 \xE6ra.\n", E::Windows1252},
        {"UTF-8, 2 to 4 bytes a letter, combining accent", validUtf8, E::Utf8},
        {"UTF-8 malformed in its last line", validUtf8 + "\xC3\xA9t\xE9.\n", E::Windows1252},
        {"UTF-8 cut short at the end", validUtf8 + "\xE2\x80", E::Windows1252},
        {"CR before a dropped accent and LF", "\xC3\xA9\r\xCC\x84\nab\r\r\n\rc\r", E::Utf8},
        {"NUL bytes, CRLF, CR at the end", "a\0b\r\nc\0\r\n\r"s, E::Windows1252},
        {"UTF-16LE, surrogate pair, CRLF", utf16(u"d\u012Bv \U0001F600 \u00E6ra.\r\nVale.\r\n", false),
         E::Utf16},
        {"UTF-16BE, surrogate pair, CRLF", utf16(u"d\u012Bv \U0001F600 \u00E6ra.\r\nVale.\r\n", true),
         E::Utf16},
        {"UTF-16LE, unpaired surrogates, odd last byte", utf16(u"a\xD800" "b\xDC00\xD83D\r\n", false, "c"),
         E::Utf16},
        {"UTF-16BE, only ASCII, a NUL", utf16(u"ab\0c\r\nd\r"sv, true), E::Utf16},
        {"long lines", std::string(23, 'x') + "\n" + std::string(17, 'y') + "\r\n", E::Windows1252},
    };
    testing::TempFolder folder;
    const std::filesystem::path file = folder.file("latin.lat");
    for (const auto& c : cases) {
        folder.write("latin.lat", c.bytes);
        for (const std::size_t capacity : {2, 3, 7, 100}) {
            const std::vector<std::string> expected = wholeTextLines(c.bytes, capacity);
            for (std::size_t blockSize = 1; blockSize <= 9; ++blockSize) {
                SCOPED_TRACE(std::string(c.name) + ", buffer " + std::to_string(capacity) +
                             ", block " + std::to_string(blockSize));
                LatinInputReader reader(file, blockSize);
                ASSERT_TRUE(reader.isOpen());
                EXPECT_EQ(reader.encoding(), c.encoding);
                EXPECT_EQ(streamedLines(reader, capacity), expected);
            }
        }
    }
    // A file that cannot be read (a folder) is an error, not an empty text.
    LatinInputReader unreadable(folder.path());
    char line[8];
    std::size_t length = 0;
    EXPECT_EQ(unreadable.readLine(line, sizeof line, length), LatinInputReader::Result::Error);
}

}  // namespace
}  // namespace kavro
