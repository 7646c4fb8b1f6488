// The spell-check: the form each written word is analysed in, and whole texts checked against
// the compiled lexicon (skipped when the build has not compiled it).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/spell_check.h"
#include "tests/support/compiled_engine.h"

namespace kavro::testing {
namespace {

TEST(SpellCheckForm, JAndVAreReadAsIAndUAndMarksAreLeftOut) {
    struct Case {
        const char* written;
        const char* form;
    };
    const Case cases[] = {
        {"jam", "iam"},          {"Vae", "Uae"},         {"JVLIVS", "IULIUS"},
        {"divisa,", "diuisa"},   {"tres.\"!?", "tres"},  {"(quod)", "quod"},
        {"((quod", "(quod"},     {"[sic];:'", "sic"},    {"a.b", "a.b"},
        {"...", ""},             {"-que", "-que"},       {"3uiri", "3uiri"},
    };
    for (const Case& c : cases) EXPECT_EQ(spellCheckForm(c.written), c.form) << c.written;
}

class SpellCheck : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveCompiledData()) GTEST_SKIP() << "the lexicon has not been compiled";
        compiled = std::make_unique<CompiledEngine>(ViewOptions{});
    }
    Engine& engine() { return *compiled->engine; }
    std::unique_ptr<CompiledEngine> compiled;
};

constexpr std::string_view kHeader = "{\\rtf1 {SPELL-CHECK\\par}\n";

TEST_F(SpellCheck, UnknownWordsDigitsAndBareMarksAreUnderlinedAndListedWithTheirPlace) {
    const std::string text =
        "Gallia est omnis divisa in partes tres,\r\n"
        " jam \x93Roma\x94 xqzt, 3viri ;;\n"
        "\n"
        "Vae victis\txqzt";
    const SpellCheckResult r = spellCheckText(engine(), text);
    EXPECT_EQ(r.checkedText, text);
    EXPECT_EQ(r.failsText, std::string(kHeader) +
                               "{Gallia est omnis divisa in partes tres, \\par }\n"
                               "{jam \"Roma\"  \\ul xqzt,}{  \\ul 3viri}{  \\ul ;;}{ \\par }\n"
                               "{\\par }\n"
                               "{Vae victis  \\ul xqzt}{ \\par }\n"
                               "\\par }\n");
    struct Place {
        int line, column;
        std::string word;
    };
    const std::vector<Place> expected = {{2, 13, "xqzt,"}, {2, 19, "3viri"}, {2, 25, ";;"}, {4, 12, "xqzt"}};
    ASSERT_EQ(r.unrecognised.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.unrecognised[i].line, expected[i].line) << i;
        EXPECT_EQ(r.unrecognised[i].column, expected[i].column) << i;
        EXPECT_EQ(r.unrecognised[i].word, expected[i].word) << i;
    }
    // The run leaves the options and flags as it found them and nothing in the log.
    EXPECT_FALSE(engine().options.sentenceMode);
    EXPECT_FALSE(engine().spellCheckRunning);
    EXPECT_EQ(compiled->host.statuses, (std::vector<std::string>{"Spell-checking...", "Ready"}));
}

// A capitalised word that only a name would explain is unrecognised unless names are expected;
// a capitalised word of the dictionary is recognised either way.
TEST_F(SpellCheck, UnknownCapitalisedWordsAreNamesOnlyWhenNamesAreExpected) {
    const std::string text = "Xqztbv Caesar Moyses xqztbv";
    const SpellCheckResult unknown = spellCheckText(engine(), text);
    std::vector<std::string> words;
    for (const UnrecognisedWord& w : unknown.unrecognised) words.push_back(w.word);
    EXPECT_EQ(words, (std::vector<std::string>{"Xqztbv", "xqztbv"})) << "Moyses is a name the dictionary knows";
    const SpellCheckResult named = spellCheckText(engine(), text, SpellNames::Expected);
    ASSERT_EQ(named.unrecognised.size(), 1u);
    EXPECT_EQ(named.unrecognised[0].word, "xqztbv") << "a word in lower case is no name";
}

TEST_F(SpellCheck, EveryWordOfALongLineIsCheckedAndKept) {
    std::string line;
    for (int i = 0; i < 60; ++i) line += i % 2 ? "est " : "xqzt ";
    const SpellCheckResult r = spellCheckText(engine(), line);
    ASSERT_EQ(r.unrecognised.size(), 30u);
    EXPECT_EQ(r.unrecognised.back().column, 58 / 2 * 9 + 1);
    std::size_t underlined = 0;
    for (std::size_t at = 0; (at = r.failsText.find("\\ul xqzt}", at)) != std::string::npos; ++at)
        ++underlined;
    EXPECT_EQ(underlined, 30u);
}

TEST_F(SpellCheck, OversizedWordsAndRichTextMarksAreUnderlinedSafely) {
    const std::string giant(5000, 'a');
    const SpellCheckResult r = spellCheckText(engine(), giant + " {\\par} \xe6quus");
    ASSERT_EQ(r.unrecognised.size(), 3u);
    EXPECT_EQ(r.unrecognised[0].word, giant);
    EXPECT_EQ(r.unrecognised[1].word, "{\\par}");
    EXPECT_NE(r.failsText.find(" \\ul \\{\\\\par\\}}{  \\ul \\'e6quus}{ "), std::string::npos)
        << r.failsText;
}

}  // namespace
}  // namespace kavro::testing
