#include "text/input_encoding.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <utility>

namespace kavro {
namespace {

constexpr unsigned char kUnmappable = ' ';
constexpr unsigned char kDropped = '\0';
constexpr char kKeep = '.';  // in the fold tables: no folding, see the other rules

// U+00C0 to U+00FF: the letter each accented letter (grave, acute, circumflex, diaeresis)
// folds to; the others keep their Windows-1252 byte, which equals the code point here.
constexpr char kLatin1Folds[] =
    "AAA.A...EEEEIIII..OOO.O..UUUUY..aaa.a...eeeeiiii..ooo.o..uuuuy.y";
static_assert(sizeof kLatin1Folds == 0x40 + 1);

// U+0100 to U+017F: the plain letter of each letter with a macron, breve, acute, grave,
// circumflex or diaeresis (and the long s); the rest is unmappable unless listed below.
constexpr char kLatinExtendedAFolds[] =
    "AaAa..CcCc......"
    "..EeEe......GgGg"
    "....Hh....IiIi.."
    "....Jj...Ll....."
    "...Nn.......OoOo"
    "Oo..Rr....SsSs.."
    "..........UuUu.."
    "Uu..WwYyYZz....s";
static_assert(sizeof kLatinExtendedAFolds == 0x80 + 1);

struct CodeMapping {
    char32_t codePoint;
    unsigned char byte;
};

// Code points with a Windows-1252 byte of their own, and the few accented letters outside
// the two blocks above.
constexpr CodeMapping kSingleMappings[] = {
    {0x00A0, ' '},  {0x0152, 0x8C}, {0x0153, 0x9C}, {0x0160, 0x8A}, {0x0161, 0x9A},
    {0x017D, 0x8E}, {0x017E, 0x9E}, {0x0192, 0x83}, {0x01D5, 'U'},  {0x01D6, 'u'},
    {0x01D7, 'U'},  {0x01D8, 'u'},  {0x01D9, 'U'},  {0x01DA, 'u'},  {0x01DB, 'U'},
    {0x01DC, 'u'},  {0x01DE, 'A'},  {0x01DF, 'a'},  {0x01E2, 0xC6}, {0x01E3, 0xE6},
    {0x01FC, 0xC6}, {0x01FD, 0xE6}, {0x022A, 'O'},  {0x022B, 'o'},  {0x0232, 'Y'},
    {0x0233, 'y'},  {0x02C6, 0x88}, {0x02DC, 0x98}, {0x1E14, 'E'},  {0x1E15, 'e'},
    {0x1E16, 'E'},  {0x1E17, 'e'},  {0x1E50, 'O'},  {0x1E51, 'o'},  {0x1E52, 'O'},
    {0x1E53, 'o'},  {0x1E7A, 'U'},  {0x1E7B, 'u'},  {0x1EF2, 'Y'},  {0x1EF3, 'y'},
    {0x200B, kDropped}, {0x200C, kDropped}, {0x200D, kDropped},
    {0x2010, '-'},  {0x2011, '-'},  {0x2012, '-'},  {0x2013, 0x96}, {0x2014, 0x97},
    {0x2018, 0x91}, {0x2019, 0x92}, {0x201A, 0x82}, {0x201C, 0x93}, {0x201D, 0x94},
    {0x201E, 0x84}, {0x2020, 0x86}, {0x2021, 0x87}, {0x2022, 0x95}, {0x2026, 0x85},
    {0x2030, 0x89}, {0x2039, 0x8B}, {0x203A, 0x9B}, {0x2060, kDropped},
    {0x20AC, 0x80}, {0x2122, 0x99}, {0xFEFF, kDropped},
};

constexpr bool isCombiningAccent(char32_t cp) { return cp >= 0x0300 && cp <= 0x036F; }
constexpr bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at `at`, or 0 if it is not well formed.
std::size_t sequenceLength(std::string_view bytes, std::size_t at, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - at < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if (!isContinuation(next)) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF) return 0;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
    return length;
}

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kUtf16ByteOrderMark = 0xFEFF;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The 16-bit unit at `at` (which must leave two bytes) in the given byte order.
char32_t utf16Unit(std::string_view bytes, std::size_t at, Utf16Order order) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return order == Utf16Order::BigEndian ? (first << 8) | second : (second << 8) | first;
}

constexpr bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool startsWithByteOrderMark(std::string_view bytes) {
    return bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF";
}

// The file as a text-mode read gives it: "\r\n" is a line end like "\n" (the preparation
// looks at the characters just before a line end), and NUL bytes become spaces so that no
// line is cut short.
void readAsTextMode(std::string& text) {
    std::size_t kept = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        if (ch == '\r' && at + 1 < text.size() && text[at + 1] == '\n') continue;
        text[kept++] = ch == '\0' ? ' ' : ch;
    }
    text.resize(kept);
}

}  // namespace

