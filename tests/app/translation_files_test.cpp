// "Rename File" and "Reload Translation": the user's file is written whole or not at all, and a
// reload that cannot read its file keeps the previous translation.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/translation_files.h"
#include "core/engine.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

class TranslationFiles : public ::testing::Test {
protected:
    TranslationFiles() : engine(std::make_unique<Engine>(lexicon, options, host, folder.path())) {
        folder.write("parser.txt", "the log\n");
    }

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine;
};

TEST_F(TranslationFiles, SavesTheBoxWithLineFeedsOrElseTheLog) {
    EXPECT_TRUE(saveTranslationAs(*engine, folder.file("mine.txt"), "one\rtwo\r", true));
    EXPECT_EQ(folder.read("mine.txt"), "one\ntwo\n");
    EXPECT_TRUE(saveTranslationAs(*engine, folder.file("mine.txt"), "cut box", false));
    EXPECT_EQ(folder.read("mine.txt"), "the log\n");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(TranslationFiles, AFailedSaveLeavesTheUsersFileAsItWas) {
    folder.write("mine.txt", "my earlier work\n");
    std::filesystem::remove(folder.file("parser.txt"));
    EXPECT_FALSE(saveTranslationAs(*engine, folder.file("mine.txt"), "cut box", false));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, kLogUnopenable);
    // A file in a folder that does not exist cannot be written.
    EXPECT_FALSE(saveTranslationAs(*engine, folder.file("no/such/mine.txt"), "box", true));
    EXPECT_EQ(host.boxes.back().text, kChosenFileUnwritable);
    EXPECT_EQ(folder.read("mine.txt"), "my earlier work\n");
}

TEST_F(TranslationFiles, AReloadBecomesTheLogAndTheBox) {
    folder.write("saved.txt", "an old translation\n");
    const auto reloaded = reloadTranslation(*engine, folder.file("saved.txt"));
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->text, "an old translation\n");
    EXPECT_TRUE(reloaded->editable);
    EXPECT_EQ(folder.read("parser.txt"), "an old translation\n");
    EXPECT_EQ(engine->translationText, "an old translation\n");
}

TEST_F(TranslationFiles, AnUnreadableReloadKeepsThePreviousTranslation) {
    engine->translationText = "the log\n";
    EXPECT_FALSE(reloadTranslation(*engine, folder.file("missing.txt")));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Cannot open input file " + folder.file("missing.txt").string() + ".");
    EXPECT_EQ(folder.read("parser.txt"), "the log\n");
    EXPECT_EQ(engine->translationText, "the log\n");
}

TEST_F(TranslationFiles, ALongReloadIsCutAndReadOnly) {
    folder.write("long.txt", std::string(kReloadLimit + 500, 'a'));
    const auto reloaded = reloadTranslation(*engine, folder.file("long.txt"));
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->text, std::string(kReloadLimit, 'a') + "\nTRUNCATED.");
    EXPECT_FALSE(reloaded->editable);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              "Long text truncated to 199998 chars.\nSuggest you shorten your reloaded translation.");
    EXPECT_EQ(folder.read("parser.txt").size(), kReloadLimit);
}

}  // namespace
}  // namespace kavro
