// The translation of one Latin word alone: its alternatives and its glossary.
#pragma once

#include <string>
#include <string_view>

namespace kavro {
struct Engine;
struct SingleWordOutput {
    std::string translation;   // engine's 8-bit Windows-1252 text
    std::string glossary;
    bool showGlossaryWindow = false;
};
SingleWordOutput translateSingleWord(Engine& engine, std::string_view word, int mode);
}
