// Single-word translation on the compiled lexicon: the normalised word, the translation line
// with its alternatives, the glossary, the modes and the window target, and the limits.
#include <gtest/gtest.h>

#include "english/single_word.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro {
namespace {

class SingleWord : public testing::RealLexicon {
protected:
    void SetUp() override {
        RealLexicon::SetUp();
        options().singleWordTarget = 0;
        engine().warningBoxCount = 0;
    }
    SingleWordOutput translate(std::string_view word, int mode = single_word_mode::TranslationOnly) {
        return translateSingleWord(engine(), word, mode);
    }
};

TEST_F(SingleWord, TheWordIsSpelledAsTheLexiconSpellsIt) {
    struct Case {
        std::string_view typed, header;
    };
    for (const Case& c : {Case{"Vivit", "'Uiuit': "}, Case{"Juvat", "'Iuuat': "},
                          Case{"\x9C" "conomia", "'oeconomia': "}, Case{"\xC6" "gyptus", "'aegyptus': "}}) {
        const SingleWordOutput out = translate(c.typed);
        EXPECT_TRUE(out.translation.starts_with(c.header)) << out.translation;
    }
    EXPECT_NE(translate("Vivit").translation.find("alive"), std::string::npos);
}

TEST_F(SingleWord, TheTranslationLineListsEachDifferentSlotOnceThenTheAlternatives) {
    // "cum": the conjunction and the preposition, each shown once.
    const SingleWordOutput out = translate("cum");
    EXPECT_EQ(out.translation.substr(0, out.translation.find('\n')), "'cum': when / with / ");
    EXPECT_NE(out.translation.find("\nAlternatives: when, "), std::string::npos);
    EXPECT_TRUE(out.glossary.empty() || out.glossary.starts_with("'cum':\n"));
    EXPECT_FALSE(out.showGlossaryWindow);
    EXPECT_EQ(engine().translationText, out.translation);
    EXPECT_FALSE(engine().singleWordLookup);
    // Equal slots of several readings ("bona": many cases of "good") appear once in mode 1 ...
    const std::string line = translate("bona").translation;
    const std::string head = line.substr(0, line.find('\n'));
    EXPECT_EQ(head.find("/ good / good /"), std::string::npos) << head;
    // ... and the alternatives skip a meaning equal to the one before.
    EXPECT_EQ(line.find("good/moral"), line.rfind("good/moral")) << line;
}

TEST_F(SingleWord, AProperNameKeepsItsCapital) {
    const std::string line = translate("Caesar").translation;
    EXPECT_TRUE(line.starts_with("'Caesar': Caesar / \n")) << line;
}

TEST_F(SingleWord, AGerundiveShowsRequiringToBe) {
    const SingleWordOutput out = translate("amandus");
    EXPECT_NE(out.translation.find("requiring-to-be-loved"), std::string::npos) << out.translation;
    EXPECT_EQ(out.translation.find("RTB"), std::string::npos);
}

TEST_F(SingleWord, TheGlossaryHasOneLineOfLatinGrammarAndMeaningPerReading) {
    const SingleWordOutput out = translate("est", single_word_mode::WithGlossary);
    EXPECT_TRUE(out.glossary.starts_with("'est':\n")) << out.glossary;
    EXPECT_NE(out.glossary.find("sum, esse, fui, futurus VERB 5 1  PRES    ACTIVE    IND    3   SING"),
              std::string::npos) << out.glossary;
    EXPECT_NE(out.glossary.find("edo, esse"), std::string::npos);
    EXPECT_TRUE(out.showGlossaryWindow);   // target 0: the glossary goes to the window
    EXPECT_TRUE(out.translation.starts_with("'est': "));
}

TEST_F(SingleWord, ModeAndTargetDecideWhereTheGlossaryGoes) {
    struct Case {
        int target, mode;
        bool grammarInGlossary, window, glossaryInBox;
    };
    for (const Case& c : {Case{0, 1, false, false, false}, Case{0, 0, true, true, false},
                          Case{0, 7, true, false, false}, Case{1, 1, true, false, true},
                          Case{2, 1, true, true, false}}) {
        options().singleWordTarget = c.target;
        const SingleWordOutput out = translate("rex", c.mode);
        const std::string where = "target " + std::to_string(c.target) + " mode " + std::to_string(c.mode);
        EXPECT_EQ(out.glossary.find("NOUN 3 1") != std::string::npos, c.grammarInGlossary) << where;
        EXPECT_EQ(out.showGlossaryWindow, c.window) << where;
        EXPECT_EQ(out.translation == out.glossary, c.glossaryInBox) << where;
    }
}

TEST_F(SingleWord, LimitsAndFailures) {
    // A word nothing explains: the header and an empty list of alternatives.
    EXPECT_EQ(translate("xqzxqz").translation, "'xqzxqz': \nAlternatives: ");
    // A word of more than 99 characters is cut to 95, with a warning.
    const std::string longWord(120, 'a');
    const SingleWordOutput cut = translate(longWord);
    EXPECT_TRUE(cut.translation.starts_with("'" + std::string(95, 'a') + "': ")) << cut.translation;
    ASSERT_FALSE(world_->host.boxes.empty());
    EXPECT_NE(world_->host.boxes.back().text.find("More than 100 characters in word"), std::string::npos);
    EXPECT_NE(world_->host.boxes.back().text.find("Truncated at 95 chars."), std::string::npos);
    // More than 48 collected meanings: the alternatives end with the truncation note.
    const std::string many = translate("quae").translation;
    EXPECT_GT(engine().singleWordCount, kAlternativesLimit);
    EXPECT_TRUE(many.ends_with(kSingleWordTooLong)) << many;
    // Nothing longer than the limit and its note.
    EXPECT_LE(many.size(), kSingleWordTextLimit + 200 + kSingleWordTooLong.size());
}

}  // namespace
}  // namespace kavro
