// Correlative pairs: two joining words of one clause that answer each other ("aut ... aut",
// "neque ... neque", "utrum ... an") are fixed and given their English pair ("either ... or").
#include <array>
#include <string_view>

#include "syntax/analysis_access.h"
#include "syntax/clause_analysis.h"
#include "syntax/clause_steps.h"

namespace kavro {
namespace {

struct CorrelativeRow {
    std::string_view first, second, firstEnglish, secondEnglish;
};

// Searched in this order; the first row whose two forms match is taken.
constexpr std::array<CorrelativeRow, 17> kCorrelatives = {{
    {"et.", "et.", "both", "and"},
    {"aut.", "aut.", "either", "or"},
    {"uel.", "uel.", "either", "or"},
    {"nec.", "nec.", "neither", "nor"},
    {"neque.", "neque.", "neither", "nor"},
    {"siue.", "siue.", "whether", "or if"},
    {"qua.", "qua.", "partly", "partly"},
    {"seu.", "seu.", "either", "or"},
    {"partim.", "partim.", "partly", "partly"},
    {"si.", "siue.", "if", "or if"},
    {"utrum.", "an.", "whether", "or"},
    {"magis.", "quam.", "more", "than"},
    {"plus.", "quam.", "more", "than"},
    {"alter.", "alter.", "one", "the other"},
    {"ne.", "aut.", "neither", "nor"},
    {"tam.", "tam.", "so very", "so very"},
    {"neque.", "omnino.", "not", "at all"},
}};
constexpr int kCollectedWords = 9;
constexpr std::uint8_t kJoiningTackonMark = 2;

bool collectable(const WordAnalysis& a, bool any) {
    if (!isLive(a)) return false;
    if ((a.partOfSpeech == speech_type::Adverb || isConjunction(a)) && !formIs(a, "non.")) return true;
    return any && a.partOfSpeech == speech_type::Tackon && a.grammar5 == kJoiningTackonMark;
}

// "aut" opening the clause after this one's closing comma belongs to its pairs.
int autAfterComma(const Engine& e, int clauseEnd) {
    const WordAnalysis& mark = e.wordAnalyses[clauseEnd];
    if (!isPunctuation(mark) || mark.kind1 != punctuation_type::Comma) return -1;
    const WordRange next = readingsOfWord(e, mark.wordPosition + 1);
    for (int i = next.first; i < next.end; ++i)
        if (isLive(e.wordAnalyses[i]) && formIs(e.wordAnalyses[i], "aut.")) return i;
    return -1;
}

// The pair keeps its parts of speech (they are conjunctions that answer each other, not
// adverbs); its English becomes the row's.
void setEnglishPair(Engine& e, int i, std::string_view english) {
    OrigWordDelete(e, i);
    copyField(e.wordAnalyses[i].english, english);
}

}  // namespace

void pairCorrelatives(Engine& e, int k) {
    const ClauseTable& t = e.sentence.clauses;
    int words[kCollectedWords + 1];
    int count = 0, lastWord = -1;
    for (int i = t.clauseStart[k]; i <= t.clauseEnd[k] && count < kCollectedWords; ++i) {
        WordAnalysis& a = e.wordAnalyses[i];
        if (a.wordPosition == lastWord || !collectable(a, count > 0)) continue;
        if (formIs(a, "neque.")) a.partOfSpeech = speech_type::Adverb;
        words[count++] = i;
        lastWord = a.wordPosition;
    }
    if (const int aut = autAfterComma(e, t.clauseEnd[k]); aut >= 0) words[count++] = aut;
    for (int m = 0; m < count; ++m) {
        for (int n = m + 1; n < count; ++n) {
            const std::string_view f1 = formOf(e.wordAnalyses[words[m]]);
            const std::string_view f2 = formOf(e.wordAnalyses[words[n]]);
            for (const CorrelativeRow& row : kCorrelatives) {
                if (f1 != row.first || f2 != row.second) continue;
                setEnglishPair(e, words[m], row.firstEnglish);
                setEnglishPair(e, words[n], row.secondEnglish);
                break;
            }
        }
    }
}

}  // namespace kavro
