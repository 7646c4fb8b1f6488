// What English assembly reads from a word's clause: the clause that holds a word, a verb's
// subject count (with the link of a free subject to its verb), the English of ut/uti as a
// conjunction, and whether the clause closes with a question mark.
#pragma once

#include <string_view>

namespace kavro {

struct Engine;

// The word positions of one clause, its closing mark included.
struct ClauseSpan {
    int first;
    int last;
};

// The clause of the clause table that holds `analysis` (start and closing analysis included);
// false when none does.
bool clauseOfAnalysis(const Engine& engine, int analysis, ClauseSpan& span, int& clause);

// The subject count handed to the verb phrase of the verb `analysis` at word position
// `position`: the clause's count for the 1st and 2nd person; for the 3rd person the nominatives
// of the clause linked to the verb, or else the free ones of the verb's number, the last of
// which is then linked to the verb.
int verbSubjectCount(Engine& engine, int position, int analysis);

// ut/uti as a conjunction: "so that" (or "that" after a verb whose grammar 6 is 1) when a
// subjunctive follows in the clause, "as" otherwise.
std::string_view utConjunctionEnglish(const Engine& engine, int position, int analysis);

// True when the closing analysis of the clause holding `analysis` is a question mark.
bool clauseClosesWithQuestion(const Engine& engine, int analysis);

}  // namespace kavro
