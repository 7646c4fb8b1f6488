// inflects.dat, addons.dat, uniques.dat, phoneticuk.dat and the English cutting rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/tools/package_fixture.h"
#include "tools/mkdata/addon_compiler.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/inflection_compiler.h"
#include "tools/mkdata/meaning_text.h"
#include "tools/mkdata/phonetic_compiler.h"
#include "tools/mkdata/unique_compiler.h"

namespace kavro::mkdata {
namespace {

TEST(MeaningText, CutsAtASeparatorNeverMidWord) {
    const std::string text = "large, great; much; powerful; tall/long/broad; extensive, spacious";
    EXPECT_EQ(fitMeaning(text, 40), "large, great; much; powerful;");
    EXPECT_EQ(fitMeaning("alpha beta gamma delta epsilon, zeta eta theta iota kappa lambda mu", 50),
              "alpha beta gamma delta epsilon,");
    EXPECT_EQ(fitMeaning("alpha, beta gamma delta epsilon zeta eta theta iota kappa lambda", 40),
              "alpha, beta gamma delta epsilon zeta eta") << "a separator too early is passed over";
    EXPECT_EQ(fitMeaning("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda", 40),
              "alpha beta gamma delta epsilon zeta eta");
    EXPECT_EQ(fitMeaning(std::string(100, 'x'), 79), std::string(79, 'x'));
    EXPECT_EQ(fitMeaning("short;   ", 79), "short;");

    std::string joined = "great;";
    appendMeaningLine(joined, withoutBars("||mighty, bold"));
    appendMeaningLine(joined, "proud");
    EXPECT_EQ(joined, "great; mighty, bold; proud");
    EXPECT_EQ(foldLatinLetters("Iuuenis Julius vivit"), "Iuuenis Iulius uiuit");
}

// The table's keys are the keys the sound-alike search computes for a split stem.
TEST(PhoneticTable, KeysAreTheSearchKeysOfTheStems) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"philosoph", "filosof"}, {"Caesar", "cesar"}, {"amn", "an"},      {"hort", "ort"},
        {"tyrann", "tiran"},      {"add", "at"},       {"zon", "zon"},     {"gaz", "gas"},
        {"poen", "pen"},          {"Iuli", "iuli"},    {"Julius", "iulius"}, {"vinc", "uint"},
        {"prae", "pre"},          {"h", "h"},          {"hh", "h"}};
    std::vector<StemRecord> stems(cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) std::strcpy(stems[i].stem, cases[i].first);
    const auto table = compilePhonetics(stems);
    ASSERT_EQ(table.size(), cases.size());
    for (const PhoneticRecord& r : table) {
        const auto& [stem, expected] = cases.at(r.stemRecord);
        EXPECT_STREQ(r.key, expected) << stem;
        char searchKey[kPhoneticKeySize];
        EXPECT_EQ(phoneticKey(stem, false, searchKey), r.keyLength) << stem;
        EXPECT_STREQ(searchKey, r.key) << stem;
    }
    // Nineteen letters of key fit the field; twenty are refused.
    std::strcpy(stems[0].stem, "abefgiklmopqrstuabe");
    EXPECT_EQ(compilePhonetics({stems[0]})[0].keyLength, 19);
    std::strcpy(stems[0].stem, "abefgiklmopqrstuabef");
    EXPECT_THROW(compilePhonetics({stems[0]}), DataError);
}

TEST(PhoneticTable, SortedByKeyPointingAtTheirStems) {
    std::vector<StemRecord> stems(3);
    std::strcpy(stems[0].stem, ".");
    std::strcpy(stems[1].stem, "phil");
    std::strcpy(stems[2].stem, "fil");
    stems[1].meaningIndex = 11;
    stems[2].meaningIndex = 12;
    const auto table = compilePhonetics(stems);
    ASSERT_EQ(table.size(), 2u) << "the . stem has no key";
    EXPECT_STREQ(table[0].key, "fil");
    EXPECT_EQ(table[0].stemRecord, 1u) << "equal keys keep the dictionary order";
    EXPECT_EQ(table[0].meaningIndex, 11u);
    EXPECT_EQ(table[1].stemRecord, 2u);
    EXPECT_EQ(table[0].keyLength, 3);
    EXPECT_EQ(table[0].stemLength, 4);
}

