// English to Latin: the dictionary entries whose meanings contain an English word.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/lexicon_records.h"

namespace kavro {

struct Engine;
struct Lexicon;

inline constexpr std::size_t kEnglishLookupLimit = 49;   // entries listed at most
inline constexpr std::string_view kNoEnglishMatch = "No entries found.";

// The plain forms an English word may be an inflection of, the word itself first: "loves" gives
// love and loves; "loved" and "loving" give love; "stopped" stop; "carries" carry. Lower case.
std::vector<std::string> englishBaseForms(std::string_view word);

// Where `meaning` first holds `word` as a whole word, or an inflection of it, or its plain
// form; npos when it does not.
std::size_t findEnglishWord(std::string_view meaning, std::string_view word);

// The first stem of every entry whose English has the word, most frequent entries first; among
// equally frequent ones, those where the word begins an earlier sense ("love; affection" before
// "wound of love"), then in the order of the stems table. At most kEnglishLookupLimit.
std::vector<StemRecord> findEnglishEntries(const Engine& engine, std::string_view word);

// The listing lines of `kavro dict` for those entries, or kNoEnglishMatch; 8-bit text.
std::string listEnglishEntries(const Engine& engine, std::string_view word);

}  // namespace kavro
