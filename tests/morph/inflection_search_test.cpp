#include <gtest/gtest.h>

#include "core/grammar_codes.h"
#include "morph/inflection_search.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro {
namespace {

using testing::Ending;
using testing::Stem;
using testing::TinyWorld;
namespace pos = speech_type;

constexpr std::uint8_t kNom = case_type::Nominative, kGen = case_type::Genitive,
                       kAbl = case_type::Ablative, kAcc = case_type::Accusative;
constexpr std::uint8_t kSing = number_type::Singular, kPlur = number_type::Plural;
constexpr std::uint8_t kMasc = gender_type::Masculine, kFem = gender_type::Feminine,
                       kNeut = gender_type::Neuter, kCommon = gender_type::Common;

class InflectionSearch : public ::testing::Test {
protected:
    // Endings are given in any order and sorted as the compiler sorts them: by ending, then
    // part of speech, keeping the given order among equals.
    void useEndings(std::initializer_list<Ending> endings) {
        auto& table = world.lexicon.inflections;
        for (const Ending& e : endings) table.push_back(testing::makeInflection(e));
        std::stable_sort(table.begin(), table.end(), [](const auto& a, const auto& b) {
            const auto ea = fieldText(a.ending), eb = fieldText(b.ending);
            return ea != eb ? ea < eb : a.partOfSpeech < b.partOfSpeech;
        });
    }
    int find(std::string_view ending, const Stem& stem) {
        world.offerStem(stem);
        return findInflections(*world.engine, ending, 0);
    }
    const InflectionRecord& match(int slot) const { return world.engine->tempinflects[slot]; }

