#include "tools/mkdata/source_table.h"

#include <sstream>

#include "tools/mkdata/data_error.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {

std::vector<SourceLine> parseSourceTable(const std::string& text, const std::string& name,
                                         std::size_t fieldCount) {
    std::vector<SourceLine> lines;
    std::istringstream in(text);
    std::size_t number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        SourceLine s{number, {}};
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            s.fields.push_back(line.substr(start, tab - start));
        s.fields.push_back(line.substr(start));
        if (s.fields.size() != fieldCount)
            throw DataError(name + " line " + std::to_string(number) + ": expected " +
                            std::to_string(fieldCount) + " tab-separated fields, found " +
                            std::to_string(s.fields.size()));
        lines.push_back(std::move(s));
    }
    return lines;
}

std::vector<SourceLine> readSourceTable(const std::filesystem::path& file, std::size_t fieldCount) {
    return parseSourceTable(readWholeFile(file), file.string(), fieldCount);
}

}  // namespace kavro::mkdata
