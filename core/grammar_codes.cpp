#include "core/grammar_codes.h"

#include <iterator>
#include <optional>
#include <span>

#include "core/output_log.h"

namespace kavro {
namespace {

// A code with its printed name.
struct CodeName {
    int code;
    std::string_view name;
};

// A named code set: its names and the text printed for any code it does not know.
struct NameTable {
    std::span<const CodeName> names;
    std::string_view unknown;
};

// Part of speech, with whether grammatical details follow the name in an analysis line.
struct SpeechName {
    int code;
    std::string_view name;
    bool details;
};

constexpr SpeechName kSpeechNames[] = {
    {speech_type::DeletedGram, " DELETED (GRAM)  ", false},
    {speech_type::Noun, "NOUN", true},
    {speech_type::Pronoun, "PRON", true},
    {speech_type::Pack, "PACK", false},
    {speech_type::Adjective, "ADJ", true},
    {speech_type::Numeral, "NUM", true},
    {speech_type::Adverb, "ADV", false},
    {speech_type::Verb, "VERB", true},
    {speech_type::Participle, "VPAR", true},
    {speech_type::Supine, "SUPINE", true},
    {speech_type::Preposition, "PREP", false},
    {speech_type::Conjunction, "CONJ", false},
    {speech_type::Interjection, "INTERJ", false},
    {speech_type::Tackon, "TACKON", false},
    {speech_type::Prefix, "PREFIX", false},
    {speech_type::Suffix, "SUFFIX", false},
    {speech_type::Punctuation, "PUNCT", false},
    {speech_type::SubstantiveAdjective, "SADJ", true},
    {speech_type::NotFound, "Unknown part", false},
    {speech_type::AdverbSubtype, "ADV", false},
    {speech_type::NoInflection, "No inflection", false},
    {speech_type::Uncommon, " UNCOMMON  ", false},
    {speech_type::DeletedAi, " DELETED (AI)  ", false},
};
constexpr std::string_view kUnknownSpeechType = "Unknown part";

constexpr CodeName kGenderNames[] = {
    {1, "MASC"}, {2, "FEM"}, {3, "NEUTER"}, {4, "COMMON"}, {5, "M/NT"},
};
constexpr CodeName kCaseNames[] = {
    {1, "NOM"}, {2, "VOC"}, {3, "GEN"}, {4, "LOC"}, {5, "DAT"}, {6, "ABL"}, {7, "ACC"}, {8, "INVAR"},
};
constexpr CodeName kNumberNames[] = {{1, "SING"}, {2, "PLUR"}};
constexpr CodeName kComparisonNames[] = {{1, "POS"}, {2, "COMP"}, {3, "SUPER"}};
constexpr CodeName kTenseNames[] = {
    {1, "PRES"}, {2, "IMPF"}, {3, "FUT"}, {4, "PERF"}, {5, "PLUP"}, {6, "FUTP"},
};
constexpr CodeName kVoiceNames[] = {{1, "ACTIVE"}, {2, "PASSIVE"}};
constexpr CodeName kMoodNames[] = {
    {1, "IND"}, {2, "SUB"}, {3, "IMP"}, {4, "INF"}, {5, "PPL"}, {6, "GER"}, {7, "ADJ-LIKE"},
};
constexpr CodeName kNounKindNames[] = {
    {1, "SING"}, {2, "MULT"}, {3, "ABST"}, {4, "PROPER"}, {5, "LOCALE"}, {6, "PERSON"},
    {7, "THING"}, {8, "WHERE"}, {9, "GROUP"}, {10, "GERUND"}, {11, "VARIABLE"}, {21, "COUNTRY"},
};
constexpr CodeName kPronounKindNames[] = {
    {1, "PERS"}, {2, "REL"}, {3, "REFLEX"}, {4, "DEMONST"}, {5, "INTERR"}, {6, "INDEF"},
    {7, "ADJECT"}, {8, "SPEC"},
};
constexpr CodeName kVerbKindNames[] = {
    {1, "TO_BE"}, {2, "TO_BEING"}, {3, "GEN"}, {4, "+DAT"}, {5, "+ABL"}, {6, "+TRANS"},
    {7, "+INTRANS"}, {8, "IMPERS"}, {9, "DEP"}, {10, "SEMIDEP"}, {11, "PERFDEF"}, {12, "MODAL"},
    {13, "PERS"},
};
constexpr CodeName kVerbPartNames[] = {
    {1, "+SUBJ"}, {2, "+TRANS"}, {3, "+INTRANS"}, {4, "+PERS"}, {5, "+DAT"}, {6, "+MODAL"}, {7, "+ABL"},
};
constexpr CodeName kNumeralKindNames[] = {{1, "CARD"}, {2, "ORD"}, {3, "DIST"}, {4, "ADVERB"}};

// The eleven marks in the tokenizer's order; the index is the punctuation code.
constexpr char kPunctuationMarks[punctuation_type::kMarkCount] = {
    '.', ',', '?', ':', '!', '"', '\'', ';', '-', '(', ')',
};
constexpr std::string_view kUnknownPunctuation = "Unknown punctuation.";

std::string_view nameOf(const NameTable& table, int code) {
    // The tables list their codes from 1 upwards, so a code is first looked for at its place.
    const std::size_t place = static_cast<std::size_t>(code) - 1;
    if (place < table.names.size() && table.names[place].code == code) return table.names[place].name;
    for (const CodeName& entry : table.names) {
        if (entry.code == code) return entry.name;
    }
    return table.unknown;
}

// Code 0 leaves no trace; every other code, known or not, prints its name and the separator.
void appendName(std::string& text, CodeSet set, int code) {
    const std::string_view name = codeName(set, code);
    if (name.empty()) return;
    text += name;
    text += kNameSeparator;
}

// The name tables of the code sets, in the order of CodeSet.
constexpr NameTable kNameTables[] = {
    {kGenderNames, "Unknown gender"},       {kCaseNames, "Unknown case"},
    {kNumberNames, "Unknown number"},       {kComparisonNames, "Unknown comp"},
    {kTenseNames, "Unknown tense"},         {kVoiceNames, "Unknown voice"},
    {kMoodNames, "Unknown mood"},           {kNounKindNames, "Unknown nounkind"},
    {kPronounKindNames, "Unknown pronoun"}, {kVerbKindNames, "Unknown verbkind"},
    {kVerbPartNames, "Unknown verb part"},  {kNumeralKindNames, "Unknown numeral"},
};
static_assert(std::size(kNameTables) == static_cast<std::size_t>(CodeSet::NumeralKind) + 1);

// ---- Parsers ----

// An abbreviation of a user file and the code it stands for.
struct Abbreviation {
    std::string_view text;
    int code;
};

// The order is binding: the first abbreviation that matches the start of the text wins, so
// "TO_BEING" precedes "TO_BE", "NUM" precedes "N", and "SADJ" is only reached because "ADJ"
// does not match its first three letters.
constexpr Abbreviation kSpeechTypeAbbreviations[] = {
    {"X", 0},     {"PRON", 2},  {"ADJ", 4},     {"SADJ", 36}, {"NUM", 5}, {"ADV", 6},
    {"PREP", 10}, {"CONJ", 11}, {"INTERJ", 12}, {"N", 1},     {"V", 7},
};
constexpr Abbreviation kGenderAbbreviations[] = {
    {"X", 0}, {"M", 1}, {"F", 2}, {"N", 3}, {"C", 4},
};
constexpr Abbreviation kNounKindAbbreviations[] = {
    {"X", 0}, {"S", 1}, {"M", 2}, {"A", 3}, {"N", 4},  {"L", 5},
    {"P", 6}, {"T", 7}, {"W", 8}, {"G", 9}, {"V", 11}, {"C", 21},
};
constexpr Abbreviation kVerbKindAbbreviations[] = {
    {"X", 0},       {"TO_BEING", 2}, {"TO_BE", 1},   {"GEN", 3},      {"DAT", 4},
    {"ABL", 5},     {"TRANS", 6},    {"INTRANS", 7}, {"IMPERS", 8},   {"DEP", 9},
    {"SEMIDEP", 10}, {"PERFDEF", 11}, {"MODAL", 12},  {"PERS", 13},
};
constexpr Abbreviation kComparisonAbbreviations[] = {
    {"X", 0}, {"POS", 1}, {"COMP", 2}, {"SUPER", 3},
};

// ASCII-only case folding: user files are 8-bit text and the abbreviations are plain letters.
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (upperAscii(text[i]) != prefix[i]) return false;
    }
    return true;
}

