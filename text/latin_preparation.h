// Latin file preparation with a note of where each part of temp.lat came from, for the corpus
// search, which reports its hits by the line of the searched file (prepareLatinFile in
// core/stages.h is the same preparation without the note).
#pragma once

#include <filesystem>
#include <vector>

namespace kavro {

struct Engine;

// The output of input line `line` (from 1) begins at byte `offset` of temp.lat. Lines that wrote
// nothing share the offset of the next line that did; the latest line with an offset wins.
struct PreparedLineStart {
    long offset = 0;
    int line = 0;
};
using PreparedLineStarts = std::vector<PreparedLineStart>;

// prepareLatinFile, noting into `starts` the offset at which each input line's output begins.
bool prepareLatinFileNoting(Engine& engine, const std::filesystem::path& latinFile,
                            PreparedLineStarts& starts);

// The input line on which the text at byte `offset` of temp.lat began (1 when nothing was noted).
int inputLineAt(const PreparedLineStarts& starts, long offset);

}  // namespace kavro
