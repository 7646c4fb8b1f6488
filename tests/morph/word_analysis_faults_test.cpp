// Common words that word analysis once lost or cited wrongly, under the default options (medieval
// age, medieval spellings on): each must have a reading whose citation names the dictionary
// word (a treebank's lemma) with a fitting part of speech. Words are given as the tokenizer
// hands them on (u for v, i for j).
#include <algorithm>
#include <cctype>

#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

// The headword candidates of a citation form: its first word, folded to i and u, with an
// alternative after "/" applied to the last letter ("qui/quis" names qui and quis).
std::vector<std::string> headwordsOf(std::string_view citation) {
    std::string first(citation.substr(0, citation.find_first_of(", ")));
    for (char& c : first) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == 'j') c = 'i';
        if (c == 'v') c = 'u';
    }
    std::vector<std::string> out;
    std::size_t slash = first.find('/');
    out.push_back(first.substr(0, slash));
    while (slash != std::string::npos && !out[0].empty()) {
        const std::size_t next = first.find('/', slash + 1);
        out.push_back(out[0].substr(0, out[0].size() - 1) + first.substr(slash + 1, next - slash - 1));
        slash = next;
    }
    return out;
}

bool isNominal(std::uint8_t pos) {
    pos &= 0x3F;
    return pos == speech_type::Pronoun || pos == speech_type::Adjective ||
           pos == speech_type::SubstantiveAdjective || pos == speech_type::Pack;
}

class WordAnalysisFaults : public RealLexicon {
protected:
    void SetUp() override {
        RealLexicon::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        options().age = kAgeMedieval;
        options().medievalTricks = true;
    }

public:
    // The word alone in a sentence; true when a reading cites `headword` with a part of speech
    // that `fits`.
    template <class Fits>
    bool citesAs(std::string_view word, std::string_view headword, Fits fits) {
        resetWordStatusCache(engine());
        analyse({word, "PUNCT@"});
        for (const Reading& r : readingsOf(0)) {
            if (!fits(r.partOfSpeech)) continue;
            const auto names = headwordsOf(r.citation);
            if (std::find(names.begin(), names.end(), headword) != names.end()) return true;
        }
        return false;
    }
    std::string cited(int position) {
        std::string all;
        for (const Reading& r : readingsOf(position))
            all += "[" + r.citation + "/" + std::to_string(r.partOfSpeech) + "] ";
        return all;
    }
};

struct Case {
    const char* word;
    const char* headword;
};

void expectCited(WordAnalysisFaults& t, std::initializer_list<Case> cases, auto fits,
                 const char* fault) {
    for (const Case& c : cases)
        EXPECT_TRUE(t.citesAs(c.word, c.headword, fits)) << fault << ": " << c.word << " as "
                                                          << c.headword << ": " << t.cited(0);
}

auto anyPart = [](std::uint8_t pos) { return pos != speech_type::NotFound; };
auto adjective = [](std::uint8_t pos) { return (pos & 0x3F) == speech_type::Adjective; };
auto nominal = [](std::uint8_t pos) { return isNominal(pos); };

TEST_F(WordAnalysisFaults, PronominalAdjectivesAreCitedByTheirNominative) {
    expectCited(*this, {{"aliud", "alius"}, {"alii", "alius"}, {"nulla", "nullus"},
                        {"solus", "solus"}, {"toto", "totus"}, {"ulla", "ullus"},
                        {"unum", "unus"}, {"alterum", "alter"}},
                adjective, "bare stem cited");
}

TEST_F(WordAnalysisFaults, FoldedGenitiveEndingGivesPronounReadings) {
    auto pronoun = [](std::uint8_t pos) { return pos == speech_type::Pronoun; };
    expectCited(*this, {{"cuius", "qui"}, {"alicuius", "aliqui"}}, pronoun, "ending 'jus' unfolded");
}

TEST_F(WordAnalysisFaults, PronounCompoundsAreCitedByTheirHeadword) {
    expectCited(*this, {{"quaedam", "quidam"}, {"quendam", "quidam"}, {"quemque", "quisque"},
                        {"quaecumque", "quicumque"}, {"quilibet", "quilibet"},
                        {"quodlibet", "quilibet"}, {"utriusque", "uterque"}},
                nominal, "inflected word cited");
}

TEST_F(WordAnalysisFaults, LaterLatinIsFoundUnderTheDefaultAge) {
    expectCited(*this, {{"metaphysica", "metaphysica"}, {"scabinus", "scabinus"},
                        {"metaphysicum", "metaphysicus"}},
                anyPart, "later word lost");
}

TEST_F(WordAnalysisFaults, PositiveOnlyAdjectivesAreCompared) {
    expectCited(*this, {{"utilior", "utilis"}, {"simplicior", "simplex"}, {"uilissimus", "uilis"},
                        {"celsior", "celsus"}, {"facillimum", "facilis"}},
                adjective, "comparison lost");
}

TEST_F(WordAnalysisFaults, DerivedReadingsAreCitedAsWords) {
    resetWordStatusCache(engine());
    analyse({"intelligibilis", "PUNCT@"});
    bool derived = false;
    for (const Reading& r : readingsOf(0)) {
        if (r.sourceKind != source_kind::ModifiedStem) continue;
        derived = true;
        EXPECT_EQ(headwordsOf(r.citation)[0], "intelligibilis") << cited(0);
    }
    EXPECT_TRUE(derived) << cited(0);
}

// A second headword on the same stem and ending is a reading of its own, not a repeated sense.
TEST_F(WordAnalysisFaults, TwoHeadwordsOnOneStemAreTwoReadings) {
    auto verb = [](std::uint8_t pos) { return pos == speech_type::Verb || pos == speech_type::Participle; };
    expectCited(*this, {{"secutus", "sequor"}, {"coxit", "coquo"}}, verb, "second headword dropped");
    expectCited(*this, {{"leporem", "lepus"}}, anyPart, "second headword dropped");
}

TEST_F(WordAnalysisFaults, MedievalSpellingsAreReadAsVariants) {
    expectCited(*this, {{"ymago", "imago"}, {"ydioma", "idioma"}, {"ymnus", "hymnus"},
                        {"insule", "insula"}, {"forme", "forma"}, {"edificare", "aedifico"},
                        {"comutatio", "commutatio"}, {"seo", "seu"}, {"capud", "caput"},
                        {"litterra", "littera"}, {"michi", "ego"}},
                anyPart, "medieval spelling lost");
    // Marked as variants, and the word-mode trace names the spelling that was read.
    world_->engine->log.open(world_->folder.file("parser.txt"));
    options().sentenceMode = false;
    resetWordStatusCache(engine());
    analyse({"insule", "PUNCT@"});
    engine().log.close();
    for (const Reading& r : readingsOf(0))
        EXPECT_EQ(r.sourceKind, source_kind::SpellingVariant) << "ranked as a variant: " << cited(0);
    EXPECT_NE(world_->folder.read("parser.txt").find("Read as a spelling variant (ae for final e): insulae"),
              std::string::npos);
}

}  // namespace
}  // namespace kavro::testing
