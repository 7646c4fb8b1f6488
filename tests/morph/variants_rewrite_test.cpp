// The rewrites of the spelling repairs on their own: classical spelling variants, the "ss"
// syncope, and phonetic keys.
#include <gtest/gtest.h>

#include <string>

#include "morph/phonetic_search.h"
#include "morph/word_repairs.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro {
namespace {

class Rewrites : public ::testing::Test {
protected:
    // The word after one call of `rewrite`, or "(unchanged)".
    template <class Rewrite>
    std::string after(std::string_view word, Rewrite rewrite) {
        WordBuffer buffer{};
        copyField(buffer, word);
        if (!rewrite(*world_.engine, buffer)) {
            EXPECT_EQ(std::string_view(buffer), word) << "a refused rewrite left the word changed";
            return "(unchanged)";
        }
        return buffer;
    }
    std::string variant(std::string_view word) {
        return after(word, [](Engine& e, WordBuffer& w) { return trySpellingVariants(e, w); });
    }
    std::string syncope(std::string_view word) {
        return after(word, [](Engine& e, WordBuffer& w) {
            return trySyncopatedPerfect(e, w, SyncopeForm::DoubleS);
        });
    }

    testing::TinyWorld world_;
};

TEST_F(Rewrites, SpellingVariantsRewriteTheWordOnceInTheRulesOrder) {
    EXPECT_EQ(variant("adfero"), "affero");
    EXPECT_EQ(variant("Adfero"), "Affero");        // the capital stays
    EXPECT_EQ(variant("uicensimus"), "uicesimus");  // anywhere, before the beginnings
    EXPECT_EQ(variant("pulcherrumus"), "pulcherrimus");
    EXPECT_EQ(variant("adsperso"), "asperso");       // adsp before the shorter rules of its group
    EXPECT_EQ(variant("conlega"), "collega");        // conl before con
    EXPECT_EQ(variant("consul"), "comsul");          // con -> com (the driver only asks for unknown words)
    EXPECT_EQ(variant("nichil"), "nihil");
    EXPECT_EQ(variant("set"), "sed");
    EXPECT_EQ(variant("seculum"), "saeculum");
    EXPECT_EQ(variant("duouiri"), "duumuiri");
    EXPECT_EQ(variant("burdo"), "burdio");
}

TEST_F(Rewrites, SpellingVariantsOutsideTheTable) {
    EXPECT_EQ(variant("zzelus"), "szelus");
    EXPECT_EQ(variant("wlgus"), "uulgus");
    EXPECT_EQ(variant("wadium"), "uuadium");
    EXPECT_EQ(variant("kalendae"), "chalendae");
    EXPECT_EQ(variant("kopia"), "copia");
    EXPECT_EQ(variant("tens"), "tenus");             // a whole-word rule
    EXPECT_EQ(variant("tensa"), "(unchanged)");      // not the whole word, and no other rule
    EXPECT_EQ(variant("bybliothecon"), "bybliothecum");   // no b rule: "-on" becomes "-um"
    EXPECT_EQ(variant("barrum"), "barrim");          // "rrum" at the end, after the groups
    EXPECT_EQ(variant("bellus"), "(unchanged)");
}

TEST_F(Rewrites, EveryRewriteStaysWithinTheWordBuffer) {
    std::string longWord = "adf" + std::string(kTokenTextSize - 5, 'x');
    EXPECT_EQ(variant(longWord), "aff" + std::string(kTokenTextSize - 5, 'x'));
    longWord = "w" + std::string(kTokenTextSize - 2, 'x');   // "uu" would need one byte more
    EXPECT_EQ(variant(longWord), "(unchanged)");
    EXPECT_EQ(variant(""), "(unchanged)");
    EXPECT_EQ(syncope("am" + std::string(kTokenTextSize - 7, 'x') + "asse"), "(unchanged)");
}

TEST_F(Rewrites, DoubleSSyncopeRestoresThePerfectSystem) {
    EXPECT_EQ(syncope("amasse"), "amauisse");
    EXPECT_EQ(syncope("amasso"), "amauero");
    EXPECT_EQ(syncope("amassim"), "amauerim");
    EXPECT_EQ(syncope("complesse"), "compleuisse");   // the stem keeps its "e"
    EXPECT_EQ(syncope("iusse"), "iussisse");
    EXPECT_EQ(syncope("iusso"), "iussero");
    EXPECT_EQ(syncope("assem"), "(unchanged)");        // not at the start
    EXPECT_EQ(syncope("amassa"), "(unchanged)");       // "ass" found, but not before e, i or o
}

TEST_F(Rewrites, PhoneticKeysFollowTheSoundRules) {
    const auto key = [](std::string_view text, bool whole = false) {
        char k[kPhoneticKeySize];
        return phoneticKey(text, whole, k) < kPhoneticKeySize ? std::string(k) : std::string("(too long)");
    };
    EXPECT_EQ(key("gratiae", true), "gratiae");   // the "e" ends the word
    EXPECT_EQ(key("gratiae", false), "gratie");
    EXPECT_EQ(key("grati", true), "grati");
    EXPECT_EQ(key("dampn"), "dampn");    // the first letter stays; only "mn" joins
    EXPECT_EQ(key("philosoph"), "filosof");
    EXPECT_EQ(key("ymag"), "imag");
    EXPECT_EQ(key("Michi"), "miti");
    EXPECT_EQ(key("hh"), "h");
    EXPECT_EQ(key("columna"), "coluna");
    EXPECT_EQ(key("Iouem"), "iouem");
    EXPECT_EQ(key(std::string(30, 'a') + "b"), "a" "b");
    EXPECT_EQ(key("abcdefghiklmnopqrstuvwxyz"), "(too long)");
}

}  // namespace
}  // namespace kavro
