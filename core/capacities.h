// Capacities of the engine's fixed work areas. Each has one name and one check with its own message.
#pragma once

#include <cstddef>

namespace kavro {

inline constexpr std::size_t kTokenCapacity = 400;        // sentenceTokens entries
inline constexpr std::size_t kTokenTextSize = 100;        // bytes per token, NUL included
inline constexpr std::size_t kAnalysisCapacity = 1200;    // wordAnalyses records
inline constexpr std::size_t kLatinTextSize = 200000;     // latinText and translationText
inline constexpr std::size_t kTempStemCapacity = 50;      // tempstems slots
inline constexpr std::size_t kTempInflectCapacity = 50;   // tempinflects slots
inline constexpr std::size_t kTempAddonCapacity = 50;     // tempaddons slots
inline constexpr std::size_t kClauseCapacity = 50;        // ClauseTable entries
inline constexpr std::size_t kEnglishSlotSize = 81;       // one englishSlots entry
inline constexpr std::size_t kWordStatusEntries = 512;    // per-job word-status cache
inline constexpr std::size_t kWordSplitCapacity = 9;     // splits of one word (WordSplitTable)
inline constexpr std::size_t kSplitStemSize = 100;       // stem part of a split, NUL included
inline constexpr std::size_t kSplitEndingSize = 10;      // ending part of a split, NUL included
inline constexpr std::size_t kChosenStemCapacity = 50;   // chosenStems slots
inline constexpr std::size_t kLearnedNameCapacity = 20;  // learnedNames ring of proper names
inline constexpr std::size_t kSingleWordCollection = 50; // single-word collection pairs
inline constexpr std::size_t kMessageBufferSize = 1024;   // the view's message buffer
inline constexpr std::size_t kPathCapacity = 260;         // file names handed to the job

}  // namespace kavro
