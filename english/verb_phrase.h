// English verb phrases: the phrase built for one Latin verb reading ("he will have ^carry+ed
// out"), and the resolution of the caret and suffix markers that the phrases and the noun
// plurals leave in the English slots.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/analysis_record.h"

namespace kavro {

// Longest phrase the builder returns (the caller's buffer holds at least one more byte).
inline constexpr std::size_t kVerbPhraseMax = 79;

// Builds the English phrase of the verb reading analyses[verbIndex] from its English meaning
// (lower case, words separated by single blanks). subjectCount is how many nominative words the
// caller found as the verb's subject (a plural one counting 2; 0 when none). The result still
// carries the caret in front of the English verb and its suffix marker; at most 79 characters.
std::string buildVerbPhrase(std::string_view meaning, int subjectCount, int verbIndex,
                            std::span<const WordAnalysis> analyses);

// The same on a caller's text buffer of `capacity` bytes (at least 80): the meaning in, the
// phrase out.
void buildVerbPhrase(char* text, std::size_t capacity, int subjectCount, int verbIndex,
                     std::span<const WordAnalysis> analyses);

// Resolves the first suffix marker ("+ed", "+ing", "+s", "+es", "+th") of one English slot
// whose chosen reading is `reading`; `nextReading` is the chosen reading of the next word
// position (null at the end of the sentence). Readings of part of speech 16, 64 and 255 are
// left alone. For nouns the endings "mans" and "uses" are then corrected.
void resolveMarkers(std::string& slot, const WordAnalysis& reading,
                    const WordAnalysis* nextReading);

// Removes the caret of a verb's slot (parts of speech 7 and 77): the first "^" goes, and so
// does one blank left at the end.
void removeVerbCaret(std::string& slot, const WordAnalysis& reading);

}  // namespace kavro