std::optional<int> matchAbbreviation(std::string_view text, std::span<const Abbreviation> table) {
    for (const Abbreviation& entry : table) {
        if (startsWithIgnoringCase(text, entry.text)) return entry.code;
    }
    return std::nullopt;
}

}  // namespace

char punctuationMark(int code) {
    if (code < 0 || code >= punctuation_type::kMarkCount) return '\0';
    return kPunctuationMarks[code];
}

std::string_view codeName(CodeSet set, int code) {
    const auto index = static_cast<std::size_t>(set);
    if (code == 0 || index >= std::size(kNameTables)) return {};
    return nameOf(kNameTables[index], code);
}

SpeechTypeName speechTypeName(int code) {
    for (const SpeechName& entry : kSpeechNames) {
        if (entry.code == code) return {entry.name, entry.details};
    }
    return {kUnknownSpeechType, false};
}

bool appendSpeechTypeName(std::string& text, int code) {
    const SpeechTypeName name = speechTypeName(code);
    text += name.name;
    return !name.details;
}

void appendGenderName(std::string& text, int code) {
    appendName(text, CodeSet::Gender, code);
}
void appendCaseName(std::string& text, int code) {
    appendName(text, CodeSet::Case, code);
}
void appendNumberName(std::string& text, int code) {
    appendName(text, CodeSet::Number, code);
}
void appendComparisonName(std::string& text, int code) {
    appendName(text, CodeSet::Comparison, code);
}
void appendTenseName(std::string& text, int code) {
    appendName(text, CodeSet::Tense, code);
}
void appendVoiceName(std::string& text, int code) {
    appendName(text, CodeSet::Voice, code);
}
void appendMoodName(std::string& text, int code) {
    appendName(text, CodeSet::Mood, code);
}
void appendNounKindName(std::string& text, int code) {
    appendName(text, CodeSet::NounKind, code);
}
void appendPronounKindName(std::string& text, int code) {
    appendName(text, CodeSet::PronounKind, code);
}
void appendVerbKindName(std::string& text, int code) {
    appendName(text, CodeSet::VerbKind, code);
}
void appendVerbPartName(std::string& text, int code) {
    appendName(text, CodeSet::VerbPart, code);
}
void appendNumeralKindName(std::string& text, int code) {
    appendName(text, CodeSet::NumeralKind, code);
}

