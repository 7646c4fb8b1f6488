// The two word-order moves of clause analysis: a connective in second place goes to the front
// ("Gallia enim est" reads "enim Gallia est", for Gaul is), and a middle clause of inquit or of
// an addressed person goes to the end ("Ego, inquit, faciam" reads "Ego, faciam, inquit").
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "syntax/analysis_access.h"
#include "syntax/clause_analysis.h"
#include "syntax/clause_steps.h"
#include "syntax/coordination.h"
#include "syntax/reading_choice.h"

namespace kavro {
namespace {

// Connectives that stand second in Latin and first in English; "et." and "atque." move only
// when they do not join the first word to the third.
constexpr std::array<std::string_view, 11> kConnectives = {
    "enim.", "et.", "quidem.", "autem.", "tamen.", "quippe.", "etenim.", "itaque.", "tamquam.", "siue.", "atque."};
// A middle clause moved to the end has at most this many words, and the sentence fewer words
// than the limit.
constexpr int kParentheticalWordLimit = 3;
constexpr int kParentheticalSentenceLimit = 50;

bool isConnective(const WordAnalysis& a) {
    if (a.partOfSpeech != speech_type::Adverb && !isConjunction(a)) return false;
    return std::find(kConnectives.begin(), kConnectives.end(), formOf(a)) != kConnectives.end();
}

int liveCount(const Engine& e, WordRange r) {
    int n = 0;
    for (int i = r.first; i < r.end; ++i) n += isLive(e.wordAnalyses[i]);
    return n;
}

bool beginsWithAdverbOrConjunction(const Engine& e) {
    const WordRange r = readingsOfWord(e, 0);
    for (int i = r.first; i < r.end; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (isLive(a) && (a.partOfSpeech == speech_type::Adverb || isConjunction(a) || isPunctuation(a)))
            return true;
    }
    return false;
}

// "et" and "atque" in second place may join the first word to the third instead.
bool joinsFirstWord(Engine& e) {
    const WordRange r = readingsOfWord(e, 0);
    for (int i = r.first; i < r.end; ++i) {
        if (!isLive(e.wordAnalyses[i])) continue;
        const bool joined = isVerb(e.wordAnalyses[i]) ? coordinateVerbs(e, i) : coordinate(e, i);
        if (joined) return true;
    }
    return false;
}

void applyOrder(Engine& e, const std::vector<int>& order) {
    const int n = static_cast<int>(order.size());
    std::vector<std::int16_t> newIndex(static_cast<std::size_t>(e.analysisCount), -1);
    for (int k = 0; k < n; ++k) newIndex[static_cast<std::size_t>(order[k])] = static_cast<std::int16_t>(k);
    std::vector<WordAnalysis> records;
    std::vector<std::int16_t> origins;
    std::vector<AnalysisSource> sources;
    for (const int old : order) {
        records.push_back(e.wordAnalyses[old]);
        origins.push_back(e.sentence.analysisOrigin[old]);
        if (e.keepAnalysisSources) sources.push_back(e.analysisSources[old]);
    }
    for (WordAnalysis& a : records)
        for (std::int16_t* l : {&a.link1, &a.link2, &a.link3})
            if (*l >= 0 && *l < e.analysisCount) *l = newIndex[static_cast<std::size_t>(*l)];
    std::copy(records.begin(), records.end(), e.wordAnalyses);
    std::copy(origins.begin(), origins.end(), e.sentence.analysisOrigin);
    if (e.keepAnalysisSources) {
        std::copy(sources.begin(), sources.end(), e.analysisSources);
        e.markAnalysisSourcesWritten(n);
    }
    e.analysisCount = n;
}

// Word positions 0, 1, 2 ... in the order the records now stand.
void renumberWords(Engine& e) {
    int position = -1, previous = -1;
    for (int i = 0; i < e.analysisCount; ++i) {
        WordAnalysis& a = e.wordAnalyses[i];
        if (i == 0 || a.wordPosition != previous) ++position;
        previous = a.wordPosition;
        a.wordPosition = static_cast<std::int16_t>(position);
    }
    e.wordCount = position + 1;
    indexWords(e);
}

bool isInquit(const WordAnalysis& a) {
    return isVerb(a) && (formIs(a, "inqu.it") || formIs(a, "inqu.am"));
}

// A reading that addresses a person: a vocative name, person or group, or a vocative adjective.
bool addressesPerson(const WordAnalysis& a) {
    if (caseOf(a) != case_type::Vocative) return false;
    if (isNoun(a))
        return a.kind2 == noun_kind_type::Proper || a.kind2 == noun_kind_type::Locale ||
               a.kind2 == noun_kind_type::Person || a.kind2 == noun_kind_type::Group;
    return a.partOfSpeech == speech_type::Adjective || isParticiple(a);
}

// The reading of word w that makes it a word of a parenthesis, or -1.
int parentheticalReading(const Engine& e, int w) {
    const WordRange r = readingsOfWord(e, w);
    for (int i = r.first; i < r.end; ++i)
        if (isLive(e.wordAnalyses[i]) && (isInquit(e.wordAnalyses[i]) || addressesPerson(e.wordAnalyses[i])))
            return i;
    return -1;
}

// A clause of vocatives alone is an address only where somebody is spoken to (a verb of the
// second person); otherwise it is a list of names ("Sem, Cham et Iapheth").
bool holdsInquit(const Engine& e, int firstWord, int words) {
    for (int w = firstWord; w < firstWord + words; ++w) {
        const WordRange r = readingsOfWord(e, w);
        for (int i = r.first; i < r.end; ++i)
            if (isLive(e.wordAnalyses[i]) && isInquit(e.wordAnalyses[i])) return true;
    }
    return false;
}

bool somebodyIsAddressed(const Engine& e) {
    return (e.sentence.personFlags & (person_flag::SecondSingular | person_flag::SecondPlural)) != 0;
}

// The middle clause that is a parenthesis, or -1.
int parentheticalClause(const Engine& e) {
    const ClauseTable& t = e.sentence.clauses;
    for (int k = 1; k + 1 < t.clauseCount; ++k) {
        const int firstWord = e.wordAnalyses[t.clauseStart[k]].wordPosition;
        const int mark = t.clauseEnd[k];
        if (!isPunctuation(e.wordAnalyses[mark])) continue;
        const int words = e.wordAnalyses[mark].wordPosition - firstWord;
        if (words < 1 || words > kParentheticalWordLimit) continue;
        bool all = true;
        for (int w = firstWord; w < firstWord + words && all; ++w) all = parentheticalReading(e, w) >= 0;
        if (all && (holdsInquit(e, firstWord, words) || somebodyIsAddressed(e))) return k;
    }
    return -1;
}

// Ties the agreeing words of the parenthesis to each other and fixes their readings.
void fixParenthesis(Engine& e, int firstWord, int words) {
    std::array<int, kParentheticalWordLimit> chosen{};
    for (int k = 0; k < words; ++k) chosen[k] = parentheticalReading(e, firstWord + k);
    for (int k = 0; k + 1 < words; ++k)
        for (int m = k + 1; m < words; ++m)
            if (isNominal(e.wordAnalyses[chosen[k]]) && agrees(e, chosen[k], chosen[m])) {
                addLink(e.wordAnalyses[chosen[k]], chosen[m]);
                addLink(e.wordAnalyses[chosen[m]], chosen[k]);
            }
    for (int k = 0; k < words; ++k) OrigWordDelete(e, chosen[k]);
}

// The new order of the readings when middle clause k goes to the end. "A, M, B." becomes
// "A B, M.": the comma that opened the parenthesis goes, the one that closed it now opens it, and
// the sentence's final mark closes it. When the last clause has no mark of its own, the
// parenthesis simply follows with its closing mark made the final one ("A, B M.").
std::vector<int> parentheticalOrder(Engine& e, int k) {
    const ClauseTable& t = e.sentence.clauses;
    const int start = t.clauseStart[k], mark = t.clauseEnd[k];
    const int opener = t.clauseEnd[k - 1];
    const int final = t.clauseEnd[t.clauseCount - 1];
    const bool dropOpener = e.wordAnalyses[opener].kind1 == punctuation_type::Comma;
    std::vector<int> order;
    if (!isPunctuation(e.wordAnalyses[final]) || final <= mark) {
        for (int i = 0; i < e.analysisCount; ++i)
            if (i < start || i > mark) order.push_back(i);
        for (int i = start; i <= mark; ++i) order.push_back(i);
        WordAnalysis& closer = e.wordAnalyses[mark];
        closer.analysedForm[0] = closer.english[0] = e.sentence.sentenceFinalMark;
        closer.analysedForm[1] = closer.english[1] = '\0';
        for (int code = 0; code < punctuation_type::kMarkCount; ++code)
            if (punctuationMark(code) == e.sentence.sentenceFinalMark) closer.kind1 = static_cast<std::uint8_t>(code);
        return order;
    }
    for (int i = 0; i < start; ++i)
        if (i != opener || !dropOpener) order.push_back(i);
    for (int i = mark + 1; i < final; ++i) order.push_back(i);
    order.push_back(mark);
    for (int i = start; i < mark; ++i) order.push_back(i);
    for (int i = final; i < e.analysisCount; ++i) order.push_back(i);
    return order;
}

}  // namespace

void moveConnectiveToFront(Engine& e) {
    if (e.sentence.indexedWords < 3 || beginsWithAdverbOrConjunction(e)) return;
    const WordRange second = readingsOfWord(e, 1);
    if (second.end - second.first != 1 || liveCount(e, second) != 1) return;
    const WordAnalysis& c = e.wordAnalyses[second.first];
    if (!isConnective(c)) return;
    if ((formIs(c, "et.") || formIs(c, "atque.")) && joinsFirstWord(e)) return;
    std::vector<int> order;
    order.push_back(second.first);
    for (int i = 0; i < e.analysisCount; ++i)
        if (i != second.first) order.push_back(i);
    applyOrder(e, order);
    e.wordAnalyses[0].wordPosition = 0;
    for (int i = 1; i <= second.first; ++i) e.wordAnalyses[i].wordPosition = 1;
    indexWords(e);
}

void moveParentheticalSpeech(Engine& e) {
    const SentenceTables& s = e.sentence;
    const int clauses = s.clauses.clauseCount;
    if (e.wordCount >= kParentheticalSentenceLimit || (clauses != 3 && clauses != 4) || s.quotesUnbalanced)
        return;
    const int k = parentheticalClause(e);
    if (k < 0) return;
    const int start = s.clauses.clauseStart[k], mark = s.clauses.clauseEnd[k];
    const int firstWord = e.wordAnalyses[start].wordPosition;
    fixParenthesis(e, firstWord, e.wordAnalyses[mark].wordPosition - firstWord);
    const std::vector<int> order = parentheticalOrder(e, k);
    applyOrder(e, order);
    renumberWords(e);
    splitClauses(e, false);
    e.sentence.inquitMoved = true;
}

}  // namespace kavro
