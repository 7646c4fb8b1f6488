// The phrase pass on sentences built by hand: which words a phrase covers, which slot gets its
// English and how the clause's verb settles it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"
#include "user/phrase_english.h"
#include "user/standard_phrases.h"

namespace kavro {
namespace {

// One word position: its chosen reading and the English that assembly left in its slot (also
// taken as the reading's meaning).
struct Word {
    const char* form;
    std::uint8_t partOfSpeech;
    const char* slot;
    const char* detail = "";
    std::uint8_t person = 0, number = 0;  // verbs: indicative when person is set
};

const std::string kLongEnglish = std::string(70, 'e') + " oneself";  // 78 characters

class PhrasePassTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* line :
             {"populus Romanus/the Roman people", "res publica/the state",
              "popul. Roman./Roman people", "est/it is", "gratias agere/INF2, 2 to give thanks",
              "sua sponte/of his\\their own accord", "uice uersa/the other way round"})
            ASSERT_TRUE(parsePhraseLine(line, lexicon.standardPhrases));
        ASSERT_TRUE(parsePhraseLine("longum uerbum/" + kLongEnglish, lexicon.standardPhrases));
        sortStandardPhrases(lexicon.standardPhrases);
        buildPhraseIndex(lexicon.standardPhrases, lexicon.phraseIndex);
    }

    // Builds the sentence (clauses as ranges of positions; none: one clause), runs the pass and
    // returns the slots; the readings and the choice must come out unchanged.
    std::vector<std::string> run(const std::vector<Word>& words,
                                 const std::vector<std::pair<int, int>>& clauses = {}) {
        Engine& e = *engine;
        e.sentence = SentenceTables{};
        e.analysisCount = e.wordCount = static_cast<int>(words.size());
        for (int i = 0; i < e.wordCount; ++i) {
            WordAnalysis& a = e.wordAnalyses[i] = blankAnalysis();
            a.partOfSpeech = words[i].partOfSpeech;
            a.wordPosition = static_cast<std::int16_t>(i);
            copyField(a.analysedForm, words[i].form);
            copyField(a.latinDetail, words[i].detail);
            copyField(a.english, words[i].slot);
            if (words[i].person) a.grammar3 = 1;
            a.grammar4 = words[i].person;
            a.grammar5 = words[i].number;
            e.sentence.chosenAnalysis[i] = static_cast<std::int16_t>(i);
            copyField(e.sentence.englishSlots[i], words[i].slot);
        }
        for (const auto& [first, last] : clauses) {
            const int k = e.sentence.clauses.clauseCount++;
            e.sentence.clauses.clauseStart[k] = first;
            e.sentence.clauses.clauseEnd[k] = last;
        }
        std::vector<WordAnalysis> readings(e.wordAnalyses, e.wordAnalyses + e.analysisCount);
        const SentenceTables before = e.sentence;
        applyStandardPhrases(e);
        EXPECT_EQ(
            std::memcmp(readings.data(), e.wordAnalyses, readings.size() * sizeof(WordAnalysis)),
            0);
        EXPECT_EQ(std::memcmp(before.chosenAnalysis, e.sentence.chosenAnalysis,
                              sizeof before.chosenAnalysis),
                  0);
        std::vector<std::string> slots;
        for (int i = 0; i < e.wordCount; ++i)
            slots.emplace_back(fieldText(e.sentence.englishSlots[i]));
        return slots;
    }

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine =
        std::make_unique<Engine>(lexicon, options, host, folder.path());
};

