// Latin Standard Phrases: fixed Latin expressions of up to five words with a ready English
// rendering, read from userphrases.txt at start-up and put into the English slots of a sentence.
#pragma once

namespace kavro {

struct Engine;

// The phrase pass over the current sentence: rewrites englishSlots where a stored phrase matches
// the chosen readings. Leaves wordAnalyses and chosenAnalysis as they are.
void applyStandardPhrases(Engine& engine);

}  // namespace kavro
