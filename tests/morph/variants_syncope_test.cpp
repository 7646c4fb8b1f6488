// Contracted perfects of classical prose and verse read as their full forms by the word-analysis
// driver over the compiled lexicon, and look-alike words of other parts of speech left alone.
#include <string>

#include "morph/word_repairs.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

using ContractedPerfects = RealLexicon;

// One contracted form and the reading it must have among its readings.
struct ContractedForm {
    std::string_view word;
    std::string_view form;       // the full form, "stem.ending"
    std::uint8_t tense;
    std::uint8_t mood;
    std::uint8_t person;
    std::uint8_t number;
};

using namespace tense_type;
using namespace mood_type;
constexpr auto Singular = number_type::Singular;
constexpr auto Plural = number_type::Plural;
constexpr ContractedForm kContractedForms[] = {
    {"rogasti", "rogau.isti", Perfect, Indicative, 2, Singular},
    {"iudicastis", "iudicau.istis", Perfect, Indicative, 2, Plural},
    {"mandarunt", "mandau.erunt", Perfect, Indicative, 3, Plural},
    {"delerunt", "deleu.erunt", Perfect, Indicative, 3, Plural},
    {"iudicarit", "iudicau.erit", FuturePerfect, Indicative, 3, Singular},
    {"superarint", "superau.erint", Perfect, Subjunctive, 3, Plural},
    {"locarim", "locau.erim", Perfect, Subjunctive, 1, Singular},
    {"iudicaritis", "iudicau.eritis", FuturePerfect, Indicative, 2, Plural},
    {"uocaram", "uocau.eram", Pluperfect, Indicative, 1, Singular},
    {"uocarat", "uocau.erat", Pluperfect, Indicative, 3, Singular},
    {"delesti", "deleu.isti", Perfect, Indicative, 2, Singular},
    {"audisti", "audiu.isti", Perfect, Indicative, 2, Singular},
    {"audissem", "audiu.issem", Pluperfect, Subjunctive, 1, Singular},
    {"exisset", "exiu.isset", Pluperfect, Subjunctive, 3, Singular},
    {"transissent", "transiu.issent", Pluperfect, Subjunctive, 3, Plural},
    {"subissent", "subiu.issent", Pluperfect, Subjunctive, 3, Plural},
    {"adisti", "adiu.isti", Perfect, Indicative, 2, Singular},
    {"noram", "nou.eram", Pluperfect, Indicative, 1, Singular},
    {"norat", "nou.erat", Pluperfect, Indicative, 3, Singular},
    {"nosti", "nou.isti", Perfect, Indicative, 2, Singular},
    {"nosse", "nou.isse", Perfect, Infinitive, 0, number_type::None},
    {"cognossent", "cognou.issent", Pluperfect, Subjunctive, 3, Plural},
};

TEST_F(ContractedPerfects, EachIsReadAsItsVerbInFull) {
    for (const ContractedForm& c : kContractedForms) {
        analyse({"Et", c.word, "PUNCT@"});
        bool matched = false;
        for (const Reading& r : readingsOf(1)) {
            const WordAnalysis& a = r.record;
            matched |= r.partOfSpeech == speech_type::Verb && r.form == c.form &&
                       a.grammar1 == c.tense && a.grammar3 == c.mood && a.grammar4 == c.person &&
                       a.grammar5 == c.number && r.sourceKind == 0;
        }
        EXPECT_TRUE(matched) << c.word << " as " << c.form << ": " << formsOf(1);
    }
}

TEST_F(ContractedPerfects, ACapitalFirstWordIsRepairedToo) {
    analyse({"Rogasti", "PUNCT@"});
    EXPECT_TRUE(hasReading(0, speech_type::Verb, "rogau.isti")) << formsOf(0);
}

TEST_F(ContractedPerfects, LookAlikesOfOtherWordsStayAsTheyWere) {
    // Each ends like a contraction, but is found as it stands (an adjective or noun), or its
    // restored stem is no verb's perfect stem.
    analyse({"Et", "honestis", "amaro", "amaras", "terram", "modestis", "PUNCT@"});
    for (int word = 1; word <= 5; ++word)
        for (const Reading& r : readingsOf(word))
            EXPECT_NE(r.partOfSpeech, speech_type::Verb) << token(word) << ": " << describe(word);

    const auto isti = [this](std::string_view word) {
        WordBuffer buffer{};
        copyField(buffer, word);
        return trySyncopatedPerfect(engine(), buffer, SyncopeForm::Isti) ? std::string(buffer)
                                                                          : "(unchanged)";
    };
    EXPECT_EQ(isti("pueris"), "(unchanged)");     // pueu is no perfect stem
    EXPECT_EQ(isti("litoris"), "(unchanged)");
    EXPECT_EQ(isti("fenestram"), "(unchanged)");  // "ram" after a consonant
    EXPECT_EQ(isti("ora"), "(unchanged)");        // nothing before the vowel
    EXPECT_EQ(isti("arunt"), "(unchanged)");
    EXPECT_EQ(isti("quierunt"), "quieuerunt");    // quiesco before queo
    EXPECT_EQ(isti("dixisse"), "(unchanged)");    // a full form stays full
    // The restored letters must fit the word buffer.
    EXPECT_EQ(isti("roga" + std::string(kTokenTextSize - 8, 'x') + "sti"), "(unchanged)");
}

}  // namespace
}  // namespace kavro::testing
