#include "formats/json_text.h"

#include <charconv>

#include "core/text_bytes.h"
#include "text/text_encoding.h"

namespace kavro {
namespace {

// The JSON escape of a quote, a backslash or a control character, as the JSON library writes
// it (\b \f \n \r \t, else \u00xx).
void appendJsonEscape(std::string& out, char c) {
    switch (c) {
    case '"': out += "\\\""; break;
    case '\\': out += "\\\\"; break;
    case '\b': out += "\\b"; break;
    case '\f': out += "\\f"; break;
    case '\n': out += "\\n"; break;
    case '\r': out += "\\r"; break;
    case '\t': out += "\\t"; break;
    default: {
        constexpr char kHex[] = "0123456789abcdef";
        const auto byte = static_cast<unsigned char>(c);
        out += "\\u00";
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
    }
}

}  // namespace

// A string as JSON: quotes, backslashes and control characters escaped; UTF-8 passes as it is,
// a run of plain characters at a time.
void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\') continue;
        out.append(text.substr(start, i - start));
        appendJsonEscape(out, c);
        start = i + 1;
    }
    out.append(text.substr(start));
    out += '"';
}

// Engine text (Windows-1252) as a JSON string of UTF-8.
void appendJsonEngineText(std::string& out, std::string_view engineText) {
    if (!holdsHighByte(engineText)) return appendJsonString(out, engineText);
    thread_local std::string converted;
    converted.clear();
    appendWindows1252AsUtf8(converted, engineText);
    appendJsonString(out, converted);
}

void appendJsonField(std::string& out, std::string_view name, std::string_view engineText) {
    out.append(",\"").append(name).append("\":");
    appendJsonEngineText(out, engineText);
}

void appendNumber(std::string& out, int value) {
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}


namespace {

// The code point of the UTF-8 sequence at `text[i]`, advancing `i` past it (a stray byte stands
// for itself).
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 0; k < extra && i < text.size(); ++k)
        c = c << 6 | (static_cast<unsigned char>(text[i++]) & 0x3F);
    return c;
}

void appendUnitEscape(std::string& out, unsigned unit) {
    constexpr char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 15];
}

}  // namespace

void appendJsonAsciiString(std::string& out, std::string_view utf8) {
    out += '"';
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            ++i;
            if (static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\') out += c;
            else appendJsonEscape(out, c);
            continue;
        }
        const char32_t point = nextCodePoint(utf8, i);
        if (point < 0x10000) {
            appendUnitEscape(out, point);
            continue;
        }
        appendUnitEscape(out, 0xD800 + ((point - 0x10000) >> 10));
        appendUnitEscape(out, 0xDC00 + ((point - 0x10000) & 0x3FF));
    }
    out += '"';
}

}  // namespace kavro
