// After the choice of readings: every word left without a choice takes its first live reading,
// the readings not chosen are set aside (255), the links of the chosen readings are compacted,
// joining tackons are repaired or made conjunctions, the pending pair is rotated into English
// order, and each clause's subjects are counted.
#include <algorithm>

#include "syntax/analysis_access.h"
#include "syntax/choice_steps.h"

namespace kavro {
namespace {

constexpr std::uint8_t kJoiningTackonMark = 2;
constexpr int kRotationSpan = 4;

int chosenAt(const Engine& e, int w) {
    return w >= 0 && w < e.wordCount && w < static_cast<int>(kChosenCapacity) ? e.sentence.chosenAnalysis[w] : -1;
}

bool isChosen(const Engine& e, int i) {
    return validIndex(e, i) && chosenAt(e, e.wordAnalyses[i].wordPosition) == i;
}

// A word with live readings but no choice (outside every clause, or its candidates unscored)
// takes its first live reading, so that no word loses its English.
void chooseLeftovers(Engine& e) {
    for (int i = 0; i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a) || a.wordPosition < 0 || a.wordPosition >= static_cast<int>(kChosenCapacity)) continue;
        std::int16_t& chosen = e.sentence.chosenAnalysis[a.wordPosition];
        if (!liveAt(e, chosen) || e.wordAnalyses[chosen].wordPosition != a.wordPosition)
            chosen = static_cast<std::int16_t>(i);
    }
}

bool isJoiningTackon(const WordAnalysis& a) {
    return a.partOfSpeech == speech_type::Tackon && a.grammar5 == kJoiningTackonMark;
}

// A joining tackon whose partner was not chosen is tied to the chosen reading of the partner's
// word when that has the partner's part of speech; otherwise it is untied and takes back the
// part of speech it had before it joined.
void repairTackonLink(Engine& e, int t, std::int16_t WordAnalysis::*link) {
    WordAnalysis& a = e.wordAnalyses[t];
    const int partner = a.*link;
    if (!validIndex(e, partner) || isChosen(e, partner)) return;
    const int replacement = chosenAt(e, e.wordAnalyses[partner].wordPosition);
    if (liveAt(e, replacement) &&
        e.wordAnalyses[replacement].partOfSpeech == e.wordAnalyses[partner].partOfSpeech) {
        a.*link = static_cast<std::int16_t>(replacement);
        return;
    }
    if (link == &WordAnalysis::link1) {
        a.link1 = -1;
        a.partOfSpeech = a.grammar4;
        a.grammar5 = 0;
    }
}

void repairJoiningTackons(Engine& e) {
    for (int w = 0; w < e.wordCount; ++w) {
        const int t = chosenAt(e, w);
        if (!liveAt(e, t) || !isJoiningTackon(e.wordAnalyses[t])) continue;
        repairTackonLink(e, t, &WordAnalysis::link2);
        repairTackonLink(e, t, &WordAnalysis::link1);
    }
}

void markNotChosen(Engine& e) {
    for (int i = 0; i < e.analysisCount; ++i)
        if (isLive(e.wordAnalyses[i]) && !isChosen(e, i)) e.wordAnalyses[i].partOfSpeech = speech_type::DeletedAi;
}

void compactLinks(Engine& e) {
    for (int w = 0; w < e.wordCount; ++w) {
        const int c = chosenAt(e, w);
        if (!validIndex(e, c)) continue;
        WordAnalysis& a = e.wordAnalyses[c];
        auto gone = [&e](int l) { return l >= 0 && !liveAt(e, l); };
        if (gone(a.link2)) {
            a.link2 = a.link3;
            a.link3 = -1;
        }
        if (gone(a.link1)) {
            a.link1 = a.link2;
            a.link2 = a.link3;
            a.link3 = -1;
        }
    }
}

// "-que" or "et" between two verbs beside a noun joins clauses, not the verbs: a plain conjunction.
void unjoinTackonsBetweenVerbs(Engine& e) {
    for (int w = 1; w < e.wordCount; ++w) {
        const int t = chosenAt(e, w);
        if (!liveAt(e, t) || !isJoiningTackon(e.wordAnalyses[t])) continue;
        WordAnalysis& a = e.wordAnalyses[t];
        if (!liveAt(e, a.link1) || !liveAt(e, a.link2)) continue;
        WordAnalysis& v1 = e.wordAnalyses[a.link1];
        WordAnalysis& v2 = e.wordAnalyses[a.link2];
        if (!isVerb(v1) || !isVerb(v2) || isInfinitive(v1)) continue;
        const bool nounBeside = isNoun(readingAt(e, chosenAt(e, w - 1))) || isNoun(readingAt(e, chosenAt(e, w + 1)));
        if (!nounBeside) continue;
        a.partOfSpeech = speech_type::Conjunction;
        a.link1 = a.link2 = a.link3 = -1;
        a.grammar5 = 0;
        v1.link1 = v1.link2 = v1.link3 = -1;
        v2.link1 = v2.link2 = v2.link3 = -1;
    }
}

void rotatePendingPair(Engine& e) {
    const int x = e.sentence.pendingFirst, y = e.sentence.pendingSecond;
    if (!validIndex(e, x) || !validIndex(e, y)) return;
    if (!linksTo(e.wordAnalyses[y], x)) return;
    const int w = e.wordAnalyses[x].wordPosition;
    std::int16_t* chosen = e.sentence.chosenAnalysis;
    if (w >= e.wordAnalyses[y].wordPosition) {
        if (w - kRotationSpan < 0) return;
        std::rotate(chosen + w - kRotationSpan, chosen + w - kRotationSpan + 1, chosen + w);
    } else {
        if (w + kRotationSpan >= e.wordCount) return;
        std::rotate(chosen + w + 1, chosen + w + kRotationSpan, chosen + w + kRotationSpan + 1);
    }
}

void countSubjects(Engine& e) {
    SentenceTables& s = e.sentence;
    for (int k = 0; k < s.clauses.clauseCount; ++k) {
        int count = 0;
        for (int i = s.clauses.clauseStart[k]; i <= s.clauses.clauseEnd[k] && i < e.analysisCount; ++i) {
            const WordAnalysis& a = e.wordAnalyses[i];
            if (!isLive(a) || a.grammar1 != case_type::Nominative) continue;
            if (!isNoun(a) && !isPronoun(a) && a.partOfSpeech != speech_type::SubstantiveAdjective) continue;
            count += a.grammar2 == number_type::Plural ? 2 : 1;
        }
        s.subjectCount[k] = static_cast<std::int16_t>(count);
    }
}

}  // namespace

void finishChoice(Engine& e) {
    chooseLeftovers(e);
    repairJoiningTackons(e);
    markNotChosen(e);
    compactLinks(e);
    unjoinTackonsBetweenVerbs(e);
    rotatePendingPair(e);
    countSubjects(e);
}

}  // namespace kavro
