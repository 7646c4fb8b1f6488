#include "syntax/coordination.h"

#include <array>
#include <string_view>

#include "syntax/analysis_access.h"
#include "syntax/clause_analysis.h"

namespace kavro {
namespace {

// The meanings of the words that join two nominals ("arma uirumque", "magis quam").
constexpr std::array<std::string_view, 8> kNominalJoiners = {
    "and", "and also", "or", "nor", "both", "not", "more-than", "rather-than"};
// The meanings of the words that join two verbs.
constexpr std::array<std::string_view, 6> kVerbJoiners = {"and", "or", "nor", "both", "not", "more than"};
constexpr std::uint8_t kJoiningTackonMark = 2;

bool joinerKind(const WordAnalysis& j) {
    return j.partOfSpeech == speech_type::Adverb || isConjunction(j) ||
           j.partOfSpeech == speech_type::Tackon;
}

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view text) {
    for (std::string_view s : list)
        if (s == text) return true;
    return false;
}

bool isNominalJoiner(const WordAnalysis& j) {
    if (!isLive(j) || !joinerKind(j)) return false;
    return listed(kNominalJoiners, englishOf(j)) || (englishIs(j, "how") && formIs(j, "quam."));
}

bool isVerbJoiner(const WordAnalysis& j) {
    if (!isLive(j) || !joinerKind(j)) return false;
    if (formIs(j, "quam.")) return j.partOfSpeech != speech_type::Conjunction;
    return listed(kVerbJoiners, englishOf(j));
}

// Participles and substantive adjectives coordinate with adjectives.
int coordinationClass(const WordAnalysis& a) {
    if (a.partOfSpeech == speech_type::Participle || a.partOfSpeech == speech_type::SubstantiveAdjective)
        return speech_type::Adjective;
    return a.partOfSpeech;
}

bool numbersFit(int a, int b) { return a == 0 || b == 0 || a == b; }

// The gender both adjectives take, or -1 when they clash.
int agreedGender(int a, int b) {
    if (a == b) return a;
    if (a == gender_type::Common && b != gender_type::Neuter) return b;
    if (b == gender_type::Common && a != gender_type::Neuter) return a;
    if (a == gender_type::MascNeuter && b != gender_type::Feminine) return b;
    if (b == gender_type::MascNeuter && a != gender_type::Feminine) return a;
    return -1;
}

bool nominalsMatch(WordAnalysis& a, WordAnalysis& b) {
    if (!isLive(b) || coordinationClass(a) != coordinationClass(b)) return false;
    if (a.grammar1 != b.grammar1 || !numbersFit(a.grammar2, b.grammar2)) return false;
    if (coordinationClass(a) != speech_type::Adjective) return true;
    const int g = agreedGender(a.grammar3, b.grammar3);
    if (g < 0) return false;
    a.grammar3 = b.grammar3 = static_cast<std::uint8_t>(g);
    return true;
}

bool verbsMatch(const WordAnalysis& a, const WordAnalysis& b) {
    if (!isLive(b) || !isVerb(b)) return false;
    if (isCopula(a) != isCopula(b)) return false;
    if (isInfinitive(a) && isInfinitive(b)) return true;
    return a.grammar1 == b.grammar1 && a.grammar2 == b.grammar2 && a.grammar3 == b.grammar3 &&
           a.grammar4 == b.grammar4;
}

// A live reading of word w that passes `test`; -1 when none.
template <class Test>
int findIn(Engine& e, int w, Test test) {
    const WordRange r = readingsOfWord(e, w);
    for (int i = r.first; i < r.end; ++i)
        if (isLive(e.wordAnalyses[i]) && test(i)) return i;
    return -1;
}

// Word w+2 holds the partner, or w+3 when w+2 is a joining adverb or tackon ("et non", "atque etiam").
template <class Match>
int findPartner(Engine& e, int w, Match match) {
    const int b = findIn(e, w + 2, match);
    if (b >= 0) return b;
    const bool passable = findIn(e, w + 2, [&e](int i) {
        const WordAnalysis& x = e.wordAnalyses[i];
        return x.partOfSpeech == speech_type::Adverb || x.partOfSpeech == speech_type::Tackon;
    }) >= 0;
    return passable ? findIn(e, w + 3, match) : -1;
}

void emptyOtherRoleHolders(Engine& e, int ia, int ib) {
    RoleSlots& roles = e.sentence.activeRoles;
    for (int s = 1; s < role_slot::Count; ++s) {
        const int held = roles[s];
        if (held < 0 || held == ia || held == ib) continue;
        if ((sameWord(e, held, ia) || sameWord(e, held, ib)) &&
            caseOf(e.wordAnalyses[held]) != caseOf(e.wordAnalyses[ia]))
            roles[s] = -1;
    }
}

// The joiner becomes a joining tackon that keeps its own part of speech in grammar 4.
void makeJoiningTackon(Engine& e, int ij, int ia, int ib) {
    WordAnalysis& j = e.wordAnalyses[ij];
    const WordAnalysis& a = e.wordAnalyses[ia];
    if (j.link1 < 0) j.link1 = static_cast<std::int16_t>(ia);
    if (j.link2 < 0) j.link2 = static_cast<std::int16_t>(ib);
    if (j.partOfSpeech == speech_type::Tackon && j.grammar5 == kJoiningTackonMark) return;
    if (j.partOfSpeech == speech_type::Adverb) j.grammar6 = j.grammar5;
    j.grammar4 = j.partOfSpeech;
    j.partOfSpeech = speech_type::Tackon;
    j.grammar1 = static_cast<std::uint8_t>(caseOf(a));
    j.grammar5 = kJoiningTackonMark;
    if (englishIs(j, "how")) {
        const bool comparative = a.partOfSpeech == speech_type::Adjective && a.grammar4 == comparison_type::Comparative;
        copyField(j.english, comparative ? "than" : "as");
    } else if (englishIs(j, "both")) {
        copyField(j.english, "and");
    }
}

void link(Engine& e, int ia, int ij, int ib) {
    addLink(e.wordAnalyses[ia], ib);
    WordAnalysis& b = e.wordAnalyses[ib];
    if (b.link2 < 0 && b.link1 != ia) b.link2 = static_cast<std::int16_t>(ia);
    emptyOtherRoleHolders(e, ia, ib);
    makeJoiningTackon(e, ij, ia, ib);
}

// The verb joiner is already tied more commonly, or the other verb is.
bool verbTieTooRare(const Engine& e, const WordAnalysis& a, const WordAnalysis& j, const WordAnalysis& b) {
    if (validIndex(e, j.link1) && rarity4(e.wordAnalyses[j.link1]) + 1 < rarity4(a)) return true;
    return validIndex(e, b.link1) && rarity4(e.wordAnalyses[b.link1]) - 1 > rarity4(a);
}

bool precededByPrepositionOrNon(Engine& e, int w) {
    return findIn(e, w - 1, [&e](int i) {
               const WordAnalysis& x = e.wordAnalyses[i];
               return isPreposition(x) || (x.partOfSpeech == speech_type::Adverb && formIs(x, "non."));
           }) >= 0;
}

}  // namespace

