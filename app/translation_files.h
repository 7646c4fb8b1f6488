// "Rename File" and "Reload Translation": saving what the Translation box shows to a file of the
// user's, and showing a saved translation again.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/host.h"

namespace kavro {

struct Engine;

// A reloaded file is read up to this many bytes; one this long or longer is cut.
inline constexpr std::size_t kReloadLimit = 200000;
inline constexpr std::size_t kReloadTruncatedAt = 199999;
// The box text is saved itself only when shorter than this (else parser.txt is copied).
inline constexpr std::size_t kSavedBoxLimit = 200000;

inline constexpr std::string_view kChosenFileUnwritable =
    "Cannot open your chosen file. Is it open somewhere already?";
inline constexpr std::string_view kLogUnopenable =
    "Cannot open file 'Parser.txt'. Is it open somewhere already?";

// Saves the translation to `chosen`: the box text with every carriage return made a line feed
// when the box holds the whole of parser.txt, else parser.txt itself. The file is replaced whole
// or not at all, so a failure never leaves the user's file half written. False (with the
// message shown) on failure.
bool saveTranslationAs(Engine& engine, const std::filesystem::path& chosen, std::string_view boxText,
                       bool boxHoldsWholeLog);

struct ReloadedTranslation {
    std::string text;        // for the Translation box
    bool editable = true;    // read-only when the file was cut
};

// Reads `chosen` (at most kReloadLimit bytes), makes it parser.txt and returns what the box
// shows. Nothing changes when the file cannot be read or parser.txt cannot be replaced: the
// previous translation stays in the box and in parser.txt.
std::optional<ReloadedTranslation> reloadTranslation(Engine& engine, const std::filesystem::path& chosen);

}  // namespace kavro
