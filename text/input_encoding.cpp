#include "text/input_encoding.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

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
constexpr bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kUtf16ByteOrderMark = 0xFEFF;
// In a stream of decoded code points: one byte that is not part of a well-formed UTF-8 sequence.
constexpr char32_t kMalformedByte = 0xFFFFFFFF;

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

// UTF-8 decoded from pieces of any size: `emit` receives every code point, and kMalformedByte
// once for every byte outside a well-formed sequence (overlong forms, surrogates and anything
// past U+10FFFF are not well formed). A sequence split between two pieces is carried over; one
// broken off by a byte that cannot continue it yields its bytes as malformed, and that byte
// starts afresh; one cut short by the end of the text is malformed too.
class Utf8Decoder {
public:
    template <class Emit>
    void feed(std::string_view bytes, Emit& emit) {
        for (const char ch : bytes) push(static_cast<unsigned char>(ch), emit);
    }

    template <class Emit>
    void finish(Emit& emit) {
        for (std::size_t k = 0; k < have_; ++k) emit(kMalformedByte);
        have_ = 0;
    }

private:
    template <class Emit>
    void push(unsigned char byte, Emit& emit) {
        if (have_ > 0) {
            if (isContinuation(byte)) {
                codePoint_ = (codePoint_ << 6) | (byte & 0x3F);
                if (++have_ < need_) return;
                have_ = 0;
                if (wellFormed()) {
                    emit(codePoint_);
                } else {
                    for (std::size_t k = 0; k < need_; ++k) emit(kMalformedByte);
                }
                return;
            }
            finish(emit);
        }
        if (byte < 0x80) {
            emit(static_cast<char32_t>(byte));
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            start(2, byte & 0x1F);
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            start(3, byte & 0x0F);
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            start(4, byte & 0x07);
        } else {
            emit(kMalformedByte);
        }
    }

    void start(std::size_t length, char32_t bits) {
        need_ = length;
        have_ = 1;
        codePoint_ = bits;
    }

    bool wellFormed() const {
        const char32_t minimum = need_ == 2 ? 0x80 : need_ == 3 ? 0x800 : 0x10000;
        return codePoint_ >= minimum && codePoint_ <= 0x10FFFF &&
               !(codePoint_ >= 0xD800 && codePoint_ <= 0xDFFF);
    }

    char32_t codePoint_ = 0;
    std::size_t have_ = 0;  // bytes of the open sequence seen so far, 0 between sequences
    std::size_t need_ = 0;  // its length
};

// Whether a text fed in pieces is well-formed UTF-8, and whether it holds anything but ASCII.
class Utf8Check {
public:
    void feed(std::string_view bytes) { decoder_.feed(bytes, *this); }
    void finish() { decoder_.finish(*this); }
    bool malformed() const { return malformed_; }
    bool looksLikeUtf8() const { return !malformed_ && nonAscii_; }

    void operator()(char32_t cp) {
        if (cp == kMalformedByte) malformed_ = true;
        else if (cp >= 0x80) nonAscii_ = true;
    }

private:
    Utf8Decoder decoder_;
    bool malformed_ = false;
    bool nonAscii_ = false;
};

// UTF-16 in the given byte order (little-endian unless big), decoded from pieces of any size
// into code points for `emit`: a 16-bit unit or surrogate pair split between two pieces is
// carried over, a byte-order mark as the first unit is dropped, and an unpaired surrogate or an
// odd last byte becomes U+FFFD (the unit after an unpaired high surrogate counts on its own).
class Utf16Decoder {
public:
    explicit Utf16Decoder(Utf16Order order) : bigEndian_(order == Utf16Order::BigEndian) {}

