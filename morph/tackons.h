// Tackons (enclitics such as "que", "ne", "ue"): a known word with a particle attached. The
// particle becomes a word of its own in the sentence. matchTackons, the driver's seam, is
// declared in word_repairs.h.
#pragma once

#include <cstdint>
#include <string_view>

namespace kavro {

struct Engine;

// tempaddons keeps at most this many addons of one key.
inline constexpr int kMostAddonsOfOneKey = 9;

// Frequency classes (1 = 'A' ... 6 = 'F') of the stems word analysis builds itself, as addons.dat
// and the name guesses carry none. The enclitics que, ne, ue are among the commonest words: 'A'.
// A capitalised word read as a name is a guess, not a dictionary word: 'F' ("very rare"), the
// class of the names guessed for a capitalised base before a tackon, so that a reading from the
// dictionary is preferred to it wherever both are candidates.
inline constexpr std::uint8_t kTackonFrequency = 1;
inline constexpr std::uint8_t kGuessedNameFrequency = 6;

// Fills tempaddons from slot 0 with every addon of addons.dat whose key equals `key` (an English
// "EMPHATIC" cleared); returns the count, at most 9 ("Too many addon fields.\n" beyond).
int findAddons(Engine& engine, std::string_view key);

// Inserts `text` as the token at `position`, moving that token and those after it up by one,
// and counts it. False, with nothing changed, when the sentence already holds 399 tokens.
bool insertToken(Engine& engine, int position, std::string_view text);

// "Exceeded limit 400 of words in a sentence." and what became of the tackon: "Can't add
// TACKON." (message box, rationed, and the log) or "Truncating sentence." (the log).
enum class FullSentence { CantAddTackon, TruncatingSentence };
void announceFullSentence(Engine& engine, FullSentence what);

// The conjunctions that a proper-name guess may have cut from its word.
enum class TackonWord { Que = 1, Ne = 2 };

// Makes the conjunction a word of its own after the current token, with one reading, and steps
// the token index onto it. The work tables' slots it uses are restored. False when the sentence
// is full ("Exceeded limit ... Truncating sentence." goes to the log).
bool insertTackonWord(Engine& engine, TackonWord which);

}  // namespace kavro
