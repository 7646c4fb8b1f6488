// The sentence around a special-sense word.
#include "english/sense_context.h"

#include "core/grammar_codes.h"
#include "english/chosen_reading.h"

namespace kavro {

std::string_view casePair(int caseCode) {
    switch (caseCode) {
    case case_type::Nominative: return "00";
    case case_type::Dative:
    case case_type::Ablative: return "10";
    case case_type::Accusative: return "01";
    default: return "11";
    }
}

bool tiedToPreposition(const Engine& engine, int position, std::string_view prepositionForm) {
    const WordAnalysis& word = chosenReading(engine, position);
    const WordAnalysis* partner = firstPartner(engine, word);
    if (partner && partner->partOfSpeech == speech_type::Preposition) return true;
    for (int q = position - 1; q >= 0; --q) {
        const WordAnalysis& r = chosenReading(engine, q);
        if (r.partOfSpeech != speech_type::Preposition) continue;
        if (!prepositionForm.empty() && formOf(r) != prepositionForm) continue;
        const int self = chosenIndex(engine, position);
        return r.link1 != -1 && (r.link1 == self || r.link1 == word.link1);
    }
    return false;
}

bool isOtherWord(const Engine& engine, int other, int position) {
    return other != position &&
           chosenReading(engine, other).partOfSpeech != speech_type::Punctuation;
}

bool formBegins(const WordAnalysis& reading, std::string_view prefix) {
    return formOf(reading).starts_with(prefix);
}

}  // namespace kavro
