// The one error of the lexicon compiler: a source that is missing, truncated or does not decode,
// or a record that does not fit its table. The message names the file and the record.
#pragma once

#include <stdexcept>
#include <string>

namespace kavro::mkdata {

class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "<file> record <n>: <what>" (records counted from 1, as the package's own tools count them).
inline DataError recordError(const std::string& file, std::size_t record, const std::string& what) {
    return DataError(file + " record " + std::to_string(record) + ": " + what);
}

}  // namespace kavro::mkdata
