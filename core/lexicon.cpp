#include "core/lexicon.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/capacities.h"
#include "core/fixed_text.h"

namespace kavro {
namespace {

constexpr std::size_t kPackedBytes = sizeof(std::uint64_t);
static_assert(sizeof(InflectionRecord::ending) == kPackedBytes);
constexpr std::size_t kSlotsPerEnding = 2;   // at most half the slots used

constexpr std::uint64_t kHashMultiplier = 0x9E3779B97F4A7C15ULL;
constexpr int kFoldShift = 29;

// A packed ending has its letters in the high bytes and zeros below them: folding it onto
// itself brings every letter below the top byte, and the multiplication carries the low bits
// up into the high bits that make the slot.
std::size_t slotOf(std::uint64_t packed, std::size_t slots) {
    const std::uint64_t mixed = (packed ^ (packed >> kFoldShift)) * kHashMultiplier;
    return static_cast<std::size_t>(mixed >> (64 - std::countr_zero(slots)));
}

// The slot of `packed` in `table` (a power of two in size, never full): the one that holds it,
// or the free one where it belongs.
std::size_t findSlot(const std::vector<EndingRunSlot>& table, std::uint64_t packed) {
    const std::size_t mask = table.size() - 1;
    std::size_t slot = slotOf(packed, table.size());
    while (table[slot].count != 0 && table[slot].ending != packed) slot = (slot + 1) & mask;
    return slot;
}

// Whether the ending holds no NUL byte and fits in a packed number, as every ending does.
bool packable(std::string_view ending) {
    if (ending.size() > kPackedBytes) return false;
    for (const char c : ending)
        if (c == '\0') return false;
    return true;
}

// Records out of the order of their endings, then parts of speech: the ending search then
// bisects the records, and the fitting of a run reads all its records.
bool outOfOrder(std::uint64_t endingBefore, const InflectionRecord& before, std::uint64_t ending,
                const InflectionRecord& record) {
    if (ending != endingBefore) return ending < endingBefore;
    return record.partOfSpeech < before.partOfSpeech;
}

}  // namespace

std::uint64_t packEnding(std::string_view ending) {
    char bytes[kPackedBytes] = {};
    if (!ending.empty()) std::memcpy(bytes, ending.data(), std::min(ending.size(), kPackedBytes));
    std::uint64_t packed;
    std::memcpy(&packed, bytes, kPackedBytes);
    return std::endian::native == std::endian::little ? __builtin_bswap64(packed) : packed;
}

void indexEndingRuns(Lexicon& lexicon) {
    const auto& records = lexicon.inflections;
    auto& table = lexicon.endingRuns;
    table.clear();
    std::vector<std::uint64_t> packed(records.size());
    std::size_t endings = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        packed[i] = packEnding(fieldText(records[i].ending));
        if (i > 0 && outOfOrder(packed[i - 1], records[i - 1], packed[i], records[i])) return;
        if (i == 0 || packed[i] != packed[i - 1]) ++endings;
    }
    table.assign(std::bit_ceil(std::max<std::size_t>(2, endings * kSlotsPerEnding)), {});
    for (std::size_t i = 0; i < records.size(); ++i) {
        EndingRunSlot& run = table[findSlot(table, packed[i])];
        if (run.count == 0) run = {packed[i], static_cast<std::uint32_t>(i), 0};
        ++run.count;
    }
}

std::span<const InflectionRecord> endingRunOf(const Lexicon& lexicon, std::string_view ending) {
    if (!packable(ending)) return {};
    const EndingRunSlot& run = lexicon.endingRuns[findSlot(lexicon.endingRuns, packEnding(ending))];
    if (run.count == 0) return {};
    return std::span(lexicon.inflections).subspan(run.first, run.count);
}

namespace {

// The first eight bytes of a stem field as packEnding packs its text: the field's first word,
// with every byte from its first NUL on cleared. A word holds a NUL where (w - 0x01..01) & ~w has
// a high bit, and the lowest such bit (the first byte, on a little-endian machine) is a true NUL.
std::uint64_t packStemPrefix(const StemRecord& record) {
    if constexpr (std::endian::native != std::endian::little)
        return packEnding(fieldText(record.stem).substr(0, kPackedBytes));
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::uint64_t word;
    std::memcpy(&word, record.stem, kPackedBytes);
    const std::uint64_t nul = (word - kOnes) & ~word & kHighBits;
    if (nul != 0) word &= (nul & -nul) / 0x80 - 1;   // the bytes below the first NUL
    return __builtin_bswap64(word);
}

}  // namespace

void indexStemPrefixes(Lexicon& lexicon) {
    auto& prefixes = lexicon.stemPrefixes;
    prefixes.resize(lexicon.stems.size());
    for (std::size_t i = 0; i < prefixes.size(); ++i) prefixes[i] = packStemPrefix(lexicon.stems[i]);
}

bool stemRunsFitTempstems(const std::vector<StemRecord>& stems) {
    // A run of kTempStemCapacity records or more holds a record whose number is a multiple of
    // the stride, so the runs through those records are the only ones measured.
    constexpr std::size_t kStride = kTempStemCapacity - 1;
    const auto textOf = [&stems](std::size_t i) { return fieldText(stems[i].stem); };
    for (std::size_t j = 0; j < stems.size(); j += kStride) {
        std::size_t first = j;
        std::size_t last = j;
        while (first > 0 && textOf(first - 1) == textOf(j)) --first;
        while (last + 1 < stems.size() && textOf(last + 1) == textOf(j)) ++last;
        if (last - first + 1 >= kTempStemCapacity) return false;
    }
    return true;
}

}  // namespace kavro
