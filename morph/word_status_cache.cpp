#include "morph/word_status_cache.h"

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/stages.h"

namespace kavro {
namespace {

constexpr std::size_t kHashedCharacters = 12;
constexpr std::size_t kStoredWordLimit = 28;   // words shorter than 29 characters are stored
constexpr unsigned kHashMask = kWordStatusEntries - 1;
static_assert((kWordStatusEntries & kHashMask) == 0, "the cache size is a power of two");

}  // namespace

int wordHash(std::string_view word) {
    std::uint16_t a = 0;
    const std::size_t n = word.size() < kHashedCharacters ? word.size() : kHashedCharacters;
    for (std::size_t i = 0; i < n; ++i) {
        // Characters count as signed bytes, as the 8-bit text was read.
        const int c = static_cast<signed char>(word[i]);
        a = static_cast<std::uint16_t>(2 * a + 2 * c - 130);
    }
    return static_cast<int>((a >> 1) & kHashMask);
}

void resetWordStatusCache(Engine& engine) {
    for (WordStatusEntry& entry : engine.wordStatusCache) {
        entry.word[0] = '\0';
        entry.status = kWordStatusEmpty;
    }
}

std::int16_t cachedWordStatus(const Engine& engine, std::string_view word) {
    const WordStatusEntry& entry = engine.wordStatusCache[wordHash(word)];
    if (entry.status != kWordStatusSpecialForm && entry.status != kWordStatusNotFound)
        return kWordStatusEmpty;
    if (word.empty() || fieldText(entry.word) != word) return kWordStatusEmpty;
    return entry.status;
}

void rememberWordStatus(Engine& engine, std::string_view word, std::int16_t status) {
    WordStatusEntry& entry = engine.wordStatusCache[wordHash(word)];
    entry.status = status;
    if (word.size() <= kStoredWordLimit) {
        copyField(entry.word, word);
    } else {
        entry.word[0] = '\0';
    }
}

}  // namespace kavro
