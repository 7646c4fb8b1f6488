#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/command_error.h"
#include "text/latin_input.h"

namespace kavro {
namespace {

struct ReadOutcome {
    bool refused = false;
    std::string stderrText;
    std::string kept;
};

// readCheckedText on `in`, with whether it ended the command and the error line the command
// line prints for it.
ReadOutcome readChecked(std::FILE* in, const char* name, std::uint64_t limit) {
    ReadOutcome outcome;
    try {
        outcome.kept = readCheckedText(in, name, true, limit);
    } catch (const CommandError& e) {
        outcome.refused = true;
        outcome.stderrText = std::string("kavro: error: ") + e.what() + "\n";
    }
    return outcome;
}

ReadOutcome readBytes(const std::string& bytes, std::uint64_t limit) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    ReadOutcome outcome = readChecked(file, "input.txt", limit);
    std::fclose(file);
    return outcome;
}

TEST(LatinInput, TextIsCheckedAsItIsReadAndRefusedOverTheLimit) {
    const std::string text = "Gallia est.\n";
    const std::string utf16 = std::string("\xFF\xFEG\0a\0l\0.\0\n\0", 12);
    struct Case {
        std::string bytes;
        std::uint64_t limit;
        const char* error;  // the whole message; nullptr when the text is accepted
    } const cases[] = {
        {text, text.size(), nullptr},
        {text, text.size() - 1, "kavro: error: input.txt: is larger than 11 bytes\n"},
        {utf16, 100, nullptr},  // its NUL high bytes are no NUL characters
        {std::string("Gal\0lia", 7), 100, "kavro: error: input.txt: not a text file (it holds NUL bytes)\n"},
        {"a\x01\x02\x03 b", 100, "kavro: error: input.txt: not a text file (it holds binary data)\n"},
    };
    for (const Case& c : cases) {
        const ReadOutcome outcome = readBytes(c.bytes, c.limit);
        EXPECT_EQ(outcome.refused, c.error != nullptr) << c.bytes;
        EXPECT_EQ(outcome.stderrText, c.error ? c.error : "") << c.bytes;
        if (!c.error) {
            EXPECT_EQ(outcome.kept, c.bytes);
        }
    }
}

TEST(LatinInput, EndlessInputIsRefusedAtItsFirstBadChunk) {
    // Read whole before checking, /dev/zero would take memory until the limit.
    std::FILE* zeros = std::fopen("/dev/zero", "rb");
    ASSERT_NE(zeros, nullptr);
    const ReadOutcome outcome = readChecked(zeros, "/dev/zero", kInputSizeLimit);
    std::fclose(zeros);
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.stderrText, "kavro: error: /dev/zero: not a text file (it holds NUL bytes)\n");
}

}  // namespace
}  // namespace kavro
