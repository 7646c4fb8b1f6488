// Tackons, prefixes and modified stems through the word-analysis driver over the compiled
// lexicon: the tackon as a word of its own (moved before its word when its addon says so),
// the elided "est", names with a tackon, the sentence limit; "+PREFIX" readings; "-able".
#include <algorithm>

#include "morph/tackons.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

using Tackons = RealLexicon;

// Word positions never go down along the analysis table.
bool positionsInOrder(const Engine& e) {
    for (int i = 1; i < e.analysisCount; ++i)
        if (e.wordAnalyses[i].wordPosition < e.wordAnalyses[i - 1].wordPosition) return false;
    return true;
}

TEST_F(Tackons, QueBecomesAWordOfItsOwnBeforeTheWordItCameFrom) {
    analyse({"arma", "uirumque", "cano", "PUNCT@"});
    ASSERT_EQ(engine().tokenCount, 5);
    EXPECT_EQ(token(1), "que");
    EXPECT_EQ(token(2), "uirumque");
    EXPECT_EQ(token(3), "cano");
    const auto que = readingsOf(1);
    ASSERT_EQ(que.size(), 1u) << describe(1);
    EXPECT_EQ(que[0].partOfSpeech, speech_type::Conjunction);
    EXPECT_EQ(que[0].form, "que.");
    EXPECT_EQ(que[0].english, "and");
    EXPECT_EQ(que[0].sourceKind, source_kind::Addon);
    EXPECT_TRUE(hasReading(2, speech_type::Noun, "uir.um")) << describe(2);
    EXPECT_TRUE(hasReading(3, speech_type::Verb, "can.o")) << describe(3);
    EXPECT_TRUE(positionsInOrder(engine()));
}

TEST_F(Tackons, TheQuestionParticleAndTheShortTackonsAreFound) {
    analyse({"estne", "mecum", "PUNCT@"});
    ASSERT_EQ(engine().tokenCount, 5);
    const auto ne = readingsOf(0);
    ASSERT_EQ(ne.size(), 1u) << describe(0);
    EXPECT_EQ(ne[0].partOfSpeech, speech_type::Conjunction);
    EXPECT_EQ(ne[0].english, "is it not that");
    bool be = false;
    for (const auto& r : readingsOf(1)) be |= r.partOfSpeech == speech_type::Verb && r.english == "be";
    EXPECT_TRUE(be) << describe(1);
    // "cum" keeps the part of speech of a tackon and the case it governs.
    const auto cum = readingsOf(2);
    ASSERT_EQ(cum.size(), 1u) << describe(2);
    EXPECT_EQ(cum[0].partOfSpeech, speech_type::Tackon);
    EXPECT_EQ(cum[0].record.grammar1, case_type::Ablative);
    EXPECT_TRUE(hasReading(3, speech_type::Pronoun, "m.e")) << describe(3);
    EXPECT_TRUE(positionsInOrder(engine()));
}

TEST_F(Tackons, TheElidedEstFollowsItsWordOnlyWithPlautineElisions) {
    analyse({"et", "amatst", "PUNCT@"});
    EXPECT_EQ(readingsOf(1).front().partOfSpeech, speech_type::NotFound);

    options().plautusElisions = true;
    resetWordStatusCache(engine());
    analyse({"et", "amatst", "PUNCT@"});
    EXPECT_EQ(token(2), "est");
    EXPECT_TRUE(hasReading(1, speech_type::Verb, "am.at")) << describe(1);
    const auto est = readingsOf(2);
    ASSERT_EQ(est.size(), 1u) << describe(2);
    EXPECT_EQ(est[0].form, "est.");
    EXPECT_EQ(est[0].english, "is");
}

TEST_F(Tackons, AnUnknownCapitalisedBaseIsANameOfTheFirstOrSecondDeclension) {
    analyse({"et", "Liuiaque", "PUNCT@"});
    EXPECT_EQ(token(1), "que");
    const auto name = readingsOf(2);
    ASSERT_FALSE(name.empty());
    for (const auto& r : name) {
        EXPECT_EQ(r.form, "Liui.a");
        EXPECT_EQ(r.english, "Liuia");
        EXPECT_EQ(r.sourceKind, source_kind::CapitalisedGuess);
    }
}

