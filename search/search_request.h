// What the search dialog asks for: the search kind, the three items, the part of speech and the
// case or tense; the dialog's checks on OK, the items as the search compares them, and the header
// of the results in fails.txt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kavro {

enum class SearchKind { Text, Word };

// Field lengths of the dialog.
inline constexpr std::size_t kSearchItemLength = 30;
inline constexpr std::size_t kExclusionItemLength = 20;
inline constexpr std::size_t kAndItemLength = 20;

// A choice of one of the dialog's two lists: what the list shows, the code compared with the
// analysis record, and the name written in the header.
struct SearchChoice {
    std::string_view label;
    std::uint8_t code;
    std::string_view headerName;
};
// The part-of-speech list (codes of the analysis record; "UNKnown" picks NOT FOUND words).
std::span<const SearchChoice> partOfSpeechChoices();
// The case/tense list (case of nouns and the like, tense of verbs, as in grammar field 1).
std::span<const SearchChoice> caseTenseChoices();
inline constexpr std::uint8_t kAnyCode = 0;
inline constexpr std::uint8_t kUnknownSpeechCode = 64;

// The code of a list entry given by its label, its header name or its code as a number (case
// ignored); none for a name that is neither.
std::optional<std::uint8_t> partOfSpeechCode(std::string_view name);
std::optional<std::uint8_t> caseTenseCode(std::string_view name);

// The dialog's fields as the user left them.
struct SearchDialogValues {
    SearchKind kind = SearchKind::Text;
    std::string item;
    std::string exclusion;
    std::string andItem;   // text search only
    std::uint8_t partOfSpeech = kAnyCode;
    std::uint8_t caseTense = kAnyCode;
};

// The dialog's refusal on OK ("Must enter something to search for!", ...), or empty when the
// values may be searched for.
std::string_view searchDialogRefusal(const SearchDialogValues& values);

// The values as the search compares them: the items in lower case (A to Z only), j written as
// i and v as u; an exclusion or "And" item without a letter is dropped; the "And" item only for a
// text search; for "UNKnown" no case or tense. Items longer than their fields are cut to them.
SearchDialogValues normalisedSearch(const SearchDialogValues& values);

// The two header lines of fails.txt for the (normalised) search.
std::string searchResultsHeader(const SearchDialogValues& search);

// Lower case (A to Z only) with j as i and v as u: how items and lines are compared.
char searchFold(char ch);
std::string searchFolded(std::string_view text);

}  // namespace kavro
