// Readings that depend on what the lexicon compiler writes, checked through word analysis over
// the compiled lexicon: the gerund beside a gerundive.
#include "tests/morph/variants_real_lexicon.h"

namespace kavro::testing {
namespace {

using LexiconReadings = VariantsLexicon;

// The readings of `position` with this part of speech and case.
std::vector<Reading> withCase(const std::vector<Reading>& readings, std::uint8_t partOfSpeech,
                              std::uint8_t grammarCase) {
    std::vector<Reading> out;
    for (const Reading& r : readings)
        if (r.partOfSpeech == partOfSpeech && r.record.grammar1 == grammarCase) out.push_back(r);
    return out;
}

TEST_F(LexiconReadings, AGerundiveInAnObliqueCaseAlsoReadsAsAGerund) {
    analyse({"amandi", "amando", "amandum", "amandae", "PUNCT@"});
    const auto genitive = readingsOf(0);
    const auto gerundives = withCase(genitive, speech_type::Participle, case_type::Genitive);
    ASSERT_EQ(gerundives.size(), 1u) << "masculine and neuter are one reading: " << formsOf(0);
    EXPECT_EQ(gerundives[0].record.grammar3, gender_type::MascNeuter);
    const auto gerund = withCase(genitive, speech_type::Noun, case_type::Genitive);
    ASSERT_EQ(gerund.size(), 1u) << formsOf(0);
    EXPECT_EQ(gerund[0].record.kind2, noun_kind_type::Gerund);
    EXPECT_EQ(gerund[0].record.grammar3, gender_type::Neuter);
    EXPECT_EQ(gerund[0].form, "am.andi");
    EXPECT_EQ(gerund[0].record.rarity, gerundives[0].record.rarity + 1);

    for (std::uint8_t c : {case_type::Dative, case_type::Ablative})
        EXPECT_EQ(withCase(readingsOf(1), speech_type::Noun, c).size(), 1u) << int{c} << formsOf(1);
    EXPECT_EQ(withCase(readingsOf(2), speech_type::Noun, case_type::Accusative).size(), 1u)
        << "ad amandum: " << formsOf(2);
    EXPECT_TRUE(withCase(readingsOf(2), speech_type::Noun, case_type::Nominative).empty())
        << "the nominative gerundive is no gerund";
    for (const Reading& r : readingsOf(3)) EXPECT_NE(r.partOfSpeech, speech_type::Noun) << r.form;
}

}  // namespace
}  // namespace kavro::testing
