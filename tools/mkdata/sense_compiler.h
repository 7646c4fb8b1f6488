// senses.dat and names.dat: the learned sense rules of data/senses.txt resolved to the meaning
// records of the dictionary just compiled, and the names of data/names.txt sorted by form.
#pragma once

#include <cstddef>
#include <vector>

#include "core/lexicon_records.h"
#include "core/sense_records.h"
#include "tools/mkdata/source_table.h"

namespace kavro::mkdata {

struct CompiledSenses {
    std::vector<SenseChoiceRecord> rules;   // sorted by meaning record, rules in file order
    std::size_t unmatchedLines = 0;         // lines whose entry or sense the dictionary lacks
};

// Lines: headword, part of speech (N ADJ V ADV PREP PRON NUM CONJ INTERJ), sense, context
// ("-", "capital", "lower", "after:WORD", "before:name", "case:ABL"), and two counts of evidence. A line applies to
// every entry with that headword (j and v read as i and u) and part of speech whose English
// holds the sense. Throws DataError on a line that cannot be read.
CompiledSenses compileSenses(const std::vector<SourceLine>& lines, const std::vector<StemRecord>& stems,
                             const std::vector<MeaningRecord>& meanings, const std::string& file);

// Lines: the Latin form, the English. Throws DataError on a field too long or a form twice.
std::vector<NameRecord> compileNames(const std::vector<SourceLine>& lines, const std::string& file);

}  // namespace kavro::mkdata