TEST_F(Tackons, AFullSentenceKeepsTheWordButGetsNoTackon) {
    Engine& e = engine();
    const int words = static_cast<int>(kTokenCapacity) - 3;
    for (int i = 0; i < words; ++i) copyField(e.sentenceTokens[i], "et");
    copyField(e.sentenceTokens[words], "uirumque");
    copyField(e.sentenceTokens[words + 1], "PUNCT@");
    e.tokenCount = words + 2;   // 399: no room for another token
    e.analysisCount = 0;
    e.groupNumber = 0;
    const auto boxesBefore = world_->host.boxes.size();
    analyseSentenceWords(e);
    EXPECT_EQ(e.tokenCount, words + 2);
    EXPECT_EQ(token(words + 1), "PUNCT@");
    EXPECT_TRUE(hasReading(words, speech_type::Noun, "uir.um")) << describe(words);
    EXPECT_NE(e.messageBuffer.find("Exceeded limit 400 of words in a sentence.\nCan't add TACKON.\n"),
              std::string::npos);
    EXPECT_LE(world_->host.boxes.size(), boxesBefore + 1);
}

TEST_F(Tackons, AddonsOfOneKeyAreAllTakenAndEmphaticHasNoEnglish) {
    ASSERT_EQ(findAddons(engine(), "pte"), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(fieldText(engine().tempaddons[i].key), "pte");
        EXPECT_EQ(engine().tempaddons[i].english[0], '\0');
    }
    EXPECT_EQ(findAddons(engine(), "zzz"), 0);
    EXPECT_EQ(findAddons(engine(), "qu"), 0);
}

TEST_F(Tackons, APrefixIsTriedOnlyForAWordNothingElseExplained) {
    world_->engine->log.open(world_->folder.file("parser.txt"));
    options().sentenceMode = false;
    analyse({"et", "reficio", "reamo", "contrauoco", "PUNCT@"});
    engine().log.close();
    const std::string log = world_->folder.read("parser.txt");
    for (const auto& r : readingsOf(1)) EXPECT_EQ(r.form.find("re"), 0u) << r.form;
    EXPECT_TRUE(hasReading(1, speech_type::Verb, "refici.o")) << describe(1);
    const auto reamo = readingsOf(2);
    ASSERT_FALSE(reamo.empty());
    for (const auto& r : reamo) {
        EXPECT_EQ(r.form, "ream.o");
        EXPECT_TRUE(r.english.starts_with("re-love")) << r.english;
    }
    EXPECT_NE(log.find("+PREFIX re = re-.\n\n"), std::string::npos);
    EXPECT_EQ(log.find("+PREFIX re = re-.\n\n"), log.rfind("+PREFIX re = re-.\n\n")) << "reficio needs none";
    // "contra" is taken whole, not as "com" or "co".
    EXPECT_TRUE(hasReading(3, speech_type::Verb, "contrauoc.o")) << describe(3);
    EXPECT_TRUE(readingsOf(3).front().english.starts_with("contra-call")) << describe(3);
    EXPECT_NE(log.find("+PREFIX contra = contra-.\n\n"), std::string::npos);
}

TEST_F(Tackons, AVerbStemWithAbilIsAnAdjectiveThatCanBeDone) {
    analyse({"et", "portabilis", "PUNCT@"});
    const auto r = readingsOf(1);
    ASSERT_FALSE(r.empty());
    for (const auto& a : r) {
        EXPECT_EQ(a.partOfSpeech, speech_type::Adjective);
        EXPECT_EQ(a.form, "portabil.is");
        EXPECT_EQ(a.english, "carry-able");
        EXPECT_EQ(a.record.stemClass, 3 * 16 + 2);
        EXPECT_EQ(a.sourceKind, source_kind::ModifiedStem);
    }
    // A comparative of a participle keeps its "i" in the stem and takes the comparative endings.
    analyse({"et", "amatior", "PUNCT@"});
    EXPECT_TRUE(hasReading(1, speech_type::Adjective, "amati.or")) << describe(1);
}

TEST_F(Tackons, BotanyPrefixesAndSuffixesWaitForTheBotanyMeanings) {
    analyse({"et", "multiflorus", "PUNCT@"});
    const auto r = readingsOf(1);
    ASSERT_EQ(r.size(), 1u) << describe(1);
    EXPECT_EQ(r[0].partOfSpeech, speech_type::NotFound);

    options().botanyActive = true;
    resetWordStatusCache(engine());
    analyse({"et", "multiflorus", "PUNCT@"});
    const auto botany = readingsOf(1);
    ASSERT_FALSE(botany.empty());
    for (const auto& a : botany) {
        EXPECT_EQ(a.form, "multiflor.us");
        EXPECT_TRUE(a.english.ends_with("-flowered")) << a.english;
    }
}

}  // namespace
}  // namespace kavro::testing
