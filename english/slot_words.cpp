// Word-level edits of English slot texts.
#include "english/slot_words.h"

namespace kavro {

bool isWordLetter(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 128;
}

std::size_t findWholeWord(std::string_view text, std::string_view word, std::size_t from) {
    if (word.empty()) return std::string_view::npos;
    for (std::size_t at = text.find(word, from); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        const bool clearBefore = at == 0 || !isWordLetter(text[at - 1]);
        const bool clearAfter = end == text.size() || !isWordLetter(text[end]);
        if (clearBefore && clearAfter) return at;
    }
    return std::string_view::npos;
}

bool replaceWholeWord(std::string& text, std::string_view word, std::string_view replacement) {
    const std::size_t at = findWholeWord(text, word);
    if (at == std::string::npos) return false;
    text.replace(at, word.size(), replacement);
    return true;
}

bool replaceWordOrPlural(std::string& text, std::string_view word, std::string_view replacement) {
    for (std::string_view ending : {"", "s", "es"}) {
        const std::string form = std::string(word) + std::string(ending);
        if (replaceWholeWord(text, form, replacement)) return true;
    }
    return false;
}

bool removeLeading(std::string& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.erase(0, prefix.size());
    return true;
}

void raiseLetter(std::string& text, std::size_t at) {
    if (at < text.size() && text[at] >= 'a' && text[at] <= 'z') text[at] = char(text[at] - 'a' + 'A');
}

}  // namespace kavro
