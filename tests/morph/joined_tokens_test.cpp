// Every token that the tokenizer's join table writes (id est -> id_est, pater familias ->
// paterfamilias, ...) has an analysis in the compiled lexicon, in each case form it can take.
#include <algorithm>
#include <string>

#include "tests/morph/real_lexicon_fixture.h"
#include "text/token_joins.h"

namespace kavro::testing {
namespace {

struct Phrase {
    std::string_view before;
    std::string_view word;
};

// The two-word phrases that join, in every case form the table accepts for its pairs.
constexpr Phrase kJoinedPhrases[] = {
    {"ius", "iurandum"},     {"iuris", "iurandi"},       {"iuri", "iurando"},
    {"iure", "iurando"},     {"iura", "iuranda"},        {"iuribus", "iurandis"},
    {"pater", "familias"},   {"patrem", "familias"},     {"patris", "familias"},
    {"patri", "familias"},   {"patres", "familias"},     {"mater", "familias"},
    {"matrem", "familias"},  {"matris", "familias"},     {"matri", "familias"},
    {"matres", "familias"},  {"magis", "quam"},          {"potius", "quam"},
    {"plus", "quam"},        {"senatus", "consultum"},   {"senatus", "consulti"},
    {"senatus", "consulto"}, {"senatus", "consulta"},    {"senatus", "consultorum"},
    {"senatus", "consultis"}, {"una", "cum"},            {"opus", "est"},
    {"id", "est"},           {"Id", "est"},              {"necesse", "est"},
    {"sat", "est"},          {"gratum", "est"},          {"aequum", "est"},
    {"solitum", "est"},      {"paulo", "ante"},          {"Cleo", "est"},
};

using JoinedTokens = RealLexicon;

TEST_F(JoinedTokens, EveryPairOfTheTableHasPhrasesHere) {
    for (std::string_view first : joinedPairFirstTokens()) {
        const bool covered = std::any_of(std::begin(kJoinedPhrases), std::end(kJoinedPhrases),
                                         [&](const Phrase& p) { return p.before == first; });
        EXPECT_TRUE(covered) << "no phrase of the join table's pair beginning '" << first << "'";
    }
}

TEST_F(JoinedTokens, EveryJoinedFormIsFound) {
    for (const Phrase& phrase : kJoinedPhrases) {
        char joined[kTokenTextSize];
        ASSERT_TRUE(joinTokenPair(phrase.before, phrase.word, joined))
            << phrase.before << " " << phrase.word << " no longer joins";
        resetWordStatusCache(engine());
        // In mid-sentence, where a joined name ("Cleostra") may be guessed.
        analyse({"et", fieldText(joined), "PUNCT@"});
        const std::vector<Reading> readings = readingsOf(1);
        ASSERT_FALSE(readings.empty()) << joined;
        EXPECT_NE(readings.front().partOfSpeech, speech_type::NotFound) << joined << " NOT FOUND";
    }
}

TEST_F(JoinedTokens, JoinedExpressionsReadAsTheirPartOfSpeech) {
    const struct {
        std::string_view token;
        std::uint8_t partOfSpeech;
    } kExpected[] = {
        {"id_est", speech_type::Conjunction},    {"potius_quam", speech_type::Conjunction},
        {"una_cum", speech_type::Preposition},   {"paulo_ante", speech_type::Adverb},
        {"opus_est", speech_type::Verb},         {"paterfamilias", speech_type::Noun},
    };
    for (const auto& expected : kExpected) {
        resetWordStatusCache(engine());
        analyse({expected.token, "PUNCT@"});
        EXPECT_TRUE(hasReading(0, expected.partOfSpeech, std::string(expected.token) + "."))
            << expected.token << ": " << describe(0);
    }
    // The preposition governs the ablative, as a dictionary preposition shows it.
    analyse({"una_cum", "PUNCT@"});
    ASSERT_FALSE(readingsOf(0).empty());
    EXPECT_EQ(readingsOf(0).front().record.kind1, case_type::Ablative);
}

}  // namespace
}  // namespace kavro::testing
