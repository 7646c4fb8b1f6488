// The word, phrase and line tables of polishing on small hand-made tables.
#include "english/polish_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/fixed_text.h"

namespace kavro {
namespace {

PolishRecord word(const char* key, const char* replacement) {
    PolishRecord r{};
    copyField(r.key, key);
    copyField(r.replacement, replacement);
    return r;
}

// Sorted in byte order, as the compiler writes it.
const std::vector<PolishRecord> kWords = {
    word("Romen", "Romans"), word("childs", "children"), word("gos", "goes"), word("runing", "running"),
    word("stoped", "stopped"), word("taked", "taken"), word("xs", "x")};

std::string polished(std::string slot) {
    applyPolishTable(kWords, slot);
    return slot;
}

TEST(PolishTable, ReplacesWordsAndKeepsTheirMarks) {
    EXPECT_EQ(polished("<s/he/it ^gos>"), "<s/he/it ^goes>");
    EXPECT_EQ(polished("the childs, and"), "the children, and");
    EXPECT_EQ(polished("~the Romen"), "~the Romans");
    EXPECT_EQ(polished("<^~^runing!"), "<^~^running!");
    EXPECT_EQ(polished("well-runing"), "well-running");
    EXPECT_EQ(polished("I have ^taked and ^stoped"), "I have ^taken and ^stopped");
    EXPECT_EQ(polished("gosling"), "gosling");
    EXPECT_EQ(polished("the gos's"), "the gos's");
}

TEST(PolishTable, FirstAndLastRecordsAreFound) {
    ASSERT_NE(findPolishWord(kWords, "Romen"), nullptr);
    ASSERT_NE(findPolishWord(kWords, "xs"), nullptr);
    EXPECT_EQ(findPolishWord(kWords, "zzz"), nullptr);
    EXPECT_EQ(findPolishWord(kWords, ""), nullptr);
    EXPECT_EQ(findPolishWord({}, "gos"), nullptr);
}

TEST(PolishTable, ShortWordsLongSlotsAndTheNineWordLimit) {
    EXPECT_EQ(polished("xs"), "xs");                              // two characters: not looked up
    const std::string longSlot = "gos " + std::string(72, 'a');   // 76 characters
    EXPECT_EQ(polished(longSlot), longSlot);
    EXPECT_EQ(polished("a b c d e f g h gos"), "a b c d e f g h goes");      // ninth word
    EXPECT_EQ(polished("a b c d e f g h i gos"), "a b c d e f g h i gos");  // tenth word
}

TEST(PolishTable, FixedSlotStaysBounded) {
    std::vector<PolishRecord> table = {word("ab1", "abcdefghijklmnopqrs")};
    char slot[kEnglishSlotSize];
    std::string text;
    for (int i = 0; i < 18; ++i) text += "ab1 ";   // 72 characters, each word grows by 16
    copyField(slot, text);
    applyPolishTable(table, slot, sizeof slot);
    EXPECT_EQ(std::strlen(slot), kEnglishSlotSize - 1);
}

PhraseRecord phrase(const char* search, const char* replacement, int compared = -1) {
    PhraseRecord r{};
    copyField(r.search, search);
    copyField(r.replacement, replacement);
    r.comparedLength = static_cast<std::int16_t>(compared < 0 ? std::strlen(search) : compared);
    return r;
}

std::vector<PhraseRecord> phraseTable() {
    std::vector<PhraseRecord> t = {phrase("I ^be", "I ^am"), phrase("has ^was", "^was"),
                                   phrase("^seed", "^seen"),
                                   phrase("will ^must", "will have ^ to"),
                                   phrase("be ^", "be ^really ")};
    t.resize(kVerbPhraseGroupSize);
    for (const PhraseRecord& r : {phrase("more bad", "worse"), phrase("more good", "better"),
                                  phrase("most good", "best"), phrase("the more good", "the better")}) {
        t.push_back(r);
    }
    return t;
}

WordAnalysis readingOf(int partOfSpeech, const char* meaning = "") {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = static_cast<std::uint8_t>(partOfSpeech);
    copyField(a.english, meaning);
    return a;
}

std::string phrased(std::string slot, const WordAnalysis& reading) {
    applyPhraseTable(phraseTable(), slot, reading);
    return slot;
}

TEST(PhraseTable, VerbGroup) {
    const WordAnalysis verb = readingOf(7);
    EXPECT_EQ(phrased("I ^be", verb), "I ^am");
    EXPECT_EQ(phrased("I ^be glad", verb), "I ^am glad");
    EXPECT_EQ(phrased("I ^beat", verb), "I ^beat");               // match ends inside a word
    EXPECT_EQ(phrased("it has ^was fitting", verb), "it ^was fitting");
    EXPECT_EQ(phrased("s/he/it will ^must go", verb), "s/he/it will have ^to go");
    EXPECT_EQ(phrased("s/he/it will be ^carried", verb), "s/he/it will be ^really carried");
    EXPECT_EQ(phrased("<I ^be>", readingOf(77)), "<I ^am>");       // 77 counts as a verb after "<"
    EXPECT_EQ(phrased("I ^be", readingOf(77)), "I ^be");           // but not without it
    EXPECT_EQ(phrased("<I ^be>", verb), "<I ^am>");
    EXPECT_EQ(phrased("ut I ^be", verb), "ut I ^be");             // not a verb-phrase start
    EXPECT_EQ(phrased("ut ^must", readingOf(7, "must")), "ut ^must");
    EXPECT_EQ(phrased("ut will ^must go", readingOf(7, "must")), "ut will have ^to go");
    EXPECT_EQ(phrased("did I ^be", verb), "did I ^be");           // first letter not above "g"
    EXPECT_EQ(phrased("had ^seed", verb), "had ^seen");           // a pluperfect without pronoun
    EXPECT_EQ(phrased("I " + std::string(60, 'x') + " I ^be", verb),
              "I " + std::string(60, 'x') + " I ^be");              // match ends past 65
}

TEST(PhraseTable, GeneralGroup) {
    const WordAnalysis adjective = readingOf(4);
    EXPECT_EQ(phrased("more good", adjective), "better");
    EXPECT_EQ(phrased("the more good", adjective), "the better");
    EXPECT_EQ(phrased("of the more good", adjective), "of the better");
    EXPECT_EQ(phrased("with the more good", adjective), "with the better");
    EXPECT_EQ(phrased("with the more bad", adjective), "with the more bad");  // only "more bad" known
    EXPECT_EQ(phrased("with more bad", adjective), "with more bad");   // "with " only before "the "
    EXPECT_EQ(phrased("more good-looking/fair", adjective), "better-looking/fair");
    EXPECT_EQ(phrased("<more good", adjective), "<better");
    EXPECT_EQ(phrased("more goods", adjective), "more goods");       // key must end at a blank
    EXPECT_EQ(phrased("the more good man", adjective), "the better man");  // past the last record
    EXPECT_EQ(phrased("less good", adjective), "less good");
    EXPECT_EQ(phrased("more good", readingOf(7)), "more good");      // verbs use the verb group
}

TEST(PhraseTable, FixedSlotIsUntouchedWithoutAMatch) {
    char slot[kEnglishSlotSize];
    copyField(slot, "the more good");
    EXPECT_TRUE(applyPhraseTable(phraseTable(), slot, sizeof slot, readingOf(4)));
    EXPECT_STREQ(slot, "the better");
    EXPECT_FALSE(applyPhraseTable(phraseTable(), slot, sizeof slot, readingOf(4)));
}

FinalPolishRecord finalRecord(const char* key, const char* replacement) {
    FinalPolishRecord r{};
    r.keyLength = static_cast<std::uint8_t>(copyField(r.key, key));
    r.replacementLength = static_cast<std::uint8_t>(copyField(r.replacement, replacement));
    return r;
}

const std::vector<FinalPolishRecord> kFinal = {
    finalRecord("a apple", "an apple"), finalRecord("a hour", "an hour"),
    finalRecord("bad cat", "bad dog"), finalRecord("bad dog", "bad fox"),
    finalRecord("the the", "the"), finalRecord("to to", "to")};

std::string finished(std::string line) {
    finalPolish(kFinal, line);
    return line;
}

TEST(FinalPolish, ReplacesKeysAtWordStarts) {
    EXPECT_EQ(finished("I ate a apple.\n"), "I ate an apple.\n");
    EXPECT_EQ(finished("A hour passed, and a apple fell\n"), "An hour passed, and an apple fell\n");
    EXPECT_EQ(finished("he saw the the\n"), "he saw the\n");       // key at the end of the line
    EXPECT_EQ(finished("The the man\n"), "The man\n");
    EXPECT_EQ(finished("go to to town\n"), "go to town\n");
    EXPECT_EQ(finished("a applesauce\n"), "a applesauce\n");       // key inside a longer word
    EXPECT_EQ(finished("ta apple\n"), "ta apple\n");               // not at a word start
    EXPECT_EQ(finished("a bad cat\n"), "a bad fox\n");             // equal length: scan goes on
    EXPECT_EQ(finished("\nthe the\n"), "\nthe the\n");
    EXPECT_EQ(finished("the the"), "the");                         // no line feed at all
    EXPECT_EQ(finished("x  the the\nthe the\n"), "x  the\nthe the\n");  // one line only
    EXPECT_EQ(finished(""), "");
}

TEST(PositionHelpers, PrefixLength) {
    EXPECT_EQ(prefixLength("O Caesar"), 2);
    EXPECT_EQ(prefixLength("the man"), 4);
    EXPECT_EQ(prefixLength("with the man"), 9);
    EXPECT_EQ(prefixLength("to the man"), 7);
    EXPECT_EQ(prefixLength("of the man"), 7);
    EXPECT_EQ(prefixLength("with him"), 5);
    EXPECT_EQ(prefixLength("to him"), 3);
    EXPECT_EQ(prefixLength("of him"), 3);
    EXPECT_EQ(prefixLength("theatre"), 0);
    EXPECT_EQ(prefixLength("Of him"), 0);
}

TEST(PositionHelpers, SwapAndMoveKeepReadingAndTextTogether) {
    std::int16_t chosen[5] = {10, 11, 12, 13, 14};
    char slots[5][kEnglishSlotSize] = {"a", "b", "c", "d", "e"};
    const auto state = [&] {
        std::string s;
        for (int i = 0; i < 5; ++i) s += slots[i] + std::to_string(chosen[i]) + " ";
        return s;
    };
    swapPositions(chosen, slots, 1);
    EXPECT_EQ(state(), "a10 c12 b11 d13 e14 ");
    movePosition(chosen, slots, 4, 0);
    EXPECT_EQ(state(), "e14 a10 c12 b11 d13 ");
    movePosition(chosen, slots, 0, 3);
    EXPECT_EQ(state(), "a10 c12 b11 e14 d13 ");
    swapPositions(chosen, slots, 4);    // no position 5: nothing happens
    movePosition(chosen, slots, -1, 2);
    EXPECT_EQ(state(), "a10 c12 b11 e14 d13 ");
}

}  // namespace
}  // namespace kavro
