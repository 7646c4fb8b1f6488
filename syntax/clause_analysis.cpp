// Clause analysis: the order of its steps, and the first pruning steps over the whole sentence.
#include "syntax/clause_analysis.h"

#include <memory>
#include <string_view>

#include "syntax/analysis_access.h"
#include "syntax/clause_steps.h"

namespace kavro {
namespace {

// Verb readings of one word collected for the agent-noun rule.
constexpr int kAgentVerbCapacity = 19;

// The counter of a verb's person and number: 0 1st sing, 1 2nd sing, 2 1st plur, 3 2nd plur.
int personCounter(int person, int number) {
    if (person != 1 && person != 2) return -1;
    return (person - 1) + (number == number_type::Plural ? 2 : 0);
}

// A verb form in -ator, -itor, -etor that is a future imperative, passive or deponent: in a
// word that is also a common noun ("imperator", "gladiator"), the noun is meant.
bool isAgentLikeVerb(const WordAnalysis& a) {
    if (!isVerb(a)) return false;
    const bool kind = (a.grammar1 == tense_type::Future && a.grammar3 == mood_type::Imperative) ||
                      a.grammar2 == voice_type::Passive || a.kind2 == verb_kind_type::Deponent;
    const std::string_view f = formOf(a);
    return kind && f.size() > 6 &&
           (f.ends_with(".ator") || f.ends_with(".itor") || f.ends_with(".etor"));
}

// The time of the words that can only be subjunctives: 1 past, -1 present, 0 none or mixed.
void findSubjunctiveTime(Engine& e) {
    int past = 0, present = 0;
    for (int w = 0; w < e.sentence.indexedWords; ++w) {
        const WordRange r = readingsOfWord(e, w);
        int time = 0;
        bool onlySubjunctive = false;
        for (int i = r.first; i < r.end; ++i) {
            const WordAnalysis& a = e.wordAnalyses[i];
            if (!isLive(a)) continue;
            if (!isVerb(a) || a.grammar3 != mood_type::Subjunctive) {
                onlySubjunctive = false;
                break;
            }
            onlySubjunctive = true;
            const int t = a.grammar1 == tense_type::Imperfect || a.grammar1 == tense_type::Pluperfect ? 1 : -1;
            if (time != 0 && time != t) onlySubjunctive = false;
            time = t;
        }
        if (!onlySubjunctive) continue;
        (time > 0 ? past : present) += 1;
    }
    e.sentence.subjunctiveTime = static_cast<std::int16_t>(past > 0 && present == 0 ? 1 : present > 0 && past == 0 ? -1 : 0);
}

}  // namespace

void countVerbPersons(Engine& e) {
    SentenceTables& s = e.sentence;
    for (auto& c : s.personCounters) c = 0;
    for (int w = 0; w < s.indexedWords; ++w) {
        const WordRange r = readingsOfWord(e, w);
        bool counted[4] = {};
        std::uint8_t uniform = r.empty() ? 0 : e.wordAnalyses[r.first].partOfSpeech;
        for (int i = r.first; i < r.end; ++i) {
            const WordAnalysis& a = e.wordAnalyses[i];
            if (a.partOfSpeech != uniform) uniform = 0;
            const int c = isVerb(a) ? personCounter(a.grammar4, a.grammar5) : -1;
            if (c >= 0 && !counted[c]) {
                counted[c] = true;
                ++s.personCounters[c];
            }
        }
        s.uniformPartOfSpeech[w] = uniform;
    }
}

void pruneAgentNounVerbs(Engine& e) {
    for (int w = 0; w < e.sentence.indexedWords; ++w) {
        const WordRange r = readingsOfWord(e, w);
        int verbs[kAgentVerbCapacity];
        int verbCount = 0, commonNouns = 0;
        for (int i = r.first; i < r.end; ++i) {
            const WordAnalysis& a = e.wordAnalyses[i];
            if (isAgentLikeVerb(a) && verbCount < kAgentVerbCapacity) verbs[verbCount++] = i;
            if (isNoun(a) && rarity4(a) < 10) ++commonNouns;
        }
        if (commonNouns == 0) continue;
        for (int k = 0; k < verbCount; ++k) markDeleted(e.wordAnalyses[verbs[k]]);
    }
}

void pruneSuperlativeAdjectives(Engine& e) {
    for (int i = 0; i < e.analysisCount; ++i) {
        const WordAnalysis& adverb = e.wordAnalyses[i];
        if (adverb.partOfSpeech != speech_type::Adverb || formOf(adverb).find("ime.") == std::string_view::npos)
            continue;
        const int end = wordEnd(e, i);
        for (int j = wordBegin(e, i); j < end; ++j) {
            WordAnalysis& b = e.wordAnalyses[j];
            if (b.partOfSpeech == speech_type::Adjective && formOf(b).ends_with("im.e")) markDeleted(b);
        }
    }
}

void analyseClauses(Engine& e) {
    SentenceTables& s = e.sentence;
    s.inquitMoved = false;
    s.negativeConjunction = -1;
    s.alterPairCount = 0;
    s.opusEstPosition = -1;
    s.pendingFirst = s.pendingSecond = -1;
    for (auto& roles : s.roles) roles = emptyRoleSlots();
    s.activeRoles = emptyRoleSlots();
    indexWords(e);
    countVerbPersons(e);
    pruneAgentNounVerbs(e);
    pruneSuperlativeAdjectives(e);
    splitClauses(e, true);
    findSubjunctiveTime(e);
    moveConnectiveToFront(e);
    noteNeAndAlter(e);
    moveParentheticalSpeech(e);
    auto lists = std::make_unique<ClauseLists>();
    for (int k = 0; k < s.clauses.clauseCount; ++k) {
        *lists = ClauseLists{};
        scanClause(e, k, *lists);
        linkClause(e, k, *lists);
        pairCorrelatives(e, k);
    }
}

}  // namespace kavro
