// Latin input files arrive in Windows-1252, in UTF-8, or in UTF-16 with a byte-order mark (what
// Windows editors save as "Unicode"). The engine works in 8-bit Windows-1252 text, so a UTF-8
// or UTF-16 file is decoded on the way in: accented letters fold to the plain letter, the
// ligatures and curly quotes keep their Windows-1252 codes for the preparation to handle, and
// anything that has no place in the engine's text becomes a space.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace kavro {

enum class InputEncoding { Windows1252, Utf8, Utf16 };

// The byte order a UTF-16 text announces with its leading byte-order mark (FF FE little-endian,
// FE FF big-endian); None for a text without one.
enum class Utf16Order { None, LittleEndian, BigEndian };
Utf16Order utf16ByteOrder(std::string_view bytes);

// The UTF-8 of a UTF-16 text in the given byte order: the byte-order mark is dropped, and an
// unpaired surrogate or an odd last byte becomes U+FFFD, so the result is always well formed
// and decodes exactly as the same text saved in UTF-8.
std::string utf16ToUtf8(std::string_view bytes, Utf16Order order);

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, nothing past
// U+10FFFF) and holds at least one byte above 127; an ASCII text is taken as Windows-1252.
bool looksLikeUtf8(std::string_view bytes);

// The engine's 8-bit text of a UTF-8 text: a leading byte-order mark is dropped, combining
// accents vanish, every other code point becomes one byte (see windows1252For).
std::string decodeUtf8ToWindows1252(std::string_view utf8);

// The byte that stands for one code point in the engine's text ('\0' for a combining accent,
// which is dropped; ' ' for anything unmappable).
unsigned char windows1252For(char32_t codePoint);

// The engine's 8-bit text of a whole input text, whatever its encoding: UTF-16 with a byte-order
// mark is first made UTF-8, and well-formed UTF-8 is decoded; anything else is Windows-1252
// already. `encoding` (when given) receives what the text was found to be.
std::string decodeLatinBytes(std::string bytes, InputEncoding* encoding = nullptr);

// An input file in the engine's text (UTF-16 is first made UTF-8, then UTF-8 decoded, exactly as
// decodeLatinBytes decodes the whole file), served line by line like fgets in text mode: every
// line keeps its line end ("\r\n" read as "\n"), and a line longer than the caller's buffer
// comes in pieces. NUL bytes become spaces, so no line is cut short by a NUL. The file is read
// twice, a block at a time: once to find its encoding, once to decode it as it is served; so it
// must be one that can be read again from the start (a regular file; any other gives a read
// error), and the memory used does not grow with its size.
class LatinInputReader {
public:
    enum class Result { Line, End, Error };

    static constexpr std::size_t kDefaultBlockSize = std::size_t{1} << 16;

    // Opens the file and finds its encoding; isOpen() tells whether it could be opened.
    explicit LatinInputReader(const std::filesystem::path& path,
                              std::size_t blockSize = kDefaultBlockSize);
    ~LatinInputReader();
    LatinInputReader(const LatinInputReader&) = delete;
    LatinInputReader& operator=(const LatinInputReader&) = delete;

    bool isOpen() const { return open_; }
    // Whether reading the file failed so far; readLine then gives Error.
    bool readFailed() const { return readFailed_; }
    InputEncoding encoding() const { return encoding_; }

    // Copies the next line (at most capacity - 1 bytes) into `buffer`, NUL-terminated, and its
    // length into `length`.
    Result readLine(char* buffer, std::size_t capacity, std::size_t& length);

private:
    struct Stream;

    // Decodes the next block or blocks until there is text to serve; false at the end of the
    // file or on a read error.
    bool refill();

    std::unique_ptr<Stream> stream_;
    InputEncoding encoding_ = InputEncoding::Windows1252;
    bool open_ = false;
    bool readFailed_ = false;
};

}  // namespace kavro
