// INFLECTS.SEC: 40-byte slots in five sections, data records first in each, then filler.
#include "tools/mkdata/package_bytes.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {
namespace {

constexpr std::size_t kSlotSize = 40;
constexpr std::size_t kFieldsAt = 4, kKeyAt = 20, kLengthAt = 24, kEndingAt = 28, kAgeAt = 36,
                      kFrequencyAt = 37;
constexpr std::size_t kEndingWidth = 7;

bool isFiller(const std::string& bytes, std::size_t base) {
    for (std::size_t i = 0; i < kSlotSize; ++i) {
        const char expected = (i >= kEndingAt && i < kEndingAt + kEndingWidth) ? ' ' : '\0';
        if (bytes[base + i] != expected) return false;
    }
    return true;
}

class SlotDecoder {
public:
    SlotDecoder(const std::string& bytes, std::size_t index, const std::string& file)
        : bytes_(bytes), base_(index * kSlotSize), file_(file) {
        r_.slot = index + 1;
    }

    PackageInflection decode() {
        r_.partOfSpeech = code(0, partOfSpeechNames(), "part of speech");
        readGrammar();
        const std::uint32_t key = readLe32(bytes_, base_ + kKeyAt);
        if (key < 1 || key > 4) fail("bad stem key " + std::to_string(key));
        r_.stemKey = static_cast<std::uint8_t>(key);
        readEnding();
        r_.age = code(kAgeAt, ageLetters(), "age");
        r_.frequency = code(kFrequencyAt, frequencyLetters(), "frequency");
        return r_;
    }

private:
    [[noreturn]] void fail(const std::string& what) { throw recordError(file_, r_.slot, what); }

    std::uint8_t code(std::size_t at, NameList list, const char* field) {
        return enumByte(bytes_, base_ + at, list, file_, r_.slot, field);
    }
    void declension() {
        r_.which = smallNumber(bytes_, base_ + kFieldsAt, file_, r_.slot, "declension");
        r_.variant = smallNumber(bytes_, base_ + kFieldsAt + 4, file_, r_.slot, "variant");
    }
    void grammar(int index, std::size_t at, NameList list, const char* field) {
        r_.grammar[index] = code(kFieldsAt + at, list, field);
    }
    void declined() {   // case, number, gender at offsets 12..14
        declension();
        grammar(0, 8, caseNames(), "case");
        grammar(1, 9, numberNames(), "number");
        grammar(2, 10, genderNames(), "gender");
    }

    void readGrammar() {
        switch (r_.partOfSpeech) {
        case pos::N: case pos::PRON: case pos::SUPINE: declined(); break;
        case pos::ADJ: declined(); grammar(3, 11, comparisonNames(), "comparison"); break;
        case pos::NUM: declined(); grammar(3, 11, numeralSortNames(), "numeral sort"); break;
        case pos::V:
            declension();
            grammar(0, 8, tenseNames(), "tense");
            grammar(1, 9, voiceNames(), "voice");
            grammar(2, 10, moodNames(), "mood");
            r_.grammar[3] = byteAt(bytes_, base_ + kFieldsAt + 11);
            if (r_.grammar[3] > 3) fail("bad person " + std::to_string(r_.grammar[3]));
            grammar(4, 12, numberNames(), "number");
            break;
        case pos::VPAR:
            declined();
            grammar(3, 11, tenseNames(), "tense");
            grammar(4, 12, voiceNames(), "voice");
            grammar(5, 13, moodNames(), "mood");
            break;
        case pos::ADV: grammar(3, 0, comparisonNames(), "comparison"); break;
        case pos::PREP: grammar(0, 0, caseNames(), "case"); break;
        case pos::CONJ: case pos::INTERJ: break;
        default: fail("unexpected part of speech " + std::to_string(r_.partOfSpeech));
        }
    }

    void readEnding() {
        const std::uint32_t length = readLe32(bytes_, base_ + kLengthAt);
        if (length > kEndingWidth) fail("bad ending length " + std::to_string(length));
        r_.ending = bytes_.substr(base_ + kEndingAt, length);
        for (char c : r_.ending)
            if (c < 'a' || c > 'z') fail("ending '" + r_.ending + "' is not lower-case letters");
    }

    const std::string& bytes_;
    std::size_t base_;
    const std::string& file_;
    PackageInflection r_;
};

}  // namespace

std::vector<PackageInflection> decodeInflections(const std::string& bytes,
                                                 const std::string& name) {
    if (bytes.empty()) throw DataError(name + ": the file is empty");
    if (bytes.size() % kSlotSize != 0)
        throw recordError(name, bytes.size() / kSlotSize + 1,
                          "truncated (file size " + std::to_string(bytes.size()) +
                              " is not a multiple of " + std::to_string(kSlotSize) + ")");
    std::vector<PackageInflection> records;
    for (std::size_t i = 0; i < bytes.size() / kSlotSize; ++i)
        if (!isFiller(bytes, i * kSlotSize)) records.push_back(SlotDecoder(bytes, i, name).decode());
    if (records.empty()) throw DataError(name + ": no inflection records");
    return records;
}

std::vector<PackageInflection> readInflections(const std::filesystem::path& file) {
    return decodeInflections(readWholeFile(file), file.string());
}

}  // namespace kavro::mkdata
