// Uniques, compound joints and the pronoun compounds (quidam, quisque, uterque, plerique, ...).
#include <vector>

#include "core/fixed_text.h"
#include "morph/word_repairs.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

using Uniques = RealLexicon;

// The compounds of qui/quis are pronouns of the kind the package gives them, cited by their
// headword; those of the adjective families (uter, plerus) stay substantive adjectives. Each
// row names one reading the form must have (case, number, gender; gender 0: any).
TEST_F(Uniques, PronounCompoundsReadAsPronounsOrAdjectivesOfTheirFamily) {
    analyse({"et", "quidam", "quaedam", "quendam", "quemque", "cuiusque", "quicumque", "quodlibet",
             "quisquam", "quidnam", "uterque", "plerique", "PUNCT@"});
    constexpr std::uint8_t kAdjective = speech_type::SubstantiveAdjective;
    constexpr std::uint8_t kPronoun = speech_type::Pronoun;
    const struct {
        int position;
        std::uint8_t partOfSpeech;
        std::uint8_t kind;   // pronoun kind; 0 for the adjectives
        std::string_view citation;
        std::string_view english;
        std::uint8_t grammarCase, number, gender;
    } expected[] = {
        {1, kPronoun, pronoun_kind_type::Indefinite, "quidam", "certain", 1, 1, 1},
        {2, kPronoun, pronoun_kind_type::Indefinite, "quidam", "certain", 1, 2, 3},
        {3, kPronoun, pronoun_kind_type::Indefinite, "quidam", "certain", 7, 1, 1},
        {4, kPronoun, pronoun_kind_type::Indefinite, "quisque", "each", 7, 1, 1},
        {5, kPronoun, pronoun_kind_type::Indefinite, "quisque", "each", 3, 1, 0},
        {6, kPronoun, pronoun_kind_type::Relative, "quicumque", "whichever", 1, 1, 1},
        {7, kPronoun, pronoun_kind_type::Indefinite, "quilibet", "any-you-please", 7, 1, 3},
        {8, kPronoun, pronoun_kind_type::Indefinite, "quisquam", "any", 1, 1, 1},
        {9, kPronoun, pronoun_kind_type::Interrogative, "quisnam", "which", 1, 1, 3},
        {10, kAdjective, 0, "uterque", "each", 1, 1, 1},
        {11, kAdjective, 0, "plerusque", "most", 1, 2, 1},
    };
    for (const auto& x : expected) {
        const auto all = readingsOf(x.position);
        std::vector<Reading> r;
        for (const auto& a : all)
            if (a.sourceKind == source_kind::Addon) r.push_back(a);
        ASSERT_FALSE(r.empty()) << describe(x.position);
        bool found = false;
        for (const auto& a : r) {
            EXPECT_EQ(a.partOfSpeech, x.partOfSpeech) << token(x.position);
            EXPECT_EQ(a.record.kind2, x.kind) << token(x.position);
            EXPECT_EQ(a.citation, x.citation) << token(x.position);
            EXPECT_EQ(a.english, x.english) << token(x.position);
            EXPECT_EQ(a.form, token(x.position));
            found = found || (a.record.grammar1 == x.grammarCase && a.record.grammar2 == x.number &&
                              a.record.grammar3 == x.gender);
        }
        EXPECT_TRUE(found) << token(x.position) << ": " << describe(x.position);
    }
}

TEST_F(Uniques, QuidamqueGivesAConjunctionBeforeThePronoun) {
    analyse({"et", "quidamque", "uenit", "PUNCT@"});
    ASSERT_EQ(engine().tokenCount, 5);
    EXPECT_EQ(token(1), "que");
    EXPECT_EQ(token(2), "quidamque");
    const auto que = readingsOf(1);
    ASSERT_EQ(que.size(), 1u) << describe(1);
    EXPECT_EQ(que[0].partOfSpeech, speech_type::Conjunction);
    EXPECT_EQ(que[0].form, "que.");
    EXPECT_EQ(que[0].english, "and");
    const auto quidam = readingsOf(2);
    ASSERT_EQ(quidam.size(), 2u) << describe(2);
    EXPECT_EQ(quidam[0].form, "quidam");
    EXPECT_FALSE(readingsOf(3).empty());
    EXPECT_EQ(readingsOf(3).front().record.wordPosition, 3);
}

TEST_F(Uniques, APronounCompoundWithoutEnglishGivesNothing) {
    WordBuffer word{};
    copyField(word, "qualelibet");   // "libet" on the qualis family: no English
    EXPECT_EQ(matchQuidam(engine(), word, 10), 0);
    copyField(word, "qualibuscumque");   // found although "qualibus" sorts before "qualis"
    const int before = engine().analysisCount;
    ASSERT_EQ(matchQuidam(engine(), word, 14), 2);
    EXPECT_EQ(std::string(engine().wordAnalyses[before].english), "of-whatever-kind");
    copyField(word, "quamque");   // seven letters: "que" on quam, not "quamque"
    EXPECT_EQ(matchQuidam(engine(), word, 7), 1);
    EXPECT_EQ(std::string(engine().wordAnalyses[engine().analysisCount - 1].english), "each");
}

