#include "core/log_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "core/punctuation_store.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

class LogFixture : public ::testing::Test {
protected:
    LogFixture() : engine(std::make_unique<Engine>(lexicon, options, host, folder.path())) {}

    std::string logText() {
        engine->log.close();
        return folder.read("parser.txt");
    }

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine;
};

// Sunday 6 December 2026, 15:48:00.
std::tm sampleTime() {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 6;
    t.tm_wday = 0;
    t.tm_hour = 15;
    t.tm_min = 48;
    return t;
}

constexpr const char* kCredits = "Kavro Latin 0.1.0\nLatin dictionary: William Whitaker's WORDS\n";
constexpr const char* kDateLines = "Date/time = Sun Dec 06 15:48:00 2026\n\n";

using OutputLogHeader = LogFixture;

TEST_F(OutputLogHeader, PlainHeaderAndReadOnlyTranslationBox) {
    engine->translationEditable = true;
    ASSERT_TRUE(openOutputLog(*engine, sampleTime()));
    EXPECT_FALSE(engine->translationEditable);
    EXPECT_EQ(logText(), std::string(kCredits) + "\n" + kDateLines);
}

TEST_F(OutputLogHeader, NeoLatinBotanyAndInscriptionsLines) {
    options.area = 'Z';
    options.botanyActive = true;
    options.inscriptions = true;
    ASSERT_TRUE(openOutputLog(*engine, sampleTime()));
    EXPECT_EQ(logText(), std::string(kCredits) +
                             "NeoLatin meanings: the modern-Latin entries of William Whitaker's WORDS\n"
                             "Using Botanical Latin Add-on.\n"
                             "\n" +
                             kDateLines + "This file created with INSCRIPTIONS FLAG ON.\n\n");
}

TEST_F(OutputLogHeader, OtherAreasGiveTwoCreditLinesAndReopeningStartsAfresh) {
    options.area = 'B';
    ASSERT_TRUE(openOutputLog(*engine, sampleTime()));
    engine->log.write("first job\n");
    engine->log.close();
    ASSERT_TRUE(openOutputLog(*engine, sampleTime()));
    EXPECT_EQ(logText(), std::string(kCredits) + "\n" + kDateLines);
}

TEST_F(OutputLogHeader, FailureShowsTheBoxAndReturnsFalse) {
    std::filesystem::create_directory(folder.file("parser.txt"));  // cannot be opened as a file
    EXPECT_FALSE(openOutputLog(*engine, sampleTime()));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              "Error in opening output log file.\nIs it open elsewhere? Program cannot run.\n"
              "Cannot open parser.txt: is a folder, not a regular file");
    EXPECT_FALSE(engine->log.isOpen());
}

TEST(HeaderDate, TwoDigitDayAndEnglishNames) {
    std::tm t = sampleTime();
    EXPECT_EQ(headerDateText(t), "Sun Dec 06 15:48:00 2026");
    EXPECT_EQ(headerDateText(t).size(), 24u);
    t.tm_wday = 3;
    t.tm_mon = 0;
    t.tm_mday = 21;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    EXPECT_EQ(headerDateText(t), "Wed Jan 21 09:05:07 2026");
}

// ---- The analysis-table dump ----

class AnalysisDump : public LogFixture {
protected:
    void SetUp() override { ASSERT_TRUE(engine->log.open(engine->file("parser.txt"))); }

    // Stores comma analyses at word position 3 in group 4 and sets the links of the last one.
    void addComma(int a, int b, int c) {
        engine->groupNumber = 4;
        storePunctuation(*engine, "PUNCTA", 3);
        WordAnalysis& r = engine->wordAnalyses[engine->analysisCount - 1];
        r.link1 = static_cast<std::int16_t>(a);
        r.link2 = static_cast<std::int16_t>(b);
        r.link3 = static_cast<std::int16_t>(c);
    }
    void addEveryLinkPattern() {
        addComma(-1, -1, -1);
        addComma(2, -1, -1);
        addComma(2, 5, -1);
        addComma(-1, -1, 7);  // a third link shows all three, even empty ones
    }
};

TEST_F(AnalysisDump, EmptyTableIsOneEmptyLine) {
    dumpAnalysisTable(*engine);
    EXPECT_EQ(logText(), "\n");
}

TEST_F(AnalysisDump, WithoutGroupsLinksInUseChooseTheLayout) {
    addEveryLinkPattern();
    dumpAnalysisTable(*engine);
    EXPECT_EQ(logText(),
              "0: 3   , PUNCT  ,    ,\n"
              "1: 3 2 , PUNCT  ,    ,\n"
              "2: 3 2+5 , PUNCT  ,    ,\n"
              "3: 3 -1+-1+7 , PUNCT  ,    ,\n"
              "\n");
}

