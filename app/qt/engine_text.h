// Between the boxes' Unicode text and the engine's 8-bit Windows-1252 text.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace kavro::gui {

QString toQt(std::string_view engineText);
std::string toEngine(const QString& text);

// The engine text of `text` with the engine position of character `at` in `enginePosition`
// (accents that vanish on the way take no place).
std::string toEngine(const QString& text, int at, std::size_t& enginePosition);

}  // namespace kavro::gui
