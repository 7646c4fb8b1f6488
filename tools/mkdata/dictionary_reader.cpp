// DICTFILE.GEN: 180-byte records, one per dictionary entry (see the package's format notes).
#include <cctype>

#include "tools/mkdata/package_bytes.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {
namespace {

constexpr std::size_t kEntrySize = 180;
constexpr std::size_t kPosAt = 72, kFieldsAt = 76, kCodesAt = 92, kMeaningAt = 97;
constexpr std::size_t kMeaningWidth = 80;

std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

void readStems(const std::string& bytes, std::size_t base, PackageEntry& e, const std::string& file) {
    for (int k = 0; k < 4; ++k) {
        e.stems[k] = trimRight(bytes.substr(base + k * kPackageStemWidth, kPackageStemWidth));
        for (unsigned char c : e.stems[k])
            if (!std::isalpha(c))
                throw recordError(file, e.record, "stem " + std::to_string(k + 1) +
                                                      " holds a character that is not a letter");
        if (!e.stems[k].empty()) e.slotsUsed = k + 1;
    }
    if (e.slotsUsed == 0) throw recordError(file, e.record, "entry without any stem");
}

void readPartFields(const std::string& bytes, std::size_t base, PackageEntry& e,
                    const std::string& file) {
    const std::size_t f = base + kFieldsAt;
    auto number = [&](std::size_t at, const char* what) {
        return smallNumber(bytes, at, file, e.record, what);
    };
    switch (e.partOfSpeech) {
    case pos::N:
        e.which = number(f, "declension");
        e.variant = number(f + 4, "variant");
        e.kind = enumByte(bytes, f + 8, genderNames(), file, e.record, "gender");
        e.nounKind = enumByte(bytes, f + 9, nounKindLetters(), file, e.record, "noun kind");
        break;
    case pos::PRON: case pos::PACK:
        e.which = number(f, "declension");
        e.variant = number(f + 4, "variant");
        e.kind = enumByte(bytes, f + 8, pronounKindNames(), file, e.record, "pronoun kind");
        break;
    case pos::ADJ:
        e.which = number(f, "declension");
        e.variant = number(f + 4, "variant");
        e.kind = enumByte(bytes, f + 8, comparisonNames(), file, e.record, "comparison");
        break;
    case pos::NUM:
        e.which = number(f, "declension");
        e.variant = number(f + 4, "variant");
        e.kind = enumByte(bytes, f + 8, numeralSortNames(), file, e.record, "numeral sort");
        e.numeralValue = readLe32(bytes, f + 12);
        break;
    case pos::V:
        e.which = number(f, "conjugation");
        e.variant = number(f + 4, "variant");
        e.kind = enumByte(bytes, f + 8, verbKindNames(), file, e.record, "verb kind");
        break;
    case pos::ADV:
        e.kind = enumByte(bytes, f, comparisonNames(), file, e.record, "comparison");
        break;
    case pos::PREP:
        e.kind = enumByte(bytes, f, caseNames(), file, e.record, "case");
        break;
    case pos::CONJ: case pos::INTERJ:
        break;
    default:
        throw recordError(file, e.record, "unexpected part of speech " +
                                              std::to_string(e.partOfSpeech));
    }
}

void readMeaning(const std::string& bytes, std::size_t base, PackageEntry& e,
                 const std::string& file) {
    std::string field = bytes.substr(base + kMeaningAt, kMeaningWidth);
    const std::size_t cr = field.find('\r');
    if (cr != std::string::npos) {
        if (field.find_first_not_of(' ', cr + 1) != std::string::npos)
            throw recordError(file, e.record, "meaning continues after its line end");
        field.resize(cr);
    }
    for (unsigned char c : field)
        if (c < 0x20 || c == 0x7F)
            throw recordError(file, e.record, "meaning holds a control character");
    e.meaning = trimRight(field);
}

PackageEntry decodeEntry(const std::string& bytes, std::size_t index, const std::string& file) {
    const std::size_t base = index * kEntrySize;
    PackageEntry e;
    e.record = index + 1;
    readStems(bytes, base, e, file);
    e.partOfSpeech = enumByte(bytes, base + kPosAt, partOfSpeechNames(), file, e.record,
                              "part of speech");
    readPartFields(bytes, base, e, file);
    const std::size_t c = base + kCodesAt;
    e.age = enumByte(bytes, c, ageLetters(), file, e.record, "age");
    e.area = enumByte(bytes, c + 1, areaLetters(), file, e.record, "area");
    e.geo = enumByte(bytes, c + 2, geoLetters(), file, e.record, "geo");
    e.frequency = enumByte(bytes, c + 3, frequencyLetters(), file, e.record, "frequency");
    e.source = enumByte(bytes, c + 4, sourceLetters(), file, e.record, "source");
    readMeaning(bytes, base, e, file);
    return e;
}

}  // namespace

std::vector<PackageEntry> decodeDictionary(const std::string& bytes, const std::string& name) {
    if (bytes.empty()) throw DataError(name + ": the file is empty");
    if (bytes.size() % kEntrySize != 0)
        throw recordError(name, bytes.size() / kEntrySize + 1,
                          "truncated (file size " + std::to_string(bytes.size()) +
                              " is not a multiple of " + std::to_string(kEntrySize) + ")");
    std::vector<PackageEntry> entries;
    entries.reserve(bytes.size() / kEntrySize);
    for (std::size_t i = 0; i < bytes.size() / kEntrySize; ++i)
        entries.push_back(decodeEntry(bytes, i, name));
    return entries;
}

std::vector<PackageEntry> readDictionary(const std::filesystem::path& file) {
    return decodeDictionary(readWholeFile(file), file.string());
}

}  // namespace kavro::mkdata
