// The survey of one segment of a clause: its nominals by case, its verbs and what kind they are
// (copulas, modals, verbs of the dative, subjunctives, infinitives), its participles, its roles,
// and the three weights the scoring takes from them.
#include <algorithm>
#include <array>
#include <string_view>

#include "syntax/analysis_access.h"
#include "syntax/choice_steps.h"
#include "syntax/reading_choice.h"

namespace kavro {
namespace {

// Meanings of verbs that take an infinitive ("possum", "debeo", "iubeo", "uolo").
constexpr std::array<std::string_view, 5> kModalMeanings = {"be able", "must", "ought", "order", "wish"};
// Meanings of the verbs of saying, thinking, knowing and perceiving that take the accusative and
// infinitive ("dixit hostes uenire", "scio te uenturum esse").
constexpr std::array<std::string_view, 18> kReportingMeanings = {
    "say", "tell", "speak", "think", "believe", "know", "hope", "hear", "see", "report",
    "deny", "judge", "suppose", "consider", "feel", "perceive", "announce", "promise"};
constexpr std::uint8_t kModalVerbKind = 12;
constexpr std::uint8_t kModalVerbPart = verb_part_type::Modal;
constexpr std::uint8_t kDativeVerbPart = verb_part_type::Dative;
// Verbs counted in the verb survey may be this much rarer than their word's first verb reading.
constexpr int kVerbRarityMargin = 2;
// Second stem-class values of verbs that take no object and of verbs that need one.
constexpr std::int16_t kNoObjectClass2 = 71;
constexpr std::int16_t kObjectClass2 = 39;

bool onlyLiveReading(const Engine& e, int i) {
    const int end = wordEnd(e, i);
    for (int j = wordBegin(e, i); j < end; ++j)
        if (j != i && isLive(e.wordAnalyses[j])) return false;
    return true;
}

bool partnerIsVerb(const Engine& e, const WordAnalysis& a) {
    for (const int l : {a.link1, a.link2, a.link3})
        if (liveAt(e, l) && isVerb(e.wordAnalyses[l])) return true;
    return false;
}

void countNoun(const Engine& e, int i, SegmentSurvey& s) {
    const WordAnalysis& a = e.wordAnalyses[i];
    const bool only = onlyLiveReading(e, i);
    if (a.grammar1 == case_type::Nominative && (only || partnerIsVerb(e, a))) ++s.nominatives;
    if (!only) return;
    if (a.grammar1 == case_type::Dative) ++s.datives;
    if (a.grammar1 == case_type::Ablative) ++s.ablatives;
}

void listVerb(const Engine& e, int i, SegmentSurvey& s, int& lastVerbWord) {
    const WordAnalysis& a = e.wordAnalyses[i];
    if (s.verbCount < kSurveyListCapacity) s.verbs[s.verbCount++] = static_cast<std::int16_t>(i);
    if (isInfinitive(a)) return;
    if (a.wordPosition != lastVerbWord) {
        ++s.verbWords;
        lastVerbWord = a.wordPosition;
    }
    if (a.grammar4 == 3 || isCopula(a)) s.highestThirdNumber = std::max<int>(s.highestThirdNumber, a.grammar5);
}

void listParticiple(const WordAnalysis& a, SegmentSurvey& s) {
    if (isGerundive(a) || s.participles >= kSurveyListCapacity) return;
    ++s.participles;
    if (a.grammar1 == case_type::Nominative && a.link1 < 0 && s.unlinkedNominativeParticiples < kUnlinkedParticipleCapacity)
        ++s.unlinkedNominativeParticiples;
}

bool isReportingVerb(const WordAnalysis& v) {
    return std::find(kReportingMeanings.begin(), kReportingMeanings.end(), englishOf(v)) != kReportingMeanings.end();
}

bool isModal(const WordAnalysis& v) {
    if (v.kind2 == kModalVerbKind || v.grammar6 == kModalVerbPart) return true;
    return std::find(kModalMeanings.begin(), kModalMeanings.end(), englishOf(v)) != kModalMeanings.end();
}

// The rarity of the first verb reading of the word of verb v.
int firstVerbRarity(const Engine& e, int v) {
    const int end = wordEnd(e, v);
    for (int j = wordBegin(e, v); j < end; ++j)
        if (isLive(e.wordAnalyses[j]) && isVerb(e.wordAnalyses[j])) return rarity4(e.wordAnalyses[j]);
    return rarity4(e.wordAnalyses[v]);
}

void surveyVerbs(const Engine& e, SegmentSurvey& s) {
    int commonest = 99;
    for (int k = 0; k < s.verbCount; ++k) {
        const int v = s.verbs[k];
        const WordAnalysis& a = e.wordAnalyses[v];
        if (rarity4(a) > firstVerbRarity(e, v) + kVerbRarityMargin) continue;
        if (s.verbsCounted++ == 0)
            s.leadPersonNumber = (a.grammar4 == 1 || a.grammar4 == 2 ? a.grammar4 : 0) +
                                 (a.grammar5 == number_type::Plural ? 16 : 0);
        if (formIs(a, "uel.im")) s.wish = true;
        if (isCopula(a) && !isInfinitive(a)) ++s.copulas;
        if (isModal(a)) {
            ++s.modals;
            s.modalWord = a.wordPosition;
        }
        if (isReportingVerb(a) && !isInfinitive(a)) ++s.reportingVerbs;
        if (a.kind2 == verb_kind_type::Dative || a.grammar6 == kDativeVerbPart) ++s.dativeVerbs;
        if (rarity4(a) < commonest && (a.kind1 == 1 || a.kind1 == 2)) {
            commonest = rarity4(a);
            s.verbPartClass = a.kind1;
        }
        if (a.grammar3 == mood_type::Subjunctive) s.subjunctiveWord = a.wordPosition;
        if (a.kind1 == verb_part_type::Transitive) ++s.transitives;
    }
    for (int k = 0; k < s.verbCount; ++k) {
        const WordAnalysis& a = e.wordAnalyses[s.verbs[k]];
        if (isInfinitive(a) && a.wordPosition != s.modalWord) ++s.infinitives;
    }
}

void setWeights(const Engine& e, SegmentSurvey& s) {
    if (s.roles[role_slot::Object] < 0) {
        s.weights[0] = -20;
        s.weights[1] = 15;
        s.weights[2] = -10;
    }
    if (s.verbsCounted != 1 || s.verbCount == 0) return;
    const WordAnalysis& v = e.wordAnalyses[s.verbs[0]];
    if (s.verbs[0] == s.roles[role_slot::LinkedVerb]) return;
    if (v.grammar2 == voice_type::Passive || v.stemClass2 == kNoObjectClass2) s.weights[2] = -40;
    else if (v.stemClass2 == kObjectClass2) s.weights[2] = 40;
}

// A subject tied to a verb reading of the object's word that takes no object is tied instead to
// a reading of that word that does.
void refitSubjectVerb(Engine& e, SegmentSurvey& s) {
    const int subject = s.roles[role_slot::Subject], object = s.roles[role_slot::Object];
    if (subject < 0 || object < 0) return;
    WordAnalysis& subj = e.wordAnalyses[subject];
    if (!liveAt(e, subj.link1) || !isVerb(e.wordAnalyses[subj.link1]) || !sameWord(e, subj.link1, object)) return;
    if (e.wordAnalyses[subj.link1].kind1 == verb_part_type::Transitive) return;
    const int end = wordEnd(e, object);
    for (int j = wordBegin(e, object); j < end; ++j) {
        const WordAnalysis& v = e.wordAnalyses[j];
        if (isLive(v) && isVerb(v) && v.kind1 == verb_part_type::Transitive) {
            subj.link1 = static_cast<std::int16_t>(j);
            s.roles[role_slot::MainVerb] = static_cast<std::int16_t>(j);
            return;
        }
    }
}

}  // namespace

void surveySegment(Engine& e, SegmentSurvey& s) {
    s.lowWord = e.wordAnalyses[s.first].wordPosition;
    s.highWord = e.wordAnalyses[s.end].wordPosition;
    int lastVerbWord = -1;
    for (int i = s.first; i <= s.end; ++i) {
        const WordAnalysis& a = e.wordAnalyses[i];
        if (!isLive(a)) continue;
        if (isNoun(a)) countNoun(e, i, s);
        else if (isVerb(a)) listVerb(e, i, s, lastVerbWord);
        else if (isParticiple(a)) listParticiple(a, s);
        else if (a.partOfSpeech == speech_type::Adverb && formIs(a, "opus_est.")) s.opusEstWord = a.wordPosition;
    }
    if (s.verbCount > 0 || s.unlinkedNominativeParticiples > 0) {
        findRoles(e, s.first, s.end, RoleMode::Segment);
        s.roles = e.sentence.activeRoles;
        refitSubjectVerb(e, s);
    } else {
        s.roles = emptyRoleSlots();
    }
    e.sentence.activeRoles = s.roles;
    surveyVerbs(e, s);
    setWeights(e, s);
}

}  // namespace kavro
