// Readings that depend on what the lexicon compiler writes, checked through word analysis over
// the compiled lexicon: the gerund beside a gerundive, the number of cardinal numerals, and the
// frequency class of the readings that word analysis builds itself (tackons, guessed names).
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

using LexiconReadings = RealLexicon;

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

TEST_F(LexiconReadings, OneIsSingularAndTheOtherCardinalsPlural) {
    analyse({"unam", "uni", "tres", "mille", "PUNCT@"});
    auto cardinals = [&](int position) {
        std::vector<Reading> out;
        for (const Reading& r : readingsOf(position))
            if (r.partOfSpeech == speech_type::Numeral && r.record.grammar4 == numeral_kind_type::Cardinal)
                out.push_back(r);
        return out;
    };
    const auto unam = cardinals(0);
    ASSERT_EQ(unam.size(), 1u) << formsOf(0);
    EXPECT_EQ(unam[0].record.grammar1, case_type::Accusative);
    EXPECT_EQ(unam[0].record.grammar2, number_type::Singular);
    ASSERT_FALSE(cardinals(1).empty()) << formsOf(1);
    for (const Reading& r : cardinals(1)) EXPECT_EQ(r.record.grammar2, number_type::Singular);
    for (int position : {2, 3}) {
        ASSERT_FALSE(cardinals(position).empty()) << formsOf(position);
        for (const Reading& r : cardinals(position))
            EXPECT_EQ(r.record.grammar2, number_type::Plural) << r.form;
    }
}

// addons.dat and the name guesses carry no frequency class; the readings get one all the same
// (a rarity of 0 would rank them above every dictionary word).
TEST_F(LexiconReadings, TackonsAndGuessedNamesHaveAFrequencyClass) {
    options().plautusElisions = true;
    // Zorbusque after "sed": a name of its own with "que" put after it; Lauiniaque is a
    // capitalised base before a tackon; Xanthus a name in mid-sentence.
    analyse({"sed", "Zorbusque", "uirumque", "estne", "amatst", "Lauiniaque", "Xanthus", "PUNCT@"});
    const Engine& e = engine();
    int tackons = 0, nameGuesses = 0, baseGuesses = 0;
    for (int i = 0; i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        const std::string_view form = fieldText(a.analysedForm);
        if (form == "que." || form == "ne." || form == "est.") {
            EXPECT_EQ(a.rarity, 1) << form;
            ++tackons;
        } else if (a.partOfSpeech != speech_type::Punctuation && form[0] >= 'A' && form[0] <= 'Z') {
            EXPECT_EQ(a.rarity, 6) << form;
            ++(e.analysisSources[i].sourceKind == source_kind::CapitalisedGuess ? baseGuesses : nameGuesses);
        }
    }
    EXPECT_EQ(tackons, 5) << "que after Zorbus, que, ne, est and the que of Lauiniaque";
    EXPECT_GE(nameGuesses, 3) << "Xanthus in three cases, and Zorbus";
    EXPECT_GT(baseGuesses, 0);
}

}  // namespace
}  // namespace kavro::testing
