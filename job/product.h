// The product's name and version, as the output log's header and the front ends show them.
#pragma once

#include <string_view>

namespace kavro {

inline constexpr std::string_view kProductName = "Kavro Latin";
// Kept in step with the project version in the top-level CMakeLists.txt.
inline constexpr std::string_view kProductVersion = "0.1.0";

}  // namespace kavro
