// dictUK.dat and transl.dat: known entries of the package round-tripped into our records, the
// key rules of one-stem entries, and the sort invariants.
#include "tools/mkdata/dictionary_compiler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <tuple>

#include "core/capacities.h"
#include "core/fixed_text.h"
#include "tests/tools/package_fixture.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/meaning_text.h"

namespace kavro::mkdata {
namespace {

using testing::EntryBytes;

class PackageDictionary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!testing::packageInstalled()) return;
        records_ = new std::vector<PackageEntry>(readDictionary(testing::kPackageDir / "DICTFILE.GEN"));
        entries_ = new std::vector<DictionaryEntry>(groupEntries(*records_));
    }
    static void TearDownTestSuite() {
        delete entries_;
        delete records_;
        entries_ = nullptr;
        records_ = nullptr;
    }
    void SetUp() override { KAVRO_NEEDS_PACKAGE(); }

    // The first entry with these package stems and part of speech (and kind, when given).
    static const DictionaryEntry& find(std::array<std::string, 4> stems, int pos, int kind = -1) {
        for (const auto& e : *entries_)
            if (e.head->stems == stems && e.head->partOfSpeech == pos && (kind < 0 || e.head->kind == kind))
                return e;
        throw std::runtime_error("no such entry: " + stems[0]);
    }
    static std::vector<StemRecord> stems(const DictionaryEntry& e) { return stemRecordsOf(*e.head, 7); }

    static std::vector<PackageEntry>* records_;
    static std::vector<DictionaryEntry>* entries_;
};
std::vector<PackageEntry>* PackageDictionary::records_ = nullptr;
std::vector<DictionaryEntry>* PackageDictionary::entries_ = nullptr;

void expectStem(const StemRecord& r, const char* text, int pos, int key) {
    EXPECT_STREQ(r.stem, text);
    EXPECT_EQ(r.partOfSpeech, pos) << text;
    EXPECT_EQ(r.stemKey, key) << text;
    EXPECT_EQ(r.meaningIndex, 7u) << text;
}

TEST_F(PackageDictionary, FirstDeclensionNoun) {
    const auto& puella = find({"puell", "puell", "", ""}, 1, 2);
    const auto s = stems(puella);
    ASSERT_EQ(s.size(), 1u);
    expectStem(s[0], "puell", 1, 0);   // equal stems 1 and 2 give one record of key 0
    EXPECT_EQ(s[0].which, 1);
    EXPECT_EQ(s[0].variant, 1);
    EXPECT_EQ(s[0].genderOrKind, 2);   // feminine
    EXPECT_EQ(s[0].areaFrequency & 0x0F, puella.head->frequency);
    const MeaningRecord m = meaningRecordOf(*puella.head, puella.english);
    EXPECT_STREQ(m.latin, "puella, puellae");
    EXPECT_EQ(std::string(m.english).rfind("girl", 0), 0u);
}

TEST_F(PackageDictionary, ThirdConjugationVerbWithFourStems) {
    const auto& rego = find({"reg", "reg", "rex", "rect"}, 7);
    const auto s = stems(rego);
    ASSERT_EQ(s.size(), 3u);
    expectStem(s[0], "reg", 7, 0);
    expectStem(s[1], "rex", 7, 3);
    expectStem(s[2], "rect", 8, 4);   // the participle stem
    EXPECT_EQ(s[0].which, 3);
    EXPECT_EQ(s[0].variant, 1);
    EXPECT_STREQ(meaningRecordOf(*rego.head, rego.english).latin, "rego, regere, rexi, rectus");
}

TEST_F(PackageDictionary, DeponentVerb) {
    const auto& hortor = find({"hort", "hort", "zzz", "hortat"}, 7);
    const auto s = stems(hortor);
    ASSERT_EQ(s.size(), 2u) << "the missing perfect stem gives no record";
    expectStem(s[0], "hort", 7, 0);
    expectStem(s[1], "hortat", 8, 4);
    EXPECT_EQ(s[0].sort & 0x0F, 9);   // deponent
    EXPECT_STREQ(meaningRecordOf(*hortor.head, hortor.english).latin, "hortor, hortari, -, hortatus sum");
}

TEST_F(PackageDictionary, ComparativeAdjectiveAndPreposition) {
    const auto& anterior = find({"anteri", "", "", ""}, 4);
    const auto a = stems(anterior);
    ASSERT_EQ(a.size(), 1u);
    expectStem(a[0], "anteri", 4, 3);   // a comparative-only adjective takes the key-3 endings
    EXPECT_EQ(a[0].genderOrKind, 2);
    EXPECT_STREQ(meaningRecordOf(*anterior.head, anterior.english).latin, "anterior, anterius");

    const auto& inAbl = find({"in", "", "", ""}, 10, 6);
    const auto p = stems(inAbl);
    ASSERT_EQ(p.size(), 1u);
    expectStem(p[0], "in", 10, 1);
    EXPECT_EQ(p[0].genderOrKind, 6);   // governs the ablative
    EXPECT_STREQ(meaningRecordOf(*inAbl.head, inAbl.english).latin, "in");
}

