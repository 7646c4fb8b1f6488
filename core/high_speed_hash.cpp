#include "core/high_speed_hash.h"

#include <array>
#include <cmath>
#include <cstring>

#include "core/fixed_text.h"

namespace kavro {
namespace {

// The substitution of the file's texts: printable code c (32..127) stands in the file for the
// code 32 + (kCipherStep * (c - 32) + kCipherShift) mod 96. kCipherStep is prime to 96, so this
// is a permutation of the 96 codes.
constexpr int kFirstCipherCode = 32;
constexpr int kCipherCodes = 96;
constexpr int kCipherStep = 37;
constexpr int kCipherShift = 11;
constexpr std::string_view kSentinelKey = "-1";

constexpr std::array<char, kCipherCodes> encipherTable() {
    std::array<char, kCipherCodes> table{};
    for (int i = 0; i < kCipherCodes; ++i)
        table[i] = static_cast<char>(kFirstCipherCode + (kCipherStep * i + kCipherShift) % kCipherCodes);
    return table;
}

constexpr std::array<char, kCipherCodes> decipherTable() {
    const auto forward = encipherTable();
    std::array<char, kCipherCodes> table{};
    for (int i = 0; i < kCipherCodes; ++i) table[forward[i] - kFirstCipherCode] = static_cast<char>(kFirstCipherCode + i);
    return table;
}

constexpr auto kEncipher = encipherTable();
constexpr auto kDecipher = decipherTable();

char substitute(const std::array<char, kCipherCodes>& table, char c) {
    const int code = static_cast<unsigned char>(c);
    if (code < kFirstCipherCode || code >= kFirstCipherCode + kCipherCodes) return c;
    return table[code - kFirstCipherCode];
}

template <std::size_t N>
void substituteField(const std::array<char, kCipherCodes>& table, char (&field)[N]) {
    for (std::size_t i = 0; i < N && field[i] != '\0'; ++i) field[i] = substitute(table, field[i]);
}

void appendKey(HighSpeedHash& hash, std::string_view key, std::size_t firstRecord) {
    HashIndexKey entry{};
    copyField(entry.form, key);
    entry.firstRecord = firstRecord;
    hash.keys.push_back(entry);
}

}  // namespace

char decipherHashChar(char c) { return substitute(kDecipher, c); }
char encipherHashChar(char c) { return substitute(kEncipher, c); }

void decipherHashRecord(WordAnalysis& record) {
    substituteField(kDecipher, record.analysedForm);
    substituteField(kDecipher, record.english);
}

void encipherHashRecord(WordAnalysis& record) {
    substituteField(kEncipher, record.analysedForm);
    substituteField(kEncipher, record.english);
}

std::string hashKeyOf(std::string_view form) {
    std::string key;
    for (const char c : form)
        if (c != '.') key += c;
    return key;
}

double indexHashRecords(HighSpeedHash& hash) {
    hash.keys.clear();
    std::string current(kSentinelKey);
    std::size_t runStart = 0;
    std::size_t appended = 0;
    for (std::size_t i = 0; i < hash.records.size(); ++i) {
        std::string key = hashKeyOf(fieldText(hash.records[i].analysedForm));
        if (key == current || current.size() > kHashKeySize) continue;
        appendKey(hash, current, runStart);
        ++appended;
        current = std::move(key);
        runStart = i;
    }
    appendKey(hash, current, runStart);
    if (hash.expectedForms == 0) return 0.0;
    const double share = 100.0 * static_cast<double>(appended) / static_cast<double>(hash.expectedForms);
    return std::round(share * 100.0) / 100.0;
}

}  // namespace kavro