std::string_view punctuationName(int code) {
    if (code < 0 || code >= punctuation_type::kMarkCount) return kUnknownPunctuation;
    return {&kPunctuationMarks[code], 1};
}

void appendPunctuationName(std::string& text, int code) {
    text += punctuationName(code);
    text += kNameSeparator;
}

int parseSpeechType(std::string_view text, OutputLog& log) {
    if (auto code = matchAbbreviation(text, kSpeechTypeAbbreviations)) return *code;
    log.write("speech_type not found.\n");
    return kSpeechTypeNotFound;
}

int parseGender(std::string_view text) {
    return matchAbbreviation(text, kGenderAbbreviations).value_or(kGenderNotFound);
}

int parseNounKind(std::string_view text) {
    return matchAbbreviation(text, kNounKindAbbreviations).value_or(kNounKindNotFound);
}

int parseVerbKind(std::string_view text, OutputLog& log) {
    if (auto code = matchAbbreviation(text, kVerbKindAbbreviations)) return *code;
    log.write("verb_kind_type not found.\n");
    return kVerbKindNotFound;
}

int parseComparison(std::string_view text, OutputLog& log) {
    if (auto code = matchAbbreviation(text, kComparisonAbbreviations)) return *code;
    log.write("comparison_type not found.\n");
    return kComparisonNotFound;
}

}  // namespace kavro