    template <class Emit>
    void feed(std::string_view bytes, Emit& emit) {
        for (const char ch : bytes) {
            const auto byte = static_cast<unsigned char>(ch);
            if (!haveFirstByte_) {
                firstByte_ = byte;
                haveFirstByte_ = true;
                continue;
            }
            haveFirstByte_ = false;
            const char32_t value = bigEndian_ ? (char32_t{firstByte_} << 8) | byte
                                              : (char32_t{byte} << 8) | firstByte_;
            unit(value, emit);
        }
    }

    template <class Emit>
    void finish(Emit& emit) {
        if (highSurrogate_ != 0) emit(kReplacementCharacter);
        if (haveFirstByte_) emit(kReplacementCharacter);
        highSurrogate_ = 0;
        haveFirstByte_ = false;
    }

private:
    template <class Emit>
    void unit(char32_t value, Emit& emit) {
        const bool first = firstUnit_;
        firstUnit_ = false;
        if (highSurrogate_ != 0) {
            const char32_t high = highSurrogate_;
            highSurrogate_ = 0;
            if (isLowSurrogate(value)) {
                emit(0x10000 + ((high - 0xD800) << 10) + (value - 0xDC00));
                return;
            }
            emit(kReplacementCharacter);
        }
        if (isHighSurrogate(value)) {
            highSurrogate_ = value;
        } else if (isLowSurrogate(value)) {
            emit(kReplacementCharacter);
        } else if (!(first && value == kUtf16ByteOrderMark)) {
            emit(value);
        }
    }

    bool bigEndian_;
    bool firstUnit_ = true;
    bool haveFirstByte_ = false;
    unsigned char firstByte_ = 0;
    char32_t highSurrogate_ = 0;  // a high surrogate waiting for its low half, else 0
};

// How a whole input text is to be decoded, found from its bytes fed in pieces: a UTF-16
// byte-order mark in the first two bytes makes it UTF-16; otherwise it is UTF-8 when it is
// well formed and holds a byte above 127, and Windows-1252 as it stands when not.
class EncodingCheck {
public:
    // Takes the next piece; true once the rest of the text cannot change the answer.
    bool feed(std::string_view bytes) {
        while (!started_ && !bytes.empty()) {
            head_[headLength_++] = bytes.front();
            bytes.remove_prefix(1);
            if (headLength_ == sizeof head_) start();
        }
        if (!started_) return false;
        if (order_ == Utf16Order::None) {
            utf8_.feed(bytes);
        } else {
            utf16_.feed(bytes, *this);
        }
        return decided();
    }

    // Called after the last piece (or once feed() said the answer is known).
    void finish() {
        if (!started_) start();
        if (order_ == Utf16Order::None) utf8_.finish();
        else utf16_.finish(*this);
    }

    InputEncoding encoding() const {
        if (order_ != Utf16Order::None) return InputEncoding::Utf16;
        return utf8_.looksLikeUtf8() ? InputEncoding::Utf8 : InputEncoding::Windows1252;
    }
    Utf16Order order() const { return order_; }
    // Whether the UTF-16 holds anything but ASCII: only then is its UTF-8 decoded in turn.
    bool utf16NonAscii() const { return utf16NonAscii_; }

    void operator()(char32_t cp) { utf16NonAscii_ |= cp >= 0x80; }

private:
    bool decided() const {
        return order_ == Utf16Order::None ? utf8_.malformed() : utf16NonAscii_;
    }

    void start() {
        started_ = true;
        const std::string_view head(head_, headLength_);
        order_ = utf16ByteOrder(head);
        utf16_ = Utf16Decoder(order_);
        if (order_ == Utf16Order::None) utf8_.feed(head);
        else utf16_.feed(head, *this);
    }

    char head_[2] = {};
    std::size_t headLength_ = 0;
    bool started_ = false;
    Utf16Order order_ = Utf16Order::None;
    Utf8Check utf8_;
    Utf16Decoder utf16_{Utf16Order::None};
    bool utf16NonAscii_ = false;
};

