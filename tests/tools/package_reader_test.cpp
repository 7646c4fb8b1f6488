// The package readers on bad input: each failure is a DataError that names the file and the
// record, never a quietly wrong table.
#include "tools/mkdata/package_reader.h"

#include <gtest/gtest.h>

#include "tests/tools/package_fixture.h"
#include "tools/mkdata/data_error.h"

namespace kavro::mkdata {
namespace {

using testing::EntryBytes;

// The message of the DataError that `f` throws ("" when it throws none).
template <class F>
std::string errorOf(F f) {
    try {
        f();
    } catch (const DataError& e) {
        return e.what();
    }
    return "";
}

bool mentions(const std::string& message, const std::string& part) {
    return message.find(part) != std::string::npos;
}

TEST(PackageReader, DictionaryRecordsDecode) {
    EntryBytes noun("puell", "puell", 1);
    noun.field(76, 1).field(80, 1).field(84, 2).field(85, 6).field(92, 3).meaning("girl;");
    const auto e = decodeDictionary(noun.bytes, "DICT");
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].record, 1u);
    EXPECT_EQ(e[0].stems[0], "puell");
    EXPECT_EQ(e[0].slotsUsed, 2);
    EXPECT_EQ(e[0].kind, 2);
    EXPECT_EQ(e[0].nounKind, 6);
    EXPECT_EQ(e[0].age, 3);
    EXPECT_EQ(e[0].meaning, "girl;");
}

TEST(PackageReader, BadDictionaryBytesNameFileAndRecord) {
    const std::string good = EntryBytes("a", "", 11).bytes;
    std::string m = errorOf([&] { decodeDictionary(good + good.substr(0, 100), "DICT"); });
    EXPECT_TRUE(mentions(m, "DICT record 2")) << m;
    EXPECT_TRUE(mentions(m, "truncated")) << m;

    m = errorOf([&] { decodeDictionary(good + EntryBytes("b", "", 17).bytes, "DICT"); });
    EXPECT_TRUE(mentions(m, "DICT record 2: bad part of speech")) << m;

    m = errorOf([&] { decodeDictionary(EntryBytes("a1", "", 11).bytes, "DICT"); });
    EXPECT_TRUE(mentions(m, "record 1: stem 1")) << m;

    m = errorOf([&] { decodeDictionary(EntryBytes("a", "", 11).field(93, 12).bytes, "DICT"); });
    EXPECT_TRUE(mentions(m, "bad area")) << m;

    m = errorOf([&] { decodeDictionary(EntryBytes("a", "", 7).field(76, 10).bytes, "DICT"); });
    EXPECT_TRUE(mentions(m, "bad conjugation 10")) << m;

    EntryBytes text("a", "", 11);
    text.bytes[97 + 10] = '\r';
    text.bytes[97 + 20] = 'x';
    m = errorOf([&] { decodeDictionary(text.bytes, "DICT"); });
    EXPECT_TRUE(mentions(m, "continues after its line end")) << m;

    EXPECT_TRUE(mentions(errorOf([] { decodeDictionary("", "DICT"); }), "empty"));
    m = errorOf([] { readDictionary("/nonexistent/DICTFILE.GEN"); });
    EXPECT_TRUE(mentions(m, "/nonexistent/DICTFILE.GEN")) << m;
    EXPECT_TRUE(mentions(m, "whitakers-words-data")) << m;
}

std::string inflectionSlot(std::uint8_t pos, std::uint32_t key, const std::string& ending) {
    std::string s(40, '\0');
    s[0] = static_cast<char>(pos);
    s[4] = 1;   // which
    s[20] = static_cast<char>(key);
    s[24] = static_cast<char>(ending.size());
    s.replace(28, 7, std::string(7, ' '));
    s.replace(28, ending.size(), ending);
    s[35] = static_cast<char>(0xFF);
    s[37] = 1;
    return s;
}

