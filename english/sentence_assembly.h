// English sentence assembly: the English of every chosen reading of the sentence, written into
// its slot of englishSlots with the article or preposition its case calls for, and for verbs
// the whole verb phrase with its subject pronoun.
#pragma once

namespace kavro {

struct Engine;

// Fills englishSlots[0 .. wordCount-1] from chosenAnalysis; then sets chosenAnalysis entries
// wordCount and wordCount+1 to 0 and empties slot wordCount.
void assembleEnglish(Engine& engine);

}  // namespace kavro
