#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/translate_command.h"
#include "core/engine.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

constexpr const char* kLongTranslationBox =
    "Long translation truncated to 199999 chars.\nSuggest you rename PARSER.TXT and view it later "
    "in a wordprocessor.";

class Boxes : public ::testing::Test {
protected:
    Boxes() : engine(std::make_unique<Engine>(lexicon, options, host, folder.path())) {}

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine;
};

TEST_F(Boxes, AShortLogIsShownWholeAndEditableOnlyInSentenceMode) {
    folder.write("parser.txt", "the log\n");
    engine->latinText = "Gallia est.";
    BoxContents b = showTranslation(*engine);
    EXPECT_EQ(b.translationBox, "the log\n");
    EXPECT_EQ(b.latinBox, "Gallia est.\n");
    EXPECT_FALSE(b.translationEditable);
    EXPECT_EQ(b.translationTextLimit, 200100);
    EXPECT_TRUE(host.boxes.empty());
    options.sentenceMode = true;
    EXPECT_TRUE(showTranslation(*engine).translationEditable);
}

TEST_F(Boxes, ALogOf199999BytesIsCutAndMarked) {
    options.sentenceMode = true;
    folder.write("parser.txt", std::string(199998, 'a'));
    EXPECT_EQ(showTranslation(*engine).translationBox.size(), 199998u);
    EXPECT_TRUE(host.boxes.empty());

    const std::string log = std::string(199985, 'a') + std::string(100000, 'b');
    folder.write("parser.txt", log);
    const BoxContents b = showTranslation(*engine);
    EXPECT_EQ(b.translationBox, std::string(199985, 'a') + "\nTRUNCATED.");
    EXPECT_FALSE(b.translationEditable);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, kLongTranslationBox);
    EXPECT_EQ(folder.read("parser.txt"), log);  // the file itself stays whole

    engine->searchRunning = true;
    showTranslation(*engine);
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(engine->messageBuffer, kLongTranslationBox);
}

TEST_F(Boxes, AnUnreadableLogLeavesEnglishInTheBox) {
    const BoxContents b = showTranslation(*engine);
    EXPECT_EQ(b.translationBox, "English");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Cannot open read file 'Parser.Txt'.");
}

TEST_F(Boxes, ATruncatedLatinTextIsMarked) {
    folder.write("parser.txt", "x");
    engine->latinText = std::string(200000, 'l');
    engine->latinTruncated = true;
    const BoxContents b = showTranslation(*engine);
    EXPECT_EQ(b.latinBox, std::string(199985, 'l') + "\nTRUNCATED.\n");
    EXPECT_EQ(host.boxes[0].text, "Latin Text truncated.");
}

TEST_F(Boxes, EmptyLatinLeavesASpaceAndResetsTheCounters) {
    folder.write("parser.txt", "x");
    engine->analysisCount = 7;
    engine->wordCount = 3;
    engine->latinTruncated = true;
    const BoxContents b = emptyLatin(*engine);
    EXPECT_EQ(b.latinBox, " \n");
    EXPECT_EQ(engine->analysisCount, 0);
    EXPECT_EQ(engine->wordCount, 0);
    EXPECT_FALSE(engine->latinTruncated);
    EXPECT_TRUE(host.boxes.empty());
}

class TranslateCommand : public Boxes {};

TEST_F(TranslateCommand, TheWholeLatinBoxIsStoredAndTranslated) {
    const TranslateResult r = translateLatinBox(*engine, {"", "", "Gallia est omnis divisa.\n"});
    EXPECT_EQ(r.outcome, TranslateOutcome::JobRan);
    EXPECT_EQ(r.job.status, JobStatus::Completed);
    EXPECT_TRUE(r.job.boxesRefreshed);
    EXPECT_EQ(folder.read("latin.lat"), "Gallia est omnis divisa.\n");
    EXPECT_NE(folder.read("parser.txt").find("Done. No. of words translated in file = "), std::string::npos);
    EXPECT_EQ(currentBoxContents(*engine).translationBox, folder.read("parser.txt"));
}

TEST_F(TranslateCommand, ASelectionIsStoredInsteadOfTheBox) {
    translateLatinBox(*engine, {"amo amas", "", "Gallia est omnis divisa."});
    EXPECT_EQ(folder.read("latin.lat"), "amo amas");
    // In sentence mode a selection in the Translation box counts when the Latin box has none.
    options.sentenceMode = true;
    translateLatinBox(*engine, {"", "  arma virumque  ", "Gallia"});
    EXPECT_EQ(folder.read("latin.lat"), "  arma virumque  ");
}

TEST_F(TranslateCommand, OneSelectedWordInSentenceModeGoesToTheSingleWordTranslation) {
    options.sentenceMode = true;
    folder.write("parser.txt", "untouched");
    const TranslateResult r = translateLatinBox(*engine, {"  amo ", "", "Gallia"});
    EXPECT_EQ(r.outcome, TranslateOutcome::SingleWord);
    EXPECT_EQ(r.singleWord, "amo");
    EXPECT_EQ(folder.read("parser.txt"), "untouched");
    EXPECT_FALSE(std::filesystem::exists(folder.file("latin.lat")));

    // Outside sentence mode the word is run as a one-word text; spaces alone are text too.
    options.sentenceMode = false;
    EXPECT_EQ(translateLatinBox(*engine, {"amo", "", ""}).outcome, TranslateOutcome::JobRan);
    EXPECT_EQ(folder.read("latin.lat"), "amo");
    options.sentenceMode = true;
    EXPECT_EQ(translateLatinBox(*engine, {"   ", "", ""}).outcome, TranslateOutcome::JobRan);
}

TEST_F(TranslateCommand, OverLongTextsAreRefused) {
    TranslateResult r = translateLatinBox(*engine, {std::string(1999, 'a'), "", ""});
    EXPECT_EQ(r.outcome, TranslateOutcome::SelectionTooLong);
    EXPECT_EQ(host.boxes.back().text, "Selected text is too long.\nImport a text file instead.");
    EXPECT_EQ(translateLatinBox(*engine, {std::string(1998, 'a') + " b", "", ""}).outcome,
              TranslateOutcome::SelectionTooLong);

    r = translateLatinBox(*engine, {"", "", std::string(199998, 'a')});
    EXPECT_EQ(r.outcome, TranslateOutcome::LatinBoxTooLong);
    EXPECT_EQ(host.boxes.back().text, "Text file in Latin box is too long.\nImport a text file instead.");
    EXPECT_FALSE(std::filesystem::exists(folder.file("latin.lat")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("parser.txt")));
}

TEST_F(TranslateCommand, StorageAndLogFailuresStopBeforeTheJob) {
    std::filesystem::create_directory(folder.file("latin.lat"));
    TranslateResult r = translateLatinBox(*engine, {"", "", "Gallia est."});
    EXPECT_EQ(r.outcome, TranslateOutcome::StorageFailed);
    EXPECT_EQ(host.boxes.back().text, "Cannot open storage file 'latin.lat'");

    std::filesystem::remove(folder.file("parser.txt"));  // written by the check before the store
    std::filesystem::create_directory(folder.file("parser.txt"));
    r = translateLatinBox(*engine, {"", "", "Gallia est."});
    EXPECT_EQ(r.outcome, TranslateOutcome::LogUnwritable);
}

TEST_F(TranslateCommand, AutoAreaStartsFromTheGeneralArea) {
    options.autoArea = true;
    options.area = 'L';
    translateLatinBox(*engine, {"", "", std::string(199998, 'a')});
    EXPECT_EQ(options.area, 0);
}

}  // namespace
}  // namespace kavro
