#include <gtest/gtest.h>

#include <cstdio>

#include "core/checksum.h"
#include "core/data_manifest.h"
#include "core/engine.h"
#include "job/data_loader.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

using testing::TempFolder;

struct TableFile {
    std::string_view name;
    std::size_t recordSize;
    std::size_t count;
    std::size_t trailing = 0;
};

// Every compiled table with a handful of records, as the compiler would list them.
constexpr TableFile kTables[] = {
    {"inflects.dat", 20, 7},    {"dictUK.dat", 40, 5, 27 * 84}, {"polish.dat", 40, 3},
    {"phrasedud.dat", 62, 2},   {"transl.dat", 160, 4},          {"finalpolish.dat", 202, 2},
    {"phoneticuk.dat", 32, 6},  {"addons.dat", 108, 2},          {"uniques.dat", 140, 3},
};

std::string manifestLine(std::string_view name, std::size_t size, std::size_t count,
                         std::string_view bytes) {
    char line[200];
    std::snprintf(line, sizeof line, "%s %zu %zu %016llx\n", std::string(name).c_str(), size,
                  count, static_cast<unsigned long long>(dataChecksum(bytes)));
    return line;
}

// Bytes of a table: records filled with a pattern, the letter index of dictUK.dat pointing
// at the end of the stems.
std::string tableBytes(const TableFile& t) {
    std::string bytes(t.recordSize * t.count, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 7);
    for (std::size_t k = 0; k < t.trailing / 84; ++k) {
        std::string entry(84, '\0');
        entry[80] = static_cast<char>(k == 0 ? 0 : t.count);
        bytes += entry;
    }
    return bytes;
}

class DataLoader : public ::testing::Test {
protected:
    DataLoader() {
        std::string manifest = "# compiled lexicon\n";
        for (const TableFile& t : kTables) {
            const std::string bytes = tableBytes(t);
            data.write(t.name, bytes);
            manifest += manifestLine(t.name, t.recordSize, t.count, bytes);
        }
        data.write("manifest.txt", manifest);
        engine->log.open(engine->file("parser.txt"));
    }
    bool load() {
        const bool ok = loadDataFiles(*engine, lexicon, data.path(), &problem);
        engine->log.close();
        return ok;
    }
    std::string log() const { return program.read("parser.txt"); }
    bool sawBox(std::string_view text) const {
        for (const auto& box : host.boxes)
            if (box.text == text) return true;
        return false;
    }

    TempFolder data, program;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>(lexicon, options, host, program.path());
    std::string problem;
};

TEST_F(DataLoader, EveryTableLoadsInOrderWithItsProgressLines) {
    ASSERT_TRUE(load()) << problem;
    EXPECT_EQ(log(),
              "Loading inflection data...Done.\n"
              "Loading dictionary...Done.\n"
              "Loading translation polishing...Done.\n"
              "Loading phrase polishing...Done.\n"
              "Loading translations...Done.\n"
              "Loading final polishing...Done.\n"
              "Loading phonetics...Done.\n"
              "Loading addons...Done.\n"
              "Loading uniques...Done.\n"
              "Cannot open Userfile.txt.\n"
              "Cannot open 'userphrases.txt'.\n"
              "Loading high-speed hash data..."
              "Failure with high speed hash file. This feature disabled.\n");
    EXPECT_EQ(lexicon.inflections.size(), 7u);
    EXPECT_EQ(lexicon.stems.size(), 5u);   // the counts of the manifest, no zero-filled tail
    EXPECT_EQ(lexicon.letterIndex[26].firstRecord, 5u);
    EXPECT_EQ(lexicon.meanings.size(), 4u);
    EXPECT_EQ(lexicon.finalPolish.count(), 2u);
    EXPECT_EQ(lexicon.phonetics.count(), 6u);
    EXPECT_EQ(lexicon.uniques.count(), 3u);
    EXPECT_EQ(lexicon.stems[1].partOfSpeech, 'a' + 40 % 7);
    EXPECT_FALSE(options.botanyInstalled);
    EXPECT_FALSE(options.hashActive);
    EXPECT_TRUE(sawBox("Cannot open 'fixedhashfile.dat' file.\nHigh-speed hash disabled."));
}

