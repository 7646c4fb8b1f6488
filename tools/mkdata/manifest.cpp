#include "tools/mkdata/manifest.h"

#include <cstdio>
#include <fstream>

#include "core/checksum.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {
namespace {

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw DataError(path.string() + ": cannot be written");
}

}  // namespace

OutputFolder::OutputFolder(std::filesystem::path dir) : dir_(std::move(dir)) {
    std::error_code ec;
    std::filesystem::create_directories(dir_, ec);
    if (ec) throw DataError(dir_.string() + ": cannot create the data folder (" + ec.message() + ")");
    // A stale manifest must not vouch for a half-written folder.
    std::filesystem::remove(dir_ / "manifest.txt", ec);
}

void OutputFolder::write(const std::string& name, const std::string& bytes,
                         std::size_t recordSize, std::size_t recordCount) {
    writeFile(dir_ / name, bytes);
    entries_.push_back({name, recordSize, recordCount, dataChecksum(bytes)});
}

void OutputFolder::listWritten(const std::string& name, std::size_t recordSize) {
    const std::string bytes = readWholeFile(dir_ / name);
    if (recordSize == 0 || bytes.size() % recordSize != 0)
        throw DataError(name + ": size " + std::to_string(bytes.size()) +
                        " is not a whole number of " + std::to_string(recordSize) + "-byte records");
    entries_.push_back({name, recordSize, bytes.size() / recordSize, dataChecksum(bytes)});
}

void OutputFolder::writeManifest(const std::vector<std::string>& comments) const {
    std::string text;
    for (const auto& c : comments) text += "# " + c + "\n";
    for (const auto& e : entries_) text += manifestLine(e) + "\n";
    writeFile(dir_ / "manifest.txt", text);
}

std::string manifestLine(const ManifestEntry& e) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(e.checksum));
    return e.name + " " + std::to_string(e.recordSize) + " " + std::to_string(e.recordCount) +
           " " + hex;
}

std::size_t countLines(const std::string& text) {
    std::size_t lines = 0;
    for (char c : text) lines += c == '\n';
    if (!text.empty() && text.back() != '\n') ++lines;
    return lines;
}

}  // namespace kavro::mkdata
