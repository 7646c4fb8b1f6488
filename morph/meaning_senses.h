// The senses of a dictionary meaning and the choice among them that the learned sense table
// (senses.dat) makes: a meaning "owner, lord, master; the Lord; title for ecclesiastics" holds
// five senses, and a translation takes the one its table names for the entry ("the Lord").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/sense_records.h"

namespace kavro {

struct Lexicon;

// The senses of a meaning whose remarks and area tags are gone: the pieces between its commas
// and semicolons, each cut at its first "/", trimmed, and of two words joined by "or" at its
// start the first ("run or hasten back" is "run back"). A leading "~" is not part of a sense.
std::vector<std::string> meaningSenses(std::string_view meaning);

// Replaces `meaning` by its sense `sense`, keeping a leading "~"; false (and the meaning as it
// was) when the meaning has no such sense.
bool takeSense(std::string& meaning, std::string_view sense);

// The sense rules of the entry behind meaning record `meaningIndex`, in their order.
std::span<const SenseChoiceRecord> senseRulesOf(const Lexicon& lexicon, std::uint32_t meaningIndex);

// Puts the sense the entry usually takes in place of `meaning` (its whole English, remarks and
// area tags gone); the meaning stays as it is when the table names none or the meaning lacks it.
void takeUsualSense(const Lexicon& lexicon, std::uint32_t meaningIndex, std::string& meaning);

// The English form of the proper name written `form` (j and v as i and u), or empty.
std::string_view nameFormOf(const Lexicon& lexicon, std::string_view form);

}  // namespace kavro