TEST_F(PackageDictionary, SpellingEmptyStemAndJoinedMeanings) {
    const auto vivo = stems(find({"viv", "viv", "vix", "vict"}, 7));
    EXPECT_STREQ(vivo[0].stem, "uiu");
    EXPECT_STREQ(vivo[1].stem, "uix");

    const auto sum = stems(find({"s", "", "fu", "fut"}, 7));
    ASSERT_EQ(sum.size(), 4u);
    expectStem(sum[1], ".", 7, 2);   // esse = "" + "esse", found through the "." split

    const auto& magnus = find({"magn", "magn", "maj", "maxi"}, 4);
    EXPECT_EQ(magnus.lines, 3u);
    EXPECT_NE(magnus.english.find("mighty"), std::string::npos);
    EXPECT_EQ(magnus.english.find('|'), std::string::npos);
    const std::string english = meaningRecordOf(*magnus.head, magnus.english).english;
    EXPECT_LE(english.size(), 79u);
    EXPECT_EQ(english.back(), ';') << english;
}

TEST_F(PackageDictionary, SortedStemsAndLetterIndex) {
    const CompiledDictionary d = compileDictionary(*records_);
    EXPECT_EQ(d.meanings.size(), entries_->size());
    for (std::size_t i = 1; i < d.stems.size(); ++i)
        ASSERT_LE(std::strcmp(d.stems[i - 1].stem, d.stems[i].stem), 0) << i;
    EXPECT_LT(d.letterIndex[0].firstRecord, d.letterIndex[1].firstRecord);
    EXPECT_EQ(d.letterIndex[26].firstRecord, d.stems.size());
    EXPECT_EQ(d.stems[d.letterIndex[0].firstRecord].stem[0], 'a');
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(d.stems[d.letterIndex[0].firstRecord - 1].stem[0])));
    EXPECT_EQ(d.letterIndex['j' - 'a'].firstRecord, d.letterIndex['k' - 'a'].firstRecord);
    for (const StemRecord& s : d.stems) {
        ASSERT_LT(s.meaningIndex, d.meanings.size());
        ASSERT_EQ(std::strpbrk(s.stem, "jvJV"), nullptr) << s.stem;
    }
}

// The package's own stem index (STEMFILE.GEN) is built by the same key rules: every (stem,
// key, part of speech, which, variant) of it must be in dictUK.dat, the PACK stems apart (they
// are left out); beyond it only the comparison stems of adjectives entered in the positive.
TEST_F(PackageDictionary, StemKeysAgreeWithThePackageStemIndex) {
    using Stem = std::tuple<std::string, int, int, int, int>;
    auto stem = [](std::string text, int key, int pos, int which, int variant) {
        if (pos == 8) pos = 7;   // our participle stems are the package's verb key-4 stems
        const bool declined = pos == 1 || pos == 2 || pos == 3 || pos == 4 || pos == 5 || pos == 7;
        return Stem{text.empty() ? "." : text, key, pos, declined ? which : 0,
                    declined ? variant : 0};
    };
    const std::string index = readWholeFile(testing::kPackageDir / "STEMFILE.GEN");
    std::set<Stem> package;
    for (std::size_t at = 0; at + 56 <= index.size(); at += 56) {
        std::string text = foldLatinLetters(index.substr(at, 18));
        text.erase(text.find_last_not_of(' ') + 1);
        if (index[at + 20] != 3)
            package.insert(stem(text, index[at + 40], index[at + 20], index[at + 24], index[at + 28]));
    }
    std::set<Stem> ours;
    for (const StemRecord& s : compileDictionary(*records_).stems)
        ours.insert(stem(s.stem, s.stemKey, s.partOfSpeech, s.which, s.variant));
    for (const Stem& p : package) EXPECT_TRUE(ours.count(p)) << std::get<0>(p);
    std::size_t comparisonStems = 0;
    for (const Stem& o : ours) {
        if (package.count(o)) continue;
        EXPECT_EQ(std::get<2>(o), 4) << std::get<0>(o);
        EXPECT_TRUE(std::get<1>(o) == 3 || std::get<1>(o) == 4) << std::get<0>(o);
        ++comparisonStems;
    }
    EXPECT_GT(comparisonStems, 10000u) << "utili-, utilissi- and the like";
}

TEST_F(PackageDictionary, NoStemHasMoreRecordsThanTheStemWorkTableHolds) {
    const auto stems = compileDictionary(*records_).stems;
    std::size_t run = 1, longest = 1;
    for (std::size_t i = 1; i < stems.size(); ++i) {
        run = std::strcmp(stems[i - 1].stem, stems[i].stem) == 0 ? run + 1 : 1;
        longest = std::max(longest, run);
    }
    EXPECT_LT(longest, kTempStemCapacity);
    EXPECT_TRUE(std::none_of(stems.begin(), stems.end(),
                             [](const StemRecord& s) { return s.partOfSpeech == 3; }));
}

