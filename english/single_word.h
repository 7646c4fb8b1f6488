// Translation of one Latin word on its own: every reading of the word becomes a word position of
// its own and runs through English assembly and polishing; the result is one line with the
// alternatives for the Translation box and a glossary of every reading.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kavro {

struct Engine;

// Limits of the single-word texts.
inline constexpr std::size_t kSingleWordTextLimit = 4150;   // translation and glossary
inline constexpr std::size_t kSingleWordLengthLimit = 99;   // a longer word is cut ...
inline constexpr std::size_t kSingleWordCutLength = 95;     // ... to this many characters
inline constexpr int kAlternativesLimit = 48;               // more collected meanings: truncation note

inline constexpr std::string_view kSingleWordTooLong = "Text too long to show all of it. Truncated.\n";

// The modes of translateSingleWord.
namespace single_word_mode {
inline constexpr int TranslationOnly = 1;
inline constexpr int WithGlossary = 2;
}  // namespace single_word_mode

// What a single-word translation produces: the text for the Translation box and the glossary;
// showGlossaryWindow says the glossary goes to the modeless single-word window.
struct SingleWordOutput {
    std::string translation;
    std::string glossary;
    bool showGlossaryWindow = false;
};

// Translates `word` alone. Mode 1 gives the translation line (equal English slots shown once),
// mode 2 also the glossary with each reading's Latin form, grammar and meaning; mode 0, or a
// singleWordTarget other than 0, means mode 2. The texts are 8-bit Windows-1252 like the
// lexicon. Overwrites the sentence tables: never call it while a translation job runs. The
// translation is also left in engine.translationText.
SingleWordOutput translateSingleWord(Engine& engine, std::string_view word, int mode);

}  // namespace kavro
