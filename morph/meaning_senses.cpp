#include "morph/meaning_senses.h"

#include <algorithm>

#include "english/meanings.h"
#include "job/fixed_text.h"
#include "job/lexicon.h"

namespace kavro {

std::vector<std::string> meaningSenses(std::string_view meaning) {
    std::vector<std::string> senses;
    while (!meaning.empty() && (meaning.front() == '~' || meaning.front() == ' '))
        meaning.remove_prefix(1);
    std::size_t start = 0;
    while (start <= meaning.size()) {
        std::size_t end = meaning.find_first_of(",;", start);
        if (end == std::string_view::npos) end = meaning.size();
        std::string_view piece = meaning.substr(start, end - start);
        piece = piece.substr(0, piece.find('/'));
        std::string sense(piece);
        keepFirstSense(sense);   // trims and keeps the first of two words joined by "or"
        if (!sense.empty()) senses.push_back(std::move(sense));
        start = end + 1;
    }
    return senses;
}

bool takeSense(std::string& meaning, std::string_view sense) {
    if (sense.empty()) return false;
    for (const std::string& own : meaningSenses(meaning)) {
        if (own != sense) continue;
        const bool uncertain = meaning.starts_with('~');
        meaning = uncertain ? "~" : "";
        meaning += own;
        return true;
    }
    return false;
}

std::span<const SenseChoiceRecord> senseRulesOf(const Lexicon& lexicon, std::uint32_t meaningIndex) {
    const std::vector<SenseChoiceRecord>& table = lexicon.senseChoices;
    const auto first = std::lower_bound(
        table.begin(), table.end(), meaningIndex,
        [](const SenseChoiceRecord& r, std::uint32_t index) { return r.meaningIndex < index; });
    auto last = first;
    while (last != table.end() && last->meaningIndex == meaningIndex) ++last;
    return {first, last};
}

void takeUsualSense(const Lexicon& lexicon, std::uint32_t meaningIndex, std::string& meaning) {
    for (const SenseChoiceRecord& rule : senseRulesOf(lexicon, meaningIndex)) {
        if (rule.condition == sense_condition::Usual && takeSense(meaning, fieldText(rule.sense)))
            return;
    }
}

std::string_view nameFormOf(const Lexicon& lexicon, std::string_view form) {
    const std::vector<NameRecord>& table = lexicon.names;
    const auto found = std::lower_bound(
        table.begin(), table.end(), form,
        [](const NameRecord& r, std::string_view f) { return compareFieldText(r.form, f) < 0; });
    if (found == table.end() || compareFieldText(found->form, form) != 0) return {};
    return fieldText(found->english);
}

}  // namespace kavro