// Each required file, when missing, stops the start-up with its own report; files after it
// are not loaded.
TEST_F(DataLoader, EachMissingRequiredFileStopsWithItsOwnReport) {
    struct Case {
        std::string_view file;
        std::string_view message;
        bool box;
    };
    const Case cases[] = {
        {"inflects.dat", "Cannot open inflects.dat file.\n", true},
        {"dictUK.dat", "Cannot open dictUK.dat file.\n", true},
        {"polish.dat", "Cannot open polish.dat file.\n", false},
        {"phrasedud.dat", "Cannot open phrasedud.dat file.\n", false},
        {"transl.dat", "Cannot open 'transl.dat' file.\n", true},
        {"finalpolish.dat", "Cannot open FinalPolish.dat file.\n", false},
        {"addons.dat", "Cannot open addons.dat file.\n", true},
        {"uniques.dat", "Cannot open uniques.dat file.\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TempFolder folder;
        testing::TestHost quietHost;
        Lexicon fresh;
        ViewOptions freshOptions;
        Engine e(fresh, freshOptions, quietHost, folder.path());
        for (const TableFile& t : kTables)
            if (t.name != c.file) folder.write(t.name, data.read(t.name));
        folder.write("manifest.txt", data.read("manifest.txt"));
        e.log.open(e.file("parser.txt"));
        std::string why;
        EXPECT_FALSE(loadDataFiles(e, fresh, folder.path(), &why));
        e.log.close();
        EXPECT_TRUE(folder.read("parser.txt").ends_with(c.message));
        EXPECT_EQ(quietHost.boxes.size(), c.box ? 1u : 0u);
        EXPECT_NE(why.find(c.file), std::string::npos) << why;
        EXPECT_TRUE(fresh.uniques.empty());
        EXPECT_TRUE(fresh.userStems.empty());
    }
}

TEST_F(DataLoader, ATruncatedDictionaryTakesTheMissingFilePath) {
    const std::string bytes = data.read("dictUK.dat");
    data.write("dictUK.dat", bytes.substr(0, bytes.size() - 100));
    EXPECT_FALSE(load());
    EXPECT_TRUE(sawBox("Cannot open dictUK.dat file.\n"));
    EXPECT_TRUE(lexicon.stems.empty());
    EXPECT_EQ(lexicon.inflections.size(), 7u);   // tables loaded before the failure stay
    EXPECT_NE(problem.find("manifest.txt says"), std::string::npos) << problem;
}

TEST_F(DataLoader, AManifestThatDisagreesRefusesTheFile) {
    std::string meanings = data.read("transl.dat");
    meanings[10] ^= 1;   // same size, other bytes
    data.write("transl.dat", meanings);
    EXPECT_FALSE(load());
    EXPECT_TRUE(sawBox("Cannot open 'transl.dat' file.\n"));
    EXPECT_TRUE(lexicon.meanings.empty());
    EXPECT_NE(problem.find("checksum"), std::string::npos);
}

TEST_F(DataLoader, AFileTheManifestDoesNotListOrSizesOtherwiseIsRefused) {
    std::string manifest = data.read("manifest.txt");
    const auto at = manifest.find("polish.dat 40");
    manifest.replace(at, 13, "polish.dat 41");
    data.write("manifest.txt", manifest);
    EXPECT_FALSE(load());
    EXPECT_TRUE(log().ends_with("Cannot open polish.dat file.\n"));
    data.write("manifest.txt", "# nothing listed\n");
    Lexicon fresh;
    Engine e(fresh, options, host, program.path());
    EXPECT_FALSE(loadDataFiles(e, fresh, data.path(), &problem));
    EXPECT_NE(problem.find("not listed"), std::string::npos);
}

// A manifest entry that cannot describe the file: the problem names the file and gives the
// numbers that disagree.
TEST_F(DataLoader, AManifestEntryThatDoesNotFitTheFileSaysWhatIsWrong) {
    struct Case {
        std::string_view entry;     // replaces "polish.dat 40 3"
        std::string_view problem;   // after the file's path
    };
    const Case cases[] = {
        {"polish.dat 40 18446744073709551615",
         "polish.dat: manifest.txt gives 18446744073709551615 records of 40 bytes, more than any "
         "file can hold; the file has 120 bytes"},
        {"polish.dat 40 4", "polish.dat: 120 bytes, manifest.txt says 4 records of 40 bytes = 160"},
        {"polish.dat 41 3", "polish.dat: manifest.txt gives records of 41 bytes, expected 40"},
    };
    const std::string manifest = data.read("manifest.txt");
    for (const Case& c : cases) {
        std::string changed = manifest;
        changed.replace(changed.find("polish.dat 40 3"), 15, c.entry);
        data.write("manifest.txt", changed);
        Lexicon fresh;
        Engine e(fresh, options, host, program.path());
        EXPECT_FALSE(loadDataFiles(e, fresh, data.path(), &problem));
        EXPECT_TRUE(problem.ends_with(c.problem)) << problem;
    }
}

TEST_F(DataLoader, ALetterIndexPointingPastTheStemsIsCorrupt) {
    TableFile dict = kTables[1];
    std::string bytes = tableBytes(dict);
    bytes[bytes.size() - 4] = 9;   // entry 26 points beyond the five stems
    data.write("dictUK.dat", bytes);
    std::string manifest = data.read("manifest.txt");
    const auto at = manifest.find("dictUK.dat");
    manifest.replace(at, manifest.find('\n', at) + 1 - at, manifestLine("dictUK.dat", 40, 5, bytes));
    data.write("manifest.txt", manifest);
    EXPECT_FALSE(load());
    EXPECT_NE(problem.find("letter index"), std::string::npos);
}

TEST_F(DataLoader, AProgramFolderCopyWinsWhenItsManifestVouchesForIt) {
    const TableFile own{"inflects.dat", 20, 3};
    const std::string bytes = tableBytes(own);
    program.write("inflects.dat", bytes);
    EXPECT_FALSE(load());   // the data folder's manifest does not describe this copy
    program.write("manifest.txt", manifestLine("inflects.dat", 20, 3, bytes));
    Lexicon fresh;
    Engine e(fresh, options, host, program.path());
    ASSERT_TRUE(loadDataFiles(e, fresh, data.path(), &problem)) << problem;
    EXPECT_EQ(fresh.inflections.size(), 3u);
    EXPECT_EQ(fresh.stems.size(), 5u);   // the rest still from the data folder
}

TEST_F(DataLoader, APhoneticsFileOneRecordShortIsReportedAndLeftOut) {
    const std::string bytes = data.read("phoneticuk.dat");
    data.write("phoneticuk.dat", bytes.substr(0, bytes.size() - 32));
    ASSERT_TRUE(load());
    EXPECT_TRUE(sawBox("Incomplete load of phonetics data (5 entries).\nShould be 6 entries.\n"
                       "Check file phoneticuk.dat."));
    // The box is only shown: the log keeps its own lines whole.
    EXPECT_NE(log().find("Loading final polishing...Done.\n"
                         "Loading phonetics...Done.\n"
                         "File phoneticuk.dat not available. Using coded phonetics search.\n"
                         "Loading addons...Done.\n"),
              std::string::npos);
    EXPECT_TRUE(lexicon.phonetics.empty());
}

TEST_F(DataLoader, AMissingPhoneticsFileOnlyLogsItsLine) {
    std::filesystem::remove(data.file("phoneticuk.dat"));
    ASSERT_TRUE(load());
    EXPECT_NE(log().find("Loading final polishing...Done.\n"
                         "File phoneticuk.dat not available. Using coded phonetics search.\n"
                         "Loading addons...Done.\n"),
              std::string::npos);
}

// A phoneticuk.dat that cannot be used is said on the host's warning path (the command line's
// stderr) when the user asked for the phonetics; otherwise only the log has it.
TEST_F(DataLoader, AnUnusablePhoneticsFileIsWarnedOfWhenThePhoneticsAreAskedFor) {
    std::string bytes = data.read("phoneticuk.dat");
    bytes[5] ^= 1;   // same size, other bytes
    data.write("phoneticuk.dat", bytes);
    for (const bool asked : {false, true}) {
        SCOPED_TRACE(asked);
        options.medievalPhonetics = asked;
        host.warnings.clear();
        Lexicon fresh;
        Engine e(fresh, options, host, program.path());
        ASSERT_TRUE(loadDataFiles(e, fresh, data.path(), &problem));
        EXPECT_TRUE(fresh.phonetics.empty());
        ASSERT_EQ(host.warnings.size(), asked ? 1u : 0u);
        if (!asked) continue;
        EXPECT_TRUE(host.warnings[0].ends_with(
            "phoneticuk.dat: checksum differs from manifest.txt (corrupt file); the medieval "
            "phonetics code their keys themselves (slower)"))
            << host.warnings[0];
    }
}

class BotanyLoading : public DataLoader {
protected:
    BotanyLoading() {
        const TableFile botany{"Botanytransl.dat", 160, 2};
        const std::string bytes = tableBytes(botany);
        data.write(botany.name, bytes);
        std::string manifest = data.read("manifest.txt");
        data.write("manifest.txt", manifest + manifestLine(botany.name, 160, 2, bytes));
    }
};

TEST_F(BotanyLoading, AcceptingTheBotanyMeaningsChangesTheOptions) {
    host.answers = {BoxAnswer::Yes};
    ASSERT_TRUE(load());
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes[0].kind, BoxKind::YesNo);
    EXPECT_TRUE(host.boxes[0].text.starts_with("You have the Botany Database installed.\n"));
    EXPECT_TRUE(options.botanyActive && options.botanyInstalled);
    EXPECT_EQ(options.area, 'H');
    EXPECT_EQ(options.age, kAgeAll);
    EXPECT_EQ(options.bestOrder, 1);
    EXPECT_EQ(lexicon.botanyMeanings.size(), 2u);
    EXPECT_NE(log().find("Loading final polishing...Done.\nLoading botany database...Done.\n"),
              std::string::npos);
}

