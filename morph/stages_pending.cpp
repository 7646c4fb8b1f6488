// Placeholder word-analysis stage until the word analysis driver is built: nothing is analysed.
#include "job/engine.h"
#include "job/fixed_text.h"
#include "job/stages.h"

namespace kavro {

void resetWordStatusCache(Engine&) {}

// PLACEHOLDER TRACE, replaced by word analysis: in word mode each sentence's tokens go to
// the log on one line, separated by spaces.
void analyseSentenceWords(Engine& engine) {
    if (engine.options.sentenceMode) return;
    for (int k = 0; k < engine.tokenCount && k < static_cast<int>(kTokenCapacity); ++k) {
        if (k > 0) engine.log.write(" ");
        engine.log.write(fieldText(engine.sentenceTokens[k]));
    }
    if (engine.tokenCount > 0) engine.log.write("\n");
}

}  // namespace kavro
