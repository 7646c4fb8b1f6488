// The engine's 8-bit text is Windows-1252; a terminal wants UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kavro::cli {

std::string windows1252ToUtf8(std::string_view text);

}  // namespace kavro::cli
