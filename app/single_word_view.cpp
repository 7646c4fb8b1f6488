#include "app/single_word_view.h"

#include "app/clicked_word.h"
#include "core/engine.h"
#include "english/single_word.h"

namespace kavro {

std::optional<SingleWordView> singleWordView(Engine& engine, std::string_view word) {
    if (word.empty()) return std::nullopt;
    SingleWordOutput output = translateSingleWord(engine, word, kSingleWordMode);
    SingleWordView view;
    view.word = std::string(word);
    view.lowerWindow = std::move(output.translation);
    view.glossaryWindow = std::move(output.glossary);
    view.showGlossaryWindow = output.showGlossaryWindow;
    return view;
}

std::optional<SingleWordView> clickedWordView(Engine& engine, std::string_view boxText, std::size_t at) {
    return singleWordView(engine, wordAt(boxText, at));
}

}  // namespace kavro
