#include <gtest/gtest.h>

#include <string>

#include "tests/text/text_fixture.h"
#include "text/preparation_steps.h"

namespace kavro {
namespace {

using Preparation = TextTest;

std::string afterStep(void (*step)(PreparedLine&), std::string_view text) {
    auto line = std::make_unique<PreparedLine>();
    line->assign(text);
    step(*line);
    return std::string(line->view());
}

std::string normalised(std::string_view text, const ViewOptions& options = {}) {
    auto line = std::make_unique<PreparedLine>();
    line->assign(text);
    normaliseCharacters(*line, options);
    return std::string(line->view());
}

TEST_F(Preparation, SentencesRunOnAcrossLinesAndEachEndsWithItsMark) {
    EXPECT_EQ(prepare("Gallia est omnis\ndivisa in partes tres. Hi omnes\nlingua differunt.\n"),
              "Gallia est omnis divisa in partes tres.\n Hi omnes lingua differunt.\n");
    EXPECT_EQ(prepare("Quid agis? Bene: valeo; vale!\n"),
              "Quid agis?\n Bene:\n valeo;\n vale!\n");
}

TEST_F(Preparation, TextWithoutAnyMarkIsClosedWithAFullStop) {
    EXPECT_EQ(prepare("Gallia est omnis divisa"), "Gallia est omnis divisa.\n");
    EXPECT_EQ(prepare("Gallia est   "), "Gallia est.\n");
    EXPECT_EQ(prepare("Gallia est\n"), "Gallia est .\n");
    EXPECT_EQ(prepare(". , ;\n"), "");  // marks without words are dropped
}

TEST_F(Preparation, TextWithNothingToReadPreparesToNothing) {
    // No closing full stop either: it would be a token of a text that has none.
    for (const char* text : {"", "\n\n", "   \n\t\n  ", "-- only a note\n"})
        EXPECT_EQ(prepare(text), "") << '"' << text << '"';
}

TEST_F(Preparation, CommentLinesAreDroppedOnlyWhenTheDashesComeEarly) {
    EXPECT_EQ(prepare("-- a note\n    --x\nSalve--amice.\n"), "Salve  amice.\n");
}

TEST_F(Preparation, InitialsAndRomanAbbreviationsKeepTheSentenceWhole) {
    EXPECT_EQ(prepare("M. Tullio consule res gesta est.\n"), "M_Tullio consule res gesta est.\n");
    EXPECT_EQ(prepare("Ita S. C. factum est.\n"), "Ita  S_C  factum est.\n");
    EXPECT_EQ(prepare("Anno X. Caesar venit.\n"), "Anno X.\n Caesar venit.\n");
    EXPECT_EQ(prepare("Pro re p. et rei p. causa.\n"), "Pro re publica et rei publicae causa.\n");
}

TEST_F(Preparation, ClosingQuoteAfterTheFullStopMovesBeforeIt) {
    EXPECT_EQ(prepare("Dixit \"Veni.\" Tum abiit.\n"), "Dixit \"Veni\".\n Tum abiit.\n");
    EXPECT_EQ(prepare("\x93Quid?\x94 inquit.\n"), "\"Quid\"?\n inquit.\n");
}

TEST_F(Preparation, InscriptionsKeepExclamationsInsideTheSentence) {
    EXPECT_EQ(prepare("Ave! Vale.\n"), "Ave!\n Vale.\n");
    options.inscriptions = true;
    EXPECT_EQ(prepare("Ave! Vale.\n"), "Ave\x1B Vale.\n");
}

TEST_F(Preparation, PronounsAreCountedAndClearedForEachFile) {
    prepare("Et ego et tu et nos et uos et vos venimus. Tu ego.\n");
    EXPECT_EQ(engine->pronounCounts[0], 1);
    EXPECT_EQ(engine->pronounCounts[1], 1);
    EXPECT_EQ(engine->pronounCounts[2], 1);
    EXPECT_EQ(engine->pronounCounts[3], 2);
    prepare("Nihil.\n");
    EXPECT_EQ(engine->pronounCounts[3], 0);
}

TEST_F(Preparation, BotanyProtectsFullStopsInsideNumbers) {
    EXPECT_EQ(prepare("Folia 2.5 cm longa. Flores albi.\n"),
              "Folia 2.\n5 cm longa.\n Flores albi.\n");
    options.botanyActive = true;
    EXPECT_EQ(prepare("Folia 2.5 cm longa. Flores 3-4 albi.\n"),
              "Folia 2.5 cm longa.\n Flores 3-4 albi.\n");
}

TEST_F(Preparation, UserAbbreviationsAreWrittenOutWhenAskedFor) {
    AbbreviationRecord coss{};
    copyField(coss.abbreviation, "coss.");
    copyField(coss.expansion, "consulibus");
    coss.length = 5;
    lexicon.abbreviations.push_back(coss);
    const std::string text = "Caesare et Bibulo coss., res gesta est.\n";
    EXPECT_EQ(prepare(text), "Caesare et Bibulo coss.\n, res gesta est.\n");
    options.abbreviations = true;
    EXPECT_EQ(prepare(text), "Caesare et Bibulo consulibus, res gesta est.\n");
}

TEST_F(Preparation, UnreadableInputIsReportedAndNothingIsWritten) {
    EXPECT_FALSE(prepareLatinFile(*engine, folder.file("missing.lat")));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Cannot open file " + folder.file("missing.lat").string() + ".\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("temp.lat")));
}

