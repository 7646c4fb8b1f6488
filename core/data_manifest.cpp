#include "core/data_manifest.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <sstream>

#include "core/checksum.h"
#include "core/regular_file.h"

namespace kavro {
namespace {

constexpr std::size_t kChecksumDigits = 16;

template <class Number>
bool parseNumber(std::string_view text, Number& value, int base = 10) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc{} && end == text.data() + text.size();
}

// One manifest line into its name and entry; false for a malformed line.
bool parseLine(std::string_view line, std::string& name, ManifestEntry& entry) {
    std::istringstream words{std::string(line)};
    std::string size, count, checksum, extra;
    if (!(words >> name >> size >> count >> checksum) || (words >> extra)) return false;
    return checksum.size() == kChecksumDigits && parseNumber(size, entry.recordSize) &&
           entry.recordSize > 0 && parseNumber(count, entry.recordCount) &&
           parseNumber(checksum, entry.checksum, 16);
}

std::string describe(const DataFile& file, std::string_view what) {
    return file.path.string() + ": " + std::string(what);
}

// The bytes after the records (the dictionary's letter index), as the size message adds them.
std::string trailingText(std::size_t trailingBytes) {
    return trailingBytes ? " + " + std::to_string(trailingBytes) : "";
}

// The expected size of a file, or false when the entry's numbers cannot describe one.
bool expectedSize(const ManifestEntry& entry, std::size_t trailingBytes, std::uintmax_t& size) {
    constexpr std::uintmax_t most = std::numeric_limits<std::uintmax_t>::max();
    if (entry.recordCount > (most - trailingBytes) / entry.recordSize) return false;
    size = std::uintmax_t{entry.recordSize} * entry.recordCount + trailingBytes;
    return true;
}

}  // namespace

Manifest Manifest::parse(std::string_view text) {
    Manifest manifest;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        std::string name;
        ManifestEntry entry;
        if (parseLine(line, name, entry)) manifest.entries_[name] = entry;
    }
    return manifest;
}

Manifest Manifest::read(const std::filesystem::path& file) {
    // A regular file only: a pipe under the name in the program folder must not hold up the start.
    const ReadFile read = readRegularFile(file, SymbolicLinks::Follow);
    return read.ok ? parse(read.content) : Manifest{};
}

const ManifestEntry* Manifest::find(std::string_view name) const {
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

std::size_t DataFile::recordsOnDisk() const {
    return entry.recordSize ? static_cast<std::size_t>(size / entry.recordSize) : 0;
}

DataFolders::DataFolders(std::filesystem::path dataFolder, std::filesystem::path programFolder)
    : data_(std::move(dataFolder)),
      program_(std::move(programFolder)),
      dataManifest_(Manifest::read(data_ / kManifestName)),
      programManifest_(Manifest::read(program_ / kManifestName)) {}

const ManifestEntry* DataFolders::companionEntry(std::string_view file, std::string_view entry) const {
    std::error_code error;
    const bool fromProgram = std::filesystem::is_regular_file(program_ / file, error);
    const ManifestEntry* found = fromProgram ? programManifest_.find(entry) : nullptr;
    return found ? found : dataManifest_.find(entry);
}

DataFile DataFolders::locate(std::string_view name, std::size_t recordSize,
                             std::size_t trailingBytes) const {
    DataFile file;
    std::error_code error;
    const std::filesystem::path local = program_ / name;
    const bool fromProgram = std::filesystem::is_regular_file(local, error);
    file.path = fromProgram ? local : data_ / name;
    const ManifestEntry* entry = fromProgram ? programManifest_.find(name) : nullptr;
    if (!entry) entry = dataManifest_.find(name);

    if (!std::filesystem::is_regular_file(file.path, error)) {
        file.problem = DataFileProblem::Missing;
        file.detail = describe(file, "not found");
        return file;
    }
    file.size = std::filesystem::file_size(file.path, error);
    if (error) {
        file.problem = DataFileProblem::Unreadable;
        file.detail = describe(file, "cannot be read");
        return file;
    }
    if (!entry) {
        file.problem = DataFileProblem::NoEntry;
        file.detail = describe(file, "not listed in manifest.txt");
        return file;
    }
    file.entry = *entry;
    std::uintmax_t expected = 0;
    if (entry->recordSize != recordSize) {
        file.problem = DataFileProblem::WrongRecordSize;
        file.detail = describe(file, "manifest.txt gives records of " +
                                         std::to_string(entry->recordSize) + " bytes, expected " +
                                         std::to_string(recordSize));
        return file;
    }
    if (!expectedSize(*entry, trailingBytes, expected)) {
        file.problem = DataFileProblem::CountTooLarge;
        file.detail = describe(file, "manifest.txt gives " + std::to_string(entry->recordCount) +
                                         " records of " + std::to_string(recordSize) +
                                         " bytes, more than any file can hold; the file has " +
                                         std::to_string(file.size) + " bytes");
        return file;
    }
    if (file.size != expected) {
        file.problem = file.size < expected ? DataFileProblem::Short : DataFileProblem::Long;
        file.detail = describe(file, std::to_string(file.size) + " bytes, manifest.txt says " +
                                         std::to_string(entry->recordCount) + " records of " +
                                         std::to_string(recordSize) + " bytes" +
                                         trailingText(trailingBytes) + " = " + std::to_string(expected));
    }
    return file;
}

bool readDataFile(DataFile& file, std::span<const std::span<std::byte>> blocks) {
    std::FILE* in = openRegularFile(file.path, FileAccess::Read, SymbolicLinks::Follow).file;
    if (!in) {
        file.problem = DataFileProblem::Unreadable;
        file.detail = describe(file, "cannot be opened");
        return false;
    }
    DataChecksum checksum;
    bool complete = true;
    for (const std::span<std::byte> block : blocks) {
        if (std::fread(block.data(), 1, block.size(), in) != block.size()) complete = false;
        if (!complete) break;
        checksum.add(block.data(), block.size());
    }
    complete = complete && std::fgetc(in) == EOF;
    std::fclose(in);
    if (!complete) {
        file.problem = DataFileProblem::Unreadable;
        file.detail = describe(file, "changed or unreadable while loading");
        return false;
    }
    if (checksum.value() != file.entry.checksum) {
        file.problem = DataFileProblem::Checksum;
        file.detail = describe(file, "checksum differs from manifest.txt (corrupt file)");
        return false;
    }
    return true;
}

}  // namespace kavro
