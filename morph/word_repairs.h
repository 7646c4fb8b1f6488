// The operations that word analysis tries when the plain stem-and-ending matching is not enough:
// the high-speed hash, uniques and pronoun compounds, tackons, prefixes and suffixes, syncopated
// perfects, spelling and medieval variants, special forms (proper names), and the corpus search's
// per-sentence step. The driver calls them in a fixed order; each answers "nothing found" until
// its own module provides it (morph/repairs_pending.cpp holds those answers).
#pragma once

#include <string_view>

#include "morph/split_matching.h"

namespace kavro {

struct Engine;

// High-speed hash: true when stored readings of `word` were appended to the analysis table.
bool lookUpHash(Engine& engine, std::string_view word);

// Marks the joint of a compound ordinal or doubled word in place with the letter "Z".
void prepareCompound(Engine& engine, WordBuffer& word);
// Readings of the quidam, qualis, quantus, uter and plerusque families (appended directly).
int matchQuidam(Engine& engine, WordBuffer& word, int length);
// Fills tempstems and tempinflects slots 0.. with one stem and inflection per unique of `word`.
int findUniques(Engine& engine, std::string_view word);

// A known word followed by an enclitic, over the current split table; may insert a token.
int matchTackons(Engine& engine, int splitCount);
int matchPrefixes(Engine& engine, WordBuffer& word);
int matchModifiedStems(Engine& engine, WordBuffer& word);

// The two forms of the syncopated-perfect repair: "ss" (amasse -> amauisse) and "isti".
enum class SyncopeForm { DoubleS, Isti };
// True when the word was rewritten into its unsyncopated form.
bool trySyncopatedPerfect(Engine& engine, WordBuffer& word, SyncopeForm form);
// True when the word was rewritten into a spelling variant to analyse instead.
bool trySpellingVariants(Engine& engine, WordBuffer& word);
int matchMedievalVariants(Engine& engine, WordBuffer& word);
// Proper names and other capitalised special forms: a name met earlier in the job, else (when
// allowed) the word guessed to be a new name.
enum class NameGuess { Allowed, Refused };
int matchSpecialForms(Engine& engine, WordBuffer& word, NameGuess guess = NameGuess::Allowed);

// The corpus search's step after each analysed sentence; returns the hits it counted.
int corpusSearchSentenceStep(Engine& engine);

}  // namespace kavro
