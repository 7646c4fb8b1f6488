// The per-sentence tables of sentence translation: the clause table, the role slots, the chosen
// reading of every word position, the English slots and the sentence facts that clause analysis,
// the choice of readings and English generation hand to one another. Rebuilt for each sentence.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/capacities.h"

namespace kavro {

// Role slots of a clause or segment, numbered 1 to 7 (entry 0 unused); -1 when empty.
namespace role_slot {
inline constexpr int Subject = 1;          // a nominative agreeing in number with the verb
inline constexpr int Object = 2;           // an accusative
inline constexpr int MainVerb = 3;         // the first finite verb, or the verb the subject is linked to
inline constexpr int SubjectGenitive = 4;  // a genitive attached to the subject
inline constexpr int LinkedVerb = 5;       // the verb reached through the subject's link
inline constexpr int Ablative = 6;         // an ablative
inline constexpr int AndAfterSubject = 7;  // "and" or "or" after the subject
inline constexpr int Count = 8;
inline constexpr int LastProtected = 4;    // slots 1..4 are spared by the deletions
}  // namespace role_slot

using RoleSlots = std::array<std::int16_t, role_slot::Count>;

inline RoleSlots emptyRoleSlots() {
    RoleSlots slots;
    slots.fill(-1);
    return slots;
}

// Clause k covers the analyses clauseStart[k] .. clauseEnd[k]; clauseEnd[k] is the analysis of
// the mark that closes it (or the last analysis of a sentence without punctuation).
struct ClauseTable {
    std::int32_t clauseStart[kClauseCapacity];
    std::int32_t clauseEnd[kClauseCapacity];
    std::int32_t clauseCount;
};

// Person counters and flags of the speakers of a sentence.
namespace person_flag {
inline constexpr std::int16_t FirstSingular = 1;
inline constexpr std::int16_t SecondSingular = 2;
inline constexpr std::int16_t FirstPlural = 4;
inline constexpr std::int16_t SecondPlural = 8;
}  // namespace person_flag

// A pair of alter/alius forms of one clause, read by English assembly ("one ... the other").
struct AlterPair {
    std::int16_t first;
    std::int16_t second;
};
inline constexpr std::size_t kAlterPairCapacity = 5;

// Slots of English text, one per word position, plus the one emptied after the last word.
inline constexpr std::size_t kEnglishSlotCount = kTokenCapacity + 2;
inline constexpr std::size_t kChosenCapacity = kTokenCapacity + 2;

// The parts of the context score the choice of readings gave one candidate (for the trace).
struct ScoreTrace {
    std::int16_t total, base, links, roles, rarity, other;
    bool scored;
};

struct SentenceTables {
    ClauseTable clauses{};
    // Role slots as the role finder left them for each clause (mode 0); the segment passes of
    // the choice of readings use their own copy.
    RoleSlots roles[kClauseCapacity]{};
    // The role slots of the clause or segment being worked on, which the deletions spare.
    RoleSlots activeRoles = emptyRoleSlots();
    // How many nominative subjects each clause holds (a plural one counting 2).
    std::int16_t subjectCount[kClauseCapacity]{};

    // The chosen analysis of every word position (-1 none); entries wordCount and
    // wordCount + 1 are set to 0 by English assembly.
    std::int16_t chosenAnalysis[kChosenCapacity]{};
    char englishSlots[kEnglishSlotCount][kEnglishSlotSize]{};

    char sentenceFinalMark = '.';
    bool quotesUnbalanced = false;
    std::int16_t personCounters[4]{};   // 1st sing, 2nd sing, 1st plur, 2nd plur
    std::int16_t personFlags = 0;       // person_flag bits
    // The part of speech shared by all analyses of each word position (0 when they differ).
    std::uint8_t uniformPartOfSpeech[kTokenCapacity]{};
    bool inquitMoved = false;
    // The analysis of the conjunction "ne." met in the first clauses (-1 none).
    std::int16_t negativeConjunction = -1;
    AlterPair alterPairs[kAlterPairCapacity]{};
    int alterPairCount = 0;
    // Word position of "opus_est." while its rule may still run (-1 none), for polishing.
    std::int16_t opusEstPosition = -1;
    // A reading and the reading tied to it whose words the choice of readings rotates into
    // English order (-1 none); noted by the role finder.
    std::int16_t pendingFirst = -1;
    std::int16_t pendingSecond = -1;
    // Words that can only be a verb of the second person or "tu"/"uos" (somebody is spoken to):
    // how many, and the last of them.
    std::int16_t addressWords = 0;
    std::int16_t addressWord = -1;
    // The time of the sentence's subjunctives, for the sequence of tenses: 1 when every word that
    // can only be a subjunctive is imperfect or pluperfect, -1 when every one is present or
    // perfect, 0 when there is none or they differ.
    std::int16_t subjunctiveTime = 0;
    // 0 none, 1 nature, 2 people and money.
    std::int16_t sentenceTopic = 0;
    // Where the readings of each word position begin in wordAnalyses: word w has the readings
    // wordFirst[w] .. wordFirst[w+1]-1 (indexedWords positions indexed).
    std::int16_t wordFirst[kTokenCapacity + 1]{};
    int indexedWords = 0;
    // The English line of the sentence as written to the log (empty until it is assembled).
    std::string finalLine;
    // The score of every candidate, kept while traceScores is set (kavro analyse --trace).
    bool traceScores = false;
    ScoreTrace scores[kAnalysisCapacity]{};
    // The analysis index each record had before clause analysis moved words, so that callers
    // can report the readings in the order of the text.
    std::int16_t analysisOrigin[kAnalysisCapacity]{};
};

}  // namespace kavro
