// JSON text written directly: strings escaped as the usual JSON writers escape them, numbers,
// and engine text (Windows-1252) as UTF-8 or as plain ASCII with \u escapes.
#pragma once

#include <string>
#include <string_view>

namespace kavro {

// A string as JSON: quotes, backslashes and control characters escaped; UTF-8 passes as it is.
void appendJsonString(std::string& out, std::string_view text);
// The same with every character beyond ASCII written as \uXXXX (UTF-16 units), for ASCII output.
void appendJsonAsciiString(std::string& out, std::string_view utf8);
// Engine text (Windows-1252) as a JSON string of UTF-8.
void appendJsonEngineText(std::string& out, std::string_view engineText);
// ,"NAME":"engine text"
void appendJsonField(std::string& out, std::string_view name, std::string_view engineText);
void appendNumber(std::string& out, int value);

}  // namespace kavro