PackageInflection inflection(std::uint8_t pos, std::uint8_t key, const char* ending,
                             std::uint8_t comparison = 0, std::uint8_t frequency = 1) {
    PackageInflection p;
    p.partOfSpeech = pos;
    p.stemKey = key;
    p.ending = ending;
    p.grammar[3] = comparison;
    p.frequency = frequency;
    return p;
}

TEST(InflectionCompiler, AdverbKeysRarityAndOrder) {
    const auto r = compileInflections({inflection(7, 1, "o", 0, 3), inflection(6, 1, ""),
                                       inflection(6, 2, ""), inflection(6, 1, "", 3),
                                       inflection(6, 1, "", 2), inflection(1, 1, "o"),
                                       inflection(4, 1, "o")});
    ASSERT_EQ(r.size(), 7u);
    // One-stem adverbs of their own comparison first, keyed by it; the comparison-X ones keep theirs.
    EXPECT_EQ(r[0].grammar4, 3);
    EXPECT_EQ(r[0].stemKey, 3);
    EXPECT_EQ(r[1].grammar4, 2);
    EXPECT_EQ(r[1].stemKey, 2);
    EXPECT_EQ(r[2].stemKey, 1);
    EXPECT_EQ(r[3].stemKey, 2);
    EXPECT_STREQ(r[4].ending, "o");
    EXPECT_EQ(r[4].partOfSpeech, 1);
    EXPECT_EQ(r[5].partOfSpeech, 4);
    EXPECT_EQ(r[6].partOfSpeech, 7);
    EXPECT_EQ(r[6].rarityStep, 2) << "frequency C is two steps rarer than A";
    EXPECT_EQ(r[4].rarityStep, 0) << "only verbs carry a rarity step";

    std::vector<InflectionRecord> bad(2);
    std::strcpy(bad[0].ending, "o");
    EXPECT_THROW(checkInflectionOrder(bad), DataError);
}

TEST(InflectionCompiler, PackageTableKeepsTheSearchInvariant) {
    KAVRO_NEEDS_PACKAGE();
    const auto r = compileInflections(readInflections(testing::kPackageDir / "INFLECTS.SEC"));
    EXPECT_EQ(r.size(), 1785u - 25u) << "the package's records less the merged gerundive twins";
    EXPECT_STREQ(r.front().ending, "");
    for (std::size_t i = 1; i < r.size(); ++i) {
        const int c = std::strcmp(r[i - 1].ending, r[i].ending);
        ASSERT_TRUE(c < 0 || (c == 0 && r[i - 1].partOfSpeech <= r[i].partOfSpeech)) << i;
    }
    // Folded like every looked-up word: the pronoun genitive "jus" is stored "ius" (cuius).
    for (const InflectionRecord& x : r) EXPECT_FALSE(holdsUnfoldedLetter(x.ending)) << x.ending;
    EXPECT_TRUE(std::any_of(r.begin(), r.end(), [](const InflectionRecord& x) {
        return x.partOfSpeech == 2 && std::strcmp(x.ending, "ius") == 0;
    }));
}

PackageInflection gerundive(const char* ending, std::uint8_t grammarCase, std::uint8_t number,
                            std::uint8_t gender, std::uint8_t which = 1) {
    PackageInflection p;
    p.partOfSpeech = 8;
    p.which = which;
    p.stemKey = 1;
    p.ending = ending;
    p.grammar = {grammarCase, number, gender, 3, 2, 5};   // FUT PASSIVE PPL
    p.frequency = 1;
    return p;
}

