// Proper names: capitalised unknown words read from their ending or from a name met earlier in
// the job, with an enclitic cut off and put after them.
#include <set>

#include "job/translation_job.h"
#include "morph/word_repairs.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

class Names : public RealLexicon {
protected:
    // Puts the tokens in the table and calls matchSpecialForms on token `at`.
    int nameAt(std::initializer_list<std::string_view> tokens, int at) {
        Engine& e = engine();
        int n = 0;
        for (std::string_view t : tokens) copyField(e.sentenceTokens[n++], t);
        e.tokenCount = n;
        e.tokenIndex = at;
        e.analysisCount = 0;
        WordBuffer word{};
        copyField(word, tokens.begin()[at]);
        return matchSpecialForms(e, word);
    }
    std::set<int> casesOf(const std::vector<Reading>& readings) {
        std::set<int> cases;
        for (const Reading& r : readings) cases.insert(r.record.grammar1);
        return cases;
    }
};

TEST_F(Names, ACapitalisedUnknownInUsIsASecondDeclensionName) {
    analyse({"Et", "Zorbus", "uenit", "PUNCT@"});
    const auto readings = readingsOf(1);
    ASSERT_EQ(readings.size(), 3u) << formsOf(1);
    EXPECT_EQ(casesOf(readings),
              (std::set<int>{case_type::Nominative, case_type::Accusative, case_type::Vocative}));
    for (const Reading& r : readings) {
        EXPECT_EQ(r.partOfSpeech, speech_type::Noun);
        EXPECT_EQ(r.record.stemClass, 2 * 16 + 1);
        EXPECT_EQ(r.record.grammar2, number_type::Singular);
        EXPECT_EQ(r.record.kind2, noun_kind_type::Group);
        EXPECT_EQ(r.form, "Zorb.us");
        EXPECT_EQ(r.english, "Zorbus");
        EXPECT_EQ(r.sourceKind, source_kind::Addon);
    }
    EXPECT_EQ(fieldText(engine().learnedNames[0].stem), "Zorb");
    EXPECT_EQ(engine().learnedNameWrite, 1);

    // Seen again in the job, the word-status cache sends it straight to the names, and the
    // learned name gives the readings of its ending in the second declension.
    analyse({"Et", "Zorbus", "PUNCT@"});
    ASSERT_FALSE(readingsOf(1).empty());
    EXPECT_TRUE(casesOf(readingsOf(1)).contains(case_type::Nominative));
}

TEST_F(Names, TheEndingNamesTheNominative) {
    analyse({"Et", "Zorbam", "Zorbarum", "PUNCT@"});
    for (int word : {1, 2}) {
        ASSERT_FALSE(readingsOf(word).empty());
        EXPECT_EQ(readingsOf(word)[0].english, "Zorba");
        EXPECT_EQ(readingsOf(word)[0].record.stemClass, 1 * 16 + 1);
    }
}

TEST_F(Names, ALearnedNameDeclinesItsEndings) {
    analyse({"Et", "Zorbus", "PUNCT@"});
    analyse({"Et", "Zorbi", "PUNCT@"});   // as an ending alone "i" would give only three cases
    const auto readings = readingsOf(1);
    ASSERT_FALSE(readings.empty());
    EXPECT_TRUE(casesOf(readings).contains(case_type::Genitive)) << formsOf(1);
    for (const Reading& r : readings) {
        EXPECT_EQ(r.english, "Zorbus");
        EXPECT_EQ(r.form, "Zorb.i");
    }
    EXPECT_EQ(engine().learnedNameWrite, 1) << "a learned name is not learned again";
}

TEST_F(Names, TheRingOfLearnedNamesWraps) {
    std::string name = "Zaxbus";
    for (std::size_t i = 0; i <= kLearnedNameCapacity; ++i) {
        name[2] = static_cast<char>('a' + i);
        ASSERT_GT(nameAt({"Et", name, "PUNCT@"}, 1), 0) << name;
    }
    EXPECT_EQ(engine().learnedNameWrite, 1);
    EXPECT_EQ(fieldText(engine().learnedNames[0].stem), "Zaub");   // the 21st overwrote the 1st
    EXPECT_EQ(fieldText(engine().learnedNames[1].stem), "Zabb");
}

TEST_F(Names, EncliticsAreCutOffAndPutAfterTheName) {
    EXPECT_EQ(nameAt({"Et", "Zorbusque", "uenit", "PUNCT@"}, 1), 3);
    EXPECT_EQ(readingsOf(1)[0].form, "Zorb.us");
    EXPECT_EQ(engine().tokenCount, 5);
    EXPECT_EQ(token(2), "que");
    EXPECT_EQ(token(3), "uenit");

    EXPECT_EQ(nameAt({"Et", "Xanthusne", "PUNCTB"}, 1), 3);   // "ne" only before a question mark
    EXPECT_EQ(readingsOf(1)[0].form, "Xanth.us");
    EXPECT_EQ(token(2), "ne");
    EXPECT_EQ(nameAt({"Et", "Quintusne", "PUNCT@"}, 1), 3);
    EXPECT_EQ(readingsOf(1)[0].form, "Quintusne.");
    EXPECT_EQ(engine().tokenCount, 3);
    EXPECT_EQ(nameAt({"Et", "Pollione", "PUNCTB"}, 1), 3);   // "-one" is no enclitic
    EXPECT_EQ(engine().tokenCount, 3);

    // A name of four letters is taken whole, "que" and all.
    EXPECT_EQ(nameAt({"Et", "Caiaque", "PUNCT@"}, 1), 3);
    EXPECT_EQ(readingsOf(1)[0].form, "Caiaque.");
    EXPECT_EQ(engine().tokenCount, 3);
}

TEST_F(Names, InitialsMakeAProperNameAndLowerCaseIsNoName) {
    EXPECT_EQ(nameAt({"Et", "C_Iulius", "PUNCT@"}, 1), 3);
    EXPECT_EQ(readingsOf(1)[0].record.kind2, noun_kind_type::Proper);
    EXPECT_EQ(nameAt({"Et", "zorbus", "PUNCT@"}, 1), 0);
    const std::string longName = "Z" + std::string(kTokenTextSize - 2, 'o');
    EXPECT_EQ(nameAt({"Et", longName, "PUNCT@"}, 1), 3);   // taken whole, its texts cut
}

}  // namespace
}  // namespace kavro::testing

namespace kavro::testing {
namespace {

TEST(LearnedNames, EachTranslationJobStartsWithAnEmptyRing) {
    TinyWorld world;
    Engine& e = *world.engine;
    copyField(e.learnedNames[3].stem, "Zorb");
    e.learnedNameWrite = 5;
    JobStages stages = engineStages();
    stages.prepareLatinFile = [](Engine& engine, const std::filesystem::path&) {
        std::FILE* f = std::fopen(engine.file("temp.lat").string().c_str(), "w");
        if (f) std::fclose(f);
        return f != nullptr;
    };
    stages.readSentence = [](Engine&, std::FILE*, std::string&) { return -1; };
    std::filesystem::path latin = world.folder.file("latin.lat");
    runTranslationJob(e, latin, 0, stages);
    EXPECT_EQ(fieldText(e.learnedNames[3].stem), "");
    EXPECT_EQ(e.learnedNameWrite, 0);
}

}  // namespace
}  // namespace kavro::testing
