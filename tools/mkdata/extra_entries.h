// Our own dictionary entries (data/extra_entries.txt), compiled into dictUK.dat and transl.dat
// after the package's entries, exactly as if the package had them.
//
// Each entry line is a user-dictionary line, "stems / grammar / English", read by the user
// dictionary's own parser (parseUserLine); lines starting with "--" and blank lines are skipped.
// The parsed stems and grammar become a PackageEntry (record = line number), so the entry gets
// the package's stem keys (equal stems 1 and 2 → one key-0 record), citation form and English
// fitting. The English is the third field as written (";" separates senses, as in the package).
// Like a user entry it has age X, area X and frequency A.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {

// The entries of `text`; throws DataError naming `name` and the line of the first line that
// is not an entry, or whose grammar has no dictionary code.
std::vector<PackageEntry> decodeExtraEntries(const std::string& text, const std::string& name);
std::vector<PackageEntry> readExtraEntries(const std::filesystem::path& file);

// Throws DataError when an extra entry repeats a package entry (same stems and grammar): the
// package has the word already and the line should go.
void checkNotInPackage(const std::vector<PackageEntry>& extras,
                       const std::vector<PackageEntry>& package, const std::string& name);

}  // namespace kavro::mkdata
