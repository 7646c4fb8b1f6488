// The whole compilation: byte-identical output for the same input, a manifest that lists
// every file truly, and the polishing tables' layout and order.
#include "tools/mkdata/compile_all.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <sstream>

#include "core/checksum.h"
#include "core/lexicon_records.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/package_fixture.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/manifest.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {
namespace {

const char* const kFiles[] = {"inflects.dat", "dictUK.dat", "transl.dat", "phoneticuk.dat",
                              "polish.dat", "phrasedud.dat", "finalpolish.dat", "addons.dat",
                              "uniques.dat", "uniqueheads.dat", "userphrases.txt", "UserAbbreviations.txt",
                              "Userfile.txt", "fixedhashfile.dat", "fixedhashfile.keys", "senses.dat",
                              "names.dat"};

class CompiledFolder : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!testing::packageInstalled()) return;
        first_ = std::make_unique<kavro::testing::TempFolder>();
        second_ = std::make_unique<kavro::testing::TempFolder>();
        for (auto* folder : {first_.get(), second_.get()}) {
            std::ostringstream report;
            compileAll({testing::kPackageDir, "/usr/share/wordnet", testing::kSourceDir, folder->path()},
                       report);
            report_ = report.str();
        }
    }
    static void TearDownTestSuite() {
        first_.reset();
        second_.reset();
    }
    void SetUp() override { KAVRO_NEEDS_PACKAGE(); }

    static std::string file(const char* name) { return readWholeFile(first_->file(name)); }

    static std::unique_ptr<kavro::testing::TempFolder> first_, second_;
    static std::string report_;
};
std::unique_ptr<kavro::testing::TempFolder> CompiledFolder::first_;
std::unique_ptr<kavro::testing::TempFolder> CompiledFolder::second_;
std::string CompiledFolder::report_;

TEST_F(CompiledFolder, SameInputGivesByteIdenticalFiles) {
    for (const char* name : kFiles) {
        const std::string a = file(name);
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == readWholeFile(second_->file(name))) << name << " differs between runs";
    }
    EXPECT_EQ(file("manifest.txt"), readWholeFile(second_->file("manifest.txt")));
}

TEST_F(CompiledFolder, ManifestListsEveryFileTruly) {
    std::istringstream manifest(file("manifest.txt"));
    std::size_t listed = 0;
    for (std::string line; std::getline(manifest, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string name, checksum, extra;
        std::size_t size = 0, count = 0;
        ASSERT_TRUE(fields >> name >> size >> count >> checksum) << line;
        EXPECT_FALSE(fields >> extra) << line;
        const std::string bytes = readWholeFile(first_->file(name));
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(dataChecksum(bytes)));
        EXPECT_EQ(checksum, hex) << name;
        if (size == 0) {
            EXPECT_EQ(count, countLines(bytes)) << name;
        } else {
            const std::size_t trailing = name == "dictUK.dat" ? kLetterIndexCount * sizeof(LetterIndex) : 0;
            EXPECT_EQ(bytes.size(), size * count + trailing) << name;
        }
        ++listed;
    }
    EXPECT_EQ(listed, std::size(kFiles));
    EXPECT_NE(report_.find("dictUK.dat: "), std::string::npos) << "the counts are printed";
}

TEST_F(CompiledFolder, PolishingTablesKeepTheirLayoutAndOrder) {
    const std::string polish = file("polish.dat");
    ASSERT_EQ(polish.size() % 40, 0u);
    for (std::size_t at = 40; at < polish.size(); at += 40)
        EXPECT_LT(std::strcmp(&polish[at - 40], &polish[at]), 0) << "polish.dat record " << at / 40;

    const std::string phrases = file("phrasedud.dat");
    ASSERT_EQ(phrases.size() % 62, 0u);
    constexpr std::size_t kVerbGroup = 19;   // searched in file order; the rest by bisection
    for (std::size_t i = kVerbGroup + 1; i < phrases.size() / 62; ++i)
        EXPECT_LE(std::strcmp(&phrases[(i - 1) * 62], &phrases[i * 62]), 0) << "phrasedud.dat record " << i;

    const std::string final = file("finalpolish.dat");
    ASSERT_EQ(final.size() % 202, 0u);
    for (std::size_t at = 202; at < final.size(); at += 202) {
        EXPECT_LE(std::tolower(static_cast<unsigned char>(final[at - 202])),
                  std::tolower(static_cast<unsigned char>(final[at])))
            << "finalpolish.dat record " << at / 202;
        EXPECT_EQ(static_cast<unsigned char>(final[at + 200]), std::strlen(&final[at]));
    }
}

TEST(CompileAll, MissingPackageFailsNamingTheFile) {
    kavro::testing::TempFolder out;
    std::ostringstream report;
    try {
        compileAll({"/nonexistent/package", "/usr/share/wordnet", testing::kSourceDir, out.path()}, report);
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/package/INFLECTS.SEC"), std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(out.file("manifest.txt")));
}

// A package file cut on a record boundary decodes cleanly; the compiler refuses it for holding
// fewer records than a complete package, naming the file and both counts.
TEST(CompileAll, APackageFileCutOnARecordBoundaryIsRefused) {
    KAVRO_NEEDS_PACKAGE();
    struct Case {
        const char* file;
        std::size_t complete;
        std::size_t (*cut)(const std::string& bytes, std::string& kept);   // returns the records kept
    };
    const Case cases[] = {
        {"INFLECTS.SEC", 1785,
         [](const std::string& b, std::string& kept) {
             kept = b.substr(0, 2000 * 40);
             return decodeInflections(kept, "cut").size();
         }},
        {"DICTFILE.GEN", 39339,
         [](const std::string& b, std::string& kept) {
             kept = b.substr(0, 20000 * 180);
             return decodeDictionary(kept, "cut").size();
         }},
        {"ADDONS.LAT", 343,
         [](const std::string& b, std::string& kept) {
             kept = b.substr(0, b.find("\nTACKON") + 1);
             const PackageAddons a = decodeAddons(kept, "cut");
             return a.prefixes + a.suffixes + a.tackons.size();
         }},
        {"UNIQUES.LAT", 74,
         [](const std::string& b, std::string& kept) {
             std::size_t at = 0;
             for (int line = 0; line < 150; ++line) at = b.find('\n', at) + 1;
             kept = b.substr(0, at);
             return decodeUniques(kept, "cut").size();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        kavro::testing::TempFolder package, out;
        for (const auto& entry : std::filesystem::directory_iterator(testing::kPackageDir))
            std::filesystem::create_symlink(entry.path(), package.file(entry.path().filename().string()));
        std::string kept;
        const std::size_t records = c.cut(readWholeFile(testing::kPackageDir / c.file), kept);
        ASSERT_LT(records, c.complete);
        std::filesystem::remove(package.file(c.file));
        package.write(c.file, kept);
        std::ostringstream report;
        try {
            compileAll({package.path(), "/usr/share/wordnet", testing::kSourceDir, out.path()}, report);
            ADD_FAILURE() << "no error";
        } catch (const DataError& e) {
            EXPECT_EQ(std::string(e.what()), package.file(c.file).string() + ": " + std::to_string(records) +
                                                 " records, but a complete package holds " +
                                                 std::to_string(c.complete) + "; the file is cut short");
        }
    }
}

}  // namespace
}  // namespace kavro::mkdata
