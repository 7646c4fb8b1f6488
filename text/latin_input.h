// The user's Latin text: read in chunks and checked as it comes (text, not binary data; no
// larger than a stated limit), and the file the job then runs on.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kavro {

// The largest input accepted, and how messages name it.
inline constexpr std::uint64_t kInputSizeLimit = std::uint64_t{1} << 30;

// The program folder's copy of standard input (and of anything else that cannot be read twice).
inline constexpr const char* kStdinStorageFile = "latin.lat";

// Reads `in` to its end, checking each chunk as it arrives: a NUL, too much binary data, a read
// error or more than `limit` bytes fails at once naming `name`. A text with a UTF-16
// byte-order mark is checked by 16-bit units. Returns the bytes when `keep` is set, else "".
std::string readCheckedText(std::FILE* in, const std::filesystem::path& name, bool keep,
                            std::uint64_t limit = kInputSizeLimit);
// The same, handing each checked chunk to `sink` (when set) instead of keeping the text.
using TextChunkSink = std::function<void(std::string_view)>;
void readCheckedText(std::FILE* in, const std::filesystem::path& name, const TextChunkSink& sink,
                     std::uint64_t limit = kInputSizeLimit);

// The whole checked content of the file the user named, or of stdin for "-".
std::string readLatinInput(const std::string& name);

// The file a job runs on. A regular file is checked and run on where it is; stdin ("-") and
// anything else that cannot be read twice (a pipe, a device) is read once, checked and stored
// as latin.lat in the program folder. The program folder's work files are refused as input.
std::filesystem::path latinFileFor(const std::string& input, const std::filesystem::path& home);

// Fails when `input` is one of the work files a job writes in the program folder (parser.txt,
// temp.lat, fails.txt; latin.lat too when `storesLatin`, i.e. when the run writes its copy of
// the text there), since the job would overwrite the text it is about to read.
void refuseWorkFile(const std::filesystem::path& input, const std::filesystem::path& home,
                    bool storesLatin);

}  // namespace kavro