TEST_F(Preparation, StrangeInputEndsInWellFormedSentences) {
    EXPECT_EQ(prepare(std::string("Gallia\0est.\n", 12)), "Gallia est.\n");
    std::string longLine;
    for (int k = 0; k < 3000; ++k) longLine += "ab ";
    const std::string temp = prepare(longLine + "cd.\n");
    EXPECT_EQ(temp.size(), longLine.size() + 4);
    EXPECT_TRUE(temp.ends_with("ab cd.\n"));
    const std::string unbalanced = prepare("\"Quid (agis? Nihil.\n");
    EXPECT_EQ(unbalanced, "\"Quid (agis?\n Nihil.\n");
}

TEST(PreparationSteps, TrailingMarkMovesUpAgainstTheLastWord) {
    EXPECT_EQ(afterStep(moveTrailingMark, "cano ,\n"), "cano,,\n");
    EXPECT_EQ(afterStep(moveTrailingMark, "cano  ;\n"), "cano; ;\n");
    EXPECT_EQ(afterStep(moveTrailingMark, "cano.\n"), "cano.\n");
    EXPECT_EQ(afterStep(moveTrailingMark, "cano  "), "cano. ");
}

TEST(PreparationSteps, CharacterPassNormalisesQuotesAccentsCommasAndLineEnds) {
    EXPECT_EQ(normalised("Tro\xEF" "a \xE6ra \x8C" "dipus\x92s \x91x`"), "Troia aera Oedipus 's 'x'");
    EXPECT_EQ(normalised("dixit\"veni\"et"), "dixit \"veni\" et");
    EXPECT_EQ(normalised("arma,virum, . et,;"), "arma, virum. . et; ;");
    EXPECT_EQ(normalised("semi-deus\tvenit\r\n"), "semi deus venit  ");
    EXPECT_EQ(normalised("LIBER PRIMUS\n"), "LIBER PRIMUS.");
    EXPECT_EQ(normalised("(ut dixi.) Tum"), "(ut dixi). Tum");
    ViewOptions botany;
    botany.botanyActive = true;
    EXPECT_EQ(normalised("3-4 a-b", botany), "3-4 a b");
}

TEST_F(Preparation, DashesBetweenWordsKeepTheWordsApart) {
    // Windows-1252 en and em dashes, and the UTF-8 em dash (decoded to the same byte).
    EXPECT_EQ(prepare("Caesar\x97id quod erat\x96suspicatus.\n"),
              "Caesar id quod erat suspicatus.\n");
    EXPECT_EQ(prepare("paupere\xE2\x80\x94mansissetque utinam fortuna!\n"),
              "paupere mansissetque utinam fortuna!\n");
}

TEST(PreparationSteps, EveryAccentedLetterFoldsAsInUtf8Input) {
    // Circumflexed long vowels and accented capitals lose only their accent, not the letter.
    EXPECT_EQ(normalised("mens\xE2 d\xEEv\xEEsa \xC9t \xD4 R\xF4m\xFB"), "mensa divisa Et O Romu");
    EXPECT_EQ(normalised("\xE6 \xF1 \xDF"), "ae \xF1 \xDF");  // ligature split; no plain letter
}

TEST(PreparationSteps, PlautineApostrophesStayInsideTheirWords) {
    ViewOptions plautus;
    plautus.plautusElisions = true;
    EXPECT_EQ(normalised("meu's ill'que", plautus), "meu's ill'que");
    EXPECT_EQ(normalised("meu's ill'que"), "meu 's ill' que");
}

TEST(PreparationSteps, JoinsInitialsPraenominaAndAbbreviations) {
    EXPECT_EQ(afterStep(joinInitials, "Cn. Pompeius et Sex.  Roscius"), "Cn_Pompeius et Sex_Roscius");
    EXPECT_EQ(afterStep(joinInitials, "a \"M. Tullio"), "a \"M_Tullio");
    EXPECT_EQ(afterStep(joinInitials, "tr. pl. creatus"), "Tr_pleb creatus");
    EXPECT_EQ(afterStep(joinInitials, "patres P. C. audite"), "patres  P_C  audite");
    EXPECT_EQ(afterStep(joinInitials, "a M. tullio, libro I. Tum"), "a M. tullio, libro I. Tum");
}

}  // namespace
}  // namespace kavro
