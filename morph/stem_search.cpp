#include "morph/stem_search.h"

#include <algorithm>
#include <cstdio>

#include "job/capacities.h"
#include "job/engine.h"
#include "job/fixed_text.h"
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

// First record of [lower, upper) whose stem is not below `key`.
std::size_t firstNotBelow(const std::vector<StemRecord>& stems, std::size_t lower,
                          std::size_t upper, const StemKey& key) {
    const StemRecord* base = stems.data();
    const StemRecord* it = std::lower_bound(
        base + lower, base + upper, key,
        [](const StemRecord& r, const StemKey& k) { return compareField(r.stem, k) < 0; });
    return static_cast<std::size_t>(it - base);
}

// The same when the first record not below `key` is known to lie in [lower, top] (the record
// at `top` is not below it): steps back from `top` by growing strides until a record below the
// key, then bisects the last stride.
std::size_t firstNotBelowBefore(const std::vector<StemRecord>& stems, std::size_t lower,
                                std::size_t top, const StemKey& key) {
    for (std::size_t stride = 1; top > lower; stride *= 2) {
        const std::size_t probe = top - std::min(stride, top - lower);
        if (compareField(stems[probe].stem, key) < 0) return firstNotBelow(stems, probe + 1, top, key);
        top = probe;
    }
    return lower;
}

// firstNotBelow over [lower, upper), started from the hint when the last search of the word
// was in the same range for a stem at or after this one.
std::size_t firstCandidate(const std::vector<StemRecord>& stems, std::size_t lower,
                           std::size_t upper, std::string_view stem, const StemKey& key,
                           const StemSearchHint* hint) {
    if (hint && hint->valid && hint->lower == lower && hint->found <= upper && stem <= hint->stem)
        return firstNotBelowBefore(stems, lower, hint->found, key);
    return firstNotBelow(stems, lower, upper, key);
}

bool stemEquals(const StemRecord& record, const StemKey& key) {
    return compareField(record.stem, key) == 0;
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
    const std::size_t first = firstCandidate(stems, lower, upper, stem, key, hint);
    if (hint) *hint = {stem, lower, first, true};
    for (std::size_t i = first; i < upper && stemEquals(stems[i], key); ++i) {
        if (stems[i].ageLevel > engine.stemLevelLimit) continue;
        engine.tempstems[count] = stems[i];
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
    for (std::size_t i = firstNotBelow(stems, 0, stems.size(), key);
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
