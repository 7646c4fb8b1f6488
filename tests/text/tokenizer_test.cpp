#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/text/text_fixture.h"

namespace kavro {
namespace {

using Tokenizer = TextTest;

std::string words(int count, std::string_view word) {
    std::string text;
    for (int k = 0; k < count; ++k) text.append(word).append(" ");
    return text;
}

TEST_F(Tokenizer, WordsAndMarksBecomeTokens) {
    EXPECT_EQ(tokens("Gallia est omnis divisa in partes tres.\n"),
              "Gallia est omnis diuisa in partes tres PUNCT@");
    EXPECT_EQ(lastCount, 8);
    EXPECT_EQ(tokens("(verbum), \"dixit\"; at-que: cur? -ita!"),
              "PUNCTI uerbum PUNCTJ PUNCTA PUNCTE dixit PUNCTE PUNCTG at-que PUNCTC cur PUNCTB "
              "PUNCTH ita PUNCTD");
    EXPECT_EQ(fieldText(engine->sentenceTokens[lastCount]), "");
}

TEST_F(Tokenizer, EmptyLinesHaveNoTokens) {
    EXPECT_EQ(tokenizeSentence(*engine, ""), 0);
    EXPECT_EQ(tokenizeSentence(*engine, "\n"), 0);
    EXPECT_EQ(tokenizeSentence(*engine, " \r\n"), 0);
}

TEST_F(Tokenizer, LetterCaseKeepsNumeralsAndNamesOnly) {
    EXPECT_EQ(tokens("Vir VIR XIV vir DE ROMA RomA iAm Gn(aeus) M_Tullio"),
              "Uir uir XIU uir De roma roma iam Gnaeus M_tullio");
    EXPECT_EQ(tokens("P_XII M_XX IULI"), "pondo XII M XX iuli");
}

TEST_F(Tokenizer, StrayCharactersGoAndLigaturesSplit) {
    EXPECT_EQ(tokens("a\xE6ra \x9C" "conomia 12ab \xAB" "x\xBB _a` [b]^"), "aaera oeconomia ab x _a` b");
    options.botanyActive = true;
    EXPECT_EQ(tokens("12ab"), "12ab");
    options.inscriptions = true;
    EXPECT_EQ(tokens("imp(erator) (a)b"), "imperator ab");
}

TEST_F(Tokenizer, FixedPairsJoinIntoOneToken) {
    EXPECT_EQ(tokens("id est; Id est; Opus est; opus est."),
              "id_est PUNCTG id_est PUNCTG Opus est PUNCTG opus_est PUNCT@");
    EXPECT_EQ(tokens("tertius decimus Quarta decima sexto decimo tertius decima"),
              "tertiusdecimus quartadecima sextodecimo tertius decima");
    EXPECT_EQ(tokens("ius iurandum Pater familias magis quam senatus consulto una cum paulo ante"),
              "iusiurandum paterfamilias magis_quam senatusconsulto una_cum paulo_ante");
    EXPECT_EQ(tokens("necesse est sat est Cleo est"), "necesse_est sat_est Cleostra");
}

TEST_F(Tokenizer, ElidedEstAndEs) {
    EXPECT_EQ(tokens("factumst datust post."), "factum est datust post PUNCT@");
    options.plautusElisions = true;
    EXPECT_EQ(tokens("factumst datust post quest itast est factuss tuss."),
              "factum est datus est post que est ita est est factus es tu es PUNCT@");
    EXPECT_EQ(tokens("meu' ill' ornatu's quo'que"), "meus ille ornatus es quoque");
}

// An initial y stays (word analysis tries hy and i as variants); uigesi- is uicesi-.
TEST_F(Tokenizer, InitialYStaysAndUigesiBecomesUicesi) {
    EXPECT_EQ(tokens("ymnus ycon Ymago y uigesimus Vigesimo"),
              "ymnus ycon Ymago y uicesimus Uicesimo");
}

TEST_F(Tokenizer, InHocAutemIsReorderedInSentenceModeOnly) {
    EXPECT_EQ(tokens("in hoc autem in hac enim loco."), "in hoc autem in hac enim loco PUNCT@");
    options.sentenceMode = true;
    EXPECT_EQ(tokens("in hoc autem in hac enim loco."), "autem in hoc in hac enim loco PUNCT@");
    EXPECT_EQ(tokens("x in hac enim loco."), "x enim in hac loco PUNCT@");
}

TEST_F(Tokenizer, AtMostEighteenTrailingMarksArePeeled) {
    std::string expected = "uerbum";
    for (int k = 0; k < 18; ++k) expected += " PUNCTD";
    EXPECT_EQ(tokens("uerbum" + std::string(18, '!')), expected);
    EXPECT_EQ(lastCount, 19);
    EXPECT_EQ(tokens("uerbum" + std::string(19, '!')), expected);  // the 19th is lost
    EXPECT_EQ(tokens("uerbum" + std::string(20, '!')).substr(0, 14), "uerbum! PUNCTD");
    EXPECT_EQ(lastCount, 19);
}

TEST_F(Tokenizer, FourHundredWordsStopAt397WithAnOkCancelWarning) {
    ASSERT_TRUE(engine->log.open(folder.file("parser.txt")));
    EXPECT_EQ(tokenizeSentence(*engine, words(400, "a") + "."), 397);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Too many words/punctuation. Truncated at 398.\n");
    EXPECT_EQ(host.boxes[0].kind, BoxKind::OkCancel);
    EXPECT_EQ(fieldText(engine->sentenceTokens[397]), "");
    host.answers.push_back(BoxAnswer::Cancel);
    EXPECT_EQ(tokenizeSentence(*engine, words(400, "a") + "."), -2);
    EXPECT_EQ(tokenizeSentence(*engine, words(400, "a") + "."), 397);  // no third box
    EXPECT_EQ(host.boxes.size(), 2u);
    engine->log.close();
    EXPECT_EQ(folder.read("parser.txt"),
              "Too many words/punctuation. Truncated at 398.\n"
              "Too many words/punctuation. Truncated at 398.\n"
              "Too many words/punctuation. Truncated at 398.\n");
}

TEST_F(Tokenizer, MarksAloneCannotOverrunTheTable) {
    const std::string opens = std::string(90, '(') + " ";
    std::string line;
    for (int k = 0; k < 10; ++k) line += opens;
    EXPECT_EQ(tokenizeSentence(*engine, line), 397);
    line.clear();
    for (int k = 0; k < 40; ++k) line += "x" + std::string(18, ')') + " " + std::string(18, ')') + " ";
    const int count = tokenizeSentence(*engine, line);
    EXPECT_GT(count, 380);
    EXPECT_LE(count, 398);
    EXPECT_EQ(engine->sentenceTokens[399][0], '\0');
}

TEST_F(Tokenizer, AWordOfAHundredCharactersOrMoreIsPassedOverAndTheLineGoesOn) {
    const std::string word99(99, 'a');
    EXPECT_EQ(tokens("Salve " + word99 + " est."), "Salue " + word99 + " est PUNCT@");
    EXPECT_EQ(tokens("Salve " + std::string(100, 'c') + " est."), "Salue est PUNCT@");
    EXPECT_EQ(tokens("Salve " + std::string(500, 'b') + ", amice, " + std::string(120, 'd') + " est."),
              "Salue amice PUNCTA est PUNCT@");   // the comma went with the long word
    ASSERT_EQ(host.boxes.size(), 2u);   // the third long word is only logged
    EXPECT_EQ(host.boxes[0].text,
              "A word of 100 or more characters is passed over: " + std::string(98, 'c') + "...\n");
    EXPECT_EQ(host.boxes[1].text,
              "A word of 100 or more characters is passed over: " + std::string(98, 'b') + "...\n");
}

TEST_F(Tokenizer, AutoAreaKeepsACopyOfTheTokens) {
    options.autoArea = true;
    tokens("Arma virumque cano.");
    EXPECT_EQ(std::memcmp(engine->savedTokens, engine->sentenceTokens, sizeof engine->savedTokens), 0);
    EXPECT_EQ(fieldText(engine->savedTokens[1]), "uirumque");
}

using SentenceReader = TextTest;

TEST_F(SentenceReader, ReadsLinesIntoTokensAndTheLatinText) {
    folder.write("temp.lat", "Arma virumque cano.\n Troiae qui primus ab oris.\n");
    std::FILE* temp = std::fopen(folder.file("temp.lat").c_str(), "r");
    std::string sentence;
    EXPECT_EQ(readSentence(*engine, temp, sentence), 4);
    EXPECT_EQ(sentence, "Arma virumque cano.\n");
    EXPECT_EQ(readSentence(*engine, temp, sentence), 6);
    EXPECT_EQ(readSentence(*engine, temp, sentence), -1);
    std::fclose(temp);
    EXPECT_EQ(engine->latinText, "Arma virumque cano.\n Troiae qui primus ab oris.\n");
    EXPECT_FALSE(engine->latinTruncated);
}

TEST_F(SentenceReader, LongSentencesComeInPiecesWithoutAnEmptyOne) {
    const std::string piece = words(199, "abcdefghi") + "abcdefgh.";  // 1,999 characters
    folder.write("temp.lat", piece + "\nVale.\n");
    std::FILE* temp = std::fopen(folder.file("temp.lat").c_str(), "r");
    std::string sentence;
    EXPECT_EQ(readSentence(*engine, temp, sentence), 201);
    EXPECT_EQ(sentence.size(), 2000u);
    EXPECT_EQ(readSentence(*engine, temp, sentence), 2);
    std::fclose(temp);
}

TEST_F(SentenceReader, AThousandWordsWithoutAFullStopAreReadInPieces) {
    folder.write("latin.lat", words(1000, "uerbum"));
    ASSERT_TRUE(prepareLatinFile(*engine, folder.file("latin.lat")));
    std::FILE* temp = std::fopen(folder.file("temp.lat").c_str(), "r");
    std::string sentence;
    int pieces = 0;
    int wordTokens = 0;
    for (int count; (count = readSentence(*engine, temp, sentence)) != -1; ++pieces) {
        ASSERT_GT(count, 0);
        wordTokens += count;
    }
    std::fclose(temp);
    EXPECT_EQ(pieces, 4);  // 7,000 characters in pieces of 1,999
    EXPECT_GE(wordTokens, 1001);
    EXPECT_TRUE(host.boxes.empty());
}

// Words of a text as the tokenizer spells them (these have no capitals, v or j).
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \n", at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
        out.emplace_back(text.substr(at, end - at));
        at = end;
    }
    return out;
}

