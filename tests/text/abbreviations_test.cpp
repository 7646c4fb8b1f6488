#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"
#include "text/abbreviations.h"

namespace kavro {
namespace {

class Abbreviations : public ::testing::Test {
protected:
    int load(std::string_view fileText) {
        folder.write("UserAbbreviations.txt", fileText);
        EXPECT_TRUE(engine->log.open(folder.file("parser.txt")));
        const int count = loadUserAbbreviations(*engine, table);
        engine->log.close();
        return count;
    }

    std::string expand(std::string_view text) {
        char line[6000];
        copyBounded(line, sizeof line, text);
        expandAbbreviations(table, line, sizeof line);
        return line;
    }

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>(lexicon, options, host, folder.path());
    std::vector<AbbreviationRecord> table;
};

TEST_F(Abbreviations, MissingFileGivesNoneSilently) {
    EXPECT_EQ(loadUserAbbreviations(*engine, table), 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Abbreviations, LinesAreCheckedAndBadOnesRejectedInTheLog) {
    EXPECT_EQ(load("-- consuls\ncoss.\tconsulibus\r\n\n1st\tskipped\nnotab line\n"
                   "abcdefghij\ttoo long\nimp.\t12345678901234567890123\n"
                   "pr.\t123456789012345678901234\n"),
              2);
    EXPECT_EQ(fieldText(table[0].abbreviation), "coss.");
    EXPECT_EQ(fieldText(table[0].expansion), "consulibus");
    EXPECT_EQ(table[0].length, 5);
    EXPECT_EQ(fieldText(table[1].expansion), "12345678901234567890123");
    EXPECT_EQ(folder.read("parser.txt"),
              "Loading user-defined abbreviations..."
              "Rejected user line 'notab line' owing to error.\n"
              "Rejected user line 'abcdefghij\ttoo long' owing to error.\n"
              "Rejected user line 'pr.\t123456789012345678901234' owing to error.\n"
              "Done. Added 2 abbreviations.\n");
}

TEST_F(Abbreviations, TheHundredthEntryEndsReading) {
    std::string text;
    for (int k = 0; k < 120; ++k) text += "a" + std::to_string(k) + ".\tx\n";
    EXPECT_EQ(load(text), 100);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              "Abbreviations - Exceeded max. no. of entries.\nLast line was a99.\tx\n");
}

TEST_F(Abbreviations, WholeWordsWithAFullStopAreWrittenOut) {
    load("coss.\tconsulibus\nc.\tcirca\n");
    EXPECT_EQ(expand("Caesare et Bibulo coss., res gesta est."),
              "Caesare et Bibulo consulibus, res gesta est.");
    EXPECT_EQ(expand("coss. cossus cos. c. C."), "consulibus cossus cos. circa C.");
    EXPECT_EQ(expand("ab a. d. IV"), "ab a_ d_ IV");
}

TEST_F(Abbreviations, ExpansionStopsBeforeTheLineGrowsTooLong) {
    load("c.\tcircaaaaaaaaaaaaaaaaaaa\n");
    std::string text;
    for (int k = 0; k < 1000; ++k) text += "c. ";
    const std::string expanded = expand(text);
    EXPECT_LE(expanded.size(), kExpandedLineLimit);
    EXPECT_TRUE(expanded.ends_with("c. c. "));
}

}  // namespace
}  // namespace kavro
