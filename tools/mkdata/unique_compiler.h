// uniques.dat: the package's irregular forms (UNIQUES.LAT) followed by our own
// (data/uniques_extra.lat, same format), each with the extra form that
// data/unique_extra_forms.txt gives its spelling (a verb's infinitive).
//   grammar 1..6  as inflection bytes 3..8; the kind goes where the analyser takes it from:
//                 nouns grammar 4 = noun kind (engine numbering), pronouns grammar 4 = pronoun
//                 kind, adjectives grammar 4 = comparison, verbs grammar 6 = verb kind;
//                 adverbs grammar 1 = grammar 4 = comparison (the adverb's key)
//   area/frequency as StemRecord byte 12; age level the package age; class 0
// Forms are folded to i/u and sorted in plain byte order, file order kept among equal forms.
#pragma once

#include <vector>

#include "core/lexicon_records.h"
#include "tools/mkdata/package_reader.h"
#include "tools/mkdata/source_table.h"

namespace kavro::mkdata {

UniqueRecord uniqueRecordOf(const PackageUnique& u, const std::string& extraForm);

// `extraForms` are the lines of data/unique_extra_forms.txt (2 fields); a line whose form is
// no unique is an error.
std::vector<UniqueRecord> compileUniques(const std::vector<PackageUnique>& uniques,
                                         const std::vector<SourceLine>& extraForms,
                                         const std::string& extraFormsName);

// uniqueheads.dat from the lines of data/unique_headwords.txt (form, headword), folded to i/u
// and sorted by form. A form that is no unique of `uniques` (compiled, sorted), a form given
// twice or a text that does not fit is an error.
std::vector<UniqueHeadwordRecord> compileUniqueHeadwords(const std::vector<UniqueRecord>& uniques,
                                                         const std::vector<SourceLine>& lines,
                                                         const std::string& name);

}  // namespace kavro::mkdata
