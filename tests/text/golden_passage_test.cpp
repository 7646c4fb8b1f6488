// A passage of real Latin prose (Cicero, In Catilinam 1.2-3, as in the development corpus)
// through the preparation and the tokenizer. The expected texts were checked by eye.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/text/text_fixture.h"

namespace kavro {
namespace {

constexpr std::string_view kPassage =
    "O tempora, o mores! senatus haec intellegit, consul videt; hic tamen vivit. vivit? immo "
    "vero etiam in senatum venit, fit publici consili particeps, notat et designat oculis ad "
    "caedem unum quemque nostrum. nos autem fortes viri satis facere rei publicae videmur, si "
    "istius furorem ac tela vitamus. ad mortem te, Catilina, duci iussu consulis iam pridem "
    "oportebat, in te conferri pestem quam tu in nos omnis iam diu machinaris.\n"
    "an vero vir amplissimus, P. Scipio, pontifex maximus, Ti. Titum Gracchum mediocriter "
    "labefactantem statum rei publicae privatus interfecit: Catilinam orbem terrae caede atque "
    "incendiis vastare cupientem nos consules perferemus? nam illa nimis antiqua praetereo, quod "
    "C. Gaius Servilius Ahala Sp. Maelium novis rebus studentem manu sua occidit.\n";

constexpr std::string_view kTempLat =
    "O tempora, o mores!\n"
    " senatus haec intellegit, consul videt;\n"
    " hic tamen vivit.\n"
    " vivit?\n"
    " immo vero etiam in senatum venit, fit publici consili particeps, notat et designat oculis "
    "ad caedem unum quemque nostrum.\n"
    " nos autem fortes viri satis facere rei publicae videmur, si istius furorem ac tela "
    "vitamus.\n"
    " ad mortem te, Catilina, duci iussu consulis iam pridem oportebat, in te conferri pestem "
    "quam tu in nos omnis iam diu machinaris.\n"
    "an vero vir amplissimus, P_Scipio, pontifex maximus, Ti_Titum Gracchum mediocriter "
    "labefactantem statum rei publicae privatus interfecit:\n"
    " Catilinam orbem terrae caede atque incendiis vastare cupientem nos consules perferemus?\n"
    " nam illa nimis antiqua praetereo, quod C_Gaius Servilius Ahala Sp_Maelium novis rebus "
    "studentem manu sua occidit.\n";

constexpr std::string_view kTokens =
    "o tempora PUNCTA o mores PUNCTD\n"
    "senatus haec intellegit PUNCTA consul uidet PUNCTG\n"
    "hic tamen uiuit PUNCT@\n"
    "uiuit PUNCTB\n"
    "immo uero etiam in senatum uenit PUNCTA fit publici consili particeps PUNCTA notat et "
    "designat oculis ad caedem unum quemque nostrum PUNCT@\n"
    "nos autem fortes uiri satis facere rei publicae uidemur PUNCTA si istius furorem ac tela "
    "uitamus PUNCT@\n"
    "ad mortem te PUNCTA Catilina PUNCTA duci iussu consulis iam pridem oportebat PUNCTA in te "
    "conferri pestem quam tu in nos omnis iam diu machinaris PUNCT@\n"
    "an uero uir amplissimus PUNCTA P_scipio PUNCTA pontifex maximus PUNCTA Ti_titum Gracchum "
    "mediocriter labefactantem statum rei publicae priuatus interfecit PUNCTC\n"
    "Catilinam orbem terrae caede atque incendiis uastare cupientem nos consules perferemus "
    "PUNCTB\n"
    "nam illa nimis antiqua praetereo PUNCTA quod C_gaius Seruilius Ahala Sp_maelium nouis rebus "
    "studentem manu sua occidit PUNCT@\n";

using GoldenPassage = TextTest;

TEST_F(GoldenPassage, CiceroBecomesSentencesAndTokens) {
    EXPECT_EQ(prepare(kPassage), kTempLat);
    EXPECT_EQ(engine->pronounCounts[1], 1);
    EXPECT_EQ(engine->pronounCounts[2], 3);

    std::FILE* temp = std::fopen(folder.file("temp.lat").c_str(), "r");
    ASSERT_NE(temp, nullptr);
    std::string sentence;
    std::string tokenTrace;
    for (int count; (count = readSentence(*engine, temp, sentence)) > 0;) {
        tokenTrace += tokenLine(count) + "\n";
    }
    std::fclose(temp);
    EXPECT_EQ(tokenTrace, kTokens);
    EXPECT_EQ(engine->latinText, kTempLat);
}

}  // namespace
}  // namespace kavro