TEST_F(PhrasePassTest, PhrasesCoverTheWordsTheyMatch) {
    using Slots = std::vector<std::string>;
    const Word verb3p{"uen.erunt", 7, "they have ^come+ed", "uenire", 3, 2};
    struct Case {
        const char* name;
        std::vector<Word> words;
        Slots slots;
        std::vector<std::pair<int, int>> clauses = {};
    };
    const Case cases[] = {
        {"tackon between",
         {{"senat.us", 1, "senate"},
          {"que.", 11, "and"},
          {"popul.us", 1, "people"},
          {"Roman.us", 1, "Roman"},
          {".", 16, "."}},
         {"senate", "and", "<the Roman people>", "", "."}},
        {"letter case",
         {{"R.es", 1, "thing", "rei."}, {"Public.a", 4, "public"}},
         {"<the state>", ""}},
        {"v read as u",
         {{"Vic.e", 1, "change"}, {"vers.a", 8, "turned"}},
         {"<the other way round>", ""}},
        {"stem phrase",
         {{"popul.i", 1, "people"}, {"Roman.i", 1, "Roman"}},
         {"<Roman people>", ""}},
        {"punctuation inside",
         {{"r.es", 1, "thing"}, {",", 16, ","}, {"public.a", 4, "public"}},
         {"thing", ",", "public"}},
        {"next slot emptied",
         {{"r.es", 1, "the public thing"}, {"public.a", 4, ""}},
         {"the public thing", ""}},
        {"be after a participle", {{"amat.us", 8, "loved"}, {"est.", 7, "be"}}, {"loved", "be"}},
        {"infinitive phrase",
         {{"grati.as", 1, "popularity"}, {"ag.imus", 7, "we ^drive", "agere", 1, 2}},
         {"", "<we ^give thanks>"}},
        {"verb after the phrase",
         {{"su.a", 1, "his"}, {"sponte.", 6, "willingly"}, verb3p},
         {"<of their own accord>", "", "they have ^come+ed"}},
        {"verb of the same clause",
         {{"su.a", 1, "his"},
          {"sponte.", 6, "willingly"},
          {"uen.i", 7, "I ^come", "uenire", 1, 1},
          {",", 16, ","},
          verb3p},
         {"<of my own accord>", "", "I ^come", ",", "they have ^come+ed"},
         {{0, 3}, {4, 4}}},
        {"slot bound",
         {{"long.um", 4, "long"}, {"uerb.um", 1, "word"}, verb3p},
         {"<" + (std::string(70, 'e') + " themselves").substr(0, 78) + ">", "",
          "they have ^come+ed"}},
    };
    for (const Case& c : cases) EXPECT_EQ(run(c.words, c.clauses), c.slots) << c.name;

    // The slot is marked even when the phrases are not shown: polishing treats it alike either
    // way, and only the final line drops the marks.
    options.showUserPhrases = false;
    EXPECT_EQ(run({{"r.es", 1, "thing"}, {"public.a", 4, "public"}}), (Slots{"<the state>", ""}));
    EXPECT_TRUE(host.boxes.empty());
}

TEST(PhraseEnglish, AlternativesAndVerbsAgreeWithTheSentence) {
    struct Case {
        std::string english;
        ClauseVerb verb;
        std::string adapted;
    };
    const Case cases[] = {
        {"s/he/it ^be in love", {1, 1}, "I ^am in love"},
        {"s/he/it ^be in love", {3, 1}, "s/he/it ^is in love"},
        {"he/they ^have his/her/their reasons, oneself",
         {2, 2},
         "you ^have your reasons, yourselves"},
        {"he/they ^have his/her/their reasons", {3, 1}, "he ^has his/her reasons"},
        {"s/he/it ^be", {}, "s/he/it ^is"},
        {"it will be been", {}, "it will have been"},
        {"s/he/it ^give+s thanks\\to give thanks", {3, 1}, "s/he/it ^give+s thanks"},
        {"s/he/it ^give+s thanks\\to give thanks", {0, 0, true}, "to give thanks"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(adaptPhraseEnglish(c.english, c.verb), c.adapted) << c.english;

    const std::pair<std::string, std::string> conjugated[] = {
        {"we ^drive", "we ^give thanks"},
        {"s/he/it ^drive+s out", "s/he/it ^give+s thanks"},
        {"s/he/it will have ^drive+ed", "s/he/it will have ^give+ed thanks"},
        {"s/he/it ^is", "s/he/it ^give+s thanks"},
        {"^drive!", "^give! thanks"},
        {"drive", "to give thanks"},
    };
    for (const auto& [slot, result] : conjugated)
        EXPECT_EQ(conjugateInfinitivePhrase(slot, "give thanks"), result) << slot;
    EXPECT_EQ(conjugateInfinitivePhrase("s/he/it ^drive+s", "be in love"), "s/he/it ^is in love");
    EXPECT_EQ(conjugateInfinitivePhrase("they have ^drive+ed", "have a care"),
              "they have ^had a care");
}

}  // namespace
}  // namespace kavro
