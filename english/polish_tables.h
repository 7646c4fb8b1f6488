// The table operations of polishing: the word table (polish.dat) on one slot, the phrase table
// (phrasedud.dat) on one slot, the line table (finalpolish.dat) on a finished English line, and
// the position helpers that move a slot together with its chosen reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/analysis_record.h"
#include "core/capacities.h"
#include "english/polish_records.h"

namespace kavro {

// The replacement of one word in the word table, or null. Bisection in unsigned byte order.
const PolishRecord* findPolishWord(std::span<const PolishRecord> table, std::string_view word);

// Replaces every word of the slot (up to 9 words cut at blanks and hyphens) found in the word
// table. A trailing mark (a character below "0", or ">") and leading "<", "^" and "~" stay
// where they were. A slot longer than 75 characters is left alone.
void applyPolishTable(std::span<const PolishRecord> table, std::string& slot);
void applyPolishTable(std::span<const PolishRecord> table, char* slot, std::size_t capacity);

// Applies the phrase table to one slot whose chosen reading is `reading` (its part of speech
// selects the group; its meaning is the English field). True when a record was applied.
bool applyPhraseTable(std::span<const PhraseRecord> table, std::string& slot,
                      const WordAnalysis& reading);
bool applyPhraseTable(std::span<const PhraseRecord> table, char* slot, std::size_t capacity,
                      const WordAnalysis& reading);

// Applies the line table to one finished English line (ending in a line feed).
void finalPolish(std::span<const FinalPolishRecord> table, std::string& line);

// Length of the slot's leading prefix: "O " 2, "the " 4, "with the " 9, "to the " and
// "of the " 7, "with " 5, "to " and "of " 3, otherwise 0.
int prefixLength(std::string_view slot);

// Exchanges the chosen readings and the slot texts of positions p and p+1.
void swapPositions(std::span<std::int16_t> chosenAnalysis,
                   std::span<char[kEnglishSlotSize]> englishSlots, int p);

// Takes the chosen reading and the slot text of position a out, shifts the positions between a
// and b by one towards a, and puts them at position b.
void movePosition(std::span<std::int16_t> chosenAnalysis,
                  std::span<char[kEnglishSlotSize]> englishSlots, int a, int b);

}  // namespace kavro