TEST_F(AnalysisDump, WithGroupsTheFirstLinkIsAlwaysShown) {
    options.dumpGroups = true;
    addEveryLinkPattern();
    dumpAnalysisTable(*engine);
    EXPECT_EQ(logText(),
              "0: 3 4 -1 , PUNCT  ,    ,\n"
              "1: 3 4 2 , PUNCT  ,    ,\n"
              "2: 3 4 2+5 , PUNCT  ,    ,\n"
              "3: 3 4 -1+-1+7 , PUNCT  ,    ,\n"
              "\n");
}

TEST_F(AnalysisDump, UnterminatedTextFieldsStopAtTheirEnd) {
    addComma(-1, -1, -1);
    WordAnalysis& r = engine->wordAnalyses[0];
    std::memset(r.analysedForm, 'f', sizeof r.analysedForm);
    std::memset(r.english, 'e', sizeof r.english);
    dumpAnalysisTable(*engine);
    EXPECT_EQ(logText(), "0: 3   " + std::string(24, 'f') + " PUNCT  ,    " + std::string(24, 'e') + "\n\n");
}

// ---- Punctuation records ----

using PunctuationStore = LogFixture;

TEST_F(PunctuationStore, CommaBecomesAPunctuationAnalysisInTheCurrentGroup) {
    engine->groupNumber = 7;
    engine->analysisCount = 2;
    storePunctuation(*engine, "PUNCTA", 5);
    ASSERT_EQ(engine->analysisCount, 3);
    EXPECT_EQ(engine->groupNumber, 7);
    const WordAnalysis& a = engine->wordAnalyses[2];
    EXPECT_EQ(a.partOfSpeech, speech_type::Punctuation);
    EXPECT_EQ(a.kind1, punctuation_type::Comma);
    EXPECT_EQ(a.wordPosition, 5);
    EXPECT_EQ(a.groupNumber, 7);
    EXPECT_EQ(a.rarity, 1);
    EXPECT_EQ(a.ageLevel, 0);
    EXPECT_EQ(a.link1, -1);
    EXPECT_EQ(a.link2, -1);
    EXPECT_EQ(a.link3, -1);
    EXPECT_STREQ(a.analysedForm, ",");
    EXPECT_STREQ(a.english, ",");
}

TEST_F(PunctuationStore, FullStopOpeningParenthesisAndMalformedTokens) {
    storePunctuation(*engine, "PUNCT@", 0);
    storePunctuation(*engine, "PUNCTI", 1);
    storePunctuation(*engine, "PUNCT", 2);
    storePunctuation(*engine, "PUNCTZ", 3);
    ASSERT_EQ(engine->analysisCount, 4);
    EXPECT_EQ(engine->wordAnalyses[0].kind1, punctuation_type::FullStop);
    EXPECT_STREQ(engine->wordAnalyses[0].analysedForm, ".");
    EXPECT_STREQ(engine->wordAnalyses[1].analysedForm, "(");
    EXPECT_STREQ(engine->wordAnalyses[1].english, " (");
    // A token carrying no mark gets a code that prints as unknown, and no text.
    for (int i : {2, 3}) {
        EXPECT_EQ(engine->wordAnalyses[i].kind1, 255);
        EXPECT_STREQ(engine->wordAnalyses[i].analysedForm, "");
    }
}

TEST_F(PunctuationStore, The1200thRecordWarnsAndRestartsTheTable) {
    ASSERT_TRUE(engine->log.open(engine->file("parser.txt")));
    const std::string warning =
        "Too many words stored for automatic translation.\nRe-setting number of stored words to zero.\n";
    engine->analysisCount = static_cast<int>(kAnalysisCapacity) - 2;
    storePunctuation(*engine, "PUNCTA", 1);
    EXPECT_EQ(engine->analysisCount, static_cast<int>(kAnalysisCapacity) - 1);
    EXPECT_TRUE(host.boxes.empty());

    storePunctuation(*engine, "PUNCTB", 2);
    EXPECT_EQ(engine->analysisCount, 0);
    EXPECT_EQ(engine->wordAnalyses[kAnalysisCapacity - 1].kind1, punctuation_type::QuestionMark);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, warning);
    EXPECT_EQ(engine->messageBuffer, warning);
    EXPECT_EQ(engine->warningBoxCount, 1);

    // Once two boxes have been shown the warning only goes to the log.
    engine->warningBoxCount = 2;
    engine->analysisCount = static_cast<int>(kAnalysisCapacity) - 1;
    storePunctuation(*engine, "PUNCTA", 3);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(logText(), warning + warning);
}

TEST_F(PunctuationStore, ACountOutsideTheTableIsNeverWrittenThrough) {
    engine->analysisCount = static_cast<int>(kAnalysisCapacity) + 5;
    storePunctuation(*engine, "PUNCTA", 1);
    EXPECT_EQ(engine->analysisCount, 1);
    EXPECT_EQ(engine->wordAnalyses[0].kind1, punctuation_type::Comma);
}

}  // namespace
}  // namespace kavro
