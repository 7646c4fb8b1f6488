// manifest.txt: what the lexicon compiler wrote (record size, record count and checksum of
// every data file), and the checked reading of a data file against it. A file that is missing,
// has no entry, or differs from its entry in size or checksum is never taken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace kavro {

inline constexpr std::string_view kManifestName = "manifest.txt";

struct ManifestEntry {
    std::size_t recordSize = 0;
    std::size_t recordCount = 0;
    std::uint64_t checksum = 0;
};

// The entries of one manifest.txt: lines "<file> <record size> <record count> <16 hex digits>";
// lines beginning with "#" and malformed lines are ignored.
class Manifest {
public:
    static Manifest parse(std::string_view text);
    static Manifest read(const std::filesystem::path& file);   // empty when it cannot be read
    const ManifestEntry* find(std::string_view name) const;

private:
    std::map<std::string, ManifestEntry, std::less<>> entries_;
};

// Why a data file could not be taken.
enum class DataFileProblem { None, Missing, NoEntry, WrongRecordSize, CountTooLarge, Short, Long, Unreadable, Checksum };

// A data file as found: where, its manifest entry, and its size on disk.
struct DataFile {
    std::filesystem::path path;
    ManifestEntry entry;
    std::uintmax_t size = 0;
    DataFileProblem problem = DataFileProblem::None;
    std::string detail;   // a sentence naming the file and the problem, for the user

    bool ok() const { return problem == DataFileProblem::None; }
    // Whole records present on disk (for a short file, fewer than the entry's count).
    std::size_t recordsOnDisk() const;
};

// The two places a data file may come from: the program folder (whose copy wins, checked
// against the manifest beside it, else the data folder's) and the data folder.
class DataFolders {
public:
    DataFolders(std::filesystem::path dataFolder, std::filesystem::path programFolder);

    // Finds `name` and measures it against its entry: `recordSize` is the size the reading
    // Part expects and `trailingBytes` any fixed block after the records (dictUK.dat's index).
    DataFile locate(std::string_view name, std::size_t recordSize,
                    std::size_t trailingBytes = 0) const;
    const std::filesystem::path& dataFolder() const { return data_; }
    // Another entry (`entry`) of the manifest that `file` is checked against: the program
    // folder's when the file is taken from there, else the data folder's; null when absent.
    const ManifestEntry* companionEntry(std::string_view file, std::string_view entry) const;

private:
    std::filesystem::path data_;
    std::filesystem::path program_;
    Manifest dataManifest_;
    Manifest programManifest_;
};

// Reads a located file in block reads, exactly filling `blocks` in turn, and checks the
// checksum of all bytes. On failure marks `file` (Unreadable or Checksum) and returns false.
bool readDataFile(DataFile& file, std::span<const std::span<std::byte>> blocks);

}  // namespace kavro
