#include "core/high_speed_hash.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/checksum.h"
#include "core/data_manifest.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/stages.h"
#include "core/startup_stages.h"
#include "job/data_loader.h"
#include "morph/word_alone.h"
#include "morph/word_repairs.h"
#include "tests/support/compiled_engine.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

using testing::TempFolder;
using testing::TestHost;

constexpr char kUnavailable[] = "Cannot open 'fixedhashfile.dat' file.\nHigh-speed hash disabled.";

WordAnalysis storedReading(const char* form, const char* english, std::uint8_t age, std::uint8_t pos) {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = pos;
    a.ageLevel = age;
    copyField(a.analysedForm, form);
    copyField(a.english, english);
    return a;
}

// A data folder holding only a hash file of `records` and its key file of `forms`, listed in a
// manifest that promises `listedRecords` records and `listedForms` forms.
struct HashFolder {
    TempFolder folder;
    TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine;

    HashFolder(std::vector<WordAnalysis> records, const std::vector<std::string>& forms,
               std::size_t listedRecords, std::size_t listedForms) {
        for (WordAnalysis& r : records) encipherHashRecord(r);
        const std::string bytes(reinterpret_cast<const char*>(records.data()), records.size() * sizeof(WordAnalysis));
        std::string keys;
        for (const std::string& f : forms) keys += f + std::string(kHashKeySize - f.size(), '\0');
        write("fixedhashfile.dat", bytes);
        write("fixedhashfile.keys", keys);
        char manifest[200];
        std::snprintf(manifest, sizeof manifest, "fixedhashfile.dat 102 %zu %016llx\nfixedhashfile.keys 24 %zu %016llx\n",
                      listedRecords, static_cast<unsigned long long>(dataChecksum(bytes)), listedForms,
                      static_cast<unsigned long long>(dataChecksum(keys)));
        write("manifest.txt", manifest);
        engine = std::make_unique<Engine>(lexicon, options, host, folder.path());
    }

    void write(const char* name, const std::string& bytes) {
        std::ofstream(folder.file(name), std::ios::binary) << bytes;
    }

    // Loading and indexing as the start-up does; true when the hash would be switched on.
    bool load() {
        const DataFolders folders(folder.path(), folder.path());
        return loadHashFile(*engine, lexicon, folders) && buildHashIndex(lexicon) == 100.0;
    }

    // The readings a look-up of `word` appends, as "form english" strings.
    std::vector<std::string> lookUp(std::string_view word) {
        engine->analysisCount = 0;
        if (!lookUpHash(*engine, word)) return {};
        std::vector<std::string> found;
        for (int i = 0; i < engine->analysisCount; ++i)
            found.push_back(std::string(fieldText(engine->wordAnalyses[i].analysedForm)) + " " +
                            std::string(fieldText(engine->wordAnalyses[i].english)));
        return found;
    }
};

// amo: a classical and a medieval reading; puella: one reading. Sorted by form.
std::vector<WordAnalysis> sampleReadings() {
    return {storedReading("am.o", "love", 0, 7), storedReading("am.o", "fish with a hook", kAgeMedieval, 7),
            storedReading("puell.a", "girl", 0, 1)};
}

TEST(HighSpeedHashFile, AWholeFileIsTakenAndFindsFormsWithoutTheirStemBoundary) {
    HashFolder hash(sampleReadings(), {"amo", "puella"}, 3, 2);
    ASSERT_TRUE(hash.load());
    EXPECT_TRUE(hash.host.boxes.empty());
    EXPECT_EQ(hash.lookUp("amo"), (std::vector<std::string>{"am.o love", "am.o fish with a hook"}));
    EXPECT_EQ(hash.lookUp("puella"), (std::vector<std::string>{"puell.a girl"}));
    EXPECT_TRUE(hash.lookUp("am.o").empty()) << "the word itself has no full stop";
    EXPECT_TRUE(hash.lookUp("am").empty());
    EXPECT_TRUE(hash.lookUp("-1").empty()) << "the sentinel key is never a form";
    EXPECT_TRUE(hash.lookUp("zzz").empty());
}

TEST(HighSpeedHashFile, ReadingsOfALaterAgeThanPreferredAreNotCopied) {
    HashFolder hash(sampleReadings(), {"amo", "puella"}, 3, 2);
    ASSERT_TRUE(hash.load());
    hash.options.age = kAgeClassical;
    EXPECT_EQ(hash.lookUp("amo"), (std::vector<std::string>{"am.o love"}));
}

TEST(HighSpeedHashFile, AShortFileOrAWrongNumberOfFormsSwitchesTheHashOff) {
    struct Case {
        const char* what;
        std::size_t records;   // kept of the three sample readings
        std::size_t listedRecords;
        std::size_t listedForms;
        bool box;              // the file itself is unusable: reported as a missing one
    };
    const Case cases[] = {
        {"one record short of the manifest", 2, 3, 2, true},
        {"one form fewer than the manifest", 3, 3, 3, false},
        {"one form more than the manifest", 3, 3, 1, false},
    };
    for (const Case& c : cases) {
        auto readings = sampleReadings();
        readings.resize(c.records);
        HashFolder hash(readings, {"amo", "puella"}, c.listedRecords, c.listedForms);
        EXPECT_FALSE(hash.load()) << c.what;
        ASSERT_EQ(hash.host.boxes.size(), c.box ? 1u : 0u) << c.what;
        if (c.box) {
            EXPECT_EQ(hash.host.boxes[0].text, kUnavailable) << c.what;
        }
    }
}

TEST(HighSpeedHashCompiled, EveryStoredFormGivesTheReadingsOfTheFullAnalysisInTheirOrder) {
    if (!testing::haveCompiledData()) GTEST_SKIP() << "no compiled lexicon";
    TempFolder folder;
    TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    Engine engine(lexicon, options, host, folder.path());
    engine.log.open(folder.file("loading.txt"));
    std::string problem;
    ASSERT_TRUE(loadDataFiles(engine, lexicon, testing::compiledDataFolder(), &problem, UserFiles::Skip)) << problem;
    engine.log.close();
    ASSERT_TRUE(options.hashLoaded && options.hashActive) << "the shipped hash file is taken";
    ASSERT_GT(lexicon.hash.keys.size(), 100u);
    for (std::size_t k = 1; k < lexicon.hash.keys.size(); ++k) {
        const std::string form(fieldText(lexicon.hash.keys[k].form));
        const WordOutcome hashed = analyseWordAlone(engine, form, true);
        const WordOutcome full = analyseWordAlone(engine, form, false);
        ASSERT_EQ(hashed.readings.size(), full.readings.size()) << form;
        for (std::size_t i = 0; i < full.readings.size(); ++i)
            EXPECT_EQ(std::memcmp(&hashed.readings[i], &full.readings[i], sizeof(WordAnalysis)), 0)
                << form << " reading " << i;
        EXPECT_EQ(hashed.groupNumber, full.groupNumber) << form;
        EXPECT_EQ(hashed.lastWordResult, full.lastWordResult) << form;
        EXPECT_EQ(hashed.wordsSincePunct, full.wordsSincePunct) << form;
    }
    EXPECT_EQ(engine.hashHits, static_cast<int>(lexicon.hash.keys.size() - 1));
}

}  // namespace
}  // namespace kavro
