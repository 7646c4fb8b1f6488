// The one place where a stem and an inflection of the work tables become a reading of the
// analysis table: emitAnalysis fetches the texts, derives the grammatical fields, re-classifies
// some readings, picks the meaning of the preferred area, writes the word-mode trace and feeds
// the single-word collection.
#pragma once

#include <string_view>

#include "core/analysis_record.h"

namespace kavro {

struct Engine;

// How a reading was found; decides where its Latin and English texts come from.
namespace source_kind {
enum Code : int {
    Dictionary = 0,        // tempstems slot, meanings from transl.dat
    Unique = 1,            // tempstems slot built from a uniques.dat record
    Addon = 2,             // tackon, prefix or proper-name guess: texts from tempaddons
    UserDictionary = 3,    // chosen automatically for a stem of the user dictionary
    RomanNumeral = 4,      // slot 0: the numeral as written and its digits
    CapitalisedGuess = 5,  // a capitalised word taken as a name
    ModifiedStem = 6,      // a known stem with a derivational suffix: texts from tempaddons
    SpellingVariant = 8,   // a dictionary word reached through a spelling variant
};
}  // namespace source_kind

// Appends the reading built from tempstems[stemSlot] and tempinflects[inflectionSlot] (and, for
// addon readings, tempaddons[addonSlot]; otherwise `addonSlot` is the emission number within
// the stem, the chosenStems slot). Appends a second reading for the gerund of a gerundive.
// Returns the new analysisCount.
int emitAnalysis(Engine& engine, int stemSlot, int inflectionSlot, int addonSlot, int kind);

// Appends `analysis` to the analysis table; a full table is announced and started again.
void appendAnalysis(Engine& engine, const WordAnalysis& analysis);

// The analysed form as a reading keeps it: longer than 22 characters, cut to 23 with "*" last.
void storeAnalysedForm(WordAnalysis& analysis, std::string_view form);

// Records, while the engine keeps them, the citation form and source kind of reading `index`.
void noteAnalysisSource(Engine& engine, int index, std::string_view citation, int kind);

}  // namespace kavro
