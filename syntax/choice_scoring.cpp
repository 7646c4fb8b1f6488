// The context score of one candidate reading: a base weight from its part of speech and case in
// the light of its segment, the bonus of its links, its roles, its rarity and the sentence topic.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "syntax/analysis_access.h"
#include "syntax/choice_steps.h"
#include "syntax/reading_choice.h"

namespace kavro {
namespace {

// Topic words: the English beginnings that a sentence about people and money, or about nature,
// makes likelier for a noun of variable kind ("as": a coin or a unit).
constexpr std::array<std::string_view, 3> kMoneyTopicWords = {"money", "gold", "god"};
constexpr std::array<std::string_view, 3> kNatureTopicWords = {"air", "breeze", "bird"};
constexpr std::uint8_t kVariableNounKind = 11;
constexpr int kTopicBonus = 35;
constexpr int kUncertainPenalty = -60;
constexpr int kUngovernedPreposition = -30;
constexpr int kFreePersonDative = 20;
constexpr int kFreePersonAblative = -10;
// The locative is the case of towns and a few nouns (Romae, domi): as likely as an ablative.
constexpr int kPlaceLocative = 12;
constexpr int kSecondNominative = -10;
constexpr int kSequenceOfTenses = 5;
constexpr int kRelativeWithoutAntecedent = -10;
// Each frequency level a reading is rarer than the commonest reading of its word costs this much.
constexpr int kWordRarityStep = 12;
constexpr int kParticleFormAdvantage = 2;

bool partnerIsVerb(const Engine& e, const WordAnalysis& a) {
    for (const int l : {a.link1, a.link2, a.link3})
        if (liveAt(e, l) && isVerb(e.wordAnalyses[l])) return true;
    return false;
}

int chosenAtWord(const Engine& e, int w) {
    return w >= 0 && w < static_cast<int>(kChosenCapacity) ? e.sentence.chosenAnalysis[w] : -1;
}

// A person, or what may stand for one: a personal, demonstrative or reflexive pronoun, an
// adjectival pronoun standing alone ("illis", "huic"), a noun of a person, a name or a people.
bool isPerson(const WordAnalysis& c) {
    if (isPronoun(c))
        return c.kind2 == pronoun_kind_type::Personal || c.kind2 == pronoun_kind_type::Demonstrative ||
               c.kind2 == pronoun_kind_type::Reflexive || (c.kind2 == pronoun_kind_type::Adjectival && c.link1 < 0);
    return isNoun(c) && (c.kind2 == noun_kind_type::Person || c.kind2 == noun_kind_type::Proper ||
                         c.kind2 == noun_kind_type::Group);
}

bool hasVerbs(const SegmentSurvey& s) { return s.verbWords > 0 || s.unlinkedNominativeParticiples > 0; }

// The nominative: likely when its number fits the segment's third-person verbs (or, for ego,
// tu, nos, uos, the person of its leading verb), unlikely when it fits none of them.
int nominativeWeight(const Engine& e, const SegmentSurvey& s, int ci) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    int w = 7;
    const int subject = s.roles[role_slot::Subject];
    if (c.grammar3 == gender_type::Neuter && subject >= 0 && !sameWord(e, subject, ci)) w = -20;
    // A second nominative beside the segment's subject, with no copula to make it a predicate
    // and no link to make it a partner of the subject, is probably an accusative in disguise.
    const bool otherSubject = subject >= 0 && !sameWord(e, subject, ci) && s.copulas == 0 &&
                              !linksTo(c, subject) && !linksTo(e.wordAnalyses[subject], ci);
    if (s.verbWords == 0) w = 15;
    else if (otherSubject) w = kSecondNominative;
    else if (c.grammar2 == 0 || c.grammar2 == s.highestThirdNumber) w = std::max(w, 20);
    else if (isPronoun(c) && c.kind2 == pronoun_kind_type::Personal && s.leadPersonNumber % 16 != 0 &&
             (s.leadPersonNumber >= 16 ? 2 : 1) == c.grammar2)
        w = 20;
    else w = -20;
    if (partnerIsVerb(e, c)) w += 30;
    return w;
}

int accusativeWeight(const Engine& e, const SegmentSurvey& s, int ci) {
    int w = hasVerbs(s) ? (s.accusativeChosen ? 4 : 12) : 0;
    if (s.copulas == 1 && s.verbsCounted == 1) w = -40;
    if (s.roles[role_slot::Object] < 0 || s.roles[role_slot::Object] == ci) w += s.weights[2];
    (void)e;
    return w;
}

int dativeWeight(const Engine& e, const SegmentSurvey& s, const WordAnalysis& c) {
    // A person that no preposition governs is far oftener dative than ablative ("illis",
    // "nobis", "amicis"): the ablative of a person needs "a", "cum" or "pro".
    int w = isPerson(c) && !isPreposition(readingAt(e, c.link1)) ? kFreePersonDative : 10;
    if (s.dativeVerbs > 0) w = c.grammar2 == number_type::Singular && c.stemClass == 17 ? 60 : 30;
    if (s.verbPartClass == 1) w += 10;
    if (s.opusEstWord >= 0 && std::abs(s.opusEstWord - c.wordPosition) == 1) w += 20;
    (void)e;
    return w;
}

// The ablative of a person stands with a preposition ("a me", "cum illis"); without one a
// person is rather the dative or the accusative.
int ablativeWeight(const Engine& e, const SegmentSurvey& s, const WordAnalysis& c) {
    if (isPerson(c) && !isPreposition(readingAt(e, c.link1))) return kFreePersonAblative;
    return s.verbPartClass == 2 ? 17 : 12;
}

// A genitive is less likely between a preposition and the word it governs ("in magnam partem").
bool betweenPrepositionAndObject(const Engine& e, const WordAnalysis& c) {
    const int prev = chosenAtWord(e, c.wordPosition - 1);
    if (!liveAt(e, prev) || !isPreposition(e.wordAnalyses[prev])) return false;
    const int object = e.wordAnalyses[prev].link1;
    return validIndex(e, object) && e.wordAnalyses[object].wordPosition == c.wordPosition + 1;
}

int genitiveWeight(const Engine& e, const SegmentSurvey& s, int ci) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    int w = c.grammar2 == number_type::Singular && (c.stemClass == 17 || c.stemClass == 33) ? 18 : 12;
    if (betweenPrepositionAndObject(e, c)) w -= 29;
    const bool span = s.highWord - s.lowWord >= 2;
    if ((!hasVerbs(s) && span && rarity4(c) < 4) || s.roles[role_slot::SubjectGenitive] == ci) w += 13;
    return w;
}

