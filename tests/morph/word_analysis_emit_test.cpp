// emitAnalysis: the record a stem and an inflection make, its re-classification rules, texts
// and trace, and the full table.
#include <gtest/gtest.h>

#include "morph/analysis_emit.h"
#include "tests/morph/word_analysis_world.h"

namespace kavro::testing {
namespace {

class EmitTest : public ::testing::Test {
protected:
    EmitTest() { w.options.sentenceMode = true; }

    // Emits tempstems[0] with tempinflects[0] built from `s` and `e`.
    const WordAnalysis& emit(const Stem& s, const InflectionRecord& e,
                             int kind = source_kind::Dictionary) {
        w.engine->tempstems[0] = makeStem(s);
        w.engine->tempinflects[0] = e;
        first = w.engine->analysisCount;
        emitAnalysis(*w.engine, 0, 0, 0, kind);
        return w.engine->wordAnalyses[first];
    }
    std::uint32_t meaning(std::string_view latin, std::string_view english) {
        w.lexicon.meanings.push_back(makeMeaning(latin, english));
        return static_cast<std::uint32_t>(w.lexicon.meanings.size() - 1);
    }

    WordWorld w;
    int first = 0;
};

InflectionRecord gerundive(std::uint8_t caseCode) {
    InflectionRecord r = makeInflection({"andi", speech_type::Participle, 1, 0, caseCode,
                                         number_type::Singular, gender_type::MascNeuter,
                                         tense_type::Future});
    r.grammar5 = voice_type::Passive;
    return r;
}

TEST_F(EmitTest, GerundiveInAnObliqueCaseBringsItsGerund) {
    Stem am{"am", speech_type::Verb, 1, 1, 0, verb_kind_type::Transitive, 1};
    am.meaningIndex = meaning("amo, amare, amavi, amatus", "love");
    emit(am, gerundive(case_type::Genitive));
    ASSERT_EQ(w.engine->analysisCount, 2);
    const WordAnalysis& part = w.engine->wordAnalyses[0];
    const WordAnalysis& gerund = w.engine->wordAnalyses[1];
    EXPECT_EQ(part.partOfSpeech, speech_type::Participle);
    EXPECT_EQ(part.grammar6, mood_type::Gerund);
    EXPECT_EQ(gerund.partOfSpeech, speech_type::Noun);
    EXPECT_EQ(gerund.kind2, noun_kind_type::Gerund);
    EXPECT_EQ(gerund.grammar3, gender_type::Neuter);
    EXPECT_EQ(gerund.stemClass, 34);
    EXPECT_EQ(gerund.rarity, part.rarity + 1);
    EXPECT_EQ(gerund.latinDetail[0], '\0');
    EXPECT_EQ(std::string(gerund.analysedForm), "am.andi");

    w.engine->analysisCount = 0;
    emit(am, gerundive(case_type::Nominative));
    EXPECT_EQ(w.engine->analysisCount, 1) << "no gerund in the nominative";
}

TEST_F(EmitTest, DistributiveNumeralIsAnAdjectiveOfEach) {
    Stem bin{"bin", speech_type::Numeral, 1, 0, numeral_kind_type::Distributive};
    bin.meaningIndex = meaning("bini -ae -a", "two/pair");
    const WordAnalysis& a = emit(bin, makeInflection({"i", speech_type::Numeral, 1, 0,
                                                      case_type::Nominative, number_type::Plural,
                                                      gender_type::Masculine,
                                                      numeral_kind_type::Distributive}));
    EXPECT_EQ(a.partOfSpeech, speech_type::Adjective);
    EXPECT_EQ(a.grammar4, 1);
    EXPECT_EQ(std::string(a.english), "two-each");
    EXPECT_EQ(w.engine->chosenStems[0].partOfSpeech, speech_type::Adjective);
    EXPECT_EQ(w.engine->chosenStems[0].which, 1);
}

TEST_F(EmitTest, TextsAreCutToTheirFields) {
    Stem s{"rosarumquecantantiumque", speech_type::Noun, 1, 1, gender_type::Feminine};
    s.meaningIndex = meaning("rosa, rosae", "a rose of a very long kind, red");
    const WordAnalysis& a = emit(s, makeInflection({"ae", speech_type::Noun, 1, 1,
                                                    case_type::Genitive, number_type::Singular}));
    EXPECT_EQ(std::string(a.english), "a rose of a very long *");
    EXPECT_EQ(std::string(a.analysedForm), "rosarumquecantantiumqu*");
    EXPECT_EQ(std::string(a.latinDetail), "rosae.");
}

TEST_F(EmitTest, BotanyWordWithoutTheBotanyMeanings) {
    Stem s{"ros", speech_type::Noun, 1, 1, gender_type::Feminine};
    s.areaFrequency = 13 << 4 | 2;
    s.meaningIndex = 0;
    const WordAnalysis& a = emit(s, makeInflection({"a", speech_type::Noun, 1, 1}));
    EXPECT_EQ(std::string(a.english), "BOTANY-WORD");
    EXPECT_EQ(a.subject, 13);
    EXPECT_EQ(a.rarity, 2);
}

TEST_F(EmitTest, JointOfACompoundOrdinalShowsTheEndingTwice) {
    Stem s{"tertiZdecim", speech_type::Numeral, 2, 0, numeral_kind_type::Ordinal};
    s.meaningIndex = meaning("tertius decimus", "thirteenth");
    const WordAnalysis& a = emit(s, makeInflection({"a", speech_type::Numeral, 2, 0,
                                                    case_type::Nominative}));
    EXPECT_EQ(std::string(a.analysedForm), "tertiadecim.a");
}

TEST_F(EmitTest, VerbKeepsItsInfinitiveAndSpellingVariantIsMarked) {
    Stem am{"am", speech_type::Verb, 1, 1, 7, verb_kind_type::Transitive, 1};
    am.meaningIndex = meaning("amo, amare, amavi, amatus", "love/like");
    const WordAnalysis& a = emit(am, makeInflection({"at", speech_type::Verb, 1, 0,
                                                     tense_type::Present, voice_type::Active,
                                                     mood_type::Indicative, 3}),
                                 source_kind::SpellingVariant);
    EXPECT_EQ(std::string(a.latinDetail), "amare");
    EXPECT_EQ(std::string(a.english), "~love") << "cut at the slash";
    EXPECT_EQ(a.grammar6, 7) << "a verb carries its stem byte 3";
}

// The short meaning of an entry is kept for its later readings: it must follow the area
// option and the reading's kind as a fresh cut would, and a long one is cut afresh each time.
TEST_F(EmitTest, AKeptShortMeaningFollowsTheAreaAndTheKind) {
    Stem s{"ar", speech_type::Noun, 1, 1, gender_type::Feminine};
    s.meaningIndex = meaning("ara, arae", "altar (of stone), stand; W:refuge, shelter");
    const InflectionRecord a = makeInflection({"a", speech_type::Noun, 1, 1, case_type::Nominative});
    struct Case {
        std::int16_t area;
        int kind;
        std::string_view english;
        std::uint8_t subject;
    } cases[] = {
        {0, source_kind::Dictionary, "altar", 0},
        {0, source_kind::Dictionary, "altar", 0},
        {'W', source_kind::Dictionary, "refuge", 10},
        {'W', source_kind::Dictionary, "refuge", 10},
        {0, source_kind::SpellingVariant, "~altar", 0},
        {0, source_kind::Dictionary, "altar", 0},
    };
    for (const Case& c : cases) {
        w.options.area = c.area;
        const WordAnalysis& r = emit(s, a, c.kind);
        EXPECT_EQ(std::string(r.english), c.english) << "area " << c.area << ", kind " << c.kind;
        EXPECT_EQ(r.subject, c.subject);
    }
    s.meaningIndex = meaning("longa", "a word of a very long meaning indeed, and more");
    w.options.area = 0;
    EXPECT_EQ(std::string(emit(s, a).english), "a word of a very long *");
    EXPECT_EQ(std::string(emit(s, a).english), "a word of a very long *");
}

TEST_F(EmitTest, WordModeTraceShowsFormCitationEnglishAndTheLine) {
    w.options.sentenceMode = false;
    w.openLog();
    Stem s{"puell", speech_type::Noun, 1, 1, gender_type::Feminine};
    s.meaningIndex = meaning("puella, puellae", "girl");
    emit(s, makeInflection({"a", speech_type::Noun, 1, 1, case_type::Nominative,
                            number_type::Singular}));
    const std::string log = w.closeLog();
    EXPECT_EQ(log.rfind("puell.a - puella, puellae\ngirl\nNOUN 1 1", 0), 0u) << log;
    EXPECT_TRUE(log.ends_with("\n\n")) << log;
}

TEST_F(EmitTest, TheTwelveHundredthRecordStartsTheTableAgain) {
    Stem s{"puell", speech_type::Noun, 1, 1, gender_type::Feminine};
    s.meaningIndex = meaning("puella, puellae", "girl");
    w.engine->analysisCount = 1199;
    emit(s, makeInflection({"a", speech_type::Noun, 1, 1, case_type::Nominative}));
    EXPECT_EQ(w.engine->analysisCount, 0);
    EXPECT_EQ(std::string(w.engine->wordAnalyses[1199].analysedForm), "puell.a");
    ASSERT_EQ(w.host.boxes.size(), 1u);
    EXPECT_EQ(w.host.boxes[0].text,
              "Too many words stored for automatic translation.\n"
              "Re-setting number of stored words to zero.\n");
}

}  // namespace
}  // namespace kavro::testing
