#include "core/format_analysis.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <utility>

#include "core/capacities.h"
#include "core/engine.h"
#include "core/grammar_codes.h"

namespace kavro {
namespace {

// Rarity given to readings that easy Latin shows as uncommon instead of deleted.
constexpr std::uint8_t kEasyLatinUncommonRarity = 90;
constexpr std::string_view kNoSpeechType = "No speechtype found.";
// Byte 8 of a pronoun that opens a quis-clause, and byte 7 of a conjunction-like adverb.
constexpr std::uint8_t kQuisClauseMark = 8;
constexpr std::uint8_t kConjunctionLikeMark = 1;

// The record's code bytes, named by their offset in the record.
struct CodeBytes {
    const WordAnalysis& record;
    int operator[](int index) const { return codeByte(record, index); }
};

// The analysis line, gathered in a buffer of its own and handed over in one piece: every
// reading of a word-mode trace has one, and a string's appends cost more than the copying.
// The longest line is far shorter than the buffer; anything past it would be cut.
class AnalysisLine {
public:
    AnalysisLine& operator+=(std::string_view text) {
        const std::size_t n = std::min(text.size(), kSize - size_);
        std::memcpy(text_ + size_, text.data(), n);
        size_ += n;
        return *this;
    }
    AnalysisLine& operator+=(char c) { return *this += std::string_view(&c, 1); }
    // A code's name and the separator; nothing for code 0.
    void name(CodeSet set, int code) {
        const std::string_view text = codeName(set, code);
        if (text.empty()) return;
        *this += text;
        *this += kNameSeparator;
    }
    void number(int value) {
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        *this += std::string_view(digits, static_cast<std::size_t>(end - digits));
    }
    std::string_view text() const { return {text_, size_}; }

private:
    static constexpr std::size_t kSize = 256;
    char text_[kSize];
    std::size_t size_ = 0;
};

// Declension or conjugation and variant as two digits. The fourth conjugation is stored as
// variant 4 of the third, so verbs and participles show 3/4 as 4/1.
std::pair<char, char> classDigits(int partOfSpeech, std::int16_t stemClass) {
    char first = static_cast<char>('0' + stemClass / 16);
    char second = static_cast<char>('0' + (stemClass & 15));
    const bool verbal = partOfSpeech == speech_type::Verb || partOfSpeech == speech_type::Participle;
    if (verbal && first == '3' && second == '4') {
        first = '4';
        second = '1';
    }
    return {first, second};
}

void appendVerbDetails(AnalysisLine& out, CodeBytes b) {
    out.name(CodeSet::Tense, b[3]);
    out.name(CodeSet::Voice, b[4]);
    out.name(CodeSet::Mood, b[5]);
    out.number(b[6]);
    out += "   ";
    out.name(CodeSet::Number, b[7]);
    out.name(CodeSet::VerbKind, b[2]);
    out.name(CodeSet::VerbPart, b[8]);
}

void appendParticipleDetails(AnalysisLine& out, CodeBytes b) {
    out.name(CodeSet::Case, b[3]);
    out.name(CodeSet::Number, b[4]);
    out.name(CodeSet::Gender, b[5]);
    out.name(CodeSet::Tense, b[6]);
    out.name(CodeSet::Voice, b[7]);
    out.name(CodeSet::Mood, b[8]);
    out.name(CodeSet::VerbKind, b[2]);
    out.name(CodeSet::VerbPart, b[1]);
}

void appendCaseNumberGender(AnalysisLine& out, CodeBytes b) {
    out.name(CodeSet::Case, b[3]);
    out.name(CodeSet::Number, b[4]);
    out.name(CodeSet::Gender, b[5]);
}

// Appends the grammatical names that part of speech `p` shows. Returns false when the code is
// not one the formatter knows (the caller then replaces the line).
bool appendDetails(AnalysisLine& out, int p, CodeBytes b) {
    switch (p) {
    case speech_type::DeletedGram:
    case speech_type::Interjection:
    case speech_type::Prefix:
    case speech_type::Suffix:
    case speech_type::NotFound:
    case speech_type::NoInflection:
        return true;
    case speech_type::Noun:
        out.name(CodeSet::NounKind, b[2]);
        appendCaseNumberGender(out, b);
        return true;
    case speech_type::Pronoun:
        out.name(CodeSet::PronounKind, b[2]);
        appendCaseNumberGender(out, b);
        if (b[8] == kQuisClauseMark) out += "quis-clause ";
        return true;
    case speech_type::Pack:
        out.name(CodeSet::PronounKind, b[2]);
        return true;
    case speech_type::Adjective:
    case speech_type::SubstantiveAdjective:
        appendCaseNumberGender(out, b);
        out.name(CodeSet::Comparison, b[6]);
        out.name(CodeSet::VerbPart, b[8]);
        return true;
    case speech_type::Numeral:
        appendCaseNumberGender(out, b);
        out.name(CodeSet::NumeralKind, b[6]);
        return true;
    case speech_type::Adverb:
    case speech_type::AdverbSubtype:
        out.name(CodeSet::Comparison, b[9]);
        out.name(CodeSet::VerbPart, b[8]);
        if (b[7] == kConjunctionLikeMark) out += "conj-like ";
        return true;
    case speech_type::Verb:
        appendVerbDetails(out, b);
        return true;
    case speech_type::Participle:
        appendParticipleDetails(out, b);
        return true;
    case speech_type::Supine:
        appendCaseNumberGender(out, b);
        return true;
    case speech_type::Preposition:
        out.name(CodeSet::Case, b[1]);  // the case the preposition governs
        return true;
    case speech_type::Conjunction:
        out.name(CodeSet::VerbPart, b[8]);
        return true;
    case speech_type::Tackon:
        // A tackon carrying a verb tense (byte 7 = 2, byte 6 = 7) shows it as a tense.
        if (b[7] == 2 && b[6] == 7) {
            out.name(CodeSet::Tense, b[3]);
        } else {
            out.name(CodeSet::Case, b[3]);
        }
        return true;
    case speech_type::Punctuation:
        out += punctuationName(b[1]);
        out += kNameSeparator;
        return true;
    default:
        return false;
    }
}

}  // namespace

bool formatAnalysis(std::string& out, const WordAnalysis& analysis, bool easyLatin) {
    AnalysisLine line;
    const int p = analysis.partOfSpeech;
    const bool showUncommon =
        easyLatin && p == speech_type::DeletedGram && analysis.rarity == kEasyLatinUncommonRarity;
    const SpeechTypeName name = speechTypeName(showUncommon ? speech_type::Uncommon : p);
    line += name.name;

    if (!name.details) {
        line += "  ";
    } else {
        const auto [first, second] = classDigits(p, analysis.stemClass);
        const char digits[] = {' ', first, ' ', second, ' ', ' '};
        line += std::string_view(digits, sizeof digits);
    }

    if (p == speech_type::DeletedAi) {
        // Set-aside readings show only their name.
    } else if (p >= 100 || !appendDetails(line, p, CodeBytes{analysis})) {
        line = AnalysisLine();
        line += kNoSpeechType;
    }

    if (p != speech_type::Tackon && p != speech_type::Punctuation) {
        // "letter:age ", as the rarity letter and the age level; a letter byte of 0 ends the text.
        const char letter = static_cast<char>(analysis.rarity + 64);
        if (letter != '\0') {
            line += letter;
            line += ':';
            line.number(analysis.ageLevel);
            line += ' ';
        }
    }
    out.assign(line.text());
    return true;
}

bool formatAnalysis(std::string& out, const Engine& engine, int index) {
    if (index < 0 || index >= static_cast<int>(kAnalysisCapacity)) {
        out.clear();
        return false;
    }
    return formatAnalysis(out, engine.wordAnalyses[index], engine.options.easyLatin);
}

}  // namespace kavro