// Somebody is spoken to in the sentence: it ends with "!", or a word other than `word` can only
// be a verb of the second person or "tu"/"uos" (counted by the choice before scoring) — a
// reading of the word being weighed does not count, lest an imperative reading vouch for itself
// ("Arma uirumque cano").
bool addressedOutside(const Engine& e, int word) {
    const SentenceTables& s = e.sentence;
    if (s.sentenceFinalMark == '!') return true;
    return s.addressWords > 1 || (s.addressWords == 1 && s.addressWord != word);
}

// A vocative is likely only where somebody is spoken to, and only of a person or of a word
// that may describe one.
int vocativeWeight(const Engine& e, const WordAnalysis& c) {
    if (isNoun(c) && !isPerson(c)) return -10;
    if (addressedOutside(e, c.wordPosition)) return 10;
    const int prev = chosenAtWord(e, c.wordPosition - 1);
    if (liveAt(e, prev) && formIs(e.wordAnalyses[prev], "o.")) return 10;
    return -10;
}

int locativeWeight(const WordAnalysis& c) {
    const bool place = isNoun(c) && (c.kind2 == noun_kind_type::Locale || c.kind2 == noun_kind_type::Proper);
    return place ? kPlaceLocative : 0;
}

// "which": the noted antecedent of its gender and number, or a noun of them just before; a
// relative with nothing to refer back to is likelier another word of its form ("quod" as
// "because").
int whichWeight(const Engine& e, const WordAnalysis& c) {
    if (!isPronoun(c) || !englishIs(c, "which")) return 0;
    if (c.kind2 == pronoun_kind_type::Relative && c.link1 < 0) return kRelativeWithoutAntecedent;
    if (liveAt(e, c.link1)) {
        const WordAnalysis& n = e.wordAnalyses[c.link1];
        if (n.grammar3 == c.grammar3 && n.grammar2 == c.grammar2) return 50;
    }
    for (int w = c.wordPosition - 1; w >= 0; --w) {
        const int ch = chosenAtWord(e, w);
        if (!liveAt(e, ch)) continue;
        const WordAnalysis& n = e.wordAnalyses[ch];
        if (isPunctuation(n)) continue;
        return isNoun(n) && n.grammar3 == c.grammar3 && n.grammar2 == c.grammar2 ? 15 : 0;
    }
    return 0;
}

int nominalWeight(const Engine& e, const SegmentSurvey& s, int ci) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    int w = 10;
    switch (c.grammar1) {
    case case_type::Nominative: w = nominativeWeight(e, s, ci); break;
    case case_type::Accusative: w = accusativeWeight(e, s, ci); break;
    case case_type::Ablative: w = ablativeWeight(e, s, c); break;
    case case_type::Dative: w = dativeWeight(e, s, c); break;
    case case_type::Genitive: w = genitiveWeight(e, s, ci); break;
    case case_type::Locative: w = locativeWeight(c); break;
    case case_type::Vocative: w = vocativeWeight(e, c); break;
    default: break;
    }
    return w + whichWeight(e, c);
}