TEST(PackageReader, InflectionsSkipFillerAndRejectBadSlots) {
    std::string filler(40, '\0');
    filler.replace(28, 7, std::string(7, ' '));
    const std::string noun = inflectionSlot(1, 2, "ae");
    const auto r = decodeInflections(noun + filler + noun, "INFL");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].slot, 3u);
    EXPECT_EQ(r[0].ending, "ae");

    std::string m = errorOf([&] { decodeInflections(noun + inflectionSlot(1, 5, "ae"), "INFL"); });
    EXPECT_TRUE(mentions(m, "INFL record 2: bad stem key 5")) << m;
    m = errorOf([&] { decodeInflections(noun + inflectionSlot(1, 1, "AE"), "INFL"); });
    EXPECT_TRUE(mentions(m, "record 2: ending")) << m;
    m = errorOf([&] { decodeInflections(noun + noun.substr(0, 39), "INFL"); });
    EXPECT_TRUE(mentions(m, "truncated")) << m;
}

TEST(PackageReader, UniquesReadByTokens) {
    const std::string text =
        "vult \r\nV 6 2 PRES  ACTIVE IND 3 S X   X X X A X \r\nbe willing; wish;\r\n"
        "chely \r\nN 9 9 VOC S F t X X X C S\r\nlyre;\r\n";
    const auto u = decodeUniques(text, "UNI");
    ASSERT_EQ(u.size(), 2u);
    EXPECT_EQ(u[0].form, "vult");
    EXPECT_EQ(u[0].grammar[3], 3);   // person
    EXPECT_EQ(u[0].frequency, 1);
    EXPECT_EQ(u[1].grammar[3], 7) << "noun kind t (THING), lower case accepted";

    std::string m = errorOf([&] { decodeUniques("vult\nV 6 2 PRES ACTIVE IND 3 S X X X X A\nwish;\n", "UNI"); });
    EXPECT_TRUE(mentions(m, "UNI line 2 (unique 'vult')")) << m;
    m = errorOf([&] { decodeUniques("vult\nV 6 2 PRES ACTIVE IND 3 S X X X X A X\n", "UNI"); });
    EXPECT_TRUE(mentions(m, "truncated")) << m;

    // A form may be two words joined by one "_", as the tokenizer writes id_est.
    EXPECT_EQ(decodeUniques("id_est\nCONJ 0 0 X X X A X\nthat is;\n", "UNI")[0].form, "id_est");
    for (const char* bad : {"_est", "id_", "id__est", "id-est"}) {
        m = errorOf([&] { decodeUniques(std::string(bad) + "\nCONJ 0 0 X X X A X\nx;\n", "UNI"); });
        EXPECT_TRUE(mentions(m, "is not a single word")) << bad << ": " << m;
    }
}

TEST(PackageReader, AddonsAreReadByPosition) {
    const std::string text =
        "-- a comment\n"
        "PREFIX ab\nX X\naway;\n"
        "--TACKON old\n--X\n--gone;\n"
        "TACKON ce\nPRON 3 1 ADJECT\nTACKON w/hic this;\n"
        "SUFFIX ul\nN 2 ADJ 1 1 POS 0\nsmall;\n";
    const auto a = decodeAddons(text, "ADD");
    EXPECT_EQ(a.prefixes, 1u);
    EXPECT_EQ(a.suffixes, 1u);
    ASSERT_EQ(a.tackons.size(), 1u);
    EXPECT_EQ(a.tackons[0].key, "ce");
    EXPECT_EQ(a.tackons[0].baseEntry, "PRON 3 1 ADJECT");
    EXPECT_EQ(a.tackons[0].basePartOfSpeech, 2);
    EXPECT_EQ(a.tackons[0].baseWhich, 3);
    EXPECT_EQ(a.tackons[0].meaning, "TACKON w/hic this;");

    const std::string m = errorOf([] { decodeAddons("TACKON ce\nPRON 3 1 ADJECT\n", "ADD"); });
    EXPECT_TRUE(mentions(m, "truncated")) << m;
}

}  // namespace
}  // namespace kavro::mkdata
