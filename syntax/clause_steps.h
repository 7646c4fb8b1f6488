// The steps of clause analysis, each in the file named for it; analyseClauses runs them in order.
#pragma once

#include <cstdint>

#include "core/capacities.h"

namespace kavro {

struct Engine;

// Capacity of each of the four main working lists of a clause, and of the two small ones.
inline constexpr int kClauseListCapacity = 400;
inline constexpr int kClauseSmallListCapacity = 10;

// The working lists of one clause, filled by the clause scan.
struct ClauseLists {
    struct Nominal {
        std::int16_t index;
        std::uint8_t caseCode;
        std::uint8_t number;
    };
    Nominal nouns[kClauseListCapacity];
    int nounCount = 0;
    std::int16_t verbs[kClauseListCapacity];
    int verbCount = 0;
    std::int16_t participles[kClauseListCapacity];
    int participleCount = 0;
    std::int16_t adjectives[kClauseListCapacity];
    int adjectiveCount = 0;
    std::int16_t prepositions[kClauseSmallListCapacity];
    int prepositionCount = 0;
    std::int16_t conjunctions[kClauseSmallListCapacity];
    int conjunctionCount = 0;
    int cardinalPlace = -1;   // the first cardinal numeral of the clause (analysis index)
    bool truncated = false;
};

// Steps 1 to 4: person counters and the uniform part of speech of each word; agent nouns in
// -ator; superlative adverbs in -ime.
void countVerbPersons(Engine& engine);
void pruneAgentNounVerbs(Engine& engine);
void pruneSuperlativeAdjectives(Engine& engine);

// Steps 5 to 8: the rarity-10 pruning and the clause split with its limit; the person flags;
// the final mark and the quote count. `counting` adds the nominative personal pronouns to the
// person counters (not when the table is split again after a move).
void splitClauses(Engine& engine, bool counting);

// Step 9: a connective in second place (enim, autem, ...) moved to the front.
void moveConnectiveToFront(Engine& engine);
// Step 10: the conjunction ne and the pairs of alter/alius forms.
void noteNeAndAlter(Engine& engine);
// Step 11: a middle clause of inquit (or of an addressed person) moved to the end.
void moveParentheticalSpeech(Engine& engine);

// Step 12: the scan of clause k into its lists, with its lexical rules.
void scanClause(Engine& engine, int clause, ClauseLists& lists);
// Step 13: links of coordinated, governed and agreeing words, and the roles of clause k.
void linkClause(Engine& engine, int clause, const ClauseLists& lists);
// Step 14: correlative pairs (aut ... aut, neque ... neque) in clause k.
void pairCorrelatives(Engine& engine, int clause);

}  // namespace kavro
