#include "tools/mkdata/phonetic_compiler.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "job/fixed_text.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/meaning_text.h"

namespace kavro::mkdata {
namespace {

constexpr std::size_t kKeyLimit = sizeof(PhoneticRecord::key) - 1;

std::string lowerFolded(std::string_view text) {
    std::string s = foldLatinLetters(text);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The letter (or nothing) that the normalisation writes for position i; `skip` is set to the
// number of further input letters the rule consumed.
std::string_view soundAt(const std::string& s, std::size_t i, bool wholeWord, std::size_t& skip) {
    skip = 0;
    const char c = s[i];
    const char next = i + 1 < s.size() ? s[i + 1] : '\0';
    const bool nextEndsWord = wholeWord && i + 2 == s.size();
    if (c == 'a' && next == 'e' && !nextEndsWord) { skip = 1; return "e"; }
    if (c == 'o' && next == 'e') { skip = 1; return "e"; }
    if (c == 'p' && next == 'h') { skip = 1; return "f"; }
    if (c == 'm' && next == 'n') { skip = 1; return "n"; }
    if ((c == 'c' || c == 'd') && i > 0) return "t";
    if (c == 'z' && i > 0) return "s";
    if (c == 'h') return "";
    if (c == 'y') return "i";
    return std::string_view(&s[i], 1);
}

bool keyLess(const PhoneticRecord& a, const PhoneticRecord& b) {
    const int c = std::strcmp(a.key, b.key);
    return c != 0 ? c < 0 : a.stemRecord < b.stemRecord;
}

}  // namespace

std::string phoneticKey(std::string_view text, bool wholeWord) {
    const std::string s = lowerFolded(text);
    std::string key;
    for (std::size_t i = 0; i < s.size(); ++i) {
        std::size_t skip = 0;
        for (char out : soundAt(s, i, wholeWord, skip))
            if (key.empty() || key.back() != out) key += out;
        i += skip;
    }
    return key.empty() ? "h" : key;
}

std::vector<PhoneticRecord> compilePhonetics(const std::vector<StemRecord>& stems) {
    std::vector<PhoneticRecord> out;
    out.reserve(stems.size());
    for (std::size_t i = 0; i < stems.size(); ++i) {
        const std::string_view stem = fieldText(stems[i].stem);
        if (stem == ".") continue;
        const std::string key = phoneticKey(stem, false);
        if (key.size() > kKeyLimit)
            throw DataError("phoneticuk.dat: the key of dictUK.dat record " + std::to_string(i) +
                            " ('" + std::string(stem) + "') is longer than " +
                            std::to_string(kKeyLimit));
        PhoneticRecord r{};
        copyField(r.key, key);
        r.stemRecord = static_cast<std::uint32_t>(i);
        r.meaningIndex = stems[i].meaningIndex;
        r.partOfSpeech = stems[i].partOfSpeech;
        r.stemKey = stems[i].stemKey;
        r.keyLength = static_cast<std::uint8_t>(key.size());
        r.stemLength = static_cast<std::uint8_t>(stem.size());
        out.push_back(r);
    }
    std::sort(out.begin(), out.end(), keyLess);
    return out;
}

}  // namespace kavro::mkdata
