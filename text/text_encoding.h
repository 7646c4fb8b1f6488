// The engine's 8-bit text is Windows-1252; a terminal wants UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "core/text_bytes.h"

namespace kavro {

std::string windows1252ToUtf8(std::string_view text);

// The same, appended to `out` (whose buffer is reused instead of a new string's).
void appendWindows1252AsUtf8(std::string& out, std::string_view text);

}  // namespace kavro
