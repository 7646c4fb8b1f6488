// The paradigm of an entry as the tables of a Latin grammar: nouns by case and number,
// adjectives and pronouns by case, number and gender for each degree, verbs by mood, voice,
// tense, person and number, with the infinitives, participles, gerund and supine.
#pragma once

#include <string>
#include <vector>

#include "morph/paradigm.h"

namespace kavro {

// The heading of the entry (citation form, class, meaning), the tables, and a note of every form
// the inflection table marks as of another age or less frequent (marked "*" in the tables).
// 8-bit Windows-1252 text like the lexicon.
std::string paradigmTable(const ParadigmEntry& entry, const std::vector<ParadigmForm>& forms);

// The class of the entry in words: "noun, 3rd declension, masculine", "verb, 1st conjugation".
std::string entryClassName(const ParadigmEntry& entry);

// The tables of several entries, one after the other. Entries with the same citation form and
// part of speech (the senses of "qui" as relative, interrogative, indefinite pronoun, each with
// some of the forms) share one table of all their forms; their other meanings follow the heading.
std::string paradigmTables(Engine& engine, const std::vector<ParadigmEntry>& entries);

}  // namespace kavro
