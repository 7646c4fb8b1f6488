// Syncopated perfects, spelling and medieval variants and the sound-alike search, through the
// word-analysis driver over the compiled lexicon.
#include "morph/phonetic_search.h"
#include "morph/word_repairs.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

using Variants = RealLexicon;

TEST_F(Variants, SyncopatedPerfectsAreReadInFull) {
    // (amasso itself is an entry of the dictionary; laudasso is not.)
    analyse({"amasse", "laudasso", "audii", "dixti", "audierat", "PUNCT@"});
    EXPECT_TRUE(hasReading(0, speech_type::Verb, "amau.isse")) << formsOf(0);
    EXPECT_TRUE(hasReading(1, speech_type::Verb, "laudau.ero")) << formsOf(1);
    EXPECT_TRUE(hasReading(2, speech_type::Verb, "audiu.i")) << formsOf(2);
    EXPECT_TRUE(hasReading(3, speech_type::Verb, "dix.isti")) << formsOf(3);
    EXPECT_TRUE(hasReading(4, speech_type::Verb, "audiu.erat")) << formsOf(4);
    for (int word = 0; word < 5; ++word)
        for (const Reading& r : readingsOf(word)) EXPECT_EQ(r.sourceKind, 0) << r.form;
}

TEST_F(Variants, TheIstiFormNeedsAPerfectStemForItsU) {
    const auto isti = [this](std::string_view word) {
        WordBuffer buffer{};
        copyField(buffer, word);
        return trySyncopatedPerfect(engine(), buffer, SyncopeForm::Isti) ? std::string(buffer)
                                                                          : "(unchanged)";
    };
    EXPECT_EQ(isti("audii"), "audiui");
    EXPECT_EQ(isti("petii"), "petiui");
    EXPECT_EQ(isti("gladii"), "(unchanged)");      // gladiu is no perfect stem
    EXPECT_EQ(isti("audierunt"), "audiuerunt");
    EXPECT_EQ(isti("glacies"), "(unchanged)");
    EXPECT_EQ(isti("dixtis"), "dixistis");
    EXPECT_EQ(isti("misti"), "misisti");            // no stem check for "-sti"
    EXPECT_EQ(isti("ti"), "(unchanged)");
}

TEST_F(Variants, AnUnknownSpellingIsAnalysedInItsClassicalForm) {
    // (adfero itself is an entry of the dictionary; these are not.)
    analyse({"obcaeco", "subcedo", "PUNCT@"});
    EXPECT_TRUE(hasReading(0, speech_type::Verb, "occaec.o")) << formsOf(0);
    EXPECT_TRUE(hasReading(1, speech_type::Verb, "succed.o")) << formsOf(1);
    analyse({"Et", "Subcedo", "PUNCT@"});   // a capital in mid-sentence is a name first
    EXPECT_FALSE(hasReading(1, speech_type::Verb, "succed.o")) << formsOf(1);
}

TEST_F(Variants, MedievalSpellingsWaitForMedievalTricks) {
    analyse({"Et", "gratie", "PUNCT@"});
    ASSERT_EQ(readingsOf(1).size(), 1u);
    EXPECT_EQ(readingsOf(1)[0].partOfSpeech, speech_type::NotFound);

    options().medievalTricks = true;
    resetWordStatusCache(engine());
    analyse({"Et", "gratie", "PUNCT@"});
    EXPECT_TRUE(hasReading(1, speech_type::Noun, "grati.ae")) << formsOf(1);
    for (const Reading& r : readingsOf(1)) EXPECT_EQ(r.english.front() == '~', false) << r.english;
}

// At the start of a sentence the capital is lowered, and the repairs work on the lowered word;
// a word that no repair explains is still guessed as a name from its token.
TEST_F(Variants, ACapitalisedFirstWordIsRepairedInLowerCase) {
    options().medievalTricks = true;
    const struct {
        std::string_view token;
        std::uint8_t partOfSpeech;
        std::string_view form;
    } words[] = {{"Amasse", speech_type::Verb, "amau.isse"},
                 {"Dixti", speech_type::Verb, "dix.isti"},
                 {"Obcaeco", speech_type::Verb, "occaec.o"},
                 {"Gratie", speech_type::Noun, "grati.ae"}};
    for (const auto& w : words) {
        analyse({w.token, "PUNCT@"});
        EXPECT_TRUE(hasReading(0, w.partOfSpeech, w.form)) << w.token << ": " << formsOf(0);
        for (const Reading& r : readingsOf(0))
            EXPECT_NE(r.sourceKind, source_kind::Addon) << w.token << " guessed as a name: " << r.form;
    }
    // An unknown capitalised word is guessed to be a name in mid-sentence only; opening the
    // sentence, it is not found.
    analyse({"Xorbus", "PUNCT@"});
    ASSERT_EQ(readingsOf(0).size(), 1u);
    EXPECT_EQ(readingsOf(0)[0].partOfSpeech, speech_type::NotFound);
    resetWordStatusCache(engine());
    analyse({"Et", "Zorbus", "PUNCT@"});
    ASSERT_FALSE(readingsOf(1).empty());
    for (const Reading& r : readingsOf(1)) {
        EXPECT_EQ(r.form, "Zorb.us");
        EXPECT_EQ(r.english, "Zorbus");
    }
}

