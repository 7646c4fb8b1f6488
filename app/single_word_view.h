// A click or a one-word selection in the Latin or Translation box: the word goes to the
// single-word translation, whose text goes to the lower window or the glossary window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kavro {

struct Engine;

// The mode the window asks of the single-word translation (a glossary follows from the options).
inline constexpr int kSingleWordMode = 1;

struct SingleWordView {
    std::string word;
    std::string lowerWindow;     // the translation, or the glossary when that is chosen
    std::string glossaryWindow;  // for the modeless glossary window
    bool showGlossaryWindow = false;
};

// The single-word translation of `word`; nothing for an empty word.
std::optional<SingleWordView> singleWordView(Engine& engine, std::string_view word);

// The word under position `at` of the box text, translated; nothing on white space or
// punctuation (the lower window stays as it is).
std::optional<SingleWordView> clickedWordView(Engine& engine, std::string_view boxText, std::size_t at);

}  // namespace kavro
