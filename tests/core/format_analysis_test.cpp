#include "core/format_analysis.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

// A record with part of speech `p`, code bytes 1..9 in order, a stem class, rarity and age.
WordAnalysis record(int p, std::initializer_list<int> codes, int stemClass = 0, int rarity = 1,
                    int age = 0) {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = static_cast<std::uint8_t>(p);
    auto* bytes = reinterpret_cast<std::uint8_t*>(&a);
    int index = 1;
    for (int code : codes) bytes[index++] = static_cast<std::uint8_t>(code);
    a.stemClass = static_cast<std::int16_t>(stemClass);
    a.rarity = static_cast<std::uint8_t>(rarity);
    a.ageLevel = static_cast<std::uint8_t>(age);
    return a;
}

std::string line(const WordAnalysis& a, bool easyLatin = false) {
    std::string out = "stale text";
    EXPECT_TRUE(formatAnalysis(out, a, easyLatin));
    return out;
}

constexpr int kFirstDeclension = 1 * 16 + 1;
constexpr int kThirdVariantFour = 3 * 16 + 4;

TEST(FormatAnalysis, NominalPartsOfSpeech) {
    //                            kind2 case num gen
    EXPECT_EQ(line(record(1, {0, 0, 1, 1, 2}, kFirstDeclension)),
              "NOUN 1 1  NOM    SING    FEM    A:0 ");
    EXPECT_EQ(line(record(1, {0, 21, 3, 2, 1}, 2 * 16 + 3, 5, 4)),
              "NOUN 2 3  COUNTRY    GEN    PLUR    MASC    E:4 ");
    EXPECT_EQ(line(record(2, {0, 1, 6, 2, 0, 0, 0, 8}, 3 * 16 + 1, 2, 1)),
              "PRON 3 1  PERS    ABL    PLUR    quis-clause B:1 ");
    EXPECT_EQ(line(record(3, {0, 6})), "PACK  INDEF    A:0 ");
    //                                case num gen comp     part
    EXPECT_EQ(line(record(4, {0, 0, 7, 1, 3, 2, 0, 5}, kThirdVariantFour)),
              "ADJ 3 4  ACC    SING    NEUTER    COMP    +DAT    A:0 ");
    EXPECT_EQ(line(record(36, {0, 0, 7, 1, 3, 2, 0, 5}, kThirdVariantFour)),
              "SADJ 3 4  ACC    SING    NEUTER    COMP    +DAT    A:0 ");
    EXPECT_EQ(line(record(5, {0, 0, 1, 2, 1, 1}, 2 * 16)), "NUM 2 0  NOM    PLUR    MASC    CARD    A:0 ");
    EXPECT_EQ(line(record(9, {0, 0, 7, 1, 3}, kFirstDeclension)), "SUPINE 1 1  ACC    SING    NEUTER    A:0 ");
}

TEST(FormatAnalysis, VerbsAndParticiplesShowFourthConjugationAsFourOne) {
    //                             part kind tense voice mood person num
    EXPECT_EQ(line(record(7, {0, 6, 1, 1, 1, 3, 1}, kThirdVariantFour)),
              "VERB 4 1  PRES    ACTIVE    IND    3   SING    +TRANS    A:0 ");
    // An infinitive still prints its person 0.
    EXPECT_EQ(line(record(7, {0, 0, 1, 1, 4, 0, 0}, 3 * 16 + 1)), "VERB 3 1  PRES    ACTIVE    INF    0   A:0 ");
    //                             part kind case num gen tense voice mood
    EXPECT_EQ(line(record(8, {2, 0, 1, 1, 1, 4, 2, 5}, kThirdVariantFour)),
              "VPAR 4 1  NOM    SING    MASC    PERF    PASSIVE    PPL    +TRANS    A:0 ");
    // Only verbs and participles are remapped.
    EXPECT_EQ(line(record(1, {0, 0, 1}, kThirdVariantFour)), "NOUN 3 4  NOM    A:0 ");
}