TEST_F(Variants, LateMedievalRewritesAndSoundAlikesAreMarkedAsVariants) {
    options().medievalTricks = true;
    analyse({"Et", "conuortit", "PUNCT@"});   // uor -> uer: conuertit
    ASSERT_FALSE(readingsOf(1).empty());
    for (const Reading& r : readingsOf(1)) {
        EXPECT_EQ(r.sourceKind, source_kind::SpellingVariant) << r.form;
        EXPECT_EQ(r.english.front(), '~') << r.english;
    }
    analyse({"Et", "ymaginem", "PUNCT@"});   // i for y
    EXPECT_TRUE(hasReading(1, speech_type::Noun, "imagin.em")) << formsOf(1);
    for (const Reading& r : readingsOf(1)) EXPECT_EQ(r.sourceKind, source_kind::SpellingVariant);
    analyse({"Et", "filosophiam", "PUNCT@"});   // only its sound finds philosophiam
    EXPECT_EQ(readingsOf(1)[0].partOfSpeech, speech_type::NotFound) << formsOf(1);
    options().medievalPhonetics = true;
    resetWordStatusCache(engine());
    analyse({"Et", "filosophiam", "PUNCT@"});
    EXPECT_TRUE(hasReading(1, speech_type::Noun, "philosophi.am")) << formsOf(1);
    for (const Reading& r : readingsOf(1)) EXPECT_EQ(r.sourceKind, source_kind::SpellingVariant);
}

TEST_F(Variants, TheCodedSoundSearchFindsWhatTheTableFinds) {
    const auto soundAlikes = [this](std::string_view word) {
        WordBuffer buffer{};
        copyField(buffer, word);
        engine().analysisCount = 0;
        const int n = matchSoundAlikes(engine(), buffer);
        std::string forms;
        for (int i = 0; i < engine().analysisCount; ++i) forms += std::string(engine().wordAnalyses[i].analysedForm) + " ";
        return std::to_string(n) + ": " + forms;
    };
    const std::string words[] = {"ymaginem", "filosophia", "michi", "dampnum", "zzz"};
    std::vector<std::string> fromTable;
    for (const std::string& w : words) fromTable.push_back(soundAlikes(w));
    EXPECT_NE(fromTable[0].find("imagin.em"), std::string::npos) << fromTable[0];
    RawTable table = std::move(lexicon().phonetics);
    lexicon().phonetics.clear();
    for (std::size_t i = 0; i < std::size(words); ++i) EXPECT_EQ(soundAlikes(words[i]), fromTable[i]);
    lexicon().phonetics = std::move(table);
}

TEST_F(Variants, OurKeysAreTheKeysOfThePhoneticsTable) {
    const auto table = lexicon().phonetics.as<PhoneticRecord>();
    if (table.empty()) GTEST_SKIP() << "phoneticuk.dat not loaded";
    char key[kPhoneticKeySize];
    for (std::size_t i = 0; i < table.size(); i += 97) {
        ASSERT_LT(table[i].stemRecord, lexicon().stems.size());
        const std::string_view stem = fieldText(lexicon().stems[table[i].stemRecord].stem);
        ASSERT_LT(phoneticKey(stem, false, key), kPhoneticKeySize) << stem;
        EXPECT_EQ(std::string_view(key), fieldText(table[i].key)) << stem;
    }
}

}  // namespace
}  // namespace kavro::testing

namespace kavro::testing {
namespace {

// Words of any bytes and lengths go through every spelling repair without leaving the buffer.
TEST_F(Variants, EveryRepairTakesStrangeWords) {
    options().medievalTricks = true;
    options().medievalPhonetics = true;
    copyField(engine().sentenceTokens[0], "Et");
    copyField(engine().sentenceTokens[2], "PUNCTB");
    std::uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    const std::string_view letters = "aeiouqcstmnrlpdhxyz_AEQSZ\xe6\x80\xff";
    for (int round = 0; round < 400; ++round) {
        std::string word;
        const std::size_t length = next() % kTokenTextSize;
        for (std::size_t i = 0; i < length; ++i) word += letters[(next() >> 8) % letters.size()];
        if (round % 2 == 0 && !word.empty()) word[0] = 'Z';
        if (round % 5 == 0) word += "que";
        word = word.substr(0, kTokenTextSize - 1);
        copyField(engine().sentenceTokens[1], word);
        engine().tokenCount = 3;
        engine().tokenIndex = 1;
        engine().analysisCount = 0;
        WordBuffer buffer{};
        const auto fresh = [&] { copyField(buffer, word); return std::ref(buffer); };
        trySyncopatedPerfect(engine(), fresh(), SyncopeForm::DoubleS);
        trySyncopatedPerfect(engine(), fresh(), SyncopeForm::Isti);
        trySpellingVariants(engine(), fresh());
        matchMedievalVariants(engine(), fresh());
        matchSpecialForms(engine(), fresh());
        ASSERT_LT(std::strlen(buffer), sizeof buffer);
        ASSERT_LE(engine().tokenCount, 4);
    }
}

}  // namespace
}  // namespace kavro::testing
