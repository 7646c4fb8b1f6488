#include "morph/joined_ordinals.h"

#include <array>
#include <string>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"

namespace kavro {
namespace {

// The ordinal stems that take "-decimus", with the English of the number they make.
struct TeenOrdinal {
    std::string_view stem;
    std::string_view english;   // the cardinal; English assembly adds the ordinal's "th"
};
constexpr std::array<TeenOrdinal, 7> kTeenOrdinals{{{"terti", "thirteen"},
                                                    {"quart", "fourteen"},
                                                    {"quint", "fifteen"},
                                                    {"sext", "sixteen"},
                                                    {"septim", "seventeen"},
                                                    {"octau", "eighteen"},
                                                    {"non", "nineteen"}}};
constexpr std::string_view kDecim = "decim";

// The forms of a first- and second-declension adjective ending: case, number, gender.
struct EndingForm {
    std::string_view ending;
    std::uint8_t caseCode, number, gender;
};
using namespace case_type;
constexpr std::uint8_t S = number_type::Singular, P = number_type::Plural;
constexpr std::uint8_t M = gender_type::Masculine, F = gender_type::Feminine, N = gender_type::Neuter;
constexpr std::array<EndingForm, 27> kEndingForms{{
    {"us", Nominative, S, M}, {"e", Vocative, S, M},     {"i", Genitive, S, M},
    {"i", Genitive, S, N},    {"o", Dative, S, M},       {"o", Dative, S, N},
    {"o", Ablative, S, M},    {"o", Ablative, S, N},     {"um", Accusative, S, M},
    {"um", Nominative, S, N}, {"um", Accusative, S, N},  {"a", Nominative, S, F},
    {"a", Ablative, S, F},    {"ae", Genitive, S, F},    {"ae", Dative, S, F},
    {"am", Accusative, S, F}, {"i", Nominative, P, M},   {"ae", Nominative, P, F},
    {"a", Nominative, P, N},  {"a", Accusative, P, N},   {"orum", Genitive, P, M},
    {"arum", Genitive, P, F}, {"is", Dative, P, M},      {"is", Ablative, P, M},
    {"os", Accusative, P, M}, {"as", Accusative, P, F},  {"orum", Genitive, P, N},
}};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The ordinal that `word` (lower case) joins, and its ending; null when it joins none.
const TeenOrdinal* joinedOrdinal(std::string_view word, std::string_view& ending) {
    for (const TeenOrdinal& ordinal : kTeenOrdinals) {
        if (!word.starts_with(ordinal.stem)) continue;
        const std::string_view rest = word.substr(ordinal.stem.size());
        const std::size_t decim = rest.find(kDecim);
        if (decim == std::string_view::npos || decim == 0) continue;
        const std::string_view first = rest.substr(0, decim);
        if (rest.substr(decim + kDecim.size()) != first) continue;
        ending = first;
        return &ordinal;
    }
    return nullptr;
}

}  // namespace

int emitJoinedOrdinal(Engine& engine, std::string_view word) {
    std::string lowered(word);
    for (char& c : lowered) c = lower(c);
    std::string_view ending;
    const TeenOrdinal* ordinal = joinedOrdinal(lowered, ending);
    if (!ordinal) return 0;
    const std::string form = lowered.substr(0, lowered.size() - ending.size()) + "." + std::string(ending);
    int emitted = 0;
    for (const EndingForm& f : kEndingForms) {
        if (f.ending != ending) continue;
        WordAnalysis a = blankAnalysis();
        a.partOfSpeech = speech_type::Numeral;
        a.grammar1 = f.caseCode;
        a.grammar2 = f.number;
        a.grammar3 = f.gender;
        a.grammar4 = numeral_kind_type::Ordinal;
        a.wordPosition = static_cast<std::int16_t>(engine.tokenIndex);
        a.groupNumber = static_cast<std::int16_t>(engine.groupNumber);
        storeAnalysedForm(a, form);
        copyField(a.english, ordinal->english);
        appendAnalysis(engine, a);
        ++emitted;
    }
    if (emitted > 0) ++engine.groupNumber;
    return emitted;
}

}  // namespace kavro