// Word analysis knows a gerundive that is also a gerund by the gender M/NT (5).
TEST(InflectionCompiler, MasculineAndNeuterGerundivesBecomeOneRecord) {
    auto future = gerundive("andi", 1, 2, 1);
    future.grammar[4] = 1;   // an active participle of the same form stays as it is
    const auto r = compileInflections({gerundive("andi", 3, 1, 3), gerundive("andi", 1, 2, 1),
                                       gerundive("andi", 3, 1, 1), gerundive("andi", 3, 1, 1, 2),
                                       gerundive("anda", 1, 1, 2), future, gerundive("andis", 5, 2, 0)});
    ASSERT_EQ(r.size(), 6u);
    EXPECT_STREQ(r[0].ending, "anda");
    EXPECT_EQ(r[0].grammar3, 2) << "a feminine has no twin";
    EXPECT_EQ(r[1].grammar1, 3);
    EXPECT_EQ(r[1].grammar3, 5) << "the pair keeps the place of its first record";
    EXPECT_EQ(r[1].which, 1);
    EXPECT_EQ(r[2].grammar3, 1) << "NOM PLUR M has no neuter twin";
    EXPECT_EQ(r[3].which, 2);
    EXPECT_EQ(r[3].grammar3, 1) << "records of another conjugation are no twins";
    EXPECT_EQ(r[4].grammar5, 1);
    EXPECT_EQ(r[4].grammar3, 1);
    EXPECT_STREQ(r[5].ending, "andis");
}

TEST(InflectionCompiler, PackageGerundivesHaveNoMasculineNeuterTwins) {
    KAVRO_NEEDS_PACKAGE();
    const auto package = readInflections(testing::kPackageDir / "INFLECTS.SEC");
    const auto r = compileInflections(package);
    EXPECT_EQ(package.size() - r.size(), 25u) << "five cases of five gerundive tables";
    auto gerundives = [&](const char* ending, std::uint8_t grammarCase) {
        std::vector<std::uint8_t> genders;
        for (const InflectionRecord& x : r)
            if (x.partOfSpeech == 8 && x.grammar4 == 3 && x.grammar5 == 2 && x.which == 1 &&
                x.grammar1 == grammarCase && x.grammar2 == 1 && std::strcmp(x.ending, ending) == 0)
                genders.push_back(x.grammar3);
        return genders;
    };
    EXPECT_EQ(gerundives("andi", 3), std::vector<std::uint8_t>{5});
    EXPECT_EQ(gerundives("ando", 5), std::vector<std::uint8_t>{5});
    EXPECT_EQ(gerundives("ando", 6), std::vector<std::uint8_t>{5});
    EXPECT_EQ(gerundives("andum", 7), std::vector<std::uint8_t>{5});
    EXPECT_EQ(gerundives("andam", 7), std::vector<std::uint8_t>{2});
}

TEST(AddonCompiler, PackageTackonsWithOurEnglish) {
    KAVRO_NEEDS_PACKAGE();
    auto package = readAddons(testing::kPackageDir / "ADDONS.LAT");
    // Our own tackons (quibuscum, huiuscemodi) join the package's, as the compiler joins them.
    for (auto& t : readAddons(testing::kSourceDir / "tackons_extra.lat").tackons)
        package.tackons.push_back(std::move(t));
    const auto english = readSourceTable(testing::kSourceDir / "tackons.txt", 6);
    const auto addons = compileAddons(package.tackons, english, "tackons.txt");
    ASSERT_EQ(addons.size(), package.tackons.size());
    for (std::size_t i = 1; i < addons.size(); ++i)
        ASSERT_LE(std::strcmp(addons[i - 1].key, addons[i].key), 0);
    const auto que = std::find_if(addons.begin(), addons.end(),
                                  [](const AddonRecord& a) { return std::strcmp(a.key, "que") == 0; });
    ASSERT_NE(que, addons.end());
    EXPECT_STREQ(que->english, "and") << "the enclitic comes before the pronoun tackon";
    EXPECT_EQ(que->moveFlag, 1);
    EXPECT_EQ(que->basePartOfSpeech, 0);
    EXPECT_EQ((que + 1)->kind1, 2) << "the qu- pronoun's que stays a tackon";
    EXPECT_TRUE(std::any_of(addons.begin(), addons.end(),
                            [](const AddonRecord& a) { return std::strcmp(a.key, "ue") == 0; }));

    auto missing = english;
    missing.pop_back();
    EXPECT_THROW(compileAddons(package.tackons, missing, "tackons.txt"), DataError);
    auto extra = english;
    extra.push_back({99, {"xyz", "X", "0", "0", "0", "what"}});
    EXPECT_THROW(compileAddons(package.tackons, extra, "tackons.txt"), DataError);
    auto tooLong = english;
    tooLong[0].fields[5] = std::string(80, 'a');
    EXPECT_THROW(compileAddons(package.tackons, tooLong, "tackons.txt"), DataError);
}

