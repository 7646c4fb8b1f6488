// A stand-in for the single-word translation until the real one lands: the headers of the two
// texts, and the word's readings from word analysis as the glossary; the glossary goes where the
// real one will send it.
#include <string>

#include "english/single_word.h"
#include "job/engine.h"
#include "job/fixed_text.h"
#include "job/format_analysis.h"
#include "job/stages.h"

namespace kavro {
namespace {

// Word analysis of the word as a sentence of its own, quietly (sentence mode writes no trace).
void analyseAlone(Engine& engine, std::string_view word) {
    const bool sentenceMode = engine.options.sentenceMode;
    engine.options.sentenceMode = true;
    copyField(engine.sentenceTokens[0], word);
    engine.tokenCount = 1;
    engine.analysisCount = 0;
    engine.groupNumber = 0;
    analyseSentenceWords(engine);
    engine.options.sentenceMode = sentenceMode;
}

}  // namespace

SingleWordOutput translateSingleWord(Engine& engine, std::string_view word, int mode) {
    if (engine.options.singleWordTarget != 0 || mode == 0) mode = 2;
    SingleWordOutput out;
    out.translation = "'" + std::string(word) + "': ";
    out.glossary = "'" + std::string(word) + "':\n";
    analyseAlone(engine, word);
    std::string line;
    for (int i = 0; i < engine.analysisCount; ++i)
        if (formatAnalysis(line, engine, i)) out.glossary += line + "\n";
    if (mode == 2 && engine.options.singleWordTarget == 1) out.translation = out.glossary;
    out.showGlossaryWindow = mode == 2 && engine.options.singleWordTarget != 1;
    return out;
}

}  // namespace kavro
