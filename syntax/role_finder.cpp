// The role finder: the subject, object, main verb, genitive of the subject, ablative and the
// "and"/"or" after the subject of a clause or of one segment of it, in the role slots.
#include <algorithm>
#include <cstdlib>

#include "syntax/analysis_access.h"
#include "syntax/reading_choice.h"

namespace kavro {
namespace {

// Readings rarer than the word's best by more than this are not considered.
constexpr int kRarityMargin = 3;
// The rotation brings a verb this many words after its subject next to it.
constexpr int kRotationDistance = 4;

struct Candidates {
    int earliestNominative = -1;
    int linkedNominative = -1;
    int genitive = -1;
    int ablative = -1;
    int firstAccusative = -1;
    int accusativeAfterVerb = -1;
    int adjectiveNominative = -1;
    int mainVerb = -1;
    int anyVerb = -1;
};

bool isSubstantive(const WordAnalysis& a) {
    return isNoun(a) || isPronoun(a) || a.partOfSpeech == speech_type::SubstantiveAdjective;
}

// The person of a personal pronoun of the first or second person (ego, nos: 1; tu, uos: 2).
int pronounPerson(const WordAnalysis& a) {
    if (!isPronoun(a) || a.kind2 != pronoun_kind_type::Personal) return 3;
    const std::string_view f = formOf(a);
    if (f.starts_with("ego") || f.starts_with("me") || f.starts_with("mi") || f.starts_with("n")) return 1;
    if (f.starts_with("tu") || f.starts_with("te") || f.starts_with("ti") || f.starts_with("u")) return 2;
    return 3;
}

bool linkedToVerb(const Engine& e, const WordAnalysis& a) {
    for (const int l : {a.link1, a.link2})
        if (liveAt(e, l) && isVerb(e.wordAnalyses[l])) return true;
    return false;
}

// The lowest rarity among the live readings of the word that holds reading i.
int bestRarityOfWord(const Engine& e, int i) {
    int best = 99;
    const int end = wordEnd(e, i);
    for (int j = wordBegin(e, i); j < end; ++j)
        if (isLive(e.wordAnalyses[j])) best = std::min(best, rarity4(e.wordAnalyses[j]));
    return best;
}

void scan(const Engine& e, int first, int end, Candidates& c) {
    int word = -1, best = 99;
    for (int i = first; i <= end && i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (a.wordPosition != word) {
            word = a.wordPosition;
            best = 99;
        }
        if (!isLive(a) || rarity4(a) > best + kRarityMargin) continue;
        if (rarity4(a) < best) best = rarity4(a);
        if (isSubstantive(a)) {
            switch (a.grammar1) {
            case case_type::Nominative:
                if (c.earliestNominative < 0) c.earliestNominative = i;
                if (c.linkedNominative < 0 && linkedToVerb(e, a)) c.linkedNominative = i;
                break;
            case case_type::Genitive: c.genitive = i; break;
            case case_type::Ablative:
                c.ablative = i;
                if (sameWord(e, c.genitive, i)) c.genitive = -1;
                break;
            case case_type::Accusative:
                if (c.firstAccusative < 0) c.firstAccusative = i;
                if (c.mainVerb >= 0 && c.accusativeAfterVerb < 0) c.accusativeAfterVerb = i;
                break;
            default: break;
            }
        } else if (isAdjectival(a) && a.grammar1 == case_type::Nominative && c.adjectiveNominative < 0) {
            c.adjectiveNominative = i;
        } else if (isFiniteVerb(a)) {
            // The main verb is a reading as common as any other reading of its word ("iam" is
            // an adverb before it is a form of eo); failing that, any finite verb.
            if (c.mainVerb < 0 && rarity4(a) <= bestRarityOfWord(e, i)) c.mainVerb = i;
            if (c.anyVerb < 0) c.anyVerb = i;
        }
    }
}

// A nominative that can be the subject of verb v: its number, and for a pronoun of the first or
// second person, its person; a verb of the first or second person takes only such a pronoun.
bool fitsVerb(const WordAnalysis& n, const WordAnalysis& v) {
    if (!isSubstantive(n) || n.grammar1 != case_type::Nominative) return false;
    if (n.grammar2 != 0 && v.grammar5 != 0 && n.grammar2 != v.grammar5) return false;
    const int person = v.grammar4 == 0 ? 3 : v.grammar4;
    return pronounPerson(n) == person;
}

// Whether the word that holds reading i has a live nominal reading in case c.
bool couldBe(const Engine& e, int i, int c) {
    const int end = wordEnd(e, i);
    for (int j = wordBegin(e, i); j < end; ++j)
        if (isLive(e.wordAnalyses[j]) && isNominal(e.wordAnalyses[j]) && e.wordAnalyses[j].grammar1 == c) return true;
    return false;
}

// How good a subject of verb v reading i is: a word that cannot be the object beats one that
// may be ("bellum", "milites"), a word that can be nothing but a nominative beats one that may be
// a genitive, dative or ablative ("copiae", "lingua"); then, as Latin puts the subject first
// and the object next to the verb, the earliest word before the verb, and after the verb the
// nearest.
int subjectRank(const Engine& e, int i, const WordAnalysis& verb) {
    const WordAnalysis& a = e.wordAnalyses[i];
    int rank = 0;
    if (!couldBe(e, i, case_type::Accusative)) rank += 600;
    if (!couldBe(e, i, case_type::Genitive) && !couldBe(e, i, case_type::Dative) && !couldBe(e, i, case_type::Ablative))
        rank += 300;
    const int distance = a.wordPosition - verb.wordPosition;
    rank += distance < 0 ? 100 + std::min(-distance, 40) : 50 - std::min(distance, 40);
    return rank;
}

// The word of reading i is part of verb v itself: one of its readings is a participle tied to v
// ("factum est": not the noun "fact" as subject).
bool partOfVerb(const Engine& e, int i, int v) {
    const int end = wordEnd(e, i);
    for (int j = wordBegin(e, i); j < end; ++j) {
        const WordAnalysis& a = e.wordAnalyses[j];
        if (isLive(a) && isParticiple(a) && linksTo(a, v)) return true;
    }
    return false;
}

// The subject of verb v: the best-ranked fitting nominative of the range.
int findSubject(const Engine& e, int first, int end, int v) {
    const WordAnalysis& verb = e.wordAnalyses[v];
    int best = -1, bestRank = -1;
    for (int i = first; i <= end && i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a) || sameWord(e, i, v) || !fitsVerb(a, verb)) continue;
        if (rarity4(a) > bestRarityOfWord(e, i) + kRarityMargin || partOfVerb(e, i, v)) continue;
        const int rank = subjectRank(e, i, verb);
        if (rank > bestRank) {
            best = i;
            bestRank = rank;
        }
    }
    return best;
}

