#include "tools/mkdata/phonetic_compiler.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/fixed_text.h"
#include "tools/mkdata/data_error.h"

namespace kavro::mkdata {
namespace {

constexpr std::size_t kKeyLimit = kPhoneticKeySize - 1;

bool keyLess(const PhoneticRecord& a, const PhoneticRecord& b) {
    const int c = std::strcmp(a.key, b.key);
    return c != 0 ? c < 0 : a.stemRecord < b.stemRecord;
}

}  // namespace

std::vector<PhoneticRecord> compilePhonetics(const std::vector<StemRecord>& stems) {
    std::vector<PhoneticRecord> out;
    out.reserve(stems.size());
    for (std::size_t i = 0; i < stems.size(); ++i) {
        const std::string_view stem = fieldText(stems[i].stem);
        if (stem == ".") continue;
        PhoneticRecord r{};
        const std::size_t keyLength = phoneticKey(stem, false, r.key);
        if (keyLength > kKeyLimit)
            throw DataError("phoneticuk.dat: the key of dictUK.dat record " + std::to_string(i) +
                            " ('" + std::string(stem) + "') is longer than " +
                            std::to_string(kKeyLimit));
        r.stemRecord = static_cast<std::uint32_t>(i);
        r.meaningIndex = stems[i].meaningIndex;
        r.partOfSpeech = stems[i].partOfSpeech;
        r.stemKey = stems[i].stemKey;
        r.keyLength = static_cast<std::uint8_t>(keyLength);
        r.stemLength = static_cast<std::uint8_t>(stem.size());
        out.push_back(r);
    }
    std::sort(out.begin(), out.end(), keyLess);
    return out;
}

}  // namespace kavro::mkdata
