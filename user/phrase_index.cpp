// The order of the standard phrases and their letter index, and the look-up of the phrases
// that begin with a given word.
#include <algorithm>
#include <cstring>

#include "core/fixed_text.h"
#include "core/lexicon.h"
#include "user/standard_phrases.h"

namespace kavro {
namespace {

constexpr char kClosingText[] = "MAX_ENTRIES";

// Plain byte order of the words in turn: the order of the words joined with spaces.
bool wordsBefore(const StandardPhraseRecord& a, const StandardPhraseRecord& b) {
    for (std::size_t k = 0; k < kPhraseWordMax; ++k) {
        const int order = fieldText(a.words[k]).compare(fieldText(b.words[k]));
        if (order != 0) return order < 0;
    }
    return false;
}

// Compares a phrase's first word with a word, for the searches in the sorted table.
struct FirstWordOrder {
    bool operator()(const StandardPhraseRecord& a, std::string_view word) const {
        return compareFieldText(a.words[0], word) < 0;
    }
    bool operator()(std::string_view word, const StandardPhraseRecord& b) const {
        return compareFieldText(b.words[0], word) > 0;
    }
};

void setLetter(PhraseIndexEntry& entry, int letter, std::size_t phrase) {
    entry.firstPhrase = static_cast<std::uint32_t>(phrase);
    const char text[2] = {static_cast<char>('a' + letter), '\0'};
    copyField(entry.letter, text);
}

}  // namespace

void sortStandardPhrases(std::vector<StandardPhraseRecord>& table) {
    std::stable_sort(table.begin(), table.end(), wordsBefore);
}

int buildPhraseIndex(std::span<const StandardPhraseRecord> phrases, PhraseIndex& index) {
    index = {};
    int letter = 0;  // the next letter to give is 'a' + letter
    for (std::size_t i = 0; i < phrases.size(); ++i) {
        const auto first = static_cast<unsigned char>(phrases[i].words[0][0]);
        // One phrase serves every letter up to its own first character. A first character
        // beyond "z" carries the walk past the index, which is counted but not written.
        while (first >= 'a' + letter) {
            if (letter < kPhraseLetters) setLetter(index[letter], letter, i);
            ++letter;
        }
    }
    const std::size_t last = phrases.empty() ? 0 : phrases.size() - 1;
    for (; letter < kPhraseLetters; ++letter) setLetter(index[letter], letter, last);
    index[kPhraseIndexClosing].firstPhrase = static_cast<std::uint32_t>(phrases.size());
    copyField(index[kPhraseIndexClosing].letter, kClosingText);
    return letter;
}

std::span<const StandardPhraseRecord> phrasesStartingWith(const Lexicon& lexicon,
                                                          std::string_view word) {
    const std::span<const StandardPhraseRecord> table = lexicon.standardPhrases;
    if (word.empty()) return {};
    std::size_t lo = 0, hi = table.size();
    if (word[0] >= 'a' && word[0] <= 'z') {
        // Letters after the last phrase's letter point at the last phrase, so the range runs
        // one phrase beyond the next letter's entry.
        const int letter = word[0] - 'a';
        lo = std::min<std::size_t>(lexicon.phraseIndex[letter].firstPhrase, table.size());
        hi = std::min<std::size_t>(lexicon.phraseIndex[letter + 1].firstPhrase + 1u, table.size());
        hi = std::max(lo, hi);
    }
    const auto range = table.subspan(lo, hi - lo);
    const auto [begin, end] = std::equal_range(range.begin(), range.end(), word, FirstWordOrder{});
    return {begin, end};
}

}  // namespace kavro
