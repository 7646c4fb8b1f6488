// The parts of the choice of readings: the segment survey and weights, the score of one
// candidate, the sentence topic, and the steps after the choice.
#pragma once

#include <cstdint>

#include "core/sentence_tables.h"

namespace kavro {

struct Engine;

inline constexpr int kSegmentCapacity = 20;
inline constexpr int kSurveyListCapacity = 400;
inline constexpr int kUnlinkedParticipleCapacity = 11;
inline constexpr int kExpectedCapacity = 19;
inline constexpr int kScoredCandidates = 100;

// What one segment of a clause holds, as the scoring needs it.
struct SegmentSurvey {
    int first = 0, end = 0;             // analysis indices, end included
    int lowWord = 0, highWord = 0;
    int nominatives = 0, datives = 0, ablatives = 0;
    std::int16_t verbs[kSurveyListCapacity];
    int verbCount = 0;
    int verbWords = 0;                  // word positions at which the finite verbs change
    int highestThirdNumber = 0;         // highest number of third-person or "be" verbs
    int participles = 0;
    int unlinkedNominativeParticiples = 0;
    int opusEstWord = -1;
    // The verb survey.
    int verbsCounted = 0;
    int leadPersonNumber = 0;           // person, plus 16 for the plural
    bool wish = false;
    int copulas = 0;
    int modals = 0;
    int reportingVerbs = 0;             // verbs of saying, thinking, knowing, perceiving
    int modalWord = -1;
    int dativeVerbs = 0;
    int verbPartClass = 0;              // 1 or 2 from the commonest verb
    int subjunctiveWord = -1;
    int infinitives = 0;
    int transitives = 0;
    int weights[3] = {20, -20, 20};     // the third is the weight of an accusative object
    bool accusativeChosen = false;      // an object accusative has been chosen in the segment
    RoleSlots roles = emptyRoleSlots();
};

// Fills the survey of the analyses first .. end (a segment of its clause), runs the role finder
// over it when it has verbs, and sets its weights.
void surveySegment(Engine& engine, SegmentSurvey& survey);

// The per-word memory of the scoring: the best rarity met per category of reading.
struct RarityMemory {
    int best[8];
    int wordBest = 99;   // the lowest form rarity among the word's live readings
    void reset() {
        for (int& b : best) b = 99;
        wordBest = 99;
    }
};

// The lowest form rarity among the live readings first .. end-1 of one word.
int commonestFormRarity(const Engine& engine, int first, int end);

// The expected readings: those that earlier chosen words point forward to.
struct ExpectedList {
    std::int16_t items[kExpectedCapacity];
    int count = 0;
    void add(int index) {
        if (count < kExpectedCapacity) items[count++] = static_cast<std::int16_t>(index);
    }
    bool holds(int index) const {
        for (int k = 0; k < count; ++k)
            if (items[k] == index) return true;
        return false;
    }
};

// The parts of the context score of one candidate, kept for the decision trace.
struct CandidateScore {
    int base = 0, links = 0, roles = 0, crossing = 0, rarity = 0, topic = 0, uncertain = 0;
    int total() const { return base + links + roles + crossing + rarity + topic + uncertain; }
};

// The context score of candidate c of its segment.
CandidateScore scoreCandidate(Engine& engine, const SegmentSurvey& survey, int c, const ExpectedList& expected,
                              RarityMemory& memory);

// 0 none, 1 nature, 2 people and money, from the nouns of the sentence.
std::int16_t findSentenceTopic(const Engine& engine);

// After the choice: the not-chosen readings marked 255, the links of the chosen readings
// compacted, joining tackons between verbs made conjunctions, the rotation, the subject counts.
void finishChoice(Engine& engine);

}  // namespace kavro
