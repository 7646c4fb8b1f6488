// What the special-sense rules read from the sentence around a word: the case pair of their
// features and the tie of the word to a preposition before it.
#pragma once

#include <string_view>

namespace kavro {

struct Engine;
struct WordAnalysis;

// The two feature characters of a case: NOM "00", DAT and ABL "10", ACC "01", any other "11".
std::string_view casePair(int caseCode);

// True when the word at `position` is governed by a preposition: its first partner is a
// preposition, or the last preposition before it (the last one whose analysed form is
// `prepositionForm`, when one is given) has as first partner the word or the word's own first
// partner.
bool tiedToPreposition(const Engine& engine, int position, std::string_view prepositionForm = {});

// True for a word position other than `position` whose reading is not punctuation.
bool isOtherWord(const Engine& engine, int other, int position);

// True when the reading's analysed form begins with `prefix`.
bool formBegins(const WordAnalysis& reading, std::string_view prefix);

}  // namespace kavro
