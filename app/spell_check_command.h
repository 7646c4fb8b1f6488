// The window's "Spell Check" command on a chosen file: the file read and checked, fails.txt
// written, and parser.txt left holding the result message. The window then shows the checked
// text in the Latin box and again, with the unrecognised words underlined, in the Translation box.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "app/spell_check.h"

namespace kavro {

struct Engine;

inline constexpr std::string_view kFailsFileUnwritable =
    "Cannot open search output file 'fails.txt' file.\nIs it open elsewhere?";

// Nothing when the file cannot be read, is too long, or fails.txt cannot be written: the message
// has been shown and the boxes stay as they were.
std::optional<SpellCheckResult> spellCheckFile(Engine& engine, const std::filesystem::path& file);

}  // namespace kavro
