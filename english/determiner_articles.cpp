// English takes no article beside another determiner: "two the large lights" -> "two large
// lights", "each the animal" -> "each animal", "in the his kind" -> "in his kind". The words of
// a sentence come from different slots, so the rule reads across slot boundaries.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "english/polish_steps.h"
#include "english/slot_words.h"

namespace kavro {

namespace {

// Words after which "the" is never English ("her" is left out: it is also an object, "he
// gave her the book").
constexpr std::array<std::string_view, 23> kDeterminersBefore = {
    "his", "its", "their", "my", "your", "our", "this", "these", "those", "each", "every",
    "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "twelve", "no", "the"};
// Words before which "the" is never English.
constexpr std::array<std::string_view, 7> kPossessivesAfter = {"his", "her", "its", "their",
                                                               "my", "your", "our"};

template <std::size_t N>
bool isOneOf(std::string_view word, const std::array<std::string_view, N>& list) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

// The whole word that starts at `at` (letters only).
std::string_view wordAt(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && isWordLetter(text[end])) ++end;
    return text.substr(at, end - at);
}

// The last whole word of a text, lower case not required ("" when it ends in a mark).
std::string_view lastWord(std::string_view text) {
    std::size_t end = text.size();
    std::size_t start = end;
    while (start > 0 && isWordLetter(text[start - 1])) --start;
    return text.substr(start, end - start);
}

// Removes each "the " whose word before it (`before` at the slot's start) is a determiner, or
// whose word after it is a possessive.
void dropArticles(std::string& text, std::string_view before) {
    for (std::size_t at = findWholeWord(text, "the"); at != std::string::npos;
         at = findWholeWord(text, "the", at)) {
        const std::string_view previous = at == 0 ? before : lastWord(std::string_view(text).substr(0, at - 1));
        const bool spaced = at + 3 < text.size() && text[at + 3] == ' ';
        const bool beforeOk = at == 0 || text[at - 1] == ' ';
        if (spaced && beforeOk &&
            (isOneOf(previous, kDeterminersBefore) || isOneOf(wordAt(text, at + 4), kPossessivesAfter))) {
            text.erase(at, 4);
        } else {
            at += 3;
        }
    }
}

}  // namespace

void dropArticlesBesideDeterminers(PolishSentence& s) {
    std::string before;
    for (int p = 0; p < s.size(); ++p) {
        std::string text = s.text(p);
        if (text.empty()) continue;
        if (!s.isUserPhrase(p)) {
            dropArticles(text, before);
            s.setText(p, text);
        }
        before = std::string(lastWord(text));
    }
}

}  // namespace kavro