// A prepared line too long for one sentence is read as several, each cut between two words and
// closed with a full stop: every word of the text comes out once and whole, in order, and no
// sentence ends in a word (which word analysis would overwrite).
TEST_F(SentenceReader, ALongLineIsReadAsSentencesCutBetweenWordsLosingNoWord) {
    const std::string_view verse[] = {"arma uirumque cano troiae qui primus ab oris ",
                                      "italiam fato profugus lauiniaque uenit ",
                                      "litora multum ille et terris iactatus et alto "};
    struct Case {
        std::string name;
        std::string text;
        std::string passedOver;   // a word too long to analyse, left out of the tokens
    };
    std::string poem, letters;
    for (int k = 0; poem.size() < 3000; ++k) poem.append(verse[k % 3]).append(k % 2 ? "\n" : "");
    for (int k = 0; k < 700; ++k) letters += "a ";
    const std::string longWord(100, 'x');
    const Case cases[] = {
        {"3,000 characters of verse without a mark", poem, ""},
        {"700 words, more than the token table holds", letters, ""},
        {"a 100-letter word among the words", "primus " + longWord + " ab oris uenit.", longWord},
    };
    for (const Case& c : cases) {
        folder.write("latin.lat", c.text);
        ASSERT_TRUE(prepareLatinFile(*engine, folder.file("latin.lat"))) << c.name;
        std::FILE* temp = std::fopen(folder.file("temp.lat").c_str(), "r");
        ASSERT_NE(temp, nullptr);
        std::vector<std::string> read;
        std::string sentence;
        engine->latinText.clear();
        for (int count; (count = readSentence(*engine, temp, sentence)) != -1;) {
            ASSERT_GT(count, 0) << c.name;
            EXPECT_EQ(fieldText(engine->sentenceTokens[count - 1]), "PUNCT@") << c.name << ": " << sentence;
            for (int k = 0; k + 1 < count; ++k) read.emplace_back(fieldText(engine->sentenceTokens[k]));
        }
        std::fclose(temp);
        std::vector<std::string> expected = wordsOf(c.text);
        std::erase(expected, c.passedOver);
        if (!expected.empty() && expected.back().ends_with('.')) expected.back().pop_back();
        EXPECT_EQ(read, expected) << c.name;
        EXPECT_EQ(engine->latinText, folder.read("temp.lat")) << c.name;
    }
}

TEST_F(SentenceReader, FullLatinTextIsMarkedTruncated) {
    engine->latinText.assign(kLatinTextSize - 10, 'x');
    folder.write("temp.lat", "Arma virumque cano.\n");
    std::FILE* temp = std::fopen(folder.file("temp.lat").c_str(), "r");
    std::string sentence;
    EXPECT_EQ(readSentence(*engine, temp, sentence), 4);
    std::fclose(temp);
    EXPECT_TRUE(engine->latinTruncated);
    EXPECT_EQ(engine->latinText.size(), kLatinTextSize - 10);
}

}  // namespace
}  // namespace kavro