// The engine's 8-bit text of an input text in pieces; see EncodingCheck for what is decoded how.
class LatinDecoder {
public:
    // Windows-1252 text passes as it stands; UTF-8 is decoded and folded; UTF-16 is decoded, and
    // folded when `foldUtf16` (ASCII-only UTF-16 stays the ASCII it is, NUL bytes included).
    LatinDecoder(InputEncoding encoding, Utf16Order order, bool foldUtf16)
        : encoding_(encoding), keepsNul_(encoding == InputEncoding::Utf16 && !foldUtf16),
          utf16_(order) {}

    // `out` receives every byte of the engine's text, in order.
    template <class Out>
    void feed(std::string_view bytes, Out& out) {
        if (encoding_ == InputEncoding::Windows1252) {
            for (const char ch : bytes) out(static_cast<unsigned char>(ch));
            return;
        }
        CodePointOut<Out> codePoints{*this, out};
        if (encoding_ == InputEncoding::Utf8) utf8_.feed(bytes, codePoints);
        else utf16_.feed(bytes, codePoints);
    }

    template <class Out>
    void finish(Out& out) {
        CodePointOut<Out> codePoints{*this, out};
        if (encoding_ == InputEncoding::Utf8) utf8_.finish(codePoints);
        else if (encoding_ == InputEncoding::Utf16) utf16_.finish(codePoints);
    }

private:
    template <class Out>
    struct CodePointOut {
        const LatinDecoder& decoder;
        Out& out;
        void operator()(char32_t cp) {
            if (cp == 0 && decoder.keepsNul_) {
                out(0);
                return;
            }
            // A malformed byte (none in text that passed the check) becomes a space.
            const unsigned char byte = cp == kMalformedByte ? kUnmappable : windows1252For(cp);
            if (byte != kDropped) out(byte);
        }
    };

    InputEncoding encoding_;
    bool keepsNul_;
    Utf8Decoder utf8_;
    Utf16Decoder utf16_;
};

// "\r\n" read as "\n" and NUL bytes as spaces, as a text-mode read gives a file (the preparation
// looks at the characters just before a line end, and a NUL would cut a line short); a "\r" at
// the end of one piece waits for the first byte of the next.
class TextModeOut {
public:
    explicit TextModeOut(std::string& text) : text_(&text) {}

    void operator()(unsigned char byte) {
        if (carriageReturn_) {
            carriageReturn_ = false;
            if (byte == '\n') {
                text_->push_back('\n');
                return;
            }
            text_->push_back('\r');
        }
        if (byte == '\r') carriageReturn_ = true;
        else text_->push_back(byte == '\0' ? ' ' : static_cast<char>(byte));
    }