TEST(FormatAnalysis, PartsOfSpeechWithoutDetails) {
    //                                 comp(9)
    EXPECT_EQ(line(record(6, {0, 0, 0, 0, 0, 0, 1, 0, 3})), "ADV  SUPER    conj-like A:0 ");
    EXPECT_EQ(line(record(70, {0, 0, 0, 0, 0, 0, 0, 4, 1})), "ADV  POS    +PERS    A:0 ");
    EXPECT_EQ(line(record(10, {6}, kFirstDeclension)), "PREP  ABL    A:0 ");
    EXPECT_EQ(line(record(11, {0, 0, 0, 0, 0, 0, 0, 1})), "CONJ  +SUBJ    A:0 ");
    EXPECT_EQ(line(record(12, {1, 2, 3})), "INTERJ  A:0 ");
    EXPECT_EQ(line(record(14, {})), "PREFIX  A:0 ");
    EXPECT_EQ(line(record(15, {})), "SUFFIX  A:0 ");
    EXPECT_EQ(line(record(64, {})), "Unknown part  A:0 ");
    EXPECT_EQ(line(record(99, {})), "No inflection  A:0 ");
    EXPECT_EQ(line(record(0, {1, 1})), " DELETED (GRAM)    A:0 ");
    EXPECT_EQ(line(record(255, {0, 0, 1, 1, 2})), " DELETED (AI)    A:0 ");
}

TEST(FormatAnalysis, TackonsAndPunctuationCarryNoRarity) {
    EXPECT_EQ(line(record(13, {0, 0, 1})), "TACKON  NOM    ");
    EXPECT_EQ(line(record(13, {0, 0, 1, 0, 0, 7, 2})), "TACKON  PRES    ");
    EXPECT_EQ(line(record(16, {1})), "PUNCT  ,    ");
    EXPECT_EQ(line(record(16, {0})), "PUNCT  .    ");
}

TEST(FormatAnalysis, UnknownPartsOfSpeechKeepOnlyTheRarity) {
    EXPECT_EQ(line(record(40, {1, 1, 1}, kFirstDeclension)), "No speechtype found.A:0 ");
    EXPECT_EQ(line(record(150, {1, 1, 1}, 0, 5, 3)), "No speechtype found.E:3 ");
    EXPECT_EQ(line(record(254, {})), "No speechtype found.A:0 ");
}

TEST(FormatAnalysis, ZeroCodesLeaveNoTraceAndStrangeCodesSayUnknown) {
    EXPECT_EQ(line(record(1, {}, kFirstDeclension)), "NOUN 1 1  A:0 ");
    EXPECT_EQ(line(record(1, {0, 12, 9, 3, 6}, kFirstDeclension)),
              "NOUN 1 1  Unknown nounkind    Unknown case    Unknown number    Unknown gender    A:0 ");
}

TEST(FormatAnalysis, EasyLatinShowsRarity90DeletionsAsUncommon) {
    const WordAnalysis rare = record(0, {}, 0, 90);
    EXPECT_EQ(line(rare, true), " UNCOMMON    \x9a:0 ");
    EXPECT_EQ(line(rare, false), " DELETED (GRAM)    \x9a:0 ");
    EXPECT_EQ(line(record(0, {}, 0, 89), true), " DELETED (GRAM)    \x99:0 ");
    // Only deleted readings are affected.
    EXPECT_EQ(line(record(12, {}, 0, 90), true), "INTERJ  \x9a:0 ");
}

TEST(FormatAnalysis, EngineOverloadReadsTheTableAndRefusesIndicesOutsideIt) {
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    options.easyLatin = true;
    auto engine = std::make_unique<Engine>(lexicon, options, host, ".");
    engine->wordAnalyses[3] = record(0, {}, 0, 90);
    std::string out;
    EXPECT_TRUE(formatAnalysis(out, *engine, 3));
    EXPECT_EQ(out, " UNCOMMON    \x9a:0 ");
    EXPECT_FALSE(formatAnalysis(out, *engine, -1));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(formatAnalysis(out, *engine, static_cast<int>(kAnalysisCapacity)));
}

}  // namespace
}  // namespace kavro
