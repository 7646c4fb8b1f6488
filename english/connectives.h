// Sentence connectives: the particles that link a sentence to the one before ("enim", "autem",
// "igitur" ...). Latin puts them in second place; English puts them first, and they neither cut
// a clause nor part a verb from its subject.
#pragma once

#include <array>
#include <string_view>

#include "core/analysis_record.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"

namespace kavro {

// The analysed forms of the connectives.
inline constexpr std::array<std::string_view, 14> kConnectiveForms = {
    "enim.",   "quidem.",  "uero.",   "autem.",   "tamen.", "quippe.", "etenim.",
    "item.",   "interim.", "itaque.", "tamquam.", "ergo.",  "igitur.", "namque."};

inline bool isConnective(const WordAnalysis& r) {
    if (r.partOfSpeech != speech_type::Adverb && r.partOfSpeech != speech_type::Conjunction) return false;
    const std::string_view form = fieldText(r.analysedForm);
    for (std::string_view c : kConnectiveForms) {
        if (form == c) return true;
    }
    return false;
}

}  // namespace kavro
