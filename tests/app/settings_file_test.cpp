#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <random>
#include <string>

#include "app/settings_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

class SettingsFile : public ::testing::Test {
protected:
    ViewOptions load(const std::string& text) {
        folder.write(kSettingsFileName, text);
        ViewOptions options;
        EXPECT_TRUE(loadSettings(options, folder.path()));
        return options;
    }
    std::string saved(const ViewOptions& options) {
        EXPECT_TRUE(saveSettings(options, folder.path()));
        return folder.read(kSettingsFileName);
    }

    testing::TempFolder folder;
};

TEST_F(SettingsFile, MissingFileLeavesTheDefaults) {
    ViewOptions options;
    options.fontSize = 12;
    EXPECT_FALSE(loadSettings(options, folder.path()));
    EXPECT_EQ(options.fontSize, 12);
}

TEST_F(SettingsFile, ValuesAreReadCaseInsensitivelyOverTheWordTested) {
    const ViewOptions o = load(
        "age=classical\nPLAUTUS=TrueEnough\nBESTORDER=SVOE\nALLOWHASH=false\nNEURAL=FALSE\n"
        "FORCEPROPER=TRUE\nABBREVIATION=TRUE\nALLOWUSERPHRASE=FALSE\nSHOWUSERPHRASE=FALSE\n"
        "SINGLEWORDERROR=FALSE\nFONTTYPE=COURIER\nFONTSIZE=12\nFONTBOLD=TRUE\nBACKGROUND=GREY\n");
    EXPECT_EQ(o.age, kAgeClassical);
    EXPECT_TRUE(o.plautusElisions);
    EXPECT_EQ(o.bestOrder, 3);
    EXPECT_TRUE(o.hashOffByUser);
    EXPECT_FALSE(o.neuralNetwork);
    EXPECT_TRUE(o.forceProperNames);
    EXPECT_TRUE(o.abbreviations);
    EXPECT_FALSE(o.allowUserPhrases);
    EXPECT_FALSE(o.showUserPhrases);
    EXPECT_FALSE(o.singleWordComplaint);
    EXPECT_EQ(o.fontType, 2);
    EXPECT_EQ(o.fontSize, 12);
    EXPECT_TRUE(o.fontBold);
    EXPECT_EQ(o.background, 2);
}

TEST_F(SettingsFile, AgeReadsAllAgesByItsFirstSixLettersAndIgnoresMedieval) {
    EXPECT_EQ(load("AGE=ALLAGEX\n").age, kAgeAll);
    EXPECT_EQ(load("AGE=CLASSICAL\nAGE=MEDIEVAL\n").age, kAgeClassical);
    EXPECT_EQ(load("AGE=MEDIEVAL\n").age, kAgeMedieval);
}

TEST_F(SettingsFile, MedievalLinesDependOnTheTricksReadBefore) {
    const ViewOptions off = load("MEDIEVALTRICKS=FALSE\nMEDIEVALPHONETICS=TRUE\nMEDIEVALMEANINGS=TRUE\n");
    EXPECT_FALSE(off.medievalTricks);
    EXPECT_FALSE(off.medievalPhonetics);
    EXPECT_FALSE(off.preferMedieval);
    EXPECT_EQ(off.area, 0);

    const ViewOptions on = load("MEDIEVALPHONETICS=TRUE\nMEDIEVALMEANINGS=TRUE\n");
    EXPECT_TRUE(on.medievalPhonetics);
    EXPECT_TRUE(on.preferMedieval);
    EXPECT_EQ(on.area, 'M');
}

TEST_F(SettingsFile, ALaterLineUndoesAnEarlierOne) {
    const ViewOptions o = load("AGE=ALLAGES\nEASYLATIN=TRUE\n");
    EXPECT_TRUE(o.easyLatin);
    EXPECT_EQ(o.age, kAgeClassical);
    EXPECT_FALSE(o.medievalTricks);
}

TEST_F(SettingsFile, OutOfRangeFontSizeReadsAsNineAndIsSavedAsNine) {
    ViewOptions o = load("FONTSIZE=20\n");
    EXPECT_EQ(o.fontSize, 9);
    EXPECT_EQ(saved(o), "FONTSIZE=9\n");
    EXPECT_EQ(load("FONTSIZE=99999999999999999999\n").fontSize, 9);
    EXPECT_EQ(load("FONTSIZE=abc\n").fontSize, 9);
    o.fontSize = 30;  // an out-of-range size is never written
    EXPECT_EQ(saved(o), "FONTSIZE=9\n");
}

TEST_F(SettingsFile, AutomaticOrderKeepsTheBestOrderLineAsItStood) {
    ViewOptions o = load("BESTORDER=whatever it was\n");
    EXPECT_EQ(o.bestOrder, 2);
    EXPECT_EQ(saved(o), "BESTORDER=whatever it was\n");
    o.bestOrder = 1;
    EXPECT_EQ(saved(o), "BESTORDER=NOMVERB\n");
}

TEST_F(SettingsFile, RoundTripKeepsUnknownLinesAndASecondSaveIsIdentical) {
    const std::string original =
        "; my settings\nAGE=ALLAGES\n\nCOLOUR=purple\nfontsize=11\nMEDIEVALTRICKS=TRUE\r\nNEURAL=TRUE";
    ViewOptions o = load(original);
    o.age = kAgeClassical;
    o.neuralNetwork = false;
    const std::string first = saved(o);
    EXPECT_EQ(first,
              "; my settings\nAGE=CLASSICAL\n\nCOLOUR=purple\nfontsize=11\nMEDIEVALTRICKS=TRUE\r\n"
              "NEURAL=FALSE\n");
    EXPECT_EQ(saved(o), first);
    // The previous file is kept as the backup.
    EXPECT_EQ(folder.read(kSettingsBackupName), first);
    ViewOptions reread;
    ASSERT_TRUE(loadSettings(reread, folder.path()));
    EXPECT_EQ(reread.age, kAgeClassical);
    EXPECT_FALSE(reread.neuralNetwork);
    EXPECT_EQ(reread.fontSize, 11);
}