TEST_F(BotanyLoading, DecliningLeavesTheOptionsAndTheLogAlone) {
    host.answers = {BoxAnswer::No};
    ASSERT_TRUE(load());
    EXPECT_FALSE(options.botanyActive || options.botanyInstalled);
    EXPECT_EQ(options.age, ViewOptions{}.age);
    EXPECT_TRUE(lexicon.botanyMeanings.empty());
    EXPECT_EQ(log().find("botany"), std::string::npos);
}

TEST_F(DataLoader, TheHashTurnedOffByTheUserIsNeverTried) {
    options.hashOffByUser = true;
    ASSERT_TRUE(load());
    EXPECT_TRUE(log().ends_with("High-speed hash data turned off by user."));
    EXPECT_FALSE(sawBox("Cannot open 'fixedhashfile.dat' file.\nHigh-speed hash disabled."));
}

TEST(DataManifest, MalformedLinesAndCommentsAreIgnored) {
    const Manifest m = Manifest::parse(
        "# header\r\n"
        "a.dat 20 3 00000000000000ff\r\n"
        "b.dat 20 three 00000000000000ff\n"
        "c.dat 20 3 ff\n"
        "d.dat 0 3 00000000000000ff\n"
        "e.dat 20 3 00000000000000ff extra\n");
    ASSERT_NE(m.find("a.dat"), nullptr);
    EXPECT_EQ(m.find("a.dat")->checksum, 0xffu);
    EXPECT_EQ(m.find("a.dat")->recordCount, 3u);
    for (std::string_view bad : {"b.dat", "c.dat", "d.dat", "e.dat"}) EXPECT_EQ(m.find(bad), nullptr) << bad;
}

}  // namespace
}  // namespace kavro
