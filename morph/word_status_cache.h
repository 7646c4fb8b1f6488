// The per-job word-status cache: words that only the special-form routine explained, and words
// that nothing explained, so that a second sighting in the same job costs one look-up.
#pragma once

#include <cstdint>
#include <string_view>

namespace kavro {

struct Engine;

// The cache slot of a word: over its first 12 characters, a = 2a + 2c - 130 (16 bits), then
// (a >> 1) & 511.
int wordHash(std::string_view word);

// The status of `word` (kWordStatusSpecialForm or kWordStatusNotFound) if its slot holds this
// very word, else kWordStatusEmpty.
std::int16_t cachedWordStatus(const Engine& engine, std::string_view word);

// Records `status` for `word` in its slot. Only words shorter than 29 characters are stored; the
// slot of a longer word is left holding no word, so that it matches nothing.
void rememberWordStatus(Engine& engine, std::string_view word, std::int16_t status);

}  // namespace kavro