bool governedByPreposition(const Engine& e, const WordAnalysis& a) {
    return liveAt(e, a.link1) && isPreposition(e.wordAnalyses[a.link1]);
}

// The object of verb v: an accusative of the range that no preposition governs, outside the
// subject's word; one that cannot be nominative first, then the nearest to the verb.
int findObject(const Engine& e, int first, int end, int v, int subject) {
    const int verbWord = e.wordAnalyses[v].wordPosition;
    int best = -1, bestRank = -1;
    for (int i = first; i <= end && i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a) || !isSubstantive(a) || a.grammar1 != case_type::Accusative) continue;
        if (sameWord(e, i, v) || sameWord(e, i, subject) || governedByPreposition(e, a)) continue;
        if (rarity4(a) > bestRarityOfWord(e, i) + kRarityMargin) continue;
        const int rank = (couldBe(e, i, case_type::Nominative) ? 0 : 1000) + 100 - std::abs(a.wordPosition - verbWord);
        if (rank > bestRank) {
            best = i;
            bestRank = rank;
        }
    }
    return best;
}

// Two slots on one word: the commoner reading stays.
void settleSharedWords(const Engine& e, RoleSlots& roles) {
    for (int s = 1; s < role_slot::Count; ++s)
        for (int t = s + 1; t < role_slot::Count; ++t) {
            if (roles[s] < 0 || roles[t] < 0 || roles[s] == roles[t] || !sameWord(e, roles[s], roles[t])) continue;
            if (rarity4(e.wordAnalyses[roles[t]]) < rarity4(e.wordAnalyses[roles[s]])) roles[s] = -1;
            else roles[t] = -1;
        }
}

int andAfterSubject(const Engine& e, int subject, int end) {
    for (int i = subject + 1; i <= end && i < e.analysisCount; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a) || (!isConjunction(a) && a.partOfSpeech != speech_type::Tackon)) continue;
        if (englishIs(a, "and") || englishIs(a, "or")) return i;
    }
    return -1;
}