// Finite verbs are the backbone of a segment; a subjunctive is likelier after a conjunction, an
// imperative where somebody is spoken to, an infinitive beside a modal verb.
// The sequence of tenses: beside a subjunctive of past time (imperfect, pluperfect) a main verb
// is past too, beside one of present time it is present; so "uenit ut uideret" is "came" and
// "uenit ut uideat" "comes" (the present and perfect of uenio are one form).
int sequenceOfTenses(const Engine& e, const WordAnalysis& c) {
    if (c.grammar1 != tense_type::Present && c.grammar1 != tense_type::Perfect) return 0;
    const int sequence = e.sentence.subjunctiveTime;
    if (sequence == 0) return 0;
    const bool past = c.grammar1 == tense_type::Perfect;
    return (sequence > 0) == past ? kSequenceOfTenses : 0;
}

int verbWeight(const Engine& e, const SegmentSurvey& s, const WordAnalysis& c) {
    switch (c.grammar3) {
    case mood_type::Indicative: return 15 + sequenceOfTenses(e, c);
    case mood_type::Subjunctive: return isConjunction(readingAt(e, s.first)) ? 25 : 10;
    case mood_type::Imperative: return addressedOutside(e, c.wordPosition) ? 15 : 0;
    case mood_type::Infinitive: return s.modals > 0 || s.copulas > 0 || s.reportingVerbs > 0 ? 25 : 5;
    default: return 5;
    }
}

// A preposition with nothing to govern is no preposition ("cum sint", "cum iam").
int prepositionWeight(const WordAnalysis& c) { return c.link1 >= 0 ? 10 : kUngovernedPreposition; }

int baseWeight(const Engine& e, const SegmentSurvey& s, int ci) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    if (isVerb(c)) return verbWeight(e, s, c);
    if (isNominal(c)) return nominalWeight(e, s, ci);
    if (isPreposition(c)) return prepositionWeight(c);
    if (c.partOfSpeech == speech_type::Supine) return 0;
    return 10;
}

// The partner the link bonus is reckoned from: the first, or the second when the first is a verb.
int linkPartner(const Engine& e, const WordAnalysis& c) {
    if (!liveAt(e, c.link1)) return -1;
    if (isVerb(e.wordAnalyses[c.link1]) && liveAt(e, c.link2)) return c.link2;
    return c.link1;
}

int rawLinkBonus(const Engine& e, int ci, int pi) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    const WordAnalysis& p = e.wordAnalyses[pi];
    int bonus = 0;
    if (p.wordPosition > c.wordPosition || isPreposition(p)) {
        const bool back = linksTo(p, ci);
        const bool second = validIndex(e, c.link2);
        const bool secondNotTackon = second && e.wordAnalyses[c.link2].partOfSpeech != speech_type::Tackon;
        bonus = back ? (secondNotTackon ? 100 : 70) : (second ? 50 : 20);
        if (validIndex(e, p.link2) || (second && isVerb(e.wordAnalyses[c.link2]))) bonus += 20;
        if (back && isAdjectival(c)) bonus += 50;
    }
    int before = p.wordPosition < c.wordPosition ? pi : -1;
    if (before < 0 && validIndex(e, c.link2) && e.wordAnalyses[c.link2].wordPosition < c.wordPosition) before = c.link2;
    if (before >= 0 && chosenAtWord(e, e.wordAnalyses[before].wordPosition) == before) bonus += 30;
    return bonus;
}

int linkTerms(const Engine& e, const SegmentSurvey& s, int ci, const ExpectedList& expected) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    const int pi = linkPartner(e, c);
    if (pi < 0) return 0;
    int bonus = rawLinkBonus(e, ci, pi);
    if (bonus == 0) return 0;
    const WordAnalysis& p = e.wordAnalyses[pi];
    if (isNominal(c) && c.grammar1 == case_type::Vocative && !formIs(c, "o.")) return -40;
    bonus -= 2 * (5 * rarity4(p) + 5 * rarity4(c) - 61) + 2;
    int w = bonus - 7 * rarityOf(p, e.options) + 70;
    const RoleSlots& r = s.roles;
    if (isNoun(p) && (r[role_slot::Subject] == pi || r[role_slot::Object] == pi || r[role_slot::SubjectGenitive] == pi))
        w += 10;
    if (linksTo(p, ci) || (liveAt(e, p.link1) && isVerb(e.wordAnalyses[p.link1]))) w += 20;
    const int distance = std::abs(p.wordPosition - c.wordPosition);
    if (distance == 1) w += 25;
    int term = p.wordPosition < c.wordPosition ? -2 * distance : -4 * distance;
    if (term < -21) term = -20;
    w += term + 20;
    if (expected.holds(ci)) w += 20;
    return w;
}