TEST(DictionaryCompiler, OneStemKeysFollowComparisonAndSort) {
    auto key = [](std::uint8_t pos, int kindOffset, std::uint8_t kind) {
        EntryBytes b("stem", "", pos);
        b.field(kindOffset, kind);
        const auto e = decodeDictionary(b.bytes, "test");
        return stemRecordsOf(e[0], 0).at(0).stemKey;
    };
    EXPECT_EQ(key(6, 76, 1), 1);   // ADV POS
    EXPECT_EQ(key(6, 76, 2), 2);   // ADV COMP
    EXPECT_EQ(key(6, 76, 3), 3);   // ADV SUPER
    EXPECT_EQ(key(4, 84, 2), 3);   // ADJ COMP
    EXPECT_EQ(key(4, 84, 3), 4);   // ADJ SUPER
    EXPECT_EQ(key(5, 84, 2), 2);   // NUM ORD
    EXPECT_EQ(key(5, 84, 4), 4);   // NUM ADVERB
}

// Word analysis reads a cardinal in the number its stem's byte 4 gives: singular only for "one".
TEST_F(PackageDictionary, CardinalStemsCarryTheNumberOfTheirForms) {
    const auto unus = stems(find({"un", "prim", "singul", "semel"}, 5));
    ASSERT_EQ(unus.size(), 4u);
    EXPECT_EQ(unus[0].stemKey, 1);
    EXPECT_EQ(unus[0].sort, 1) << "unus, una, unum are singular";
    for (std::size_t k = 1; k < unus.size(); ++k)
        EXPECT_EQ(unus[k].sort, 0) << "ordinal, distributive and adverb stems carry no number";
    EXPECT_EQ(stems(find({"tr", "terti", "tern", "ter"}, 5))[0].sort, 2);
    EXPECT_EQ(stems(find({"mille", "millesim", "millen", "mil"}, 5))[0].sort, 2);
    EXPECT_EQ(stems(find({"amb", "", "", ""}, 5))[0].sort, 2) << "a cardinal of no value is plural";
    EXPECT_EQ(stems(find({"septendecim", "", "", ""}, 5))[0].sort, 2) << "a one-stem cardinal";
    EXPECT_EQ(stems(find({"mill", "", "", ""}, 5))[0].sort, 0) << "a numeral adverb (key 4)";
}

TEST(DictionaryCompiler, PluralOnlyPlaceNamesAndContinuations) {
    EntryBytes place("Syracus", "Syracus", 1);
    place.field(76, 1).field(80, 1).field(84, 2).field(85, 8).meaning("Syracuse (pl.); city;");
    EntryBytes person("Philipp", "Philipp", 1);
    person.field(76, 2).field(80, 1).field(84, 1).field(85, 5).meaning("Philip; (pl.) the Philips;");
    EntryBytes more("Philipp", "Philipp", 1);
    more.field(76, 2).field(80, 1).field(84, 1).field(85, 5).meaning("|king of Macedon;");
    EntryBytes other("Philipp", "Philipp", 1);
    other.field(76, 2).field(80, 1).field(84, 2).field(85, 5).meaning("|a different gender;");
    const auto records = decodeDictionary(place.bytes + person.bytes + more.bytes + other.bytes, "test");
    EXPECT_EQ(stemRecordsOf(records[0], 0)[0].numberRestriction, 2);
    EXPECT_EQ(stemRecordsOf(records[1], 0)[0].numberRestriction, 0);
    EXPECT_EQ(stemRecordsOf(records[0], 0)[0].sort, 5) << "package L is the engine's LOCALE";
    const auto entries = groupEntries(records);
    ASSERT_EQ(entries.size(), 3u) << "a bar after a different entry starts an entry of its own";
    EXPECT_EQ(entries[1].english, "Philip; (pl.) the Philips; king of Macedon;");
    EXPECT_EQ(entries[2].english, "a different gender;");
}

TEST(DictionaryCompiler, OrderCheckRejectsUnsortedStems) {
    std::vector<StemRecord> stems(2);
    copyField(stems[0].stem, "b");
    copyField(stems[1].stem, "a");
    std::array<LetterIndex, kLetterIndexCount> index{};
    EXPECT_THROW(checkDictionaryOrder(stems, index), DataError);
    std::swap(stems[0], stems[1]);
    index[1].firstRecord = 1;
    for (int k = 2; k < kLetterIndexCount; ++k) index[k].firstRecord = 2;
    EXPECT_NO_THROW(checkDictionaryOrder(stems, index));
    index[3].firstRecord = 1;
    EXPECT_THROW(checkDictionaryOrder(stems, index), DataError);
}

}  // namespace
}  // namespace kavro::mkdata
