#include <gtest/gtest.h>

#include "core/analysis_record.h"
#include "core/fixed_text.h"
#include "morph/meanings.h"

namespace kavro {
namespace {

MeaningRecord meaning(std::string_view latin, std::string_view english) {
    MeaningRecord m{};
    copyField(m.latin, latin);
    copyField(m.english, english);
    return m;
}

StemRecord stemFor(std::uint32_t meaningIndex, std::uint8_t areaFrequency = 1) {
    StemRecord s{};
    s.meaningIndex = meaningIndex;
    s.areaFrequency = areaFrequency;
    return s;
}

class ShortMeaning : public ::testing::Test {
protected:
    ShortMeaning() {
        lexicon.meanings = {meaning("fero, ferre, tuli, latus", "carry, bear; B: to bear fruit"),
                            meaning("a, b", "a meaning of exactly thirty ch"),
                            meaning("uireo, uirere", "be green"),
                            meaning("bini, binae, bina", "two/by twos"),
                            meaning("amabilis, amabile", "lovable/-able")};
        lexicon.botanyMeanings = {meaning("rosa", "rose")};
        lexicon.userMeanings = {meaning("nouus", "user word")};
    }
    std::string shortMeaning(const StemRecord& stem, ReadingKind kind = {}) {
        analysis = blankAnalysis();
        storeShortMeaning(lexicon, options, stem, kind, analysis);
        return std::string(fieldText(analysis.english));
    }
    Lexicon lexicon;
    ViewOptions options;
    WordAnalysis analysis{};
};

TEST_F(ShortMeaning, TheAreaOfTheSettingsPicksItsTaggedMeaning) {
    options.area = 'B';
    EXPECT_EQ(shortMeaning(stemFor(0)), "to bear fruit");
    EXPECT_EQ(analysis.subject, 2);
    EXPECT_EQ(analysis.rarity, 1);
    options.area = 'E';
    EXPECT_EQ(shortMeaning(stemFor(0)), "carry");   // the first sense of the whole meaning
    EXPECT_EQ(analysis.subject, 0);
    EXPECT_EQ(analysis.rarity, 0);
}

TEST_F(ShortMeaning, LongMeaningsAreCutWithAStarInsideTheField) {
    const std::string cut = shortMeaning(stemFor(1));
    EXPECT_EQ(cut, "a meaning of exactly t*");
    EXPECT_EQ(cut.size(), sizeof(analysis.english) - 1);   // the field keeps its terminator
}

TEST(FirstSense, RemarksGoAndTheFirstSenseStays) {
    struct Case {
        std::string_view meaning, expected;
    } cases[] = {
        {"part, region; share; direction", "part"},
        {"Belgae (pl.); (people of Gaul)", "Belgae"},
        {"(w/ABL) full of, rich in", "full of"},
        {"be; exist; (also used to form verb perfect passive tenses)", "be"},
        {"(interjection of surprise)", "interjection of surprise"},
        {"~come;", "~come"},
        {"in, on, at (space; time", "in"},
        {"take or receive in advance; instruct", "take in advance"},
        {"green or verdant", "green"},
    };
    for (const Case& c : cases) {
        std::string m(c.meaning);
        dropParentheticals(m);
        keepFirstSense(m);
        EXPECT_EQ(m, c.expected) << c.meaning;
    }
}

TEST_F(ShortMeaning, AVerbStoresItsInfinitiveOnlyWhenTheFormHasTwoCommas) {
    shortMeaning(stemFor(0), {.verb = true});
    EXPECT_EQ(fieldText(analysis.latinDetail), "ferre");
    shortMeaning(stemFor(2), {.verb = true});
    EXPECT_EQ(fieldText(analysis.latinDetail), "");
    EXPECT_EQ(infinitiveOf("amo, amare, amaui, amatus"), "amare");
    EXPECT_EQ(infinitiveOf("amo"), "");
}

TEST_F(ShortMeaning, TheSlashPartIsDroppedExceptAModifiedStemsSuffix) {
    EXPECT_EQ(shortMeaning(stemFor(3)), "two");
    EXPECT_EQ(shortMeaning(stemFor(3), {.numeralAsAdjective = true}), "two-each");
    EXPECT_EQ(shortMeaning(stemFor(4), {.modifiedStem = true}), "lovable-able");
    EXPECT_EQ(shortMeaning(stemFor(2), {.uncertain = true}), "~be green");
}

TEST_F(ShortMeaning, BotanyAndUserEntriesFindTheirOwnTables) {
    const StemRecord herb = stemFor(0, 0xDF);
    EXPECT_EQ(shortMeaning(herb), "BOTANY-WORD");
    EXPECT_EQ(shortMeaning(herb, {.use = MeaningUse::SuffixedWord}), "-----");
    options.botanyActive = true;
    EXPECT_EQ(shortMeaning(herb), "rose");
    EXPECT_EQ(shortMeaning(stemFor(kUserMeaningBase)), "user word");
    EXPECT_EQ(shortMeaning(stemFor(kUserMeaningBase + 5)), "");   // outside the table
    EXPECT_EQ(shortMeaning(stemFor(77)), "");
}

TEST(AreaSelection, TagsAreTriedInOrderWithASecondAttemptByTheEntrysSubject) {
    std::string m = "plant; A: field; C: harvest";
    EXPECT_EQ(selectAreaMeaning(m, 'B', 0, 0), 2);   // "B:" absent, "C:" before "A:"
    EXPECT_EQ(m, "harvest");
    m = "wood; H: shrub; Z: herb";
    EXPECT_EQ(selectAreaMeaning(m, 'H', 0, 0), 13);
    EXPECT_EQ(m, "shrub; Z: herb");
    m = "stone; M: medicine";
    EXPECT_EQ(selectAreaMeaning(m, 'E', 0, 6), 15);   // no "E:", the legal entry tries "M:"
    EXPECT_EQ(m, "medicine");
    m = "stone; M: medicine";
    EXPECT_EQ(selectAreaMeaning(m, 'Z', 0, 0), 0);   // for Z, "M:" counts only at the start
    m = "M: medicine";
    EXPECT_EQ(selectAreaMeaning(m, 'Z', 0, 0), 15);
    EXPECT_EQ(m, "medicine");
}

TEST(AreaSelection, NothingIsSelectedWithoutALetterOrWhenTheReadingIsAlreadyThere) {
    std::string m = "good Latin; L:Latin rights; W:War Law";
    EXPECT_EQ(selectAreaMeaning(m, 0, 0, 0), 0);
    EXPECT_EQ(m, "good Latin; L:Latin rights; :War Law");   // later tag letters go, words stay
    m = "law; L: statute";
    EXPECT_EQ(selectAreaMeaning(m, 'L', 6, 0), 0);   // area index 6 is already L
    m = "M: a remedy";
    EXPECT_EQ(selectAreaMeaning(m, 0, 0, 0), 0);
    EXPECT_EQ(m, " a remedy");
}

}  // namespace
}  // namespace kavro
