// The product's name and version, as the output log's header and the front ends show them.
#pragma once

#include <string_view>

namespace kavro {

inline constexpr std::string_view kProductName = "Kavro Latin";
// The build passes the project version; a build without it says so rather than guessing.
#ifndef KAVRO_VERSION_STRING
#define KAVRO_VERSION_STRING "unversioned"
#endif
inline constexpr std::string_view kProductVersion = KAVRO_VERSION_STRING;

}  // namespace kavro
