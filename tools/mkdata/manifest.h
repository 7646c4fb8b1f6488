// manifest.txt: one line per file written, "<name> <record size> <record count> <checksum>",
// the checksum (core/checksum.h) of the file's bytes as 16 lower-case hex digits; '#' starts a
// comment line. Text files are listed with record size 0 and their number of lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kavro::mkdata {

struct ManifestEntry {
    std::string name;
    std::size_t recordSize = 0;
    std::size_t recordCount = 0;
    std::uint64_t checksum = 0;
};

class OutputFolder {
public:
    explicit OutputFolder(std::filesystem::path dir);

    const std::filesystem::path& dir() const { return dir_; }

    // Writes `bytes` as `name` and lists it.
    void write(const std::string& name, const std::string& bytes, std::size_t recordSize,
               std::size_t recordCount);

    template <class Record>
    void writeRecords(const std::string& name, const std::vector<Record>& records) {
        write(name, recordBytes(records), sizeof(Record), records.size());
    }

    // Lists a file that another piece wrote into the folder; its size must be whole records.
    void listWritten(const std::string& name, std::size_t recordSize);

    // Writes manifest.txt (last, after every other file).
    void writeManifest(const std::vector<std::string>& comments) const;

    const std::vector<ManifestEntry>& entries() const { return entries_; }

    template <class Record>
    static std::string recordBytes(const std::vector<Record>& records) {
        return std::string(reinterpret_cast<const char*>(records.data()),
                           records.size() * sizeof(Record));
    }

private:
    std::filesystem::path dir_;
    std::vector<ManifestEntry> entries_;
};

std::string manifestLine(const ManifestEntry& e);
std::size_t countLines(const std::string& text);

}  // namespace kavro::mkdata
