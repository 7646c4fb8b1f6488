// kavro analyse --conllu: the reading chosen for each word of a sentence as a CoNLL-U block, the
// format of the Universal Dependencies treebanks and their tools. The columns are described in
// README.md.
#pragma once

#include <string>

#include "core/engine.h"
#include "formats/sentence_readings.h"

namespace kavro {

// "# sent_id = N", "# text = <the sentence>", one line per word (and a range line before the
// words of a written word read as several, as virumque = virum + que), a blank line; UTF-8.
// Empty for a sentence without tokens.
std::string conlluBlock(const Engine& engine, const SentenceReadings& readings, int sentenceId);

}  // namespace kavro