int roleTerms(const SegmentSurvey& s, int ci) {
    const RoleSlots& r = s.roles;
    int w = 0;
    if (r[role_slot::Subject] == ci || r[role_slot::Object] == ci) w += 10;
    if (r[role_slot::MainVerb] == ci) w += r[role_slot::LinkedVerb] == ci ? 20 : 10;
    return w;
}

// Two links that cross: an earlier chosen word, not tied to this one, points to the same word.
int crossingPenalty(const Engine& e, const SegmentSurvey& s, int ci) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    if (!validIndex(e, c.link1) || e.wordAnalyses[c.link1].wordPosition <= c.wordPosition) return 0;
    const int target = e.wordAnalyses[c.link1].wordPosition;
    for (int w = s.lowWord; w < c.wordPosition; ++w) {
        const int ch = chosenAtWord(e, w);
        if (!validIndex(e, ch) || linksTo(c, ch) || linksTo(e.wordAnalyses[ch], ci)) continue;
        const int l = e.wordAnalyses[ch].link1;
        if (validIndex(e, l) && e.wordAnalyses[l].wordPosition == target) return -140;
    }
    return 0;
}

// The category of a reading for the rarity memory.
int rarityCategory(const WordAnalysis& a) {
    if (isVerb(a)) return a.grammar3 == mood_type::Indicative ? 3 : (isInfinitive(a) ? 5 : 4);
    if (isNoun(a)) return 0;
    if (isPronoun(a)) return 1;
    if (isNominal(a)) return 2;
    if (a.partOfSpeech == speech_type::Adverb || isConjunction(a) || isPreposition(a)) return 6;
    return 7;
}

// The rarity of a reading when it is weighed against the other readings of its word. The
// frequency of a dictionary entry is spread over all its forms: an adjective rated common is
// common over some thirty forms, a particle rated the same is common in its only form. So a
// particle (adverb, conjunction, preposition, interjection) counts as more common here than its
// inflected homographs of the same rating ("sane", "primum", "modo", "iam").
int formRarity(const Engine& e, const WordAnalysis& a) {
    const int r = rarityOf(a, e.options);
    const bool particle = a.partOfSpeech == speech_type::Adverb || isConjunction(a) || isPreposition(a) ||
                          a.partOfSpeech == speech_type::Interjection;
    return particle ? std::max(0, r - kParticleFormAdvantage) : r;
}

int rarityTerms(const Engine& e, int ci, RarityMemory& memory) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    const int h = rarityOf(c, e.options);
    int w = -kWordRarityStep * (formRarity(e, c) - memory.wordBest);
    if (h == 1 || h == 2) w += 20;
    w -= 2 * h;
    if (h == 0) w += 25;
    int& best = memory.best[rarityCategory(c)];
    if (best < h) w += 10 * (best - h);
    else best = h;
    return w;
}

template <std::size_t N>
bool beginsWithAny(std::string_view text, const std::array<std::string_view, N>& words) {
    for (std::string_view w : words)
        if (text.starts_with(w)) return true;
    return false;
}

int topicTerm(const Engine& e, const WordAnalysis& c) {
    if (c.kind2 != kVariableNounKind) return 0;
    const std::int16_t topic = e.sentence.sentenceTopic;
    if (topic == 2 && beginsWithAny(englishOf(c), kMoneyTopicWords)) return kTopicBonus;
    if (topic == 1 && beginsWithAny(englishOf(c), kNatureTopicWords)) return kTopicBonus;
    return 0;
}

// A reading reached only by respelling the word (its English marked "~") is a last resort.
int uncertainTerm(const WordAnalysis& c) { return c.english[0] == '~' ? kUncertainPenalty : 0; }

}  // namespace

int commonestFormRarity(const Engine& e, int first, int end) {
    int best = 99;
    for (int j = first; j < end; ++j)
        if (isLive(e.wordAnalyses[j])) best = std::min(best, formRarity(e, e.wordAnalyses[j]));
    return best;
}

CandidateScore scoreCandidate(Engine& e, const SegmentSurvey& s, int ci, const ExpectedList& expected,
                              RarityMemory& memory) {
    const WordAnalysis& c = e.wordAnalyses[ci];
    CandidateScore score;
    score.base = baseWeight(e, s, ci);
    score.links = linkTerms(e, s, ci, expected);
    score.roles = roleTerms(s, ci);
    score.crossing = crossingPenalty(e, s, ci);
    score.rarity = rarityTerms(e, ci, memory);
    score.topic = topicTerm(e, c);
    score.uncertain = uncertainTerm(c);
    return score;
}

}  // namespace kavro