// Clause mode ties the subject and its verb to each other, and notes a verb that stands four
// words after its subject for the rotation into English order when no English word-order step
// follows.
void tieSubjectAndVerb(Engine& e, int subject, int verb) {
    if (subject < 0 || verb < 0) return;
    addLink(e.wordAnalyses[subject], verb);
    WordAnalysis& v = e.wordAnalyses[verb];
    if (v.link1 < 0) v.link1 = static_cast<std::int16_t>(subject);
    if (e.options.bestOrder != 0 || v.link1 != subject) return;
    if (v.wordPosition - e.wordAnalyses[subject].wordPosition != kRotationDistance) return;
    e.sentence.pendingFirst = static_cast<std::int16_t>(subject);
    e.sentence.pendingSecond = static_cast<std::int16_t>(verb);
}

// Of a verb whose present and perfect are one form ("uenit"), the reading the sentence's
// subjunctives call for by the sequence of tenses.
int readingByTenseSequence(const Engine& e, int v) {
    const int time = e.sentence.subjunctiveTime;
    const WordAnalysis& a = e.wordAnalyses[v];
    const int wanted = time > 0 ? tense_type::Perfect : time < 0 ? tense_type::Present : 0;
    if (wanted == 0 || a.grammar1 == wanted || (a.grammar1 != tense_type::Present && a.grammar1 != tense_type::Perfect))
        return v;
    const int end = wordEnd(e, v);
    for (int j = wordBegin(e, v); j < end; ++j) {
        const WordAnalysis& b = e.wordAnalyses[j];
        if (isLive(b) && isVerb(b) && b.grammar1 == wanted && b.grammar2 == a.grammar2 && b.grammar3 == a.grammar3 &&
            b.grammar4 == a.grammar4 && b.grammar5 == a.grammar5 && englishIs(b, englishOf(a)))
            return j;
    }
    return v;
}

}  // namespace

void findRoles(Engine& e, int first, int end, RoleMode mode) {
    RoleSlots& roles = e.sentence.activeRoles;
    roles = emptyRoleSlots();
    Candidates c;
    scan(e, first, end, c);
    if (c.mainVerb < 0) c.mainVerb = c.anyVerb;
    if (c.mainVerb >= 0) c.mainVerb = readingByTenseSequence(e, c.mainVerb);
    int subject = -1, object = -1;
    if (c.mainVerb >= 0) {
        subject = findSubject(e, first, end, c.mainVerb);
        object = findObject(e, first, end, c.mainVerb, subject);
        const WordAnalysis& v = e.wordAnalyses[c.mainVerb];
        if (subject < 0 && liveAt(e, v.link1) && fitsVerb(e.wordAnalyses[v.link1], v)) subject = v.link1;
    }
    if (subject < 0) subject = c.linkedNominative >= 0 ? c.linkedNominative : c.earliestNominative;
    if (subject >= 0 && c.mainVerb >= 0 && partOfVerb(e, subject, c.mainVerb)) subject = -1;
    if (object < 0) object = c.firstAccusative;
    roles[role_slot::Subject] = static_cast<std::int16_t>(subject);
    roles[role_slot::Object] = static_cast<std::int16_t>(object);
    int verb = c.mainVerb;
    if (subject >= 0) {
        const WordAnalysis& s = e.wordAnalyses[subject];
        for (const int l : {s.link1, s.link2})
            if (liveAt(e, l) && isFiniteVerb(e.wordAnalyses[l])) {
                verb = l;
                roles[role_slot::LinkedVerb] = static_cast<std::int16_t>(l);
                break;
            }
    }
    roles[role_slot::MainVerb] = static_cast<std::int16_t>(verb);
    if (c.genitive >= 0 && subject >= 0 &&
        e.wordAnalyses[c.genitive].wordPosition + 1 == e.wordAnalyses[subject].wordPosition)
        roles[role_slot::SubjectGenitive] = static_cast<std::int16_t>(c.genitive);
    roles[role_slot::Ablative] = static_cast<std::int16_t>(c.ablative);
    settleSharedWords(e, roles);
    if (roles[role_slot::Subject] >= 0)
        roles[role_slot::AndAfterSubject] = static_cast<std::int16_t>(andAfterSubject(e, roles[role_slot::Subject], end));
    if (mode == RoleMode::Clause && roles[role_slot::Subject] >= 0 && roles[role_slot::MainVerb] >= 0 &&
        c.mainVerb >= 0 && fitsVerb(e.wordAnalyses[roles[role_slot::Subject]], e.wordAnalyses[roles[role_slot::MainVerb]]))
        tieSubjectAndVerb(e, roles[role_slot::Subject], roles[role_slot::MainVerb]);
}

}  // namespace kavro