bool coordinate(Engine& e, int ia) {
    if (!liveAt(e, ia)) return false;
    WordAnalysis& a = e.wordAnalyses[ia];
    const bool caseless = a.partOfSpeech == speech_type::Numeral || a.partOfSpeech == speech_type::Adverb;
    if ((!isNominal(a) || a.grammar1 == 0) && !caseless) return false;
    if (formIs(a, "ut.")) return false;
    const int w = a.wordPosition;
    const int ij = findIn(e, w + 1, [&e](int i) { return isNominalJoiner(e.wordAnalyses[i]); });
    if (ij < 0) return false;
    const int ib = findPartner(e, w, [&e, &a](int i) { return nominalsMatch(a, e.wordAnalyses[i]); });
    if (ib < 0) return false;
    link(e, ia, ij, ib);
    OrigWordDelete(e, ij);
    return true;
}

bool coordinateVerbs(Engine& e, int ia) {
    if (!liveAt(e, ia) || !isVerb(e.wordAnalyses[ia])) return false;
    const WordAnalysis& a = e.wordAnalyses[ia];
    const int w = a.wordPosition;
    if (precededByPrepositionOrNon(e, w)) return false;
    const int ij = findIn(e, w + 1, [&e](int i) { return isVerbJoiner(e.wordAnalyses[i]); });
    if (ij < 0) return false;
    const int ib = findPartner(e, w, [&e, &a](int i) { return verbsMatch(a, e.wordAnalyses[i]); });
    if (ib < 0 || verbTieTooRare(e, a, e.wordAnalyses[ij], e.wordAnalyses[ib])) return false;
    link(e, ia, ij, ib);
    OrigWordDelete(e, ij);
    if (isInfinitive(e.wordAnalyses[ia])) {
        OrigWordDelete(e, ia);
        OrigWordDelete(e, ib);
    }
    return true;
}

}  // namespace kavro
