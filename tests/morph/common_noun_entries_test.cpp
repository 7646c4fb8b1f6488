// The common nouns of our own extra dictionary entries (data/extra_entries.txt), read by word
// analysis over the compiled lexicon: deus in every case and number beside the package's
// proper name and irregular plurals.
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

using CommonNounEntries = RealLexicon;

// The dictionary readings of `position` that are common nouns of this citation form.
std::vector<Reading> commonNouns(const std::vector<Reading>& readings, std::string_view citation) {
    std::vector<Reading> out;
    for (const Reading& r : readings)
        if (r.partOfSpeech == speech_type::Noun && r.sourceKind == source_kind::Dictionary &&
            r.citation == citation && r.record.kind2 != noun_kind_type::Proper)
            out.push_back(r);
    return out;
}

bool hasCaseAndNumber(const std::vector<Reading>& readings, std::uint8_t grammarCase,
                      std::uint8_t number) {
    for (const Reading& r : readings)
        if (r.record.grammar1 == grammarCase && r.record.grammar2 == number) return true;
    return false;
}

TEST_F(CommonNounEntries, LowerCaseDeusReadsAsACommonNounInTheSingularAndThePlural) {
    analyse({"deus", "dei", "deo", "deum", "deos", "deorum", "deis", "PUNCT@"});
    struct Expected {
        int position;
        std::uint8_t grammarCase, number;
    };
    const Expected forms[] = {
        {0, case_type::Nominative, number_type::Singular}, {1, case_type::Genitive, number_type::Singular},
        {1, case_type::Nominative, number_type::Plural},   {2, case_type::Dative, number_type::Singular},
        {3, case_type::Accusative, number_type::Singular}, {3, case_type::Genitive, number_type::Plural},
        {4, case_type::Accusative, number_type::Plural},   {5, case_type::Genitive, number_type::Plural},
        {6, case_type::Ablative, number_type::Plural},
    };
    for (const Expected& f : forms) {
        const auto deus = commonNouns(readingsOf(f.position), "deus, dei");
        ASSERT_FALSE(deus.empty()) << token(f.position) << ": " << describe(f.position);
        EXPECT_TRUE(hasCaseAndNumber(deus, f.grammarCase, f.number))
            << token(f.position) << ": " << describe(f.position);
        EXPECT_EQ(deus.front().record.kind2, noun_kind_type::Person);
        EXPECT_EQ(deus.front().english.rfind("god", 0), 0u) << deus.front().english;
    }
}

TEST_F(CommonNounEntries, TheIrregularPluralsAndTheProperNameStay) {
    analyse({"di", "dis", "diis", "PUNCT@"});
    for (int position : {0, 1, 2}) {
        bool unique = false;
        for (const Reading& r : readingsOf(position))
            unique = unique || (r.sourceKind == source_kind::Unique && r.partOfSpeech == speech_type::Noun);
        EXPECT_TRUE(unique) << token(position) << ": " << describe(position);
    }

    // A capitalised word inside a sentence is a name; at the start it may be either.
    analyse({"Deus", "et", "Deus", "PUNCT@"});
    auto proper = [&](int position) {
        for (const Reading& r : readingsOf(position))
            if (r.english == "God") return true;
        return false;
    };
    EXPECT_TRUE(proper(0)) << describe(0);
    EXPECT_FALSE(commonNouns(readingsOf(0), "deus, dei").empty()) << describe(0);
    EXPECT_TRUE(proper(2)) << describe(2);
}

TEST_F(CommonNounEntries, TheOtherGodsAndSpiritsOfTheExtraEntriesAreFound) {
    analyse({"fauni", "dryades", "zephyri", "coclitem", "PUNCT@"});
    const char* const citations[] = {"faunus, fauni", "dryas, dryadis", "zephyrus, zephyri",
                                     "cocles, coclitis"};
    for (int position = 0; position < 4; ++position)
        EXPECT_FALSE(commonNouns(readingsOf(position), citations[position]).empty())
            << token(position) << ": " << describe(position);
}

}  // namespace
}  // namespace kavro::testing