    void finish() {
        if (carriageReturn_) text_->push_back('\r');
        carriageReturn_ = false;
    }

private:
    std::string* text_;
    bool carriageReturn_ = false;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool looksLikeUtf8(std::string_view bytes) {
    Utf8Check check;
    check.feed(bytes);
    check.finish();
    return check.looksLikeUtf8();
}

Utf16Order utf16ByteOrder(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return Utf16Order::LittleEndian;
    if (bytes.starts_with("\xFE\xFF")) return Utf16Order::BigEndian;
    return Utf16Order::None;
}

std::string utf16ToUtf8(std::string_view bytes, Utf16Order order) {
    std::string utf8;
    utf8.reserve(bytes.size());
    auto append = [&utf8](char32_t cp) { appendUtf8(utf8, cp); };
    Utf16Decoder decoder(order);
    decoder.feed(bytes, append);
    decoder.finish(append);
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

namespace {

// The whole of `bytes` through `decoder`.
std::string decodeWhole(LatinDecoder& decoder, std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    auto append = [&text](unsigned char byte) { text.push_back(static_cast<char>(byte)); };
    decoder.feed(bytes, append);
    decoder.finish(append);
    return text;
}

}  // namespace

std::string decodeUtf8ToWindows1252(std::string_view utf8) {
    // A leading byte-order mark is U+FEFF, which is dropped like the others.
    LatinDecoder decoder(InputEncoding::Utf8, Utf16Order::None, true);
    return decodeWhole(decoder, utf8);
}

std::string decodeLatinBytes(std::string bytes, InputEncoding* encoding) {
    EncodingCheck check;
    check.feed(bytes);
    check.finish();
    if (encoding) *encoding = check.encoding();
    if (check.encoding() == InputEncoding::Windows1252) return bytes;
    LatinDecoder decoder(check.encoding(), check.order(), check.utf16NonAscii());
    return decodeWhole(decoder, bytes);
}

// The second reading of the file: a block at a time, decoded into `text`, which readLine serves.
struct LatinInputReader::Stream {
    Stream(std::FILE* opened, std::vector<char> buffer, const EncodingCheck& check)
        : file(opened), block(std::move(buffer)),
          decoder(check.encoding(), check.order(), check.utf16NonAscii()), textMode(text) {
        text.reserve(block.size() + 8);
    }

    std::unique_ptr<std::FILE, FileCloser> file;
    std::vector<char> block;
    LatinDecoder decoder;
    std::string text;         // decoded and not yet served from `served` on
    std::size_t served = 0;
    TextModeOut textMode;     // appends to `text`
    bool atEnd = false;
};

LatinInputReader::LatinInputReader(const std::filesystem::path& path, std::size_t blockSize) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return;
    open_ = true;
    // The first reading finds the encoding, stopping as soon as the rest cannot change it (at
    // the first byte that is not UTF-8, say); the second, from the start again, decodes.
    std::vector<char> block(blockSize > 0 ? blockSize : 1);
    EncodingCheck check;
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        if (got == 0 || check.feed(std::string_view(block.data(), got))) break;
    }
    check.finish();
    encoding_ = check.encoding();
    if (std::ferror(file.get()) || std::fseek(file.get(), 0, SEEK_SET) != 0) {
        readFailed_ = true;
        return;
    }
    stream_ = std::make_unique<Stream>(file.release(), std::move(block), check);
}

LatinInputReader::~LatinInputReader() = default;

bool LatinInputReader::refill() {
    Stream& s = *stream_;
    s.text.clear();
    s.served = 0;
    while (s.text.empty() && !s.atEnd) {
        const std::size_t got = std::fread(s.block.data(), 1, s.block.size(), s.file.get());
        if (got > 0) {
            s.decoder.feed(std::string_view(s.block.data(), got), s.textMode);
            continue;
        }
        if (std::ferror(s.file.get())) {
            readFailed_ = true;
            return false;
        }
        s.decoder.finish(s.textMode);
        s.textMode.finish();
        s.atEnd = true;
        s.file.reset();
    }
    return !s.text.empty();
}

LatinInputReader::Result LatinInputReader::readLine(char* buffer, std::size_t capacity,
                                                    std::size_t& length) {
    length = 0;
    if (capacity == 0) return Result::Error;
    buffer[0] = '\0';
    if (readFailed_) return Result::Error;
    if (!stream_) return Result::End;
    Stream& s = *stream_;
    if (s.served == s.text.size() && !refill()) return readFailed_ ? Result::Error : Result::End;
    const std::size_t room = capacity - 1;
    bool lineEnded = false;
    while (length < room && !lineEnded) {
        if (s.served == s.text.size() && !refill()) break;
        const char* from = s.text.data() + s.served;
        const std::size_t available = s.text.size() - s.served;
        std::size_t take = available < room - length ? available : room - length;
        if (const void* end = std::memchr(from, '\n', take)) {
            take = static_cast<std::size_t>(static_cast<const char*>(end) - from) + 1;
            lineEnded = true;
        }
        std::memcpy(buffer + length, from, take);
        length += take;
        s.served += take;
    }
    if (readFailed_) {
        length = 0;
        buffer[0] = '\0';
        return Result::Error;
    }
    buffer[length] = '\0';
    return Result::Line;
}

}  // namespace kavro
