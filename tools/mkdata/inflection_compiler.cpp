#include "tools/mkdata/inflection_compiler.h"

#include <algorithm>
#include <cstring>

#include "core/fixed_text.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/meaning_text.h"
#include "tools/mkdata/package_codes.h"

namespace kavro::mkdata {
namespace {

constexpr std::size_t kComparisonByte = 3;   // grammar index of the adverb's comparison
constexpr std::uint8_t kMasculine = 1, kNeuter = 3, kMascNeuter = 5;   // gender codes
constexpr std::uint8_t kFutureTense = 3, kPassiveVoice = 2;

int compareEndings(const InflectionRecord& a, const InflectionRecord& b) {
    return std::strcmp(a.ending, b.ending);
}

// Adverbs with a comparison of their own come before the comparison-X ones.
int adverbRank(const InflectionRecord& r) {
    return r.partOfSpeech == pos::ADV && r.grammar4 == 0 ? 1 : 0;
}

bool inflectionLess(const InflectionRecord& a, const InflectionRecord& b) {
    const int c = compareEndings(a, b);
    if (c != 0) return c < 0;
    if (a.partOfSpeech != b.partOfSpeech) return a.partOfSpeech < b.partOfSpeech;
    return adverbRank(a) < adverbRank(b);
}

bool isGerundive(const InflectionRecord& r) {
    return r.partOfSpeech == pos::VPAR && r.grammar4 == kFutureTense && r.grammar5 == kPassiveVoice;
}

// Two records that differ in nothing but their gender, one masculine and the other neuter.
bool masculineNeuterPair(const InflectionRecord& a, const InflectionRecord& b) {
    const bool genders = (a.grammar3 == kMasculine && b.grammar3 == kNeuter) ||
                         (a.grammar3 == kNeuter && b.grammar3 == kMasculine);
    return genders && a.partOfSpeech == b.partOfSpeech && a.which == b.which &&
           a.variant == b.variant && a.grammar1 == b.grammar1 && a.grammar2 == b.grammar2 &&
           a.grammar4 == b.grammar4 && a.grammar5 == b.grammar5 && a.grammar6 == b.grammar6 &&
           a.stemKey == b.stemKey && a.ageLevel == b.ageLevel && a.rarityStep == b.rarityStep &&
           compareEndings(a, b) == 0;
}

}  // namespace

std::size_t mergeGerundiveGenders(std::vector<InflectionRecord>& records) {
    std::size_t merged = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!isGerundive(records[i])) continue;
        for (std::size_t j = i + 1; j < records.size(); ++j) {
            if (!masculineNeuterPair(records[i], records[j])) continue;
            records[i].grammar3 = kMascNeuter;
            records.erase(records.begin() + static_cast<std::ptrdiff_t>(j));
            ++merged;
            break;
        }
    }
    return merged;
}

InflectionRecord inflectionRecordOf(const PackageInflection& p) {
    InflectionRecord r{};
    r.partOfSpeech = p.partOfSpeech;
    r.which = p.which;
    r.variant = p.variant;
    r.grammar1 = p.grammar[0];
    r.grammar2 = p.grammar[1];
    r.grammar3 = p.grammar[2];
    r.grammar4 = p.grammar[3];
    r.grammar5 = p.grammar[4];
    r.grammar6 = p.grammar[5];
    r.stemKey = p.stemKey;
    if (p.partOfSpeech == pos::ADV && p.grammar[kComparisonByte] != 0)
        r.stemKey = p.grammar[kComparisonByte];   // POS 1, COMP 2, SUPER 3
    r.ageLevel = engineAgeLevel(p.age);
    if (p.partOfSpeech == pos::V && p.frequency > 0)
        r.rarityStep = static_cast<std::uint8_t>(p.frequency - 1);
    if (p.ending.size() >= sizeof(r.ending))
        throw recordError("INFLECTS.SEC", p.slot, "ending '" + p.ending + "' is too long");
    copyField(r.ending, foldLatinLetters(p.ending));   // "jus" is looked up as "ius"
    return r;
}

std::vector<InflectionRecord> compileInflections(const std::vector<PackageInflection>& records) {
    std::vector<InflectionRecord> out;
    out.reserve(records.size());
    for (const auto& p : records) out.push_back(inflectionRecordOf(p));
    mergeGerundiveGenders(out);
    std::stable_sort(out.begin(), out.end(), inflectionLess);
    checkInflectionOrder(out);
    return out;
}

void checkInflectionOrder(const std::vector<InflectionRecord>& records) {
    for (std::size_t i = 1; i < records.size(); ++i) {
        const int c = compareEndings(records[i - 1], records[i]);
        if (c > 0 || (c == 0 && records[i - 1].partOfSpeech > records[i].partOfSpeech))
            throw DataError("inflects.dat record " + std::to_string(i) +
                            ": out of order (ending '" + records[i].ending + "', part of speech " +
                            std::to_string(records[i].partOfSpeech) + ")");
    }
}

}  // namespace kavro::mkdata