bool looksLikeUtf8(std::string_view bytes) {
    bool nonAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t codePoint;
        const std::size_t length = sequenceLength(bytes, at, codePoint);
        if (length == 0) return false;
        nonAscii |= length > 1;
        at += length;
    }
    return nonAscii;
}

Utf16Order utf16ByteOrder(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return Utf16Order::LittleEndian;
    if (bytes.starts_with("\xFE\xFF")) return Utf16Order::BigEndian;
    return Utf16Order::None;
}

std::string utf16ToUtf8(std::string_view bytes, Utf16Order order) {
    std::string utf8;
    utf8.reserve(bytes.size());
    std::size_t at = 0;
    while (at + 1 < bytes.size()) {
        char32_t cp = utf16Unit(bytes, at, order);
        at += 2;
        if (isHighSurrogate(cp) && at + 1 < bytes.size()) {
            const char32_t low = utf16Unit(bytes, at, order);
            if (isLowSurrogate(low)) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
            }
        }
        if (isHighSurrogate(cp) || isLowSurrogate(cp)) cp = kReplacementCharacter;
        if (at == 2 && cp == kUtf16ByteOrderMark) continue;
        appendUtf8(utf8, cp);
    }
    if (at < bytes.size()) appendUtf8(utf8, kReplacementCharacter);
    return utf8;
}

unsigned char windows1252For(char32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp < 0xA0) return kUnmappable;  // C1 control characters
    if (isCombiningAccent(cp)) return kDropped;
    if (cp >= 0xC0 && cp <= 0xFF) {
        const char fold = kLatin1Folds[cp - 0xC0];
        return fold == kKeep ? static_cast<unsigned char>(cp) : static_cast<unsigned char>(fold);
    }
    for (const CodeMapping& mapping : kSingleMappings) {
        if (mapping.codePoint == cp) return mapping.byte;
    }
    if (cp > 0xA0 && cp < 0xC0) return static_cast<unsigned char>(cp);
    if (cp >= 0x100 && cp <= 0x17F) {
        const char fold = kLatinExtendedAFolds[cp - 0x100];
        return fold == kKeep ? kUnmappable : static_cast<unsigned char>(fold);
    }
    return kUnmappable;
}

std::string decodeUtf8ToWindows1252(std::string_view utf8) {
    if (startsWithByteOrderMark(utf8)) utf8.remove_prefix(3);
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t codePoint;
        std::size_t length = sequenceLength(utf8, at, codePoint);
        if (length == 0) {  // not reached for text that passed looksLikeUtf8
            codePoint = ' ';
            length = 1;
        }
        const unsigned char byte = windows1252For(codePoint);
        if (byte != kDropped) text.push_back(static_cast<char>(byte));
        at += length;
    }
    return text;
}

std::string decodeLatinBytes(std::string bytes, InputEncoding* encoding) {
    InputEncoding found = InputEncoding::Windows1252;
    if (const Utf16Order order = utf16ByteOrder(bytes); order != Utf16Order::None) {
        found = InputEncoding::Utf16;
        bytes = utf16ToUtf8(bytes, order);
    }
    if (looksLikeUtf8(bytes)) {
        if (found == InputEncoding::Windows1252) found = InputEncoding::Utf8;
        bytes = decodeUtf8ToWindows1252(bytes);
    }
    if (encoding) *encoding = found;
    return bytes;
}

LatinInputReader::LatinInputReader(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return;
    open_ = true;
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text_.append(chunk, got);
    readFailed_ = std::ferror(file) != 0;
    std::fclose(file);
    text_ = decodeLatinBytes(std::move(text_), &encoding_);
    readAsTextMode(text_);
}

LatinInputReader::Result LatinInputReader::readLine(char* buffer, std::size_t capacity,
                                                    std::size_t& length) {
    length = 0;
    if (capacity == 0) return Result::Error;
    buffer[0] = '\0';
    if (readFailed_) return Result::Error;
    if (position_ >= text_.size()) return Result::End;
    const std::size_t room = capacity - 1;
    const std::size_t available = text_.size() - position_;
    const std::size_t limit = available < room ? available : room;
    const void* lineEnd = std::memchr(text_.data() + position_, '\n', limit);
    length = lineEnd ? static_cast<std::size_t>(static_cast<const char*>(lineEnd) -
                                                (text_.data() + position_)) + 1
                     : limit;
    std::memcpy(buffer, text_.data() + position_, length);
    buffer[length] = '\0';
    position_ += length;
    return Result::Line;
}

}  // namespace kavro
