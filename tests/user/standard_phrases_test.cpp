// Reading userphrases.txt: the lines, the sorted table with its letter index, and the loader.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/startup_stages.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"
#include "user/standard_phrases.h"

namespace kavro {
namespace {

std::vector<std::string> wordsOf(const StandardPhraseRecord& r) {
    std::vector<std::string> words;
    for (int k = 0; k < phraseWordCount(r); ++k) words.emplace_back(fieldText(r.words[k]));
    return words;
}

// A line as the scrambled form stores it: "*", a free character, the text turned half-way
// round the printable range, with a filler after every five characters.
std::string scramble(std::string_view plain) {
    std::string line = "*k";
    for (std::size_t k = 0; k < plain.size(); ++k) {
        const char c = plain[k];
        line += c >= '!' && c <= '~' ? static_cast<char>('!' + (c - '!' + 47) % 94) : c;
        if (k % 5 == 4) line += '#';
    }
    return line;
}

TEST(PhraseLines, AreAcceptedOrRejectedAndStored) {
    const std::string longest(kPhraseEnglishMax, 'e');
    struct Case {
        std::string line;
        std::vector<std::string> words;  // empty: rejected
        std::string english;
    };
    const Case cases[] = {
        {"Rem Publicam/the state", {"rem", "publicam"}, "the state"},
        {"Jam  Vero jurare /now indeed", {"iam", "uero", "iurare"}, "now indeed"},
        {"a b c d e/five", {"a", "b", "c", "d", "e"}, "five"},
        {"a b c d e f/six", {}, ""},
        {"popul.us Roman.us/the Roman people", {"popul.us", "roman.us"}, "the Roman people"},
        {"popul.us Romanus/x", {}, ""},
        {"popul..us Roman/x", {}, ""},
        {"gratias agere/INF2, 2 to give thanks", {"gratias", "agere"}, "INF2, 2 to give thanks"},
        {"gratias agere/INF0, 2 to give thanks", {}, ""},
        {"gratias agere/INF2, 2 give thanks", {}, ""},
        {"gratias agere/INF3, 1 to give thanks", {}, ""},
        {"x/s\\he\\it ^be his\\her\\their him\\her", {"x"}, "s/he/it ^be his/her/their him/her"},
        {"x/he\\they and s\\her, wash\\to wash", {"x"}, "he/they and s\\her, wash\\to wash"},
        {"uerbumlongiusquamuiginti duo/x", {"uerbumlongiusquamuigin", "duo"}, "x"},
        {"x/" + longest, {"x"}, longest},
        {"x/" + longest + "e", {}, ""},
        {"x/", {}, ""},
        {"res publica", {}, ""},
        {"  /x", {}, ""},
    };
    for (const Case& c : cases) {
        std::vector<StandardPhraseRecord> table;
        EXPECT_EQ(parsePhraseLine(c.line, table), !c.words.empty()) << c.line;
        if (c.words.empty()) continue;
        ASSERT_EQ(table.size(), 1u);
        EXPECT_EQ(wordsOf(table[0]), c.words) << c.line;
        EXPECT_EQ(fieldText(table[0].english), c.english) << c.line;
    }
}

TEST(PhraseIndex, EveryLetterFindsItsPhrasesAndTheIndexIsClosed) {
    std::vector<StandardPhraseRecord> table;
    for (const char* line : {"mala fide/m", "de iure/d2", "ad hoc/a", "de facto/d1", "de/d0"})
        ASSERT_TRUE(parsePhraseLine(line, table));
    sortStandardPhrases(table);
    Lexicon lexicon;
    lexicon.standardPhrases = table;
    EXPECT_EQ(buildPhraseIndex(table, lexicon.phraseIndex), 26);
    const PhraseIndex& index = lexicon.phraseIndex;
    // Sorted: ad hoc, de, de facto, de iure, mala fide.
    const std::uint32_t expected[] = {0, 1, 1, 1, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    for (int k = 0; k < 26; ++k) {
        EXPECT_EQ(index[k].firstPhrase, k < 13 ? expected[k] : 4u) << char('a' + k);
        EXPECT_EQ(fieldText(index[k].letter), std::string(1, char('a' + k)));
    }
    EXPECT_EQ(index[kPhraseIndexClosing].firstPhrase, 5u);
    EXPECT_EQ(fieldText(index[kPhraseIndexClosing].letter), "MAX_ENTRIES");

    const auto english = [&](std::string_view word) {
        std::string all;
        for (const StandardPhraseRecord& r : phrasesStartingWith(lexicon, word))
            all += std::string(fieldText(r.english)) + " ";
        return all;
    };
    EXPECT_EQ(english("de"), "d0 d1 d2 ");
    EXPECT_EQ(english("mala"), "m ");  // the last phrase, which letters n..z point at
    EXPECT_EQ(english("ad"), "a ");
    EXPECT_EQ(english("zeta"), "");
    EXPECT_EQ(english("d"), "");
}

class PhraseFile : public ::testing::Test {
protected:
    int load(std::string_view name, std::string_view text) {
        folder.write(name, text);
        EXPECT_TRUE(engine->log.open(folder.file("parser.txt")));
        const int count = loadStandardPhrases(*engine, lexicon);
        engine->log.close();
        return count;
    }

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine =
        std::make_unique<Engine>(lexicon, options, host, folder.path());
};

TEST_F(PhraseFile, LinesAreReadSortedAndIndexedWithTheirLogLines) {
    const std::string text = "-- a comment\r\nres publica/the state\r\n\n\t/tab line\n1 digit/x\n" +
                             scramble("ad hoc/for this") + "\n" + scramble("bad\x7f/x") +
                             "\na b c d e f/six words\n{brace/beyond z\n";
    EXPECT_EQ(load("UserPhrases.txt", text), 3);
    ASSERT_EQ(lexicon.standardPhrases.size(), 3u);
    EXPECT_EQ(fieldText(lexicon.standardPhrases[0].english), "for this");
    EXPECT_EQ(fieldText(lexicon.standardPhrases[1].english), "the state");
    EXPECT_EQ(lexicon.phraseIndex[kPhraseIndexClosing].firstPhrase, 3u);
    EXPECT_EQ(folder.read("parser.txt"),
              "Loading Latin Standard Phrases..."
              "Rejected user line 'a b c d e f/six words' owing to error.\n"
              "indices wrong. k = 27, should be 26.\n"
              "Done. Added 3 LSPs.\n");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(PhraseFile, AMissingFileIsReportedAndThePassSwitchesItselfOff) {
    EXPECT_TRUE(engine->log.open(folder.file("parser.txt")));
    EXPECT_EQ(loadStandardPhrases(*engine, lexicon), 0);
    engine->log.close();
    applyStandardPhrases(*engine);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "Cannot open 'userphrases.txt'.\n");
    EXPECT_EQ(host.boxes[1].text,
              "There must be an entry for 'z' in your list of user LSPs!\n LSPs cancelled.");
    EXPECT_FALSE(options.allowUserPhrases);
}

}  // namespace
}  // namespace kavro
