// The two deletions of the sentence passes: one reading made the only live reading of its word
// (OrigWordDelete), and one reading deleted unless something protects it (deleteAnalysis).
#include "syntax/analysis_access.h"
#include "syntax/clause_analysis.h"
#include "syntax/reading_choice.h"

namespace kavro {
namespace {

constexpr std::string_view kNegativeIndexMessage = "OrigWordDelete sent -1 to delete.\nTell programmer!";

bool inRoleSlot(const Engine& e, int index, int from, int to) {
    for (int s = from; s <= to; ++s)
        if (e.sentence.activeRoles[s] == index) return true;
    return false;
}

bool partnerIsPreposition(const Engine& e, const WordAnalysis& a) {
    for (const int l : {a.link1, a.link2, a.link3})
        if (liveAt(e, l) && isPreposition(e.wordAnalyses[l])) return true;
    return false;
}

// Two relative "which" of one word that differ only in gender both stay; the one of the same
// gender takes the kept reading's antecedent.
bool keepsSecondWhich(Engine& e, const WordAnalysis& a, WordAnalysis& b) {
    if (!isPronoun(a) || !isPronoun(b) || !englishIs(a, "which") || !englishIs(b, "which"))
        return false;
    if (a.kind2 != b.kind2 || a.grammar1 != b.grammar1 || a.grammar2 != b.grammar2) return false;
    if (a.grammar3 == b.grammar3) b.link1 = a.link1;
    (void)e;
    return true;
}

// The same reading tied elsewhere: a twin of `a` that does not agree with it and has a partner
// of its own (an adjective serving two nouns). A twin in the preferred area goes unless `a` is
// there too.
bool keepsTiedTwin(const Engine& e, int ia, int ib) {
    const WordAnalysis& a = e.wordAnalyses[ia];
    const WordAnalysis& b = e.wordAnalyses[ib];
    if (a.partOfSpeech != b.partOfSpeech || formOf(a) != formOf(b) || englishOf(a) != englishOf(b))
        return false;
    const char area = static_cast<char>(e.options.area);
    if (areaLetterOf(b) == area && areaLetterOf(a) != area) return false;
    if (agrees(e, ia, ib) || b.link1 < 0) return false;
    return !isPronoun(b) || b.kind2 == a.kind2;
}

// Both are tied, and b with its partner is the commoner pair.
bool keepsCommonerPair(const Engine& e, const WordAnalysis& a, const WordAnalysis& b) {
    if (!validIndex(e, a.link1) || !validIndex(e, b.link1)) return false;
    return rarity4(e.wordAnalyses[b.link1]) + rarity4(b) < rarity4(e.wordAnalyses[a.link1]) + rarity4(a);
}

bool keepsPreposition(const Engine& e, const WordAnalysis& a, const WordAnalysis& b) {
    return isPreposition(b) && !isPreposition(a) && !partnerIsPreposition(e, a);
}

bool keepsRoleHolder(const Engine& e, const WordAnalysis& a, int ib) {
    const WordAnalysis& b = e.wordAnalyses[ib];
    if (!inRoleSlot(e, ib, 1, role_slot::LastProtected)) return false;
    if (isPreposition(a) || a.partOfSpeech == speech_type::Tackon) return false;
    if (liveAt(e, a.link1) && isPreposition(e.wordAnalyses[a.link1])) return false;
    return inRoleSlot(e, ib, role_slot::MainVerb, role_slot::MainVerb) ||
           b.partOfSpeech == a.partOfSpeech || b.grammar1 != a.grammar1;
}

// The partner of a deleted reading: a preposition passes its object on to the kept reading,
// any other partner forgets the deleted one.
void repairPartner(Engine& e, int ia, int ib) {
    const WordAnalysis& b = e.wordAnalyses[ib];
    if (!validIndex(e, b.link1)) return;
    WordAnalysis& p = e.wordAnalyses[b.link1];
    if (isPreposition(p) && isNoun(b) && b.grammar1 == governedCase(p)) {
        if (p.link1 == ib) p.link1 = static_cast<std::int16_t>(ia);
        else if (p.link2 == ib) p.link2 = static_cast<std::int16_t>(ia);
        else if (p.link3 == ib) p.link3 = static_cast<std::int16_t>(ia);
        else addLink(p, ia);
        return;
    }
    dropLink(p, ib);
}

}  // namespace

void OrigWordDelete(Engine& e, int ia) {
    if (ia < 0) {
        e.rationedWarning(kNegativeIndexMessage);
        return;
    }
    if (!validIndex(e, ia) || e.wordAnalyses[ia].partOfSpeech == speech_type::DeletedGram) return;
    const WordAnalysis& a = e.wordAnalyses[ia];
    const int end = wordEnd(e, ia);
    for (int ib = wordBegin(e, ia); ib < end; ++ib) {
        if (ib == ia || !isLive(e.wordAnalyses[ib])) continue;
        WordAnalysis& b = e.wordAnalyses[ib];
        const bool spared = keepsSecondWhich(e, a, b) || keepsTiedTwin(e, ia, ib) ||
                            keepsCommonerPair(e, a, b) || keepsPreposition(e, a, b) ||
                            keepsRoleHolder(e, a, ib);
        if (spared) continue;
        repairPartner(e, ia, ib);
        markDeleted(b);
    }
}

std::int16_t deleteAnalysis(Engine& e, int ia) {
    if (!validIndex(e, ia)) return -1;
    const RoleSlots& roles = e.sentence.activeRoles;
    if (roles[role_slot::Subject] == ia || roles[role_slot::Object] == ia)
        return roles[role_slot::Subject];
    if (roles[role_slot::MainVerb] == ia || roles[role_slot::SubjectGenitive] == ia)
        return roles[role_slot::MainVerb];
    bool another = false;
    const int begin = wordBegin(e, ia), end = wordEnd(e, ia);
    for (int i = begin; i < ia && !another; ++i) another = isLive(e.wordAnalyses[i]);
    for (int i = ia + 1; i < end && !another; ++i) {
        const WordAnalysis& b = e.wordAnalyses[i];
        another = isLive(b) && (e.sentence.inquitMoved || caseOf(b) != case_type::Vocative);
    }
    if (!another) return static_cast<std::int16_t>(ia + 1);
    WordAnalysis& a = e.wordAnalyses[ia];
    markDeleted(a);
    if (a.link1 >= 0) {
        a.link1 = a.link2;
        a.link2 = -1;
    }
    return -1;
}

}  // namespace kavro
