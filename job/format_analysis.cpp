#include "job/format_analysis.h"

#include <charconv>
#include <string>
#include <utility>

#include "job/capacities.h"
#include "job/engine.h"
#include "job/grammar_codes.h"

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

void appendVerbDetails(std::string& out, CodeBytes b) {
    appendTenseName(out, b[3]);
    appendVoiceName(out, b[4]);
    appendMoodName(out, b[5]);
    out += std::to_string(b[6]);
    out += "   ";
    appendNumberName(out, b[7]);
    appendVerbKindName(out, b[2]);
    appendVerbPartName(out, b[8]);
}

void appendParticipleDetails(std::string& out, CodeBytes b) {
    appendCaseName(out, b[3]);
    appendNumberName(out, b[4]);
    appendGenderName(out, b[5]);
    appendTenseName(out, b[6]);
    appendVoiceName(out, b[7]);
    appendMoodName(out, b[8]);
    appendVerbKindName(out, b[2]);
    appendVerbPartName(out, b[1]);
}

void appendCaseNumberGender(std::string& out, CodeBytes b) {
    appendCaseName(out, b[3]);
    appendNumberName(out, b[4]);
    appendGenderName(out, b[5]);
}

// Appends the grammatical names that part of speech `p` shows. Returns false when the code is
// not one the formatter knows (the caller then replaces the line).
bool appendDetails(std::string& out, int p, CodeBytes b) {
    switch (p) {
    case speech_type::DeletedGram:
    case speech_type::Interjection:
    case speech_type::Prefix:
    case speech_type::Suffix:
    case speech_type::NotFound:
    case speech_type::NoInflection:
        return true;
    case speech_type::Noun:
        appendNounKindName(out, b[2]);
        appendCaseNumberGender(out, b);
        return true;
    case speech_type::Pronoun:
        appendPronounKindName(out, b[2]);
        appendCaseNumberGender(out, b);
        if (b[8] == kQuisClauseMark) out += "quis-clause ";
        return true;
    case speech_type::Pack:
        appendPronounKindName(out, b[2]);
        return true;
    case speech_type::Adjective:
    case speech_type::SubstantiveAdjective:
        appendCaseNumberGender(out, b);
        appendComparisonName(out, b[6]);
        appendVerbPartName(out, b[8]);
        return true;
    case speech_type::Numeral:
        appendCaseNumberGender(out, b);
        appendNumeralKindName(out, b[6]);
        return true;
    case speech_type::Adverb:
    case speech_type::AdverbSubtype:
        appendComparisonName(out, b[9]);
        appendVerbPartName(out, b[8]);
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
        appendCaseName(out, b[1]);  // the case the preposition governs
        return true;
    case speech_type::Conjunction:
        appendVerbPartName(out, b[8]);
        return true;
    case speech_type::Tackon:
        // A tackon carrying a verb tense (byte 7 = 2, byte 6 = 7) shows it as a tense.
        if (b[7] == 2 && b[6] == 7) {
            appendTenseName(out, b[3]);
        } else {
            appendCaseName(out, b[3]);
        }
        return true;
    case speech_type::Punctuation:
        appendPunctuationName(out, b[1]);
        return true;
    default:
        return false;
    }
}

}  // namespace

bool formatAnalysis(std::string& out, const WordAnalysis& analysis, bool easyLatin) {
    out.clear();
    const int p = analysis.partOfSpeech;
    const bool showUncommon =
        easyLatin && p == speech_type::DeletedGram && analysis.rarity == kEasyLatinUncommonRarity;
    const bool noDetails = appendSpeechTypeName(out, showUncommon ? speech_type::Uncommon : p);

    if (noDetails) {
        out += "  ";
    } else {
        const auto [first, second] = classDigits(p, analysis.stemClass);
        out += ' ';
        out += first;
        out += ' ';
        out += second;
        out += "  ";
    }

    if (p == speech_type::DeletedAi) {
        // Set-aside readings show only their name.
    } else if (p >= 100 || !appendDetails(out, p, CodeBytes{analysis})) {
        out = kNoSpeechType;
    }

    if (p != speech_type::Tackon && p != speech_type::Punctuation) {
        // "letter:age ", as the rarity letter and the age level; a letter byte of 0 ends the text.
        const char letter = static_cast<char>(analysis.rarity + 64);
        if (letter != '\0') {
            char rarity[16] = {letter, ':'};
            char* end = std::to_chars(rarity + 2, rarity + sizeof rarity - 1, int{analysis.ageLevel}).ptr;
            *end++ = ' ';
            out.append(rarity, static_cast<std::size_t>(end - rarity));
        }
    }
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
