#include "search/search_request.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace kavro {
namespace {

constexpr std::array kPartOfSpeechChoices = {
    SearchChoice{"", 0, "ANY"},
    SearchChoice{"Noun", 1, "Noun"},
    SearchChoice{"Pronoun", 2, "Pronoun"},
    SearchChoice{"Adjective", 4, "Adjective"},
    SearchChoice{"Numeral", 5, "Numeral"},
    SearchChoice{"Adverb", 6, "Adverb"},
    SearchChoice{"Verb", 7, "Verb"},
    SearchChoice{"VPAR", 8, "VPAR"},
    SearchChoice{"Supine", 9, "Supine"},
    SearchChoice{"Preposition", 10, "Preposition"},
    SearchChoice{"Conjunction", 11, "Conjunction"},
    SearchChoice{"Tack-on", 13, "Tack-on"},
    SearchChoice{"SADJ", 36, "SADJ"},
    SearchChoice{"UNKnown", kUnknownSpeechCode, "UNKnown"},
};

constexpr std::array kCaseTenseChoices = {
    SearchChoice{"", 0, "ANY"},
    SearchChoice{"NOM / PRES", 1, "Nom/Pres"},
    SearchChoice{"VOC / IMPERF", 2, "Voc/Imperf"},
    SearchChoice{"GEN / FUT", 3, "Gen/Fut"},
    SearchChoice{"- / PERF", 4, "Perf"},
    SearchChoice{"DAT / PLUP", 5, "Dat/Pluperf"},
    SearchChoice{"ABL / FUTP", 6, "Abl/FutPerf"},
    SearchChoice{"ACC / -", 7, "Acc"},
};

constexpr std::uint8_t kVerbCode = 7;
constexpr std::uint8_t kPerfectCode = 4;
constexpr std::uint8_t kAccusativeCode = 7;
constexpr std::size_t kShortestSearchItem = 2;

constexpr std::string_view kNothingToSearch = "Must enter something to search for!";
constexpr std::string_view kExclusionStem =
    "For a word-search:\nExclusion item must have same stem as search item, with extra character(s)!";
constexpr std::string_view kVerbWithCase = "Illegal combination of verb and case";
constexpr std::string_view kNonVerbWithTense = "Illegal combination of non-verb and tense";

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (searchFold(a[i]) != searchFold(b[i])) return false;
    return true;
}

std::optional<std::uint8_t> codeOf(std::span<const SearchChoice> choices, std::string_view name) {
    unsigned number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    for (const SearchChoice& choice : choices) {
        if (sameIgnoringCase(name, choice.label) || sameIgnoringCase(name, choice.headerName))
            return choice.code;
        if (error == std::errc{} && end == name.data() + name.size() && number == choice.code)
            return choice.code;
    }
    return std::nullopt;
}

// The header name of a code of the list; a code the list does not hold prints as "ANY".
std::string headerName(std::span<const SearchChoice> choices, std::uint8_t code) {
    for (const SearchChoice& choice : choices)
        if (choice.code == code) return std::string(choice.headerName);
    return std::string(choices.front().headerName);
}

// An exclusion or "And" item is kept only when it holds a letter other than j and v.
bool worthKeeping(std::string_view item) {
    for (char ch : item) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        if (ch >= 'a' && ch <= 'z' && ch != 'j' && ch != 'v') return true;
    }
    return false;
}

std::string foldedItem(std::string_view item, std::size_t length) {
    return searchFolded(item.substr(0, length));
}

}  // namespace

std::span<const SearchChoice> partOfSpeechChoices() { return kPartOfSpeechChoices; }
std::span<const SearchChoice> caseTenseChoices() { return kCaseTenseChoices; }

std::optional<std::uint8_t> partOfSpeechCode(std::string_view name) {
    return codeOf(kPartOfSpeechChoices, name);
}
std::optional<std::uint8_t> caseTenseCode(std::string_view name) { return codeOf(kCaseTenseChoices, name); }

char searchFold(char ch) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    if (ch == 'j') return 'i';
    if (ch == 'v') return 'u';
    return ch;
}

std::string searchFolded(std::string_view text) {
    std::string folded(text);
    for (char& ch : folded) ch = searchFold(ch);
    return folded;
}

std::string_view searchDialogRefusal(const SearchDialogValues& values) {
    if (values.item.size() < kShortestSearchItem && values.partOfSpeech != kUnknownSpeechCode)
        return kNothingToSearch;
    if (values.kind == SearchKind::Text) return {};
    if (!values.exclusion.empty() &&
        !searchFolded(values.exclusion).starts_with(searchFolded(values.item)))
        return kExclusionStem;
    if (values.partOfSpeech == kVerbCode && values.caseTense == kAccusativeCode) return kVerbWithCase;
    if (values.partOfSpeech != kVerbCode && values.caseTense == kPerfectCode) return kNonVerbWithTense;
    return {};
}

SearchDialogValues normalisedSearch(const SearchDialogValues& values) {
    SearchDialogValues search = values;
    search.item = foldedItem(values.item, kSearchItemLength);
    search.exclusion = foldedItem(values.exclusion, kExclusionItemLength);
    search.andItem = foldedItem(values.andItem, kAndItemLength);
    if (!worthKeeping(values.exclusion.substr(0, kExclusionItemLength))) search.exclusion.clear();
    if (!worthKeeping(values.andItem.substr(0, kAndItemLength)) || search.kind == SearchKind::Word)
        search.andItem.clear();
    if (search.partOfSpeech == kUnknownSpeechCode) search.caseTense = kAnyCode;
    return search;
}

std::string searchResultsHeader(const SearchDialogValues& search) {
    char line[320];  // the items are cut to their fields, so the line always fits
    if (search.kind == SearchKind::Word) {
        std::snprintf(line, sizeof line,
                      "--Search items = %s Exclude = %s (Speechtype = %s. Case/tense type = %s.)\n",
                      search.item.c_str(), search.exclusion.c_str(),
                      headerName(kPartOfSpeechChoices, search.partOfSpeech).c_str(),
                      headerName(kCaseTenseChoices, search.caseTense).c_str());
        return std::string(line) + "--Word Search.\n";
    }
    std::snprintf(line, sizeof line, "--Search items = %s Exclude = %s And = %s.\n", search.item.c_str(),
                  search.exclusion.c_str(), search.andItem.c_str());
    return std::string(line) + "--Text Search.\n";
}

}  // namespace kavro
