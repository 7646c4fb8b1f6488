#include "morph/meaning_senses.h"

#include <algorithm>

#include "core/fixed_text.h"
#include "core/lexicon.h"
#include "morph/meanings.h"

namespace kavro {

namespace {

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        words.emplace_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

std::string joined(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text += (text.empty() ? "" : " ") + words[i];
    return text;
}

// The alternatives of a piece written with "/": its first alternative as it stands, then each
// alternative as a sense of its own. Single words share the last alternative's rest ("take/carry
// away": "take away", "carry away"); words after a phrase share its start ("be master/despot":
// "be despot"); otherwise each stands alone ("large/great/big").
std::vector<std::string> alternativesOf(std::string_view piece) {
    std::vector<std::vector<std::string>> parts;
    std::size_t start = 0;
    while (start <= piece.size()) {
        const std::size_t slash = std::min(piece.find('/', start), piece.size());
        auto words = wordsOf(piece.substr(start, slash - start));
        if (!words.empty()) parts.push_back(std::move(words));
        start = slash + 1;
    }
    std::vector<std::string> out;
    if (parts.empty()) return out;
    out.push_back(joined(parts[0], 0, parts[0].size()));
    const std::size_t n = parts.size();
    bool singlesBefore = true, singlesAfter = true;
    for (std::size_t i = 0; i + 1 < n; ++i) singlesBefore &= parts[i].size() == 1;
    for (std::size_t i = 1; i < n; ++i) singlesAfter &= parts[i].size() == 1;
    for (std::size_t i = 0; i < n; ++i) {
        std::string alternative = joined(parts[i], 0, parts[i].size());
        if (singlesBefore && parts[n - 1].size() > 1 && i + 1 < n)
            alternative += " " + joined(parts[n - 1], 1, parts[n - 1].size());
        else if (singlesAfter && parts[0].size() > 1 && i > 0)
            alternative = joined(parts[0], 0, parts[0].size() - 1) + " " + alternative;
        out.push_back(std::move(alternative));
    }
    return out;
}

}  // namespace

std::vector<std::string> meaningSenses(std::string_view meaning) {
    std::vector<std::string> senses;
    while (!meaning.empty() && (meaning.front() == '~' || meaning.front() == ' '))
        meaning.remove_prefix(1);
    std::size_t start = 0;
    while (start <= meaning.size()) {
        std::size_t end = meaning.find_first_of(",;", start);
        if (end == std::string_view::npos) end = meaning.size();
        for (std::string sense : alternativesOf(meaning.substr(start, end - start))) {
            keepFirstSense(sense);   // trims and keeps the first of two words joined by "or"
            if (!sense.empty() && std::find(senses.begin(), senses.end(), sense) == senses.end())
                senses.push_back(std::move(sense));
        }
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
