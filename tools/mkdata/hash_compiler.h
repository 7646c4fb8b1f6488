// fixedhashfile.dat: the readings of the commonest forms (data/hash_forms.txt), worked out by
// the engine's own word analysis on the data files just compiled, for the high-speed hash.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/analysis_record.h"

namespace kavro::mkdata {

// The forms of a hash form list: the first word of every line that is not empty or a comment.
std::vector<std::string> readHashForms(const std::filesystem::path& file);

struct CompiledHash {
    std::vector<WordAnalysis> records;   // sorted by form, texts enciphered
    std::vector<std::string> forms;      // the distinct forms kept, in the order of the records
};

// Analyses each form alone (lower case, hash off) on the data in `dataDir` and keeps the forms
// whose readings the hash reproduces exactly: every reading shows the form itself, is of an age
// the default options admit, has no botany subject and no "/" in its English, and a look-up in
// the finished table gives the same records, groups and order as the full analysis.
CompiledHash compileHash(const std::vector<std::string>& forms, const std::filesystem::path& dataDir);

}  // namespace kavro::mkdata
