// The special senses on hand-built sentences assembled into English first, and the English that
// the rules look for checked against the real lexicon.
#include "english/special_senses.h"

#include <gtest/gtest.h>

#include "english/sentence_assembly.h"
#include "tests/english/hand_sentence.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro {
namespace {

using namespace kavro::testing;

WordAnalysis linkedTo(WordAnalysis r, int partner) {
    r.link1 = static_cast<std::int16_t>(partner);
    return r;
}

WordAnalysis preposition(const char* form, const char* english) {
    return reading(speech_type::Preposition, form, english);
}

struct SenseCase {
    const char* name;
    std::vector<WordAnalysis> words;
    std::vector<std::string> slots;   // after assembly and the special senses
};

const SenseCase kCases[] = {
    {"pila after \"in\" and tied to it: the pounding-vessel, never plural",
     {linkedTo(preposition("in.", "in"), 1), noun("pil.as", "ball", ACC, PL), mark(".")},
     {"in", "the pounding-vessel", "."}},
    {"pila through its partner tied to \"in\"",
     {linkedTo(preposition("in.", "in"), 2), linkedTo(noun("pil.a", "ball", ABL), 2),
      noun("mort.ario", "mortar", ABL), mark(".")},
     {"in", "the pounding-vessel", "with the mortar", "."}},
    {"pila plural beside ludus: the balls",
     {noun("pil.ae", "ball", NOM, PL), noun("lud.o", "game", ABL), mark(".")},
     {"the balls", "with the game", "."}},
    {"pila with no context keeps its slot",
     {noun("pil.a", "ball", NOM), mark(".")},
     {"the ball", "."}},
    {"the vocative of liber",
     {noun("liber.", "book", VOC), mark(".")},
     {"O child", "."}},
    {"lustrum beside wild beasts: the den",
     {noun("lustr.a", "purifying", ACC, PL), noun("fer.arum", "wild beast", GEN, PL), mark(".")},
     {"the dens", "of the wild beast+s", "."}},
    {"contentus well after its noun, no copula: tense",
     {linkedTo(noun("arc.um", "bow", ACC), 2), verb("hab.et", "have", 1, 1, 3, SG),
      declined(speech_type::Adjective, "content.um", "content", ACC, SG), mark(".")},
     {"the bow", "s/he/it ^have+s", "tense", "."}},
    {"no sense word: nothing changes",
     {noun("puell.a", "girl", NOM), noun("ros.as", "rose", ACC, PL), mark(".")},
     {"the girl", "the rose+s", "."}},
};

TEST(SpecialSenses, RulesOnAssembledSentences) {
    for (const SenseCase& c : kCases) {
        HandSentence s;
        s.load(c.words);
        assembleEnglish(s.engine());
        applySpecialSenses(s.engine());
        EXPECT_EQ(s.slots(), c.slots) << c.name;
    }
}

TEST(SpecialSenses, PlagaSeesTheSkyAndBecomesARegion) {
    HandSentence s;
    s.load({noun("plag.a", "stroke", NOM), noun("cael.i", "heaven", GEN), mark(".")});
    EXPECT_EQ(plagaFeatures(s.engine(), 0), "00100010");   // character 7: caelum
    assembleEnglish(s.engine());
    applySpecialSenses(s.engine());
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"the region", "of the heaven", "."}));

    s.load({noun("plag.a", "stroke", NOM), noun("uir.i", "man", GEN), mark(".")});
    EXPECT_EQ(plagaFeatures(s.engine(), 0), "00100000");
}

// The rules find the first sense that the compiled dictionary gives each entry.
using SenseWordsInTheLexicon = RealLexicon;

TEST_F(SenseWordsInTheLexicon, EachRuleFindsItsWord) {
    analyse({"plaga", "saltus", "lustrum", "contentus", "PUNCT@"});
    struct Expected { int position; std::uint8_t partOfSpeech; const char* english; };
    const Expected expected[] = {{0, speech_type::Noun, "stroke"},
                                 {1, speech_type::Noun, "narrow passage"},
                                 {2, speech_type::Noun, "purifying"},
                                 {3, speech_type::Adjective, "content"}};
    for (const Expected& x : expected) {
        bool found = false;
        for (const Reading& r : readingsOf(x.position))
            found |= r.partOfSpeech == x.partOfSpeech && r.english == x.english;
        EXPECT_TRUE(found) << x.english << " in " << describe(x.position);
    }
}

}  // namespace
}  // namespace kavro
