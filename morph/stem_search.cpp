#include "morph/stem_search.h"

#include <algorithm>
#include <cstdio>

#include "core/capacities.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "morph/packed_text.h"

namespace kavro {
namespace {

constexpr int kTempStemLimit = static_cast<int>(kTempStemCapacity);
constexpr char kTooManyStems[] = "Too many tempstems fields.\n";
constexpr char kTooManyPrefixStems[] = "Too many stems found (>%d).\n";

std::string_view stemOf(const StemRecord& record) { return fieldText(record.stem); }

// The records that may hold `stem`: those of its first letter, or those sorting before "a"
// for a first character below "a" (capitals, and bytes of 128 and more read as signed).
std::pair<std::size_t, std::size_t> letterRange(const Lexicon& lexicon, std::string_view stem) {
    const std::size_t size = lexicon.stems.size();
    const auto bound = [size](std::uint32_t index) { return std::min<std::size_t>(index, size); };
    const signed char c = stem.empty() ? 0 : static_cast<signed char>(stem.front());
    if (c > 'z') return {0, 0};
    if (c < 'a') return {0, bound(lexicon.letterIndex[0].firstRecord)};
    const int letter = c - 'a';
    const std::size_t lower = bound(lexicon.letterIndex[letter].firstRecord);
    const std::size_t upper = bound(lexicon.letterIndex[letter + 1].firstRecord);
    return {lower, std::max(lower, upper)};
}

using StemKey = PackedText<sizeof(StemRecord::stem) / 8>;

// First record of [lower, upper) whose stem is not below `key`, bisecting the records.
std::size_t firstRecordNotBelow(const std::vector<StemRecord>& stems, std::size_t lower,
                                std::size_t upper, const StemKey& key) {
    const StemRecord* base = stems.data();
    const StemRecord* it = std::lower_bound(
        base + lower, base + upper, key,
        [](const StemRecord& r, const StemKey& k) { return compareField(r.stem, k) < 0; });
    return static_cast<std::size_t>(it - base);
}

// The same through the stems' packed first eight bytes: every record before the first prefix
// not below the key's is below the key, and of those from there on only the records sharing
// the key's prefix can still be below a key of more than eight bytes.
std::size_t firstPrefixNotBelow(const Lexicon& lexicon, std::size_t lower, std::size_t upper,
                                const StemKey& key) {
    const std::uint64_t* prefixes = lexicon.stemPrefixes.data();
    const std::uint64_t keyPrefix = key.words[0];
    const std::uint64_t* first = std::lower_bound(prefixes + lower, prefixes + upper, keyPrefix);
    const std::size_t found = static_cast<std::size_t>(first - prefixes);
    if (key.size <= 8 || found == upper || *first != keyPrefix) return found;
    const std::uint64_t* last = std::upper_bound(first, prefixes + upper, keyPrefix);
    return firstRecordNotBelow(lexicon.stems, found, static_cast<std::size_t>(last - prefixes), key);
}

bool prefixesBuilt(const Lexicon& lexicon) { return lexicon.stemPrefixes.size() == lexicon.stems.size(); }

// First record of [lower, upper) of the dictionary's stems whose stem is not below `key`.
std::size_t firstNotBelow(const Lexicon& lexicon, std::size_t lower, std::size_t upper,
                          const StemKey& key) {
    if (prefixesBuilt(lexicon)) return firstPrefixNotBelow(lexicon, lower, upper, key);
    return firstRecordNotBelow(lexicon.stems, lower, upper, key);
}

// firstNotBelow over [lower, upper), narrowed to [lower, found] when the last search of the
// word was in the same range for a stem at or after this one (its first record not below,
// `found`, is not below this stem either).
std::size_t firstCandidate(const Lexicon& lexicon, std::size_t lower, std::size_t upper,
                           std::string_view stem, const StemKey& key, const StemSearchHint* hint) {
    if (hint && hint->valid && hint->lower == lower && hint->found <= upper && stem <= hint->stem)
        upper = hint->found;
    return firstNotBelow(lexicon, lower, upper, key);
}

bool stemEquals(const StemRecord& record, const StemKey& key) {
    return compareField(record.stem, key) == 0;
}

// Whether dictionary stem i equals `key`: for a key of less than eight bytes its packed prefix
// tells, without reading the record.
bool dictionaryStemEquals(const Lexicon& lexicon, std::size_t i, const StemKey& key) {
    if (key.size < 8 && prefixesBuilt(lexicon)) return lexicon.stemPrefixes[i] == key.words[0];
    return stemEquals(lexicon.stems[i], key);
}

// Asks the processor for the meaning record of a found stem: a reading of it reads both its
// texts soon after, and the meanings table is too large to stay in the caches.
void prefetchMeaning(const Lexicon& lexicon, const StemRecord& stem) {
    if (stem.meaningIndex >= lexicon.meanings.size()) return;
    const MeaningRecord& record = lexicon.meanings[stem.meaningIndex];
    __builtin_prefetch(record.latin);
    __builtin_prefetch(record.english);
    __builtin_prefetch(record.english + sizeof record.english - 1);
}

int clampCount(int count) { return std::clamp(count, 0, kTempStemLimit - 1); }

}  // namespace

int stemLevelLimitFor(int age) { return age <= kAgeClassical ? age : kAdmitEveryStem; }

int findStems(Engine& engine, std::string_view stem, StemSearchHint* hint) {
    const auto& stems = engine.lexicon.stems;
    int& count = engine.tempstemCount;
    count = 0;
    const StemKey key(stem);
    if (!key.searchable()) return count;
    const auto [lower, upper] = letterRange(engine.lexicon, stem);
    const std::size_t first = firstCandidate(engine.lexicon, lower, upper, stem, key, hint);
    if (hint) *hint = {stem, lower, first, true};
    for (std::size_t i = first; i < upper && dictionaryStemEquals(engine.lexicon, i, key); ++i) {
        if (stems[i].ageLevel > engine.stemLevelLimit) continue;
        engine.tempstems[count] = stems[i];
        prefetchMeaning(engine.lexicon, stems[i]);
        if (++count >= kTempStemLimit) {
            engine.rationedWarning(kTooManyStems);
            count = kTempStemLimit - 1;
            break;
        }
    }
    return count;
}

int findUserStems(Engine& engine, std::string_view stem, int count) {
    const auto& stems = engine.lexicon.userStems;
    count = clampCount(count);
    engine.tempstemCount = count;
    if (stems.empty()) return count;
    const StemKey key(stem);
    if (!key.searchable()) return count;
    for (std::size_t i = firstRecordNotBelow(stems, 0, stems.size(), key);
         i < stems.size() && stemEquals(stems[i], key); ++i) {
        StemRecord& copy = engine.tempstems[count];
        copy = stems[i];
        copy.meaningIndex = stems[i].meaningIndex + kUserMeaningBase;
        if (++count >= kTempStemLimit) {
            engine.rationedWarning(kTooManyStems);
            count = kTempStemLimit - 1;
            break;
        }
    }
    engine.tempstemCount = count;
    return count;
}

int findStemsByPrefix(Engine& engine, std::string_view prefix, int count) {
    const auto& stems = engine.lexicon.stems;
    count = clampCount(count);
    engine.tempstemCount = count;
    if (prefix.empty()) return count;
    const auto begins = [prefix](const StemRecord& r) { return stemOf(r).starts_with(prefix); };
    auto it = std::lower_bound(stems.begin(), stems.end(), prefix,
                               [prefix](const StemRecord& r, std::string_view p) {
                                   return stemOf(r).substr(0, prefix.size()) < p;
                               });
    for (; it != stems.end() && begins(*it); ++it) {
        if (it->ageLevel > engine.stemLevelLimit) continue;
        engine.tempstems[count] = *it;
        if (++count >= kTempStemLimit) {
            char text[64];
            std::snprintf(text, sizeof text, kTooManyPrefixStems, kTempStemLimit);
            engine.messageBuffer = text;
            count = kTempStemLimit - 1;
            break;
        }
    }
    engine.tempstemCount = count;
    return count;
}

}  // namespace kavro
