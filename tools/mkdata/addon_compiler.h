// addons.dat: the package's tackons (ADDONS.LAT) with our English for each (data/tackons.txt).
// Byte 0 holds the tackon part of speech (13), byte 6 is 0; the key is folded to i/u; the
// records are sorted by key in plain byte order, the package's order kept among equal keys
// (the analyser tries them in that order). Prefixes and suffixes are fixed tables of the
// analyser and are not written.
#pragma once

#include <vector>

#include "core/lexicon_records.h"
#include "tools/mkdata/package_reader.h"
#include "tools/mkdata/source_table.h"

namespace kavro::mkdata {

// `english` holds the lines of data/tackons.txt (6 fields); every package tackon must have
// exactly one line and every line a tackon, else DataError.
std::vector<AddonRecord> compileAddons(const std::vector<PackageTackon>& tackons,
                                       const std::vector<SourceLine>& english,
                                       const std::string& englishName);

}  // namespace kavro::mkdata
