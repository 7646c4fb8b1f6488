// Copulas and what stands with them: the copula list, predicate adjectives put after their
// copula ("bonus est" -> "is good"), and "opus est" with a dative person ("mihi opus est" ->
// "I need").
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "english/polish_steps.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

constexpr std::size_t kCopulaCapacity = 9;

// Meanings of verbs that join a subject to its complement.
constexpr std::array<std::string_view, 4> kCopulaMeanings = {"be", "be born", "become", "escape"};
// Stems of verbs whose passive joins a complement: videtur, creditur, putatur, habetur,
// dicitur, appellatur, nominatur.
constexpr std::array<std::string_view, 8> kPassiveCopulaStems = {
    "vid", "cre", "put", "hab", "dic", "appell", "adpell", "nomin"};

// Possessives that stand alone after a copula: "is mine".
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kStandalonePossessives = {{
    {"my", "mine"}, {"your", "yours"}, {"our", "ours"}}};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool isAdjectiveOrParticiple(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Adjective || r.partOfSpeech == speech_type::Participle;
}

// A nominative adjective or participle at m that may serve as the complement of the copula at
// m+1: of the verb's number and tied to no earlier word.
bool isPredicateBefore(const PolishSentence& s, int m) {
    const WordAnalysis& r = s.reading(m);
    const WordAnalysis& verb = s.reading(m + 1);
    if (!isAdjectiveOrParticiple(r) || caseOf(r) != case_type::Nominative ||
        numberOf(r) != verbNumberOf(verb)) {
        return false;
    }
    const WordAnalysis& before = s.reading(m - 1);
    if (before.partOfSpeech == speech_type::Tackon && numberOf(before) == number_type::Plural) {
        return false;
    }
    if (r.partOfSpeech == speech_type::Participle) return r.link1 < 0 && r.link2 < 0;
    const int partner = s.firstPartnerPosition(m);
    return partner < 0 || partner > m + 1;
}

// A dative person next to "opus est": a person noun, or a personal pronoun without partner.
bool isDativePerson(const PolishSentence& s, int p) {
    if (!s.contains(p)) return false;
    const WordAnalysis& r = s.reading(p);
    if (caseOf(r) != case_type::Dative || r.link1 >= 0) return false;
    if (r.partOfSpeech == speech_type::Noun) {
        return r.kind2 == noun_kind_type::Proper || r.kind2 == noun_kind_type::Person ||
               r.kind2 == noun_kind_type::Group;
    }
    return r.partOfSpeech == speech_type::Pronoun && r.kind2 == pronoun_kind_type::Personal &&
           r.stemClass2 == 1;
}

int findOpusEst(const PolishSentence& s) {
    for (int p = 0; p < s.size(); ++p) {
        const WordAnalysis& r = s.reading(p);
        if (r.partOfSpeech == speech_type::Adverb && formOf(r) == "opus_est.") return p;
    }
    return -1;
}

}  // namespace

// The complement standing after its copula: no article, and a possessive standing alone.
std::string complementText(std::string text) {
    removeLeading(text, "the ");
    for (const auto& [word, alone] : kStandalonePossessives) {
        if (text == word) return std::string(alone);
    }
    return text;
}

bool isCopulaReading(const WordAnalysis& r) {
    if (!isVerb(r)) return false;
    if (listed(kCopulaMeanings, meaningOf(r))) return true;
    return voiceOf(r) == voice_type::Passive && listed(kPassiveCopulaStems, stemOf(r));
}

std::vector<int> findCopulas(const PolishSentence& s) {
    std::vector<int> copulas;
    for (int p = 0; p < s.size() && copulas.size() < kCopulaCapacity; ++p) {
        if (isCopulaReading(s.reading(p))) copulas.push_back(p);
    }
    return copulas;
}

void placePredicateAdjectives(PolishSentence& s, PolishState& state) {
    for (int m = 0; m + 1 < s.size(); ++m) {
        auto copula = std::find(state.copulas.begin(), state.copulas.end(), m + 1);
        if (copula == state.copulas.end() || !isVerb(s.reading(m + 1)) || !isPredicateBefore(s, m)) {
            continue;
        }
        s.swap(m);
        *copula = m;
        state.besideCopula.push_back(s.chosenIndex(m + 1));
        s.setText(m + 1, complementText(s.text(m + 1)));
        ++m;
    }
}

void applyOpusEst(PolishSentence& s, PolishState& state) {
    std::int16_t& marker = s.engine().sentence.opusEstPosition;
    if (marker < 0) return;
    int adverb = findOpusEst(s);
    if (adverb < 0) return;
    if (!isDativePerson(s, adverb - 1)) {
        if (!isDativePerson(s, adverb + 1)) return;
        s.swap(adverb);
        ++adverb;
    }
    const int person = adverb - 1;
    std::string text = s.text(person);
    removeLeading(text, "to ");
    s.setText(person, text);
    state.subjectForm.push_back(s.chosenIndex(person));
    const WordAnalysis& r = s.reading(person);
    const bool plainForm = numberOf(r) == number_type::Plural || r.partOfSpeech == speech_type::Pronoun;
    s.setText(adverb, plainForm ? "need" : "needs");
    marker = -1;
}

}  // namespace kavro
