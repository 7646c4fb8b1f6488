// The English word of real sentences (Bible verses, classical prose, everyday Latin) run through
// the whole pipeline: the sense of a word in its context, names as readers know them, idioms of
// the standard phrases, numbers, and words found only through an enclitic or an irregular form.
// Each case names the words its English must hold and those it must not. Skipped when the
// lexicon of the build has not been compiled.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/stages.h"
#include "job/translation_job.h"
#include "tests/support/compiled_engine.h"

namespace kavro::testing {
namespace {

struct WordChoiceCase {
    const char* latin;
    std::vector<std::string> holds;    // words the English must hold
    std::vector<std::string> lacks;    // words it must not hold
};

// The English line of every case (one sentence each), as a fresh program folder gives it.
std::vector<std::string> translateCases(const std::vector<WordChoiceCase>& cases) {
    ViewOptions options;
    options.sentenceMode = true;
    options.showUserPhrases = false;
    CompiledEngine run(options);
    std::string text;
    for (const WordChoiceCase& c : cases) text += std::string(c.latin) + "\n";
    const std::filesystem::path file = run.folder.file("cases.lat");
    std::ofstream(file, std::ios::binary) << text;
    std::vector<std::string> english;
    JobStages stages = engineStages();
    stages.translateSentence = [&english](Engine& e) {
        translateSentence(e);
        english.push_back(e.sentence.finalLine);
    };
    std::filesystem::path latin = file;
    runTranslationJob(*run.engine, latin, 0, stages);
    return english;
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Letter case aside, except where a case asks for a capital word ("Lord", not "lord").
void expectWords(const std::vector<WordChoiceCase>& cases) {
    const std::vector<std::string> english = translateCases(cases);
    ASSERT_EQ(english.size(), cases.size()) << "one English line per sentence";
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const auto holds = [&](const std::string& word) {
            const bool capital = !word.empty() && std::isupper(static_cast<unsigned char>(word[0]));
            return (capital ? english[k] : lowered(english[k])).find(word) != std::string::npos;
        };
        for (const std::string& word : cases[k].holds)
            EXPECT_TRUE(holds(word))
                << cases[k].latin << " -> " << english[k] << " (wants '" << word << "')";
        for (const std::string& word : cases[k].lacks)
            EXPECT_FALSE(holds(word))
                << cases[k].latin << " -> " << english[k] << " (not '" << word << "')";
    }
}

TEST(WordChoice, SensesInContext) {
    if (!haveCompiledData()) GTEST_SKIP() << "no compiled lexicon in " << compiledDataFolder();
    expectWords({
        {"Et locutus est Dominus ad Moysen dicens.", {"Lord"}, {"owner"}},
        {"Non est servus maior domino suo.", {"lord"}, {"Lord", "owner"}},
        {"Et dedit eis terram Chanaan in possessionem.", {"land"}, {"earth"}},
        {"Caesar castra in colle posuit.", {"camp"}, {"forts"}},
        {"Et tulit Moyses virgam Dei in manu sua.", {"rod"}, {"twig"}},
        {"Naves in altum provectae sunt.", {"deep"}, {"high"}},
        {"Et percussit Dominus populum plaga magna.", {}, {"region"}},
        {"Haec res ad me non pertinet.", {"pertain"}, {"reach"}},
        {"Haruspex fibras inspexit.", {}, {"beaver"}},
        {"Heli autem sacerdos sedebat super sellam.", {"Heli"}, {"My God"}},
    });
}

TEST(WordChoice, NamesAsReadersKnowThem) {
    if (!haveCompiledData()) GTEST_SKIP() << "no compiled lexicon in " << compiledDataFolder();
    expectWords({
        {"Et ait Dominus ad Moysen.", {"Moses"}, {"Moseses", "Moyses"}},
        {"De tribu Nephthali duodecim milia signati.", {"Naphtali"}, {"Nephthalus"}},
        {"Et fugit Absalom.", {"Absalom"}, {"Absalomus"}},
        {"Erat Lavinia filia regis.", {"Lavinia"}, {"Lauinia"}},
        {"Et filii Levi steterunt.", {"Levi"}, {"light"}},
    });
}

TEST(WordChoice, IdiomsReadAsEnglish) {
    if (!haveCompiledData()) GTEST_SKIP() << "no compiled lexicon in " << compiledDataFolder();
    expectWords({
        {"Gratias tibi.", {"thank you"}, {"popularit"}},
        {"Bene vale.", {"arewell"}, {"strong"}},
        {"Opus est mihi pecunia.", {"I need"}, {"theres"}},
        {"Res publica in periculo est.", {"state"}, {"public thing"}},
        {"Consul gratias egit.", {"thanks"}, {"popularit"}},
        {"Quam primum venit.", {"as soon as possible"}, {}},
        {"Ius iurandum dedit.", {"oath"}, {}},
        {"Haec dicit Dominus.", {"Thus says the Lord"}, {"owner"}},
        {"Senatus populusque Romanus bellum decrevit.", {"senate and the", "Roman people"}, {}},
    });
}

TEST(WordChoice, NumbersAndUnfoundForms) {
    if (!haveCompiledData()) GTEST_SKIP() << "no compiled lexicon in " << compiledDataFolder();
    expectWords({
        {"Anno XIV regni sui venit.", {"14"}, {"XIU"}},
        {"Anno tertio decimo venit.", {"thirteenth"}, {"[", "tertiodecimo"}},
        {"Occisa sunt duo milia hominum.", {"wo thousand"}, {"millet", "venom"}},
        {"Quinque et viginti annos regnavit.", {"twenty-five"}, {}},
        {"Vidit homines quibuscum venerat.", {"with wh"}, {"["}},
        {"Sermo huiuscemodi erat.", {"kind"}, {"["}},
        {"Dedit unumquemque.", {"each"}, {"["}},
    });
}

}  // namespace
}  // namespace kavro::testing
