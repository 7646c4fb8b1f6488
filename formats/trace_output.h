// The trace and other engine text copied out as UTF-8: a file a block at a time (or inside the
// kernel when it is UTF-8 already), a text at once. A failed write is a failure of the command.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kavro {

// Fails with "<stdout>: write error: REASON" (a full disk, a closed pipe).
[[noreturn]] void failWritingStdout();

// Prints engine text (Windows-1252) to stdout as UTF-8.
void printEngineText(std::string_view engineText);
// Copies an engine text file (parser.txt) to stdout as UTF-8 a block at a time, so that a trace
// of any length costs one block of memory; false with `problem` set when it cannot be read.
// A file known to hold no byte of 128 or more (`mayHoldHighBytes` false) is UTF-8 already and
// is copied as it is.
bool printEngineFile(const std::filesystem::path& file, std::string& problem,
                     bool mayHoldHighBytes = true);
// The same for a file that is already UTF-8, copied as it is.
bool printFileBytes(const std::filesystem::path& file, std::string& problem);

}  // namespace kavro
