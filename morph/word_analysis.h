// The word-analysis driver: every token of the sentence gets its readings in the analysis table,
// through the hash, the word-status cache, the plain matching, uniques and compounds, and the
// cascade of repairs, or one NOT FOUND reading. resetWordStatusCache and analyseSentenceWords
// themselves are the job's stages (core/stages.h).
#pragma once

#include <string_view>

#include "morph/split_matching.h"

namespace kavro {

struct Engine;

// True for a punctuation token: "PUNCT" and the mark's code letter.
bool isPunctuationToken(std::string_view token);

// Analyses the word of token engine.tokenIndex (a copy in `word`); returns its number of readings,
// 0 when it ended as NOT FOUND. Advances engine.wordsInSentence and wordsSincePunct.
int analyseWord(Engine& engine);

}  // namespace kavro