TEST_F(Uniques, AUniqueIsOfferedOnlyUpToItsAge) {
    options().age = kAgeClassical;
    EXPECT_EQ(findUniques(engine(), "agatur"), 0);   // a late form
    options().age = kAgeMedieval;
    ASSERT_EQ(findUniques(engine(), "agatur"), 1);
    EXPECT_EQ(engine().tempinflects[0].partOfSpeech, speech_type::Verb);
    EXPECT_EQ(findUniques(engine(), "agaturus"), 0);
    EXPECT_EQ(findUniques(engine(), "zzz"), 0);
}

TEST_F(Uniques, AUniqueShowsItsExtraFormBesideIt) {
    ASSERT_EQ(findUniques(engine(), "adesdum"), 1);
    EXPECT_EQ(fieldText(engine().tempstems[0].stem), "adesdum\tadesse");
    analyse({"et", "adesdum", "PUNCT@"});
    const auto r = readingsOf(1);
    ASSERT_EQ(r.size(), 1u) << describe(1);
    EXPECT_EQ(r[0].form, "adesdum.");
    EXPECT_TRUE(std::string_view(r[0].record.latinDetail).starts_with("adesse")) << r[0].record.latinDetail;
    EXPECT_EQ(r[0].sourceKind, source_kind::Unique);
}

// An irregular form is cited by the headword of its word; one the table leaves out cites itself.
TEST_F(Uniques, AnIrregularFormIsCitedByItsHeadword) {
    analyse({"et", "uult", "quicquam", "quicquid", "eundem", "dis", "cedo", "PUNCT@"});
    const struct {
        int position;
        std::string_view citation;
    } expected[] = {{1, "uolo"}, {2, "quisquam"}, {3, "quisquis"}, {4, "idem"}, {5, "deus"},
                    {6, "cedo"}};
    for (const auto& x : expected) {
        bool found = false;
        for (const auto& a : readingsOf(x.position)) {
            if (a.sourceKind != source_kind::Unique) continue;
            found = true;
            EXPECT_EQ(a.citation, x.citation) << token(x.position);
        }
        EXPECT_TRUE(found) << describe(x.position);
    }
}

TEST_F(Uniques, ADoubledPronounTheDictionaryKeepsWholeStaysWhole) {
    WordBuffer word{};
    copyField(word, "quisquis");
    prepareCompound(engine(), word);
    EXPECT_EQ(std::string(word), "quisquis");
    analyse({"et", "quisquis", "PUNCT@"});
    EXPECT_TRUE(hasReading(1, speech_type::Pronoun, "quisquis.")) << describe(1);
}

// Compound joints over a tiny dictionary that writes its compounds with the joint.
std::string prepared(TinyWorld& w, std::string_view text) {
    WordBuffer word{};
    copyField(word, text);
    prepareCompound(*w.engine, word);
    return word;
}

TEST(CompoundJoints, TheFirstPartsEndingMustBeTheWordsEnding) {
    TinyWorld w;
    for (std::string_view s : {"quZqu", "tertiZdecim", "usZfruct"})
        w.lexicon.stems.push_back(makeStem({s, speech_type::Numeral}));
    indexStems(w.lexicon);
    EXPECT_EQ(prepared(w, "tertiadecima"), "tertiZdecima");
    EXPECT_EQ(prepared(w, "tertiadecimus"), "tertiadecimus");
    EXPECT_EQ(prepared(w, "tertiusdecimus"), "tertiZdecimus");
    EXPECT_EQ(prepared(w, "Tertiadecima"), "TertiZdecima");
    EXPECT_EQ(prepared(w, "tertiusdecimae"), "tertiusdecimae");
    EXPECT_EQ(prepared(w, "quisquis"), "quZquis");
    EXPECT_EQ(prepared(w, "quisquid"), "quisquid");
    EXPECT_EQ(prepared(w, "usumfructum"), "usZfructum");
    EXPECT_EQ(prepared(w, "usufructu"), "usZfructu");
    EXPECT_EQ(prepared(w, "usufructus"), "usufructus");
    EXPECT_EQ(prepared(w, "quartadecima"), "quartadecima") << "no such stem";
    EXPECT_EQ(prepared(w, "terti"), "terti");
}

TEST(FieldComparison, SortsAsTheFieldsTextInByteOrder) {
    const char field[4] = {'q', 'u', 'e', '\0'};
    EXPECT_EQ(compareFieldText(field, "que"), 0);
    EXPECT_LT(compareFieldText(field, "quem"), 0);
    EXPECT_GT(compareFieldText(field, "qu"), 0);
    EXPECT_GT(compareFieldText(field, "qua"), 0);
    EXPECT_LT(compareFieldText(field, "qu\xe9"), 0) << "bytes compare unsigned";
    const char full[3] = {'a', 'b', 'c'};   // no terminator: all three bytes are the text
    EXPECT_EQ(compareFieldText(full, "abc"), 0);
    EXPECT_LT(compareFieldText(full, "abcd"), 0);
    EXPECT_GT(compareFieldText(full, "ab"), 0);
}

}  // namespace
}  // namespace kavro::testing
