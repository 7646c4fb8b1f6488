#include "tools/mkdata/extra_entries.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/meaning_text.h"
#include "tools/mkdata/package_codes.h"
#include "user/user_dictionary.h"

namespace kavro::mkdata {
namespace {

constexpr const char* kNoStem = "zzz";
constexpr std::uint8_t kPackageGenders = 5;       // X M F N C
constexpr std::uint8_t kPackageNounKinds = 10;    // X S M A G N P T L W
constexpr std::uint8_t kPackageComparisons = 4;   // X POS COMP SUPER

// Keeps the text of the last box the parser showed, to say why a line was refused.
class RecordingHost : public SilentHost {
public:
    BoxAnswer message(std::string_view text, BoxKind kind) override {
        last = text;
        while (!last.empty() && (last.back() == '\n' || last.back() == ' ')) last.pop_back();
        return SilentHost::message(text, kind);
    }
    std::string last;
};

// An engine with nothing loaded: all that parseUserLine needs.
struct LineParser {
    Lexicon lexicon;
    ViewOptions options;
    RecordingHost host;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>(lexicon, options, host, ".");
};

DataError lineError(const std::string& name, std::size_t line, const std::string& what) {
    return DataError(name + " line " + std::to_string(line) + ": " + what);
}

bool isSkipped(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line.compare(first, 2, "--") == 0;
}

// The third field of "stems / grammar / English", trimmed.
std::string englishField(const std::string& line) {
    const std::size_t second = line.find('/', line.find('/') + 1);
    std::string text = line.substr(second + 1);
    const std::size_t first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The package noun kind whose engine code is `engineKind`, if any.
std::optional<std::uint8_t> packageNounKind(std::uint8_t engineKind) {
    for (std::uint8_t k = 0; k < kPackageNounKinds; ++k)
        if (engineNounKind(k) == engineKind) return k;
    return std::nullopt;
}

bool isGraded(const StemRecord& s) {
    return (s.partOfSpeech == pos::ADJ || s.partOfSpeech == pos::ADV) &&
           (s.genderOrKind == comparison_type::Comparative ||
            s.genderOrKind == comparison_type::Superlative);
}

// The package's grammar fields of the entry; an error text when they have no package code.
std::string takeGrammar(const StemRecord& s, PackageEntry& e) {
    e.partOfSpeech = s.partOfSpeech == pos::VPAR ? pos::V : s.partOfSpeech;
    e.which = s.which;
    e.variant = s.variant;
    switch (e.partOfSpeech) {
    case pos::N: {
        if (s.genderOrKind >= kPackageGenders) return "the gender is not one of X M F N C";
        const auto kind = packageNounKind(s.sort);
        if (!kind) return "the noun kind has no dictionary code";
        e.kind = s.genderOrKind;
        e.nounKind = *kind;
        return "";
    }
    case pos::ADJ: case pos::ADV:
        if (s.genderOrKind >= kPackageComparisons) return "the comparison is not one of X POS COMP SUPER";
        e.kind = s.genderOrKind;
        return "";
    case pos::V: e.kind = s.sort & 0x0F; return "";
    case pos::CONJ: case pos::INTERJ: return "";
    default: return "only nouns, adjectives, adverbs, verbs, conjunctions and interjections are taken";
    }
}

// The entry of one parsed line: the stems in their slots ("zzz" for a NULL one, blank after the
// last stem, as the package has them), the grammar and codes of the first stem record.
PackageEntry entryOf(const std::vector<StemRecord>& stems, std::size_t line, std::string english,
                     const std::string& name) {
    if (stems.empty()) throw lineError(name, line, "every stem is NULL");
    PackageEntry e;
    e.record = line;
    const std::string problem = takeGrammar(stems.front(), e);
    if (!problem.empty()) throw lineError(name, line, problem);
    for (const StemRecord& s : stems) {
        const int slot = isGraded(s) ? 0 : s.stemKey - 1;
        if (slot < 0 || slot >= static_cast<int>(e.stems.size()))
            throw lineError(name, line, "more stems than the part of speech has");
        e.stems[slot] = fieldText(s.stem);
        e.slotsUsed = std::max(e.slotsUsed, slot + 1);
    }
    for (int slot = 0; slot < e.slotsUsed; ++slot)   // slots after the last stay blank
        if (e.stems[slot].empty()) e.stems[slot] = kNoStem;
    e.age = stems.front().ageLevel;
    e.area = stems.front().areaFrequency >> 4;
    e.frequency = stems.front().areaFrequency & 0x0F;
    e.meaning = std::move(english);
    if (e.meaning.empty()) throw lineError(name, line, "the English is empty");
    if (e.meaning.front() == '|') throw lineError(name, line, "the English starts with '|'");
    return e;
}

bool sameStems(const PackageEntry& a, const PackageEntry& b) {
    for (std::size_t i = 0; i < a.stems.size(); ++i)
        if (foldLatinLetters(a.stems[i]) != foldLatinLetters(b.stems[i])) return false;
    return true;
}

bool sameEntry(const PackageEntry& a, const PackageEntry& b) {
    return sameStems(a, b) && a.slotsUsed == b.slotsUsed && a.partOfSpeech == b.partOfSpeech &&
           a.which == b.which && a.variant == b.variant && a.kind == b.kind &&
           a.nounKind == b.nounKind;
}

}  // namespace

std::vector<PackageEntry> decodeExtraEntries(const std::string& text, const std::string& name) {
    LineParser parser;
    std::vector<PackageEntry> entries;
    std::istringstream in(text);
    std::size_t number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (isSkipped(line)) continue;
        line += ' ';   // as the user dictionary's loader hands on a line
        std::vector<StemRecord> stems;
        std::vector<MeaningRecord> meanings;
        parser.host.last.clear();
        parser.engine->warningBoxCount = 0;
        if (!parseUserLine(*parser.engine, line, UserFile::Main, {stems, meanings}))
            throw lineError(name, number,
                            parser.host.last.empty()
                                ? "not an entry of the form 'stems / grammar / English'"
                                : parser.host.last);
        entries.push_back(entryOf(stems, number, englishField(line), name));
    }
    return entries;
}

std::vector<PackageEntry> readExtraEntries(const std::filesystem::path& file) {
    return decodeExtraEntries(readWholeFile(file), file.string());
}

void checkNotInPackage(const std::vector<PackageEntry>& extras,
                       const std::vector<PackageEntry>& package, const std::string& name) {
    for (const PackageEntry& x : extras)
        for (const PackageEntry& p : package)
            if (sameEntry(x, p))
                throw lineError(name, x.record,
                                "DICTFILE.GEN record " + std::to_string(p.record) +
                                    " is the same entry; the line is not needed");
}

}  // namespace kavro::mkdata
