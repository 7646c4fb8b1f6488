// The shaping of one word of a sentence for the dictionary: stray characters removed,
// u for v and i for j, letter case, elided verbs, a few spelling repairs.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/capacities.h"
#include "core/view_options.h"

namespace kavro {

// One word while the tokenizer works on it; always NUL-terminated, never over 99 characters.
struct WordBuffer {
    static constexpr std::size_t kCapacity = kTokenTextSize;
    char text[kCapacity]{};
    std::size_t length = 0;

    std::string_view view() const { return {text, length}; }
    void assign(std::string_view source);
    bool append(char ch);
    bool insert(std::size_t at, char ch);
    void eraseFront(std::size_t count);
    void truncate(std::size_t newLength);
};

// The eleven marks that become punctuation tokens, in the order of their codes.
inline constexpr std::string_view kPunctuationMarks = ".,?:!\"';-()";
// Index of `ch` among the marks, or -1.
int punctuationIndex(char ch);

// A word ending in ")" (or with ")" second-last) whose "(" comes after its first character:
// the pair becomes "[...]" so that the letters join the word.
void markInnerParentheses(WordBuffer& word);

// Plautine elisions inside a word: the apostrophe of meu', ill' or ornatu's becomes a letter.
void restorePlautineElision(WordBuffer& word);

// Removes everything but letters, hyphens, "_", "`", a few marks and (with botanyActive)
// digits; splits the Windows-1252 ligatures.
void cleanCharacters(WordBuffer& word, const ViewOptions& options);

struct CapitalCounts {
    int capitals = 0;
    int nonNumeralCapitals = 0;  // capitals other than C D I L M U V X
};
// u for v and i for j in both cases; counts the capitals.
CapitalCounts foldLetters(WordBuffer& word);

// "M_XII" and the like: an initial joined to a Roman numeral.
bool isInitialWithNumeral(const WordBuffer& word);

// Roman numerals stay in capitals, names keep their capital, all else is put in lower case.
void shapeLetterCase(WordBuffer& word, const CapitalCounts& counts);

// The verb a word ends with by elision (factumst, with plautusElisions datust, factuss);
// it is cut off the word and returned ("est", "es" or empty).
std::string_view splitElidedVerb(WordBuffer& word, const ViewOptions& options);

// Spelling repair of the tokenizer: uigesi- for uicesi-.
void repairSpelling(WordBuffer& word, const ViewOptions& options);

// The tokens a cleaned word becomes, in order: an initial joined to a numeral gives two pieces to
// `put` ("P" is read as "pondo", pounds); any other word is shaped and repaired and given to
// `store`, followed by the verb it ended with by elision. The tokenizer and the replay that pairs
// tokens with the written text both use it, so that they cannot drift apart.
template <class Put, class Store>
void forEachWordToken(WordBuffer& word, const ViewOptions& options, Put&& put, Store&& store) {
    const CapitalCounts counts = foldLetters(word);
    if (isInitialWithNumeral(word)) {
        put(word.text[0] == 'P' ? std::string_view("pondo") : word.view().substr(0, 1));
        put(word.view().substr(2));
        return;
    }
    shapeLetterCase(word, counts);
    const std::string_view verb = splitElidedVerb(word, options);
    repairSpelling(word, options);
    store(word.view());
    if (!verb.empty()) store(verb);
}

}  // namespace kavro
