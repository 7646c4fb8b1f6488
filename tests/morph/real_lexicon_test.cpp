// The searches over the compiled lexicon of the build (skipped when it has not been built).
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/grammar_codes.h"
#include "job/data_loader.h"
#include "morph/dictionary_listing.h"
#include "morph/inflection_search.h"
#include "morph/stem_search.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro {
namespace {

std::filesystem::path dataFolder() {
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DATA_DIR;
}

class RealLexicon : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::exists(dataFolder() / "manifest.txt")) return;
        world_ = new testing::TinyWorld;
        world_->options.hashOffByUser = true;
        std::string problem;
        loaded_ = loadDataFiles(*world_->engine, world_->lexicon, dataFolder(), &problem);
        if (!loaded_) ADD_FAILURE() << problem;
    }
    static void TearDownTestSuite() {
        delete world_;
        world_ = nullptr;
    }
    void SetUp() override {
        if (!world_) GTEST_SKIP() << "no compiled lexicon in " << dataFolder();
        ASSERT_TRUE(loaded_);
    }
    Engine& engine() { return *world_->engine; }
    const Lexicon& lexicon() { return world_->lexicon; }

    static inline testing::TinyWorld* world_ = nullptr;
    static inline bool loaded_ = false;
};

TEST_F(RealLexicon, EveryStemAndEveryEndingIsFoundByItsOwnSearch) {
    engine().stemLevelLimit = kAdmitEveryStem;
    for (const StemRecord& s : lexicon().stems) {
        const std::string_view stem = fieldText(s.stem);
        if (static_cast<unsigned char>(stem.front()) > 'z') continue;   // never searched
        ASSERT_GT(findStems(engine(), stem), 0) << stem;
    }
    engine().tempstems[0] = lexicon().stems.front();
    for (const InflectionRecord& r : lexicon().inflections)
        ASSERT_NE(findInflections(engine(), fieldText(r.ending), 0), kEndingNotInTable)
            << fieldText(r.ending);
}

TEST_F(RealLexicon, AFirstConjugationVerbTakesItsPresentEndings) {
    engine().stemLevelLimit = kAdmitEveryStem;
    const int count = findStems(engine(), "am");
    int verbSlot = -1;
    for (int i = 0; i < count; ++i)
        if (engine().tempstems[i].partOfSpeech == speech_type::Verb && engine().tempstems[i].which == 1)
            verbSlot = i;
    ASSERT_GE(verbSlot, 0);
    ASSERT_GT(findInflections(engine(), "o", verbSlot), 0);
    const InflectionRecord& first = engine().tempinflects[0];
    EXPECT_EQ(first.partOfSpeech, speech_type::Verb);
    EXPECT_EQ(first.grammar1, tense_type::Present);
    EXPECT_EQ(first.grammar4, 1);   // first person
}

TEST_F(RealLexicon, TheLookUpOfVirListsTheManWithHisCitationForm) {
    const std::string listing = listDictionaryStems(engine(), "vir", ListingStyle::WithCitationForms);
    EXPECT_NE(listing.find("uir                  NOUN   2 3 MASC    A:0 vir, viri - man;"),
              std::string::npos)
        << listing;
}

}  // namespace
}  // namespace kavro
