// Citation forms: the dictionary's way of printing an entry from its stems and grammar bytes.
#include "morph/citation_form.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kavro {
namespace {

StemRecord grammar(int pos, int which, int variant, int byte3 = 0, int kind = 0) {
    StemRecord r{};
    r.partOfSpeech = static_cast<std::uint8_t>(pos);
    r.which = static_cast<std::uint8_t>(which);
    r.variant = static_cast<std::uint8_t>(variant);
    r.genderOrKind = static_cast<std::uint8_t>(byte3);
    r.sort = static_cast<std::uint8_t>(kind);
    return r;
}

std::string form(const char* s1, const char* s2, const char* s3, const char* s4,
                 const StemRecord& r) {
    return citationForm({s1, s2, s3, s4}, r);
}

TEST(CitationForm, TheWorkedExamples) {
    EXPECT_EQ(form("am", "am", "amav", "amat", grammar(7, 1, 1)), "amo, amare, amavi, amatus");
    EXPECT_EQ(form("puell", "puell", "", "", grammar(1, 1, 1, 2)), "puella, puellae  ");
    EXPECT_EQ(form("hort", "hort", "zzz", "hortat", grammar(7, 1, 1, 0, 9)),
              "hortor, hortari, -, hortatus sum");
    EXPECT_EQ(citationParts({"qu", "", "", ""}, grammar(2, 1, 0))[3], "cuius");
    EXPECT_EQ(form("x", "y", "", "", grammar(1, 0, 0)), "Not found, y  ");
}

TEST(CitationForm, NounDeclensionsAndGender) {
    EXPECT_EQ(form("domin", "domin", "", "", grammar(1, 2, 1, 1)), "dominus, domini  ");
    EXPECT_EQ(form("bell", "bell", "", "", grammar(1, 2, 2, 3)), "bellum, belli  ");
    EXPECT_EQ(form("ingeni", "ingeni", "", "", grammar(1, 2, 4, 3)), "ingenium, ingeni(i)  ");
    EXPECT_EQ(form("fili", "fili", "", "", grammar(1, 2, 4, 1)), "filius, fili(i)  ");
    EXPECT_EQ(form("rex", "reg", "", "", grammar(1, 3, 1, 1)), "rex, regis  ");
    EXPECT_EQ(form("man", "man", "", "", grammar(1, 4, 1, 2)), "manus, manus  ");
    EXPECT_EQ(form("corn", "corn", "", "", grammar(1, 4, 2, 3)), "cornu, cornus  ");
    EXPECT_EQ(form("di", "di", "", "", grammar(1, 5, 1, 1)), "dies, diei  ");
    EXPECT_EQ(form("Abba", "", "", "", grammar(1, 9, 9, 1)), "Abba, undeclined  ");
    EXPECT_EQ(form("A", "", "", "", grammar(1, 9, 8, 1)), "A, abb.  ");
    EXPECT_EQ(form("poema", "poemat", "", "", grammar(1, 3, 9, 3)), "poema, poemateos/is, [Greek] ");
    EXPECT_EQ(form("a", "b", "", "", grammar(1, 7, 1))[0], 'N');   // Not found
}

TEST(CitationForm, PronounsAdjectivesAndNumerals) {
    EXPECT_EQ(form("h", "h", "", "", grammar(2, 3, 1)), "hic, haec, hoc ");
    EXPECT_EQ(form("ill", "ill", "", "", grammar(2, 6, 1)), "ille, illa, illud ");
    EXPECT_EQ(form("i", "e", "", "", grammar(2, 4, 1)), "is, ea, id ");
    EXPECT_EQ(form("ego", "", "", "", grammar(2, 5, 1)), "ego, mei  ");
    EXPECT_EQ(form("x", "", "", "", grammar(2, 7, 1)), "Not found   ");

    EXPECT_EQ(form("bon", "bon", "meli", "opti", grammar(4, 1, 1)),
              "bonus, -a -um, melior -or -us, optimus -a -um");
    EXPECT_EQ(form("fort", "fort", "forti", "fortissi", grammar(4, 3, 2)),
              "fortis, forte, fortior -or -us, fortissimus -a -um");
    EXPECT_EQ(form("acer", "acr", "acri", "acerri", grammar(4, 3, 3)),
              "acer, acris -e, acrior -or -us, acerrimus -a -um");
    EXPECT_EQ(form("nequam", "", "", "", grammar(4, 9, 9)), "nequam, undeclined  ");
    EXPECT_EQ(form("anterior", "", "", "", grammar(4, 0, 0)), "Not found   ");

    EXPECT_EQ(form("un", "prim", "singul", "semel", grammar(5, 1, 1, 0)),
              "unus -a -um, primus -a -um, singuli -ae -a, semel");
    EXPECT_EQ(form("tr", "", "", "", grammar(5, 1, 3, 1)), "tres, tres, tria ");
    EXPECT_EQ(form("secund", "", "", "", grammar(5, 2, 0, 2)), "secundus, secunda, secundum ");
    EXPECT_EQ(form("bin", "", "", "", grammar(5, 3, 0, 3)), "bini, binae, bina ");
}

// The pronominal adjectives and the Greek ones were cited as their bare stems ("ali, ali").
TEST(CitationForm, EveryAdjectiveClassNamesTheWord) {
    const struct {
        const char* s1;
        const char* s2;
        int which, variant;
        const char* expected;
    } cases[] = {
        {"null", "null", 1, 3, "nullus, nulla, nullum "},
        {"sol", "sol", 1, 3, "solus, sola, solum "},
        {"alter", "alter", 1, 4, "alter, altera, alterum "},
        {"uter", "utr", 1, 4, "uter, utra, utrum "},
        {"ali", "ali", 1, 5, "alius, alia, aliud "},
        {"arctic", "arctic", 2, 1, "arctice   "},
        {"hagi", "hagi", 2, 2, "hagia   "},
        {"aeroid", "aeroid", 2, 3, "aeroides   "},
        {"arctic", "arctic", 2, 7, "arcticos   "},
        {"arctic", "arctic", 2, 8, "arcticon   "},
        {"chrysizon", "chrysizont", 3, 6, "chrysizon, chrysizontos (gen.)  "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(form(c.s1, c.s2, "", "", grammar(4, c.which, c.variant)), c.expected) << c.s1;
    // The defective verbs of which 7 by the forms a dictionary gives them.
    EXPECT_EQ(form("inqui", "inqu", "zzz", "zzz", grammar(7, 7, 2)), "inquam, -, -, -");
    EXPECT_EQ(form("inqui", "inqu", "zzz", "zzz", grammar(7, 7, 2, 0, 8)), "-, -, inquit, -");
    EXPECT_EQ(form("ai", "a", "zzz", "zzz", grammar(7, 7, 1, 0, 8)), "-, -, ait, -");
}

TEST(CitationForm, ConjugationsAndVerbKinds) {
    EXPECT_EQ(form("mon", "mon", "monu", "monit", grammar(7, 2, 1)), "moneo, monere, monui, monitus");
    EXPECT_EQ(form("reg", "reg", "rex", "rect", grammar(7, 3, 1)), "rego, regere, rexi, rectus");
    EXPECT_EQ(form("audi", "aud", "audiv", "audit", grammar(7, 3, 4)), "audio, audire, audivi, auditus");
    EXPECT_EQ(form("fer", "fer", "tul", "lat", grammar(7, 3, 2)), "fero, ferre, tuli, latus");
    EXPECT_EQ(form("s", "", "fu", "fut", grammar(7, 5, 1)), "sum, esse, fui, futurus");
    EXPECT_EQ(form("e", "i", "i", "it", grammar(7, 6, 1)), "eo, ire, ii (ii), itus");
    EXPECT_EQ(form("od", "zzz", "od", "os", grammar(7, 3, 1, 0, 11)), "odo, -, odi, osus");
    EXPECT_EQ(form("zzz", "zzz", "od", "os", grammar(7, 3, 1)), "-, -, odi, osus");

    // Impersonal rows.
    EXPECT_EQ(form("plu", "plu", "plu", "zzz", grammar(7, 3, 1, 0, 8)), "pluit, pluere, pluit, -");
    EXPECT_EQ(form("lic", "lic", "licu", "licit", grammar(7, 2, 1, 0, 8)),
              "licet, licere, licuit, licitus est");
    EXPECT_EQ(form("necess", "", "", "", grammar(7, 5, 1, 0, 8)), "necesest, esse, it, us est");
    // The fourth conjugation's first stem ends in i: one i before the t.
    EXPECT_EQ(form("conueni", "conuen", "conuen", "conuent", grammar(7, 3, 4, 0, 8)),
              "conuenit, conuenire, conuenit, conuentus est");
    EXPECT_EQ(form("praeoli", "praeol", "zzz", "zzz", grammar(7, 3, 4, 0, 8)),
              "praeolit, praeolire, -, -");
    // Deponent and semi-deponent rows.
    EXPECT_EQ(form("uer", "uer", "zzz", "uerit", grammar(7, 2, 1, 0, 9)),
              "uereor, uereri, -, ueritus sum");
    EXPECT_EQ(form("sequ", "sequ", "zzz", "secut", grammar(7, 3, 1, 0, 9)),
              "sequor, sequi, -, secutus sum");
    EXPECT_EQ(form("parti", "part", "zzz", "partit", grammar(7, 3, 4, 0, 9)),
              "partior, partiri, -, partitus sum");
    EXPECT_EQ(form("x", "y", "zzz", "z", grammar(7, 5, 1, 0, 9)), "Not found, y, -, zus sum");
    EXPECT_EQ(form("aud", "aud", "aus", "aus", grammar(7, 2, 1, 0, 10)),
              "audeo, audere, -, ausus sum");
}

TEST(CitationForm, BoundsAndTheBufferInterface) {
    const std::string longStem(60, 'a');
    const std::string out = form(longStem.c_str(), longStem.c_str(), longStem.c_str(),
                                 longStem.c_str(), grammar(7, 1, 1));
    EXPECT_EQ(out.size(), kCitationOutputSize - 1);

    CitationStems stems{"am", "am", "amav", "amat"};
    char buffer[kCitationOutputSize] = "";
    makeCitationForm(stems, grammar(7, 1, 1), buffer);
    EXPECT_STREQ(buffer, "") << "an empty output is left alone";
    std::strcpy(buffer, "love");
    makeCitationForm(stems, grammar(7, 1, 1), buffer);
    EXPECT_STREQ(buffer, "amo, amare, amavi, amatus");
    EXPECT_EQ(stems[0], "am");
    EXPECT_EQ(stems[3], "amatus");
}

}  // namespace
}  // namespace kavro