PackageUnique unique(const char* form, std::uint8_t pos, std::array<std::uint8_t, 6> grammar) {
    PackageUnique u;
    u.form = form;
    u.partOfSpeech = pos;
    u.grammar = grammar;
    u.area = 4;
    u.frequency = 2;
    u.age = 3;
    u.meaning = "a meaning;";
    u.sourceFile = "test";
    return u;
}

TEST(UniqueCompiler, SortedFormsWithKindsAndExtraForms) {
    const auto table = compileUniques(
        {unique("vult", 7, {1, 1, 1, 3, 1, 0}), unique("deus", 1, {2, 1, 1, 6, 0, 0}),
         unique("di", 1, {1, 2, 1, 6, 0, 0}), unique("di", 1, {2, 2, 1, 6, 0, 0})},
        {{1, {"vult", "velle"}}}, "forms");
    ASSERT_EQ(table.size(), 4u);
    EXPECT_STREQ(table[0].form, "deus");
    EXPECT_STREQ(table[1].form, "di");
    EXPECT_EQ(table[1].grammar[0], 1) << "equal forms keep their file order";
    EXPECT_EQ(table[2].grammar[0], 2);
    EXPECT_STREQ(table[3].form, "uult");
    EXPECT_STREQ(table[3].extraForm, "uelle");
    EXPECT_EQ(table[3].areaFrequency, 0x42);
    EXPECT_EQ(table[3].ageLevel, 3);
    EXPECT_EQ(table[0].grammar[3], 6) << "a noun's kind travels in grammar 4";

    EXPECT_THROW(compileUniques({unique("vult", 7, {})}, {{3, {"volt", "velle"}}}, "forms"), DataError);
    EXPECT_THROW(compileUniques({unique("abcdefghijklmnopqrstuvwxyz", 7, {})}, {}, "forms"), DataError);
    const std::vector<PackageUnique> tooMany(50, unique("est", 7, {}));
    EXPECT_THROW(compileUniques(tooMany, {}, "forms"), DataError) << "more than tempinflects holds";
}

TEST(UniqueCompiler, HeadwordsAreFoldedSortedAndChecked) {
    const auto uniques = compileUniques({unique("vult", 7, {}), unique("dis", 1, {})}, {}, "forms");
    const auto table = compileUniqueHeadwords(uniques, {{1, {"vult", "volo"}}, {2, {"dis", "deus"}}}, "heads");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_STREQ(table[0].form, "dis");
    EXPECT_STREQ(table[1].form, "uult");
    EXPECT_STREQ(table[1].headword, "uolo");
    EXPECT_THROW(compileUniqueHeadwords(uniques, {{1, {"volt", "volo"}}}, "heads"), DataError)
        << "no such unique";
    EXPECT_THROW(compileUniqueHeadwords(uniques, {{1, {"vult", "volo"}}, {2, {"uult", "velle"}}}, "heads"),
                 DataError)
        << "a form given twice";
    EXPECT_THROW(compileUniqueHeadwords(uniques, {{1, {"dis", std::string(30, 'd')}}}, "heads"), DataError);
}

}  // namespace
}  // namespace kavro::mkdata
