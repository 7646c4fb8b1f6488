// findUniques: the irregular forms of uniques.dat, one stem and one inflection per record of the
// form, put into the work tables for the driver to emit.
#include "morph/uniques.h"

#include <algorithm>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

constexpr char kExtraFormSeparator = '\t';
// The form and its extra form are shown together only while both fit this many characters.
constexpr std::size_t kJoinedFormLimit = 22;
// The work tables' last slot is never filled (tempstems and tempinflects hold 49 readings).
constexpr int kUniqueSlots = static_cast<int>(kTempStemCapacity) - 1;
static_assert(kTempStemCapacity == kTempInflectCapacity);

bool isAdverbCode(std::uint8_t pos) {
    return pos == speech_type::Adverb || pos == speech_type::AdverbSubtype;
}

// The stem text: the form, and the extra form behind a tab when both fit.
void writeStemText(StemRecord& stem, const UniqueRecord& unique) {
    const std::string_view form = fieldText(unique.form);
    const std::string_view extra = fieldText(unique.extraForm);
    const std::size_t n = copyField(stem.stem, form);
    if (extra.empty() || form.size() + 1 + extra.size() >= kJoinedFormLimit) return;
    stem.stem[n] = kExtraFormSeparator;
    copyBounded(stem.stem + n + 1, sizeof stem.stem - n - 1, extra);
}

}  // namespace

StemRecord uniqueStem(const UniqueRecord& unique, std::uint32_t recordNumber) {
    StemRecord stem{};
    stem.partOfSpeech = unique.partOfSpeech;
    stem.which = unique.which;
    stem.variant = unique.variant;
    stem.genderOrKind = unique.grammar[2];
    stem.sort = unique.grammar[3];
    if ((unique.partOfSpeech & 0x0F) == speech_type::Adjective) {
        stem.genderOrKind = unique.grammar[3];
        stem.sort = 0;
    } else if (unique.partOfSpeech == speech_type::Numeral) {
        stem.genderOrKind = 0;
    } else if (unique.partOfSpeech == speech_type::Verb) {
        stem.genderOrKind = 0;
        stem.sort = unique.grammar[5];
    } else if (unique.partOfSpeech == speech_type::Preposition ||
               isAdverbCode(unique.partOfSpeech)) {
        // As a dictionary stem: the case governed or the comparison, and no sort ("+SUBJ").
        stem.genderOrKind = unique.grammar[0];
        stem.sort = 0;
    }
    stem.stemKey = 1;
    stem.meaningIndex = recordNumber;
    stem.areaFrequency = unique.areaFrequency;
    stem.ageLevel = unique.ageLevel;
    stem.numberRestriction = unique.formClass;
    stem.extra = unique.ageLevel;
    writeStemText(stem, unique);
    return stem;
}

InflectionRecord uniqueInflection(const UniqueRecord& unique) {
    InflectionRecord infl{};
    infl.partOfSpeech = unique.partOfSpeech;
    infl.which = unique.which;
    infl.variant = unique.variant;
    infl.grammar1 = unique.grammar[0];
    infl.grammar2 = unique.grammar[1];
    infl.grammar3 = unique.grammar[2];
    infl.grammar4 = unique.grammar[3];
    infl.grammar5 = unique.grammar[4];
    infl.grammar6 = unique.grammar[5];
    if (isAdverbCode(unique.partOfSpeech)) infl.stemKey = unique.grammar[0];
    return infl;
}

std::string_view uniqueCitation(const Lexicon& lexicon, std::string_view form) {
    const auto& table = lexicon.uniqueHeadwords;
    const auto at = std::lower_bound(table.begin(), table.end(), form,
                                     [](const UniqueHeadwordRecord& r, std::string_view f) {
                                         return compareFieldText(r.form, f) < 0;
                                     });
    if (at == table.end() || compareFieldText(at->form, form) != 0) return form;
    return fieldText(at->headword);
}

int findUniques(Engine& engine, std::string_view word) {
    const auto uniques = engine.lexicon.uniques.as<UniqueRecord>();
    if (uniques.empty() || compareFieldText(uniques.back().form, word) < 0) return 0;
    const auto first = std::lower_bound(
        uniques.begin(), uniques.end(), word,
        [](const UniqueRecord& r, std::string_view w) { return compareFieldText(r.form, w) < 0; });
    int count = 0;
    for (auto it = first; it != uniques.end() && compareFieldText(it->form, word) == 0; ++it) {
        if (it->ageLevel > engine.options.age) continue;
        if (count >= kUniqueSlots) break;   // the compiler keeps fewer records of one form
        const auto number = static_cast<std::uint32_t>(it - uniques.begin());
        engine.tempstems[count] = uniqueStem(*it, number);
        engine.tempinflects[count] = uniqueInflection(*it);
        ++count;
    }
    if (count > 0) {   // otherwise the stems a caller holds stay counted
        engine.tempstemCount = count;
        engine.tempinflectCount = count;
    }
    return count;
}

}  // namespace kavro
