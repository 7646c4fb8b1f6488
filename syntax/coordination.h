// Coordination: two like readings joined by "and", "or", "nor", "both", "not", "than" ("senatus
// populusque", "uenit et uidit") are linked to each other through the joining word, which becomes
// a joining tackon.
#pragma once

namespace kavro {

struct Engine;

// Links nominal reading `a` of word w with a reading of word w+2 (or w+3 past a joining adverb or
// tackon) that has its part of speech and case, through a joiner at word w+1. True when linked.
bool coordinate(Engine& engine, int a);

// The same for a verb reading: the other verb agrees in tense, voice, mood and person.
bool coordinateVerbs(Engine& engine, int a);

}  // namespace kavro