    TinyWorld world;
};

TEST_F(InflectionSearch, EndingsAbsentFromTheTableGiveMinusOneAndTheEmptyEndingIsAKey) {
    useEndings({{"", pos::Noun, 3, 1, kNom, kSing},
                {"a", pos::Noun, 1, 1, kNom, kSing},
                {"ae", pos::Noun, 1, 1, kGen, kSing},
                {"um", pos::Noun, 2, 2, kNom, kSing, kNeut}});
    const Stem rex{"rex", pos::Noun, 3, 1, kMasc};
    EXPECT_EQ(find("zz", rex), kEndingNotInTable);   // beyond the last ending
    EXPECT_EQ(find("ab", rex), kEndingNotInTable);   // between "a" and "ae"
    EXPECT_EQ(find("a", rex), 0);                    // present, but for another declension
    ASSERT_EQ(find("", rex), 1);
    EXPECT_EQ(world.inflectionEnding(0), "");
    EXPECT_EQ(match(0).grammar1, kNom);
}

TEST_F(InflectionSearch, KeyZeroStemTakesKeysZeroToTwoAndOtherKeysOnlyTheirOwn) {
    useEndings({{"it", pos::Verb, 1, 1, 1, 1, 1, 3, 0},
                {"it", pos::Verb, 1, 1, 2, 1, 1, 3, 1},
                {"it", pos::Verb, 1, 1, 3, 1, 1, 3, 2},
                {"it", pos::Verb, 1, 1, 4, 1, 1, 3, 3},
                {"it", pos::Verb, 1, 1, 5, 1, 1, 3, 4}});
    ASSERT_EQ(find("it", {"am", pos::Verb, 1, 1, 0, 0, /*stemKey=*/0}), 3);
    EXPECT_EQ(match(0).stemKey, 0);
    EXPECT_EQ(match(1).stemKey, 1);
    EXPECT_EQ(match(2).stemKey, 2);
    ASSERT_EQ(find("it", {"amau", pos::Verb, 1, 1, 0, 0, 3}), 1);
    EXPECT_EQ(match(0).grammar1, 4);
}

TEST_F(InflectionSearch, ParticipleEndingsGoOnlyToPresentStemsOfVerbs) {
    useEndings({{"ntis", pos::Participle, 1, 0, kGen, kSing, 0, 1, 1},
                {"us", pos::Participle, 0, 0, kNom, kSing, kMasc, 4, 4},
                {"us", pos::Supine, 0, 0, kAcc, kSing, 0, 0, 4}});
    ASSERT_EQ(find("ntis", {"am", pos::Verb, 1, 1, 0, 0, 1}), 1);
    EXPECT_EQ(match(0).partOfSpeech, pos::Participle);   // matched as a verb, kept as a participle
    EXPECT_EQ(find("ntis", {"amau", pos::Verb, 1, 1, 0, 0, 3}), 0);
    EXPECT_EQ(find("us", {"amat", pos::Verb, 1, 1, 0, 0, 4}), 0);   // stops at part of speech 8
    ASSERT_EQ(find("us", {"amat", pos::Participle, 1, 1, 0, 0, 4}), 1);
    EXPECT_EQ(match(0).which, 1);   // the stem's declension fills the record's 0
}

TEST_F(InflectionSearch, EndingsOfALaterAgeWaitForThatAge) {
    useEndings({{"ibus", pos::Noun, 2, 1, kAbl, kPlur, 0, 0, 1, /*ageLevel=*/8}});
    const Stem servus{"seru", pos::Noun, 2, 1, kMasc};
    world.options.age = kAgeMedieval;
    EXPECT_EQ(find("ibus", servus), 0);
    world.options.age = kAgeAll;
    EXPECT_EQ(find("ibus", servus), 1);
}

TEST_F(InflectionSearch, ProperNamesAndPlacesTakeNoPluralUnlessPluralOnly) {
    useEndings({{"i", pos::Noun, 2, 1, kGen, kSing}, {"i", pos::Noun, 2, 1, kNom, kPlur}});
    EXPECT_EQ(find("i", {"Marc", pos::Noun, 2, 1, kMasc, noun_kind_type::Proper}), 1);
    EXPECT_EQ(match(0).grammar2, kSing);
    EXPECT_EQ(find("i", {"Corinth", pos::Noun, 2, 1, kMasc, noun_kind_type::Locale}), 1);
    Stem delphi{"Delph", pos::Noun, 2, 1, kMasc, noun_kind_type::Locale};
    delphi.numberRestriction = kPlur;
    EXPECT_EQ(find("i", delphi), 2);
    EXPECT_EQ(find("i", {"seru", pos::Noun, 2, 1, kMasc, noun_kind_type::Person}), 2);
}

TEST_F(InflectionSearch, NounGendersMustAgreeWithCommonYieldingToTheStem) {
    useEndings({{"es", pos::Noun, 3, 1, kNom, kPlur, kCommon},
                {"es", pos::Noun, 3, 1, kAcc, kPlur, kNeut}});
    EXPECT_EQ(find("es", {"reg", pos::Noun, 3, 1, kMasc}), 1);
    EXPECT_EQ(find("es", {"nomin", pos::Noun, 3, 1, kNeut}), 1);
    EXPECT_EQ(match(0).grammar1, kAcc);
    EXPECT_EQ(find("es", {"homin", pos::Noun, 3, 1, 0}), 2);   // a stem of any gender
}

TEST_F(InflectionSearch, MedievalEForAeOnlyWithMedievalPhoneticsAtAgeSeven) {
    useEndings({{"e", pos::Noun, 1, 1, kGen, kSing}, {"e", pos::Noun, 3, 1, kAbl, kSing}});
    const Stem rosa{"ros", pos::Noun, 1, 1, kFem};
    world.options.medievalPhonetics = true;
    world.options.age = kAgeMedieval;
    ASSERT_EQ(find("e", rosa), 1);
    EXPECT_EQ(world.inflectionEnding(0), "ae");
    world.options.age = kAgeAll;
    EXPECT_EQ(find("e", rosa), 0);
    world.options.age = kAgeMedieval;
    world.options.medievalPhonetics = false;
    EXPECT_EQ(find("e", rosa), 0);
    ASSERT_EQ(find("e", {"reg", pos::Noun, 3, 1, kMasc}), 1);   // the classical third-declension e
    EXPECT_EQ(world.inflectionEnding(0), "e");
}

TEST_F(InflectionSearch, AnEntryWithoutDeclensionTakesOnlyItsFirstFittingEnding) {
    useEndings({{"", pos::Interjection}, {"", pos::Interjection, 0, 0, 1}});
    EXPECT_EQ(find("", {"heu", pos::Interjection}), 1);
    EXPECT_EQ(match(0).grammar1, 0);
}

TEST_F(InflectionSearch, AdverbAndPrepositionRulesSkipWithoutStoppingTheWalk) {
    useEndings({{"ius", pos::Adverb, 0, 0, 0, 0, 0, comparison_type::Positive},
                {"ius", pos::Adverb, 0, 0, 0, 0, 0, comparison_type::Comparative},
                {"", pos::Preposition, 0, 0, kAbl},
                {"", pos::Preposition, 0, 0, kAcc}});
    ASSERT_EQ(find("ius", {"long", speech_type::AdverbSubtype, 0, 0, comparison_type::Comparative}), 1);
    EXPECT_EQ(match(0).grammar4, comparison_type::Comparative);
    EXPECT_EQ(match(0).partOfSpeech, speech_type::AdverbSubtype);   // the stem's subtype passes on
    ASSERT_EQ(find("", {"ad", pos::Preposition, 0, 0, kAcc}), 1);
    EXPECT_EQ(match(0).grammar1, kAcc);
}

TEST_F(InflectionSearch, AdjectivesPassOnTheSubstantiveCodeAndTakeEveryGenericEnding) {
    useEndings({{"a", pos::Adjective, 1, 1, kNom, kSing, kFem, comparison_type::Positive},
                {"ma", pos::Adjective, 0, 0, kNom, kSing, kFem, comparison_type::Superlative, 4},
                {"ma", pos::Adjective, 0, 0, kAbl, kSing, kFem, comparison_type::Superlative, 4},
                {"ma", pos::Adjective, 0, 0, kNom, kPlur, kNeut, comparison_type::Superlative, 4}});
    ASSERT_EQ(find("a", {"bon", speech_type::SubstantiveAdjective, 1, 1}), 1);
    EXPECT_EQ(match(0).partOfSpeech, speech_type::SubstantiveAdjective);
    ASSERT_EQ(find("ma", {"maxi", pos::Adjective, 0, 0, 0, 0, 4}), 3);   // maxima
    EXPECT_EQ(match(2).which, 99);
}

TEST_F(InflectionSearch, TheFiftiethMatchIsRefusedWithARationedWarning) {
    std::vector<Ending> many(60, Ending{"x", pos::Noun, 1, 1, kNom, kSing});
    for (const Ending& e : many) world.lexicon.inflections.push_back(testing::makeInflection(e));
    world.engine->log.open(world.engine->file("parser.txt"));
    for (int search = 0; search < 3; ++search)
        EXPECT_EQ(find("x", {"ros", pos::Noun, 1, 1, kFem}), 49);
    world.engine->log.close();
    // Two boxes in a run of the program; the log has every refusal.
    ASSERT_EQ(world.host.boxes.size(), 2u);
    EXPECT_EQ(world.host.boxes[1].text, "Too many tempinflects fields.\n");
    EXPECT_EQ(world.engine->warningBoxCount, 2);
    EXPECT_EQ(world.folder.read("parser.txt"), "Too many tempinflects fields.\n"
                                               "Too many tempinflects fields.\n"
                                               "Too many tempinflects fields.\n");
}

}  // namespace
}  // namespace kavro