TEST_F(SettingsFile, EmptyFileChangesNothingAndStaysEmpty) {
    const ViewOptions o = load("");
    EXPECT_EQ(o.age, ViewOptions{}.age);
    EXPECT_EQ(saved(o), "");
}

TEST_F(SettingsFile, JunkAndVeryLongLinesAreHarmlessAndKeptWhole) {
    const std::string junk = std::string("\x01\xff\x00garbage=", 12) + "\n=TRUE\nAGE\nFONTSIZE=\n";
    const std::string longUnknown(10000, 'x');
    // Recognised by its first characters only; the rest of the line is replaced on saving.
    const std::string longKnown = "AGE=CLASSICAL" + std::string(10000, 'y');
    ViewOptions o = load(junk + longUnknown + "\n" + longKnown + "\nFONTBOLD=TRUE\n");
    EXPECT_EQ(o.age, kAgeClassical);
    EXPECT_TRUE(o.fontBold);
    EXPECT_EQ(o.fontSize, 9);
    EXPECT_EQ(saved(o), std::string("\x01\xff\x00garbage=", 12) + "\n=TRUE\nAGE\nFONTSIZE=9\n" +
                            longUnknown + "\nAGE=CLASSICAL\nFONTBOLD=TRUE\n");
}

TEST_F(SettingsFile, ALineLongerThanTheReadLimitIsNotRecognisedPastIt) {
    // A key hidden beyond the first 300 characters of a line is not a key.
    const std::string line = std::string(400, ' ') + "FONTBOLD=TRUE";
    EXPECT_FALSE(load(line + "\n").fontBold);
    EXPECT_EQ(saved(ViewOptions{}), line + "\n");
}

TEST_F(SettingsFile, AnyBytesLoadAndASecondSaveMatchesTheFirst) {
    std::mt19937 random(7);
    const std::string pieces[] = {"AGE=", "FONTSIZE=", "BESTORDER=", "TRUE", "=", "\n", "\r\n",
                                  "EASYLATIN=TRUE", "BACKGROUND=", std::string(1, '\0'), "\xff"};
    for (int file = 0; file < 50; ++file) {
        std::string text;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            if (random() % 3 == 0) text += static_cast<char>(random() % 256);
            else text += pieces[random() % std::size(pieces)];
        }
        const ViewOptions o = load(text);
        std::filesystem::remove(folder.file(kSettingsBackupName));
        const std::string first = saved(o);
        EXPECT_EQ(saved(o), first) << "file " << file;
    }
}

TEST_F(SettingsFile, SavingWithoutAFileCreatesOneWithEveryKey) {
    ViewOptions o;
    o.fontSize = 13;
    const std::string text = saved(o);
    EXPECT_EQ(text,
              "AGE=MEDIEVAL\nMEDIEVALTRICKS=TRUE\nMEDIEVALPHONETICS=FALSE\nMEDIEVALMEANINGS=FALSE\n"
              "PLAUTUS=FALSE\nBESTORDER=AUTOMATIC\nALLOWHASH=TRUE\nNEURAL=TRUE\nFORCEPROPER=FALSE\n"
              "EASYLATIN=FALSE\nABBREVIATION=FALSE\nALLOWUSERPHRASE=TRUE\nSHOWUSERPHRASE=TRUE\n"
              "SINGLEWORDERROR=TRUE\nFONTTYPE=ARIAL\nFONTSIZE=13\nFONTBOLD=FALSE\nBACKGROUND=YELLOW\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file(kSettingsBackupName)));
    ViewOptions reread;
    ASSERT_TRUE(loadSettings(reread, folder.path()));
    EXPECT_EQ(reread.fontSize, 13);
    EXPECT_EQ(reread.bestOrder, 2);
}

TEST_F(SettingsFile, AFailedSaveLeavesTheSettingsFileAsItWas) {
    folder.write(kSettingsFileName, "AGE=ALLAGES\n");
    // A backup that cannot be replaced: the save fails before the settings file is touched.
    std::filesystem::create_directory(folder.file(kSettingsBackupName));
    ViewOptions o;
    EXPECT_FALSE(saveSettings(o, folder.path()));
    EXPECT_EQ(folder.read(kSettingsFileName), "AGE=ALLAGES\n");

    // A new file that cannot be written: likewise.
    std::filesystem::remove(folder.file(kSettingsBackupName));
    std::filesystem::create_directory(folder.file(std::string(kSettingsFileName) + ".new"));
    EXPECT_FALSE(saveSettings(o, folder.path()));
    EXPECT_EQ(folder.read(kSettingsFileName), "AGE=ALLAGES\n");
}

TEST_F(SettingsFile, TheSaveCommandAsksAndReports) {
    testing::TestHost host;
    ViewOptions o;
    host.answers = {BoxAnswer::Cancel};
    saveSettingsCommand(o, folder.path(), host);
    EXPECT_FALSE(std::filesystem::exists(folder.file(kSettingsFileName)));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Saves current user settings to file usersettings.txt.");
    EXPECT_EQ(host.boxes[0].kind, BoxKind::OkCancel);

    saveSettingsCommand(o, folder.path(), host);
    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[2].text, "Settings saved.");

    std::filesystem::create_directory(folder.file(kSettingsBackupName));
    saveSettingsCommand(o, folder.path(), host);
    EXPECT_EQ(host.boxes.back().text, "Error - Settings not saved.");
}

}  // namespace
}  // namespace kavro
