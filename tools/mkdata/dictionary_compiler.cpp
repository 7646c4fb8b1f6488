#include "tools/mkdata/dictionary_compiler.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "core/fixed_text.h"
#include "morph/citation_form.h"
#include "morph/phonetic_search.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/meaning_text.h"
#include "tools/mkdata/package_codes.h"

namespace kavro::mkdata {
namespace {

constexpr std::size_t kStemLimit = sizeof(StemRecord::stem) - 1;
constexpr std::size_t kHalfLimit = sizeof(MeaningRecord::english) - 1;
constexpr std::uint8_t kPositive = 1, kComp = 2, kSuper = 3;
constexpr std::uint8_t kComparativeKey = 3, kSuperlativeKey = 4;
// A stem the compiler makes stays within what every table keyed by stems holds (the phonetic
// keys are the narrowest).
constexpr std::size_t kLongestMadeStem = std::min(kStemLimit, kPhoneticKeySize - 1);
constexpr std::uint8_t kProperNoun = 4, kLocale = 5;
constexpr std::uint8_t kPluralOnly = 2;
constexpr std::uint8_t kSingular = 1, kPlural = 2;   // number codes
constexpr std::uint8_t kCardinalKey = 1;             // a numeral's cardinal stem
constexpr std::uint32_t kValueOne = 1;
constexpr const char* kEmptyStemText = ".";

bool sameStemsAndGrammar(const PackageEntry& a, const PackageEntry& b) {
    return a.stems == b.stems && a.partOfSpeech == b.partOfSpeech && a.which == b.which &&
           a.variant == b.variant && a.kind == b.kind && a.nounKind == b.nounKind &&
           a.numeralValue == b.numeralValue;
}

// The stem key of a one-stem entry, which depends on its comparison or numeral sort.
std::uint8_t singleStemKey(const PackageEntry& e) {
    switch (e.partOfSpeech) {
    case pos::ADJ: return e.kind == kComp ? 3 : e.kind == kSuper ? 4 : 1;
    case pos::ADV: return e.kind == kComp ? 2 : e.kind == kSuper ? 3 : 1;
    case pos::NUM: return e.kind == 0 ? 1 : e.kind;   // CARD 1, ORD 2, DIST 3, ADVERB 4
    default: return 1;
    }
}

bool takesMergedKey(const PackageEntry& e) {
    return (e.partOfSpeech == pos::N || e.partOfSpeech == pos::ADJ || e.partOfSpeech == pos::V) &&
           e.stemExists(0) && e.stemExists(1) && e.stems[0] == e.stems[1];
}

std::uint8_t numberRestrictionOf(const PackageEntry& e) {
    if (e.partOfSpeech != pos::N) return 0;
    const std::uint8_t kind = engineNounKind(e.nounKind);
    if (kind != kProperNoun && kind != kLocale) return 0;
    const std::string first = e.meaning.substr(0, e.meaning.find_first_of(";,"));
    return first.find("(pl.)") != std::string::npos ? kPluralOnly : 0;
}

// The grammar bytes shared by all stem records of an entry.
StemRecord grammarRecord(const PackageEntry& e) {
    StemRecord r{};
    r.partOfSpeech = e.partOfSpeech;
    r.which = e.which;
    r.variant = e.variant;
    switch (e.partOfSpeech) {
    case pos::N:
        r.genderOrKind = e.kind;
        r.sort = engineNounKind(e.nounKind);
        break;
    case pos::PRON: case pos::PACK: r.sort = e.kind; break;
    case pos::ADJ: case pos::ADV: case pos::NUM: case pos::PREP: r.genderOrKind = e.kind; break;
    case pos::V: r.sort = static_cast<std::uint8_t>(verbPartOf(e.kind) << 4 | e.kind); break;
    default: break;
    }
    r.areaFrequency = static_cast<std::uint8_t>(e.area << 4 | e.frequency);
    r.ageLevel = engineAgeLevel(e.age);
    r.numberRestriction = numberRestrictionOf(e);
    return r;
}

// The number a cardinal's forms take: singular for "one" (unus, una, unum), plural for every
// other cardinal (duo, tres, mille, and the few of no value such as ambo and tot).
std::uint8_t cardinalNumberOf(const PackageEntry& e) {
    return e.numeralValue == kValueOne ? kSingular : kPlural;
}

StemRecord stemRecord(const StemRecord& grammar, const PackageEntry& e, int slot,
                      std::uint8_t key, std::uint32_t meaningIndex) {
    StemRecord r = grammar;
    r.stemKey = key;
    r.meaningIndex = meaningIndex;
    if (e.partOfSpeech == pos::V && key == 4) r.partOfSpeech = pos::VPAR;
    if (e.partOfSpeech == pos::NUM && key == kCardinalKey) r.sort = cardinalNumberOf(e);
    std::string text = foldLatinLetters(e.stems[slot]);
    if (text.empty()) text = kEmptyStemText;
    if (text.size() > kStemLimit)
        throw recordError("DICTFILE.GEN", e.record,
                          "stem '" + text + "' is longer than " + std::to_string(kStemLimit));
    copyField(r.stem, text);
    return r;
}

// A readable Latin form for the few entries the citation tables have no row for; like every
// finished form it holds a comma (word analysis formats a form without one from stems).
std::string fallbackCitation(const PackageEntry& e) {
    if (e.partOfSpeech == pos::ADJ && e.slotsUsed == 1) {
        if (e.kind == kComp) return e.stems[0] + "or, " + e.stems[0] + "us";
        if (e.kind == kSuper) return e.stems[0] + "mus, -a -um";
    }
    std::string out;
    for (int i = 0; i < e.slotsUsed; ++i)
        if (e.stemExists(i)) out += (out.empty() ? "" : ", ") + e.stems[i];
    return out;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

bool stemLess(const StemRecord& a, const StemRecord& b) {
    const int c = std::strcmp(a.stem, b.stem);   // both NUL-terminated; plain byte order
    if (c != 0) return c < 0;
    if (a.meaningIndex != b.meaningIndex) return a.meaningIndex < b.meaningIndex;
    return a.stemKey < b.stemKey;
}

int compareBytes(const char* a, const char* b) {
    return std::strcmp(a, b);   // glibc compares as unsigned char, as required
}

std::array<LetterIndex, kLetterIndexCount> buildLetterIndex(const std::vector<StemRecord>& stems) {
    std::array<LetterIndex, kLetterIndexCount> index{};
    for (int k = 0; k < kLetterIndexCount; ++k) {
        const unsigned char letter = static_cast<unsigned char>('a' + k);   // 26 gives '{'
        const auto first = std::partition_point(stems.begin(), stems.end(), [&](const StemRecord& r) {
            return static_cast<unsigned char>(r.stem[0]) < letter;
        });
        index[k].firstRecord = static_cast<std::uint32_t>(first - stems.begin());
        if (k < 26) index[k].unused[0] = static_cast<char>(letter);
    }
    return index;
}

// An adjective given only in the positive has no comparative or superlative parts to show (the
// pronominal ones, nullus, nulla, nullum, name three genders and keep them).
bool showsComparison(const std::array<std::string, 4>& parts) {
    return parts[2].find("-or -us") != std::string::npos;
}

std::string positiveOnlyForm(const std::array<std::string, 4>& parts) {
    std::string second = parts[1];
    if (!second.empty() && second.back() == ',') second.pop_back();
    return parts[0] + " " + second;
}

}  // namespace

std::vector<DictionaryEntry> groupEntries(const std::vector<PackageEntry>& records) {
    std::vector<DictionaryEntry> entries;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const PackageEntry& r = records[i];
        const bool continues = !r.meaning.empty() && r.meaning[0] == '|' && i > 0 &&
                               sameStemsAndGrammar(records[i - 1], r);
        if (continues && !entries.empty()) {
            appendMeaningLine(entries.back().english, withoutBars(r.meaning));
            ++entries.back().lines;
            continue;
        }
        entries.push_back({&r, withoutBars(r.meaning), 1});
    }
    return entries;
}

// A regular adjective entered in the positive only (utilis, simplex, vilis, celsus) still has
// its comparative and superlative: the compiler gives it the stems the package leaves out.
// Proper adjectives (capitalised) are left alone.
struct RegularClass {
    std::uint8_t which, variant;
};
constexpr RegularClass kComparedAdjectiveClasses[] = {{1, 1}, {1, 2}, {3, 1}, {3, 2}, {3, 3}};
// Adjectives in -ilis whose superlative doubles the l: facillimus, simillimus.
constexpr std::string_view kDoubleLSuperlatives[] = {"facil", "difficil", "simil", "dissimil",
                                                    "gracil", "humil"};

bool takesComparisonStems(const PackageEntry& e) {
    if (e.partOfSpeech != pos::ADJ || e.slotsUsed != 2 || e.kind != kPositive) return false;
    if (!e.stemExists(0) || !e.stemExists(1) || e.stems[0].empty() || e.stems[1].empty()) return false;
    if (e.stems[0][0] < 'a' || e.stems[0][0] > 'z') return false;
    for (const RegularClass& c : kComparedAdjectiveClasses)
        if (e.which == c.which && e.variant == c.variant) return true;
    return false;
}

// The comparative stem (utili-, pulchri-) and the superlative stem (utilissi-, pulcherri-,
// facilli-) of such an adjective.
std::array<std::string, 2> comparisonStems(const PackageEntry& e) {
    const std::string first = foldLatinLetters(e.stems[0]), oblique = foldLatinLetters(e.stems[1]);
    const bool secondDeclensionOnly = e.which == 1 && e.variant == 1;   // severus: severissimus
    std::string superlative = oblique + "issi";
    if (first.ends_with("er") && !secondDeclensionOnly) superlative = first + "ri";   // pulcherrimus
    for (std::string_view stem : kDoubleLSuperlatives)
        if (oblique == stem) superlative = oblique + "li";
    return {oblique + "i", superlative};
}

std::vector<StemRecord> stemRecordsOf(const PackageEntry& e, std::uint32_t meaningIndex) {
    const StemRecord grammar = grammarRecord(e);
    std::vector<StemRecord> out;
    if (e.slotsUsed == 1) {
        if (e.stemExists(0)) out.push_back(stemRecord(grammar, e, 0, singleStemKey(e), meaningIndex));
        return out;
    }
    int slot = 0;
    if (takesMergedKey(e)) {
        out.push_back(stemRecord(grammar, e, 0, 0, meaningIndex));
        slot = 2;
    }
    for (; slot < e.slotsUsed; ++slot)
        if (e.stemExists(slot))
            out.push_back(stemRecord(grammar, e, slot, static_cast<std::uint8_t>(slot + 1),
                                     meaningIndex));
    if (takesComparisonStems(e)) {
        const auto stems = comparisonStems(e);
        for (std::uint8_t key : {kComparativeKey, kSuperlativeKey}) {
            StemRecord r = out.front();
            r.stemKey = key;
            r.genderOrKind = 0;   // as an entry given with all four stems
            const std::string& text = stems[key - kComparativeKey];
            if (text.size() > kLongestMadeStem) continue;   // incircumscriptibilissi-: too long
            copyField(r.stem, text);
            out.push_back(r);
        }
    }
    return out;
}

std::string citationOf(const PackageEntry& e) {
    CitationStems stems;
    for (int i = 0; i < 4; ++i) stems[i] = i < e.slotsUsed ? e.stems[i] : "";
    const StemRecord grammar = grammarRecord(e);
    std::string form = citationForm(stems, grammar);
    if (e.partOfSpeech == pos::ADJ && e.slotsUsed == 2) {
        const auto parts = citationParts(stems, grammar);
        if (showsComparison(parts)) form = positiveOnlyForm(parts);
    }
    form = trimRight(form);
    if (startsWith(form, "Not found")) form = fallbackCitation(e);
    return form;
}

MeaningRecord meaningRecordOf(const PackageEntry& e, const std::string& english) {
    MeaningRecord m{};
    copyField(m.latin, fitMeaning(citationOf(e), kHalfLimit));
    copyField(m.english, fitMeaning(english, kHalfLimit));
    return m;
}

CompiledDictionary compileDictionary(const std::vector<PackageEntry>& records) {
    CompiledDictionary out;
    out.packageRecords = records.size();
    const auto entries = groupEntries(records);
    out.meanings.reserve(entries.size());
    for (std::size_t m = 0; m < entries.size(); ++m) {
        const DictionaryEntry& entry = entries[m];
        out.continuationLines += entry.lines - 1;
        if (entry.english.size() > kHalfLimit) ++out.shortenedMeanings;
        out.meanings.push_back(meaningRecordOf(*entry.head, entry.english));
        if (entry.head->partOfSpeech == pos::PACK) {
            ++out.packEntries;
            continue;
        }
        for (const StemRecord& s : stemRecordsOf(*entry.head, static_cast<std::uint32_t>(m))) {
            if (s.stemKey == 0) ++out.mergedStems;
            out.stems.push_back(s);
        }
    }
    std::sort(out.stems.begin(), out.stems.end(), stemLess);
    out.letterIndex = buildLetterIndex(out.stems);
    checkDictionaryOrder(out.stems, out.letterIndex);
    return out;
}

void checkDictionaryOrder(const std::vector<StemRecord>& stems,
                          const std::array<LetterIndex, kLetterIndexCount>& index) {
    for (std::size_t i = 0; i < stems.size(); ++i) {
        if (stems[i].stem[0] == '\0')
            throw DataError("dictUK.dat record " + std::to_string(i) + ": empty stem");
        if (i > 0 && compareBytes(stems[i - 1].stem, stems[i].stem) > 0)
            throw DataError("dictUK.dat record " + std::to_string(i) + ": stem '" +
                            stems[i].stem + "' sorts before '" + stems[i - 1].stem + "'");
    }
    for (int k = 0; k < kLetterIndexCount; ++k) {
        const std::uint32_t first = index[k].firstRecord;
        const unsigned char letter = static_cast<unsigned char>('a' + k);
        const bool ok = first <= stems.size() &&
                        (first == stems.size() || static_cast<unsigned char>(stems[first].stem[0]) >= letter) &&
                        (first == 0 || static_cast<unsigned char>(stems[first - 1].stem[0]) < letter);
        if (!ok) throw DataError("dictUK.dat letter index " + std::to_string(k) + " is wrong");
    }
}

}  // namespace kavro::mkdata
