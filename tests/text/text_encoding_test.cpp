#include <gtest/gtest.h>

#include "text/text_encoding.h"

namespace kavro {
namespace {

TEST(Windows1252ToUtf8, AsciiRunsPassThroughAndHighBytesBecomeTheirCodePoints) {
    EXPECT_EQ(windows1252ToUtf8(""), "");
    EXPECT_EQ(windows1252ToUtf8("amo amas amat.\n"), "amo amas amat.\n");
    // Latin-1 letters, the Windows-1252 specials (euro, curly quotes, oe) and an undefined byte
    // (0x81 keeps its control code point) between ASCII runs, and at both ends.
    EXPECT_EQ(windows1252ToUtf8("\xE6quor \x93uir\x94 \x80\x9C"),
              "\xC3\xA6quor \xE2\x80\x9Cuir\xE2\x80\x9D \xE2\x82\xAC\xC5\x93");
    EXPECT_EQ(windows1252ToUtf8(std::string_view("\x81\0x", 3)), std::string("\xC2\x81\0x", 4));
    EXPECT_EQ(windows1252ToUtf8("\xFF"), "\xC3\xBF");
}

}  // namespace
}  // namespace kavro
