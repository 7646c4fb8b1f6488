// Our own table sources under data/: one record a line, fields separated by tabs, lines
// starting with '#' and blank lines ignored.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kavro::mkdata {

struct SourceLine {
    std::size_t number = 0;              // from 1
    std::vector<std::string> fields;
};

// Every record line of `text`; throws DataError (naming `name` and the line) when a line does
// not have exactly `fieldCount` fields.
std::vector<SourceLine> parseSourceTable(const std::string& text, const std::string& name,
                                         std::size_t fieldCount);

std::vector<SourceLine> readSourceTable(const std::filesystem::path& file, std::size_t fieldCount);

}  // namespace kavro::mkdata
