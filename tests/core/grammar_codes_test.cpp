#include "core/grammar_codes.h"

#include <gtest/gtest.h>

#include "core/output_log.h"
#include "tests/support/temp_folder.h"

namespace kavro {
namespace {

// A log on a temporary file whose text the test reads back after closing it.
class CodeParsers : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(log.open(folder.file("parser.txt"))); }
    std::string logText() {
        log.close();
        return folder.read("parser.txt");
    }
    testing::TempFolder folder;
    OutputLog log;
};

TEST_F(CodeParsers, SpeechTypeTriesAbbreviationsInTheirBindingOrder) {
    EXPECT_EQ(parseSpeechType("SADJ", log), speech_type::SubstantiveAdjective);
    EXPECT_EQ(parseSpeechType("ADJ", log), speech_type::Adjective);
    EXPECT_EQ(parseSpeechType("num", log), speech_type::Numeral);      // NUM before N
    EXPECT_EQ(parseSpeechType("NOUN", log), speech_type::Noun);        // through "N"
    EXPECT_EQ(parseSpeechType("vpar", log), speech_type::Verb);        // anything with V
    EXPECT_EQ(parseSpeechType("PREP", log), speech_type::Preposition); // not taken by PRON
    EXPECT_EQ(parseSpeechType("pron", log), speech_type::Pronoun);
    EXPECT_EQ(parseSpeechType("ADVERB", log), speech_type::Adverb);
    EXPECT_EQ(parseSpeechType("INTERJ", log), speech_type::Interjection);
    EXPECT_EQ(parseSpeechType("X", log), speech_type::DeletedGram);
    EXPECT_EQ(logText(), "");
}

TEST_F(CodeParsers, SpeechTypeNotFoundIsLoggedOncePerFailure) {
    EXPECT_EQ(parseSpeechType("Q", log), 255);
    EXPECT_EQ(parseSpeechType("", log), 255);
    EXPECT_EQ(parseSpeechType("PR", log), 255);  // shorter than every P abbreviation
    EXPECT_EQ(logText(), "speech_type not found.\nspeech_type not found.\nspeech_type not found.\n");
}

TEST_F(CodeParsers, VerbKindPrefersTheLongerToBeingAndFailsWithMinusOne) {
    EXPECT_EQ(parseVerbKind("TO_BEING", log), verb_kind_type::ToBeing);
    EXPECT_EQ(parseVerbKind("to_be", log), verb_kind_type::ToBe);
    EXPECT_EQ(parseVerbKind("INTRANS", log), verb_kind_type::Intransitive);
    EXPECT_EQ(parseVerbKind("SEMIDEP", log), verb_kind_type::Semideponent);
    EXPECT_EQ(parseVerbKind("DEPONENT", log), verb_kind_type::Deponent);
    EXPECT_EQ(parseVerbKind("perfdef", log), verb_kind_type::PerfectDefinite);
    EXPECT_EQ(parseVerbKind("ACC", log), -1);
    EXPECT_EQ(logText(), "verb_kind_type not found.\n");
}

TEST_F(CodeParsers, ComparisonLogsItsFailure) {
    EXPECT_EQ(parseComparison("super", log), comparison_type::Superlative);
    EXPECT_EQ(parseComparison("COMPAR", log), comparison_type::Comparative);
    EXPECT_EQ(parseComparison("PO", log), 255);
    EXPECT_EQ(logText(), "comparison_type not found.\n");
}

TEST_F(CodeParsers, GenderAndNounKindFailSilently) {
    EXPECT_EQ(parseGender("f"), gender_type::Feminine);
    EXPECT_EQ(parseGender("COMMON"), gender_type::Common);
    EXPECT_EQ(parseGender("Z"), 255);
    EXPECT_EQ(parseNounKind("C"), noun_kind_type::Country);
    EXPECT_EQ(parseNounKind("v"), noun_kind_type::Variable);
    EXPECT_EQ(parseNounKind("Q"), 0);
    EXPECT_EQ(logText(), "");
}

TEST(CodeNames, NamesAppendWithFourSpacesAndCodeZeroLeavesNoTrace) {
    std::string text = "keep:";
    appendCaseName(text, case_type::None);
    appendGenderName(text, gender_type::None);
    appendVerbKindName(text, verb_kind_type::None);
    EXPECT_EQ(text, "keep:");
    appendCaseName(text, case_type::Ablative);
    appendGenderName(text, gender_type::MascNeuter);
    appendMoodName(text, mood_type::AdjectiveLike);
    appendVerbPartName(text, verb_part_type::Subject);
    EXPECT_EQ(text, "keep:ABL    M/NT    ADJ-LIKE    +SUBJ    ");
}

TEST(CodeNames, OutOfRangeCodesPrintTheirSetsUnknownName) {
    std::string text;
    appendCaseName(text, 9);
    appendNounKindName(text, 15);  // the gap below COUNTRY
    appendNounKindName(text, 21);
    appendVerbKindName(text, 14);
    appendNumeralKindName(text, 200);
    EXPECT_EQ(text, "Unknown case    Unknown nounkind    COUNTRY    Unknown verbkind    Unknown numeral    ");
}

TEST(CodeNames, PunctuationPrintsEveryMarkIncludingTheFullStop) {
    std::string text;
    for (int code = 0; code <= punctuation_type::kMarkCount; ++code) appendPunctuationName(text, code);
    EXPECT_EQ(text,
              ".    ,    ?    :    !    \"    '    ;    -    (    )    Unknown punctuation.    ");
}

TEST(CodeNames, SpeechTypeNameTellsWhetherDetailsFollow) {
    std::string text;
    EXPECT_FALSE(appendSpeechTypeName(text, speech_type::Noun));
    EXPECT_FALSE(appendSpeechTypeName(text, speech_type::SubstantiveAdjective));
    EXPECT_TRUE(appendSpeechTypeName(text, speech_type::AdverbSubtype));
    EXPECT_TRUE(appendSpeechTypeName(text, speech_type::DeletedGram));
    EXPECT_TRUE(appendSpeechTypeName(text, 40));
    EXPECT_EQ(text, "NOUNSADJADV DELETED (GRAM)  Unknown part");
}

}  // namespace
}  // namespace kavro
