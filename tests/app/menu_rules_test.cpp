#include <gtest/gtest.h>

#include "app/menu_rules.h"

namespace kavro {
namespace {

TEST(MenuRules, SentenceEntriesNeedSentenceModeAndPhoneticsNeedTricks) {
    ViewOptions o;
    MenuStates m = applyMenuRules(o);
    EXPECT_FALSE(m.details.enabled);
    EXPECT_FALSE(m.jointOutput.enabled);
    EXPECT_FALSE(m.autoArea.enabled);
    EXPECT_TRUE(m.medievalPhonetics.enabled);
    o.sentenceMode = true;
    o.details = true;
    o.medievalTricks = false;
    m = applyMenuRules(o);
    EXPECT_TRUE(m.details.enabled);
    EXPECT_TRUE(m.details.checked);
    EXPECT_TRUE(m.autoArea.enabled);
    EXPECT_FALSE(m.medievalPhonetics.enabled);
}

TEST(MenuRules, PreferredMeaningsFollowTheAreaAndNeedTheirAge) {
    ViewOptions o;
    o.area = 'Z';
    o.preferMedieval = true;
    MenuStates m = applyMenuRules(o);
    EXPECT_TRUE(o.preferNeoLatin);
    EXPECT_FALSE(o.preferMedieval);
    EXPECT_TRUE(m.preferNeoLatin.checked);
    EXPECT_FALSE(m.preferNeoLatin.enabled);  // age is medieval
    EXPECT_TRUE(m.preferMedieval.enabled);
    o.age = kAgeAll;
    o.area = 'M';
    m = applyMenuRules(o);
    EXPECT_TRUE(m.preferNeoLatin.enabled);
    EXPECT_FALSE(m.preferMedieval.enabled);
    EXPECT_TRUE(o.preferMedieval);
    EXPECT_FALSE(o.preferNeoLatin);
}

TEST(MenuRules, BotanyAreaNeedsTheAcceptedBotanyFile) {
    ViewOptions o;
    o.area = 'H';
    o.botanyActive = true;
    EXPECT_TRUE(applyMenuRules(o).botany.checked);
    EXPECT_EQ(o.area, 'H');
    chooseAge(o, kAgeClassical);  // the age entries turn botany off
    EXPECT_FALSE(o.botanyActive);
    const MenuStates m = applyMenuRules(o);
    EXPECT_FALSE(m.botany.enabled);
    EXPECT_EQ(o.area, 0);
    chooseAge(o, kAgeAll);
    EXPECT_EQ(o.age, kAgeAll);
}

TEST(MenuRules, ChoosingAnAreaEndsAutoAreaAndAutoAreaResetsTheArea) {
    ViewOptions o;
    toggleAutoArea(o);
    EXPECT_TRUE(o.autoArea);
    chooseArea(o, 'M');
    EXPECT_FALSE(o.autoArea);
    EXPECT_TRUE(o.preferMedieval);
    toggleAutoArea(o);
    EXPECT_EQ(o.area, 0);
    toggleAutoArea(o);
    EXPECT_FALSE(o.autoArea);
    EXPECT_TRUE(isAreaCode('W'));
    EXPECT_TRUE(isAreaCode(0));
    EXPECT_FALSE(isAreaCode('X'));
}

TEST(MenuRules, EasyLatinSwitchesTheClassicalRestrictionsAndSaysSo) {
    ViewOptions o;
    o.age = kAgeAll;
    o.medievalPhonetics = true;
    o.botanyActive = true;
    EXPECT_EQ(toggleEasyLatin(o),
              "EASY (TEACHING) LATIN MODE.\nUses only most common Latin words.\n"
              "Also restricts to 'classical age' words only and removes medieval 'tricks'.\n"
              "For further details, see HELP or manual.");
    EXPECT_TRUE(o.easyLatin);
    EXPECT_EQ(o.age, kAgeClassical);
    EXPECT_FALSE(o.medievalTricks || o.medievalPhonetics || o.botanyActive);
    EXPECT_EQ(toggleEasyLatin(o),
              "Easy Teaching Mode is turned OFF.\nYou may need to re-set AGE PREFERRED and MEDIEVAL TRICKS.");
    EXPECT_TRUE(o.medievalTricks);
    EXPECT_EQ(o.age, kAgeClassical);
}

}  // namespace
}  // namespace kavro
