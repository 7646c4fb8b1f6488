#include "tools/mkdata/addon_compiler.h"

#include <algorithm>
#include <cstring>

#include "core/fixed_text.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/meaning_text.h"
#include "tools/mkdata/package_codes.h"

namespace kavro::mkdata {
namespace {

enum Column { kKey, kBase, kMove, kKind1, kKind2, kEnglish };

std::uint8_t smallValue(const SourceLine& line, int column, const std::string& name) {
    const std::string& f = line.fields[column];
    if (f.empty() || f.size() > 2 || f.find_first_not_of("0123456789") != std::string::npos)
        throw DataError(name + " line " + std::to_string(line.number) + ": '" + f +
                        "' is not a small number");
    return static_cast<std::uint8_t>(std::stoi(f));
}

AddonRecord addonRecord(const PackageTackon& t, const SourceLine& line, const std::string& name) {
    AddonRecord a{};
    a.unused0 = pos::TACKON;
    a.kind1 = smallValue(line, kKind1, name);
    a.kind2 = smallValue(line, kKind2, name);
    a.basePartOfSpeech = t.basePartOfSpeech;
    a.baseWhich = t.baseWhich;
    a.baseVariant = t.baseVariant;
    a.moveFlag = smallValue(line, kMove, name);
    const std::string key = foldLatinLetters(t.key);
    const std::string& english = line.fields[kEnglish];
    if (key.empty() || key.size() >= sizeof(a.key))
        throw recordError("ADDONS.LAT", t.record, "tackon key '" + key + "' does not fit");
    if (english.empty() || english.size() >= sizeof(a.english))
        throw DataError(name + " line " + std::to_string(line.number) +
                        ": the English is empty or longer than " +
                        std::to_string(sizeof(a.english) - 1) + " characters");
    copyField(a.key, key);
    copyField(a.english, english);
    return a;
}

// The analyser's tempaddons keeps at most 9 addons of one key.
constexpr std::size_t kMostAddonsOfOneKey = 9;

void checkEqualKeyRuns(const std::vector<AddonRecord>& sorted) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        run = i > 0 && std::strcmp(sorted[i - 1].key, sorted[i].key) == 0 ? run + 1 : 1;
        if (run > kMostAddonsOfOneKey)
            throw DataError(std::string("addons.dat: more than ") +
                            std::to_string(kMostAddonsOfOneKey) + " tackons '" + sorted[i].key + "'");
    }
}

}  // namespace

std::vector<AddonRecord> compileAddons(const std::vector<PackageTackon>& tackons,
                                       const std::vector<SourceLine>& english,
                                       const std::string& englishName) {
    std::vector<bool> used(english.size(), false);
    std::vector<AddonRecord> out;
    for (const PackageTackon& t : tackons) {
        std::size_t found = english.size();
        for (std::size_t i = 0; i < english.size(); ++i)
            if (!used[i] && english[i].fields[kKey] == t.key && english[i].fields[kBase] == t.baseEntry) {
                found = i;
                break;
            }
        if (found == english.size())
            throw recordError("ADDONS.LAT", t.record, "tackon '" + t.key + "' on '" + t.baseEntry +
                                                          "' has no English in " + englishName);
        used[found] = true;
        out.push_back(addonRecord(t, english[found], englishName));
    }
    for (std::size_t i = 0; i < english.size(); ++i)
        if (!used[i])
            throw DataError(englishName + " line " + std::to_string(english[i].number) +
                            ": no tackon '" + english[i].fields[kKey] + "' on '" +
                            english[i].fields[kBase] + "' in ADDONS.LAT");
    std::stable_sort(out.begin(), out.end(), [](const AddonRecord& a, const AddonRecord& b) {
        return std::strcmp(a.key, b.key) < 0;
    });
    checkEqualKeyRuns(out);
    return out;
}

}  // namespace kavro::mkdata
