// The senses of a meaning as the sense table names them, the sense a reading takes from the
// table, and the rule whose context holds in a sentence.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "core/lexicon.h"
#include "english/sense_choice.h"
#include "morph/meaning_senses.h"

namespace kavro {
namespace {

TEST(MeaningSenses, SplitAtCommasSemicolonsAndSlashes) {
    using Senses = std::vector<std::string>;
    EXPECT_EQ(meaningSenses("owner, lord, master; the Lord; title for ecclesiastics/gentlemen;"),
              (Senses{"owner", "lord", "master", "the Lord", "title for ecclesiastics",
                      "title for gentlemen"}));
    EXPECT_EQ(meaningSenses("~run or hasten back;  return ; ;"), (Senses{"run back", "return"}));
    EXPECT_EQ(meaningSenses("large/great/big; much"), (Senses{"large", "great", "big", "much"}));
    EXPECT_EQ(meaningSenses("take/carry away; remove"),
              (Senses{"take", "take away", "carry away", "remove"}))
        << "the first alternative stays as the first sense always was";
    EXPECT_EQ(meaningSenses("be master/despot/in control, rule over"),
              (Senses{"be master", "despot", "in control", "rule over"}));
    EXPECT_EQ(meaningSenses("be master/despot"), (Senses{"be master", "be despot"}));
    EXPECT_EQ(meaningSenses("a//b /; /"), (Senses{"a", "b"}));
    EXPECT_TRUE(meaningSenses("").empty());
    EXPECT_TRUE(meaningSenses(" ; , ;").empty());
}

TEST(MeaningSenses, TakeSenseKeepsTheUncertainMarkAndRefusesAForeignSense) {
    std::string meaning = "~earth, land; ground";
    EXPECT_TRUE(takeSense(meaning, "land"));
    EXPECT_EQ(meaning, "~land");
    meaning = "earth, land; ground";
    EXPECT_FALSE(takeSense(meaning, "soil"));
    EXPECT_EQ(meaning, "earth, land; ground");
    EXPECT_FALSE(takeSense(meaning, ""));
}

SenseChoiceRecord rule(std::uint32_t entry, std::uint8_t condition, const char* sense,
                       const char* argument = "", std::uint8_t caseCode = 0) {
    SenseChoiceRecord r{};
    r.meaningIndex = entry;
    r.condition = condition;
    r.caseCode = caseCode;
    copyField(r.argument, argument);
    copyField(r.sense, sense);
    return r;
}

TEST(SenseTable, UsualSenseAndRulesByEntry) {
    Lexicon lexicon;
    lexicon.senseChoices = {rule(3, sense_condition::Usual, "land"),
                            rule(7, sense_condition::Usual, "camp"),
                            rule(7, sense_condition::Capital, "Camp"),
                            rule(9, sense_condition::Usual, "not a sense")};
    std::string terra = "earth, land; ground";
    takeUsualSense(lexicon, 3, terra);
    EXPECT_EQ(terra, "land");
    std::string other = "earth, land; ground";
    takeUsualSense(lexicon, 4, other);
    EXPECT_EQ(other, "earth, land; ground") << "an entry without rules keeps its English";
    takeUsualSense(lexicon, 9, other);
    EXPECT_EQ(other, "earth, land; ground") << "a rule naming no sense of the entry is passed over";
    EXPECT_EQ(senseRulesOf(lexicon, 7).size(), 2u);
    EXPECT_TRUE(senseRulesOf(lexicon, 8).empty());
    EXPECT_TRUE(senseRulesOf(lexicon, 100).empty());

    lexicon.names = {NameRecord{"Heli", "Eli"}, NameRecord{"Leui", "Levi"}, NameRecord{"Mouses", "Moses"}};
    EXPECT_EQ(nameFormOf(lexicon, "Leui"), "Levi");
    EXPECT_EQ(nameFormOf(lexicon, "Heli"), "Eli");
    EXPECT_EQ(nameFormOf(lexicon, "Hel"), "");
    EXPECT_EQ(nameFormOf(lexicon, "Zeus"), "");
}

TEST(SenseInContext, TheFirstRuleWhoseContextHoldsWins) {
    const std::vector<SenseChoiceRecord> rules = {
        rule(1, sense_condition::Usual, "earth"),
        rule(1, sense_condition::Capital, "the Lord"),
        rule(1, sense_condition::AfterWord, "land", "in"),
        rule(1, sense_condition::BeforeName, "country"),
        rule(1, sense_condition::Case, "ground", "", case_type::Ablative),
        rule(1, sense_condition::LowerCase, "soil")};
    WordAnalysis r = blankAnalysis();
    r.partOfSpeech = speech_type::Noun;
    r.grammar1 = case_type::Accusative;
    EXPECT_EQ(senseRuleInContext(rules, r, {}), nullptr) << "the usual sense is not a context rule";
    EXPECT_EQ(fieldText(senseRuleInContext(rules, r, {"In"})->sense), "land") << "letter case aside";
    EXPECT_EQ(senseRuleInContext(rules, r, {"ad"}), nullptr);
    EXPECT_EQ(fieldText(senseRuleInContext(rules, r, {"ad", true})->sense), "country");
    r.grammar1 = case_type::Ablative;
    EXPECT_EQ(fieldText(senseRuleInContext(rules, r, {"ad"})->sense), "ground");
    r.reserved23 |= kCapitalInMidSentence;
    EXPECT_EQ(fieldText(senseRuleInContext(rules, r, {"in"})->sense), "the Lord");
    r.partOfSpeech = speech_type::Verb;
    r.reserved23 = kWrittenInLowerCase;
    EXPECT_EQ(fieldText(senseRuleInContext(rules, r, {})->sense), "soil") << "a verb has no case";
    r.reserved23 = 0;
    EXPECT_EQ(senseRuleInContext(rules, r, {}), nullptr);
}

}  // namespace
}  // namespace kavro
