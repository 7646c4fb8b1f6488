// Our own dictionary entries: user-dictionary lines read into package entries, compiled with
// the package's, and a bad line refused naming the file and the line.
#include "tools/mkdata/extra_entries.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "tests/tools/package_fixture.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/dictionary_compiler.h"
#include "tools/mkdata/package_codes.h"

namespace kavro::mkdata {
namespace {

constexpr std::uint8_t kPackagePersonKind = 6;   // P
constexpr std::uint8_t kFrequencyA = 1;

const char kTwoEntries[] =
    "-- comment / with / slashes\n"
    "\n"
    "de de / N 2 1 M P / god; statue of god;\r\n"
    "  -- indented comment\n"
    "amav NULL amav amat / V 1 1 TRANS / love; like;\n";

TEST(ExtraEntries, LinesBecomePackageEntriesWithTheirLineNumbers) {
    const auto entries = decodeExtraEntries(kTwoEntries, "extra.txt");
    ASSERT_EQ(entries.size(), 2u);

    const PackageEntry& noun = entries[0];
    EXPECT_EQ(noun.record, 3u);
    EXPECT_EQ(noun.partOfSpeech, pos::N);
    EXPECT_EQ(noun.stems, (std::array<std::string, 4>{"de", "de", "", ""}));
    EXPECT_EQ(noun.slotsUsed, 2);
    EXPECT_EQ(noun.which, 2);
    EXPECT_EQ(noun.variant, 1);
    EXPECT_EQ(noun.kind, gender_type::Masculine);
    EXPECT_EQ(noun.nounKind, kPackagePersonKind);
    EXPECT_EQ(noun.frequency, kFrequencyA);
    EXPECT_EQ(noun.meaning, "god; statue of god;") << "senses keep their ';'";

    const PackageEntry& verb = entries[1];
    EXPECT_EQ(verb.record, 5u);
    EXPECT_EQ(verb.partOfSpeech, pos::V);
    EXPECT_EQ(verb.stems, (std::array<std::string, 4>{"amau", "zzz", "amau", "amat"}))
        << "the NULL stem is a missing one; v is spelled u";
    EXPECT_EQ(verb.slotsUsed, 4);
    EXPECT_EQ(verb.kind, 6) << "TRANS";
}

TEST(ExtraEntries, CompiledAfterThePackageWithMergedKeyAndCitationForm) {
    std::vector<PackageEntry> records = decodeDictionary(
        testing::EntryBytes("de", "", pos::PREP).field(76, 6).bytes, "DICTFILE.GEN");
    const auto extras = decodeExtraEntries(kTwoEntries, "extra.txt");
    records.insert(records.end(), extras.begin(), extras.end());
    const CompiledDictionary d = compileDictionary(records);

    ASSERT_EQ(d.meanings.size(), 3u);
    EXPECT_EQ(fieldText(d.meanings[1].latin), "deus, dei");
    EXPECT_EQ(fieldText(d.meanings[1].english), "god; statue of god;");
    const auto noun = std::find_if(d.stems.begin(), d.stems.end(),
                                   [](const StemRecord& s) { return s.meaningIndex == 1; });
    ASSERT_NE(noun, d.stems.end());
    EXPECT_STREQ(noun->stem, "de");
    EXPECT_EQ(noun->stemKey, 0) << "equal stems 1 and 2 give one record of key 0";
    EXPECT_EQ(noun->sort, noun_kind_type::Person);
    EXPECT_EQ(std::count_if(d.stems.begin(), d.stems.end(),
                            [](const StemRecord& s) { return s.meaningIndex == 2; }),
              3)
        << "amau twice (keys 1 and 3) and amat; the NULL stem has no record";
    EXPECT_STREQ(d.stems[d.letterIndex['d' - 'a'].firstRecord].stem, "de");
}

TEST(ExtraEntries, ABadLineNamesTheFileAndTheLine) {
    const struct {
        const char* line;
        const char* why;
    } bad[] = {
        {"de de N 2 1 M P god;", "form 'stems / grammar / English'"},
        {"de de / N 2 1 M P /", "English is empty"},
        {"abcdefghijklmnopqrstuvwxyz / N 2 1 M P / god;", "User word is too long."},
        {"de de / ZZZ 2 1 M P / god;", "form 'stems / grammar / English'"},
        {"NULL NULL / N 2 1 M P / god;", "every stem is NULL"},
        {"de de / N 2 1 Q P / god;", "gender"},
        {"qu cu / PRON 1 0 REL / who;", "only nouns"},
    };
    for (const auto& b : bad) {
        const std::string text = "-- header\n" + std::string(b.line) + "\n";
        try {
            decodeExtraEntries(text, "extra.txt");
            ADD_FAILURE() << "accepted: " << b.line;
        } catch (const DataError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("extra.txt line 2: ", 0), 0u) << what;
            EXPECT_NE(what.find(b.why), std::string::npos) << what;
        }
    }
}

TEST(ExtraEntries, TheShippedFileCompilesAndRepeatsNoPackageEntry) {
    KAVRO_NEEDS_PACKAGE();
    const auto package = readDictionary(testing::kPackageDir / "DICTFILE.GEN");
    const auto extras = readExtraEntries(testing::kSourceDir / "extra_entries.txt");
    ASSERT_FALSE(extras.empty());
    EXPECT_NO_THROW(checkNotInPackage(extras, package, "extra_entries.txt"));
    for (const PackageEntry& e : extras) EXPECT_FALSE(stemRecordsOf(e, 0).empty()) << e.stems[0];

    const auto repeated = decodeExtraEntries("div div / N 2 1 M P / god;\n", "extra.txt");
    try {
        checkNotInPackage(repeated, package, "extra.txt");
        ADD_FAILURE() << "the package's own divus was taken again";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("extra.txt line 1: DICTFILE.GEN record"), std::string::npos)
            << e.what();
    }
}

}  // namespace
}  // namespace kavro::mkdata
