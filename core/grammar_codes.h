// The grammatical codes of every analysis: the small integers stored in the lexicon files, the
// user dictionaries and the analysis records, the names the output log prints for them, and the
// parsers that turn the abbreviations of user files back into codes.
//
// Each code set is an unscoped enumeration inside a namespace named after it, so that a code reads
// as `case_type::Ablative` and still compares directly with the code bytes of the records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kavro {

class OutputLog;

namespace speech_type {
enum Code : std::uint8_t {
    DeletedGram = 0,      // analysis deleted on grammatical grounds
    Noun = 1,
    Pronoun = 2,
    Pack = 3,
    Adjective = 4,
    Numeral = 5,
    Adverb = 6,
    Verb = 7,
    Participle = 8,
    Supine = 9,
    Preposition = 10,
    Conjunction = 11,
    Interjection = 12,
    Tackon = 13,          // attached particle such as -que
    Prefix = 14,
    Suffix = 15,
    Punctuation = 16,
    SubstantiveAdjective = 36,
    NotFound = 64,
    AdverbSubtype = 70,
    NoInflection = 99,
    Uncommon = 254,       // display only: easy-Latin marking of a rare deleted reading
    DeletedAi = 255,      // set aside by the sentence stages (not chosen)
};
}  // namespace speech_type

namespace gender_type {
enum Code : std::uint8_t { None = 0, Masculine = 1, Feminine = 2, Neuter = 3, Common = 4, MascNeuter = 5 };
}

namespace case_type {
enum Code : std::uint8_t {
    None = 0, Nominative = 1, Vocative = 2, Genitive = 3, Locative = 4,
    Dative = 5, Ablative = 6, Accusative = 7, Invariable = 8,
};
}

namespace number_type {
enum Code : std::uint8_t { None = 0, Singular = 1, Plural = 2 };
}

namespace comparison_type {
enum Code : std::uint8_t { None = 0, Positive = 1, Comparative = 2, Superlative = 3 };
}

namespace tense_type {
enum Code : std::uint8_t {
    None = 0, Present = 1, Imperfect = 2, Future = 3, Perfect = 4, Pluperfect = 5, FuturePerfect = 6,
};
}

namespace voice_type {
enum Code : std::uint8_t { None = 0, Active = 1, Passive = 2 };
}

namespace mood_type {
enum Code : std::uint8_t {
    None = 0, Indicative = 1, Subjunctive = 2, Imperative = 3, Infinitive = 4,
    Participle = 5, Gerund = 6, AdjectiveLike = 7,
};
}

namespace noun_kind_type {
enum Code : std::uint8_t {
    None = 0, SingularOnly = 1, PluralOnly = 2, Abstract = 3, Proper = 4, Locale = 5, Person = 6,
    Thing = 7, Where = 8, Group = 9, Gerund = 10, Variable = 11, Country = 21,
};
}

namespace pronoun_kind_type {
enum Code : std::uint8_t {
    None = 0, Personal = 1, Relative = 2, Reflexive = 3, Demonstrative = 4,
    Interrogative = 5, Indefinite = 6, Adjectival = 7, Special = 8,
};
}

namespace verb_kind_type {
enum Code : std::uint8_t {
    None = 0, ToBe = 1, ToBeing = 2, Genitive = 3, Dative = 4, Ablative = 5, Transitive = 6,
    Intransitive = 7, Impersonal = 8, Deponent = 9, Semideponent = 10, PerfectDefinite = 11,
    Modal = 12, Personal = 13,
};
}

// The construction a word calls for.
namespace verb_part_type {
enum Code : std::uint8_t {
    None = 0, Subject = 1, Transitive = 2, Intransitive = 3, Personal = 4, Dative = 5,
    Modal = 6, Ablative = 7,
};
}

namespace numeral_kind_type {
enum Code : std::uint8_t { None = 0, Cardinal = 1, Ordinal = 2, Distributive = 3, Adverb = 4 };
}

// The position of the mark in the tokenizer's list of eleven marks; a punctuation token is
// "PUNCT" followed by the character whose code is 64 plus this code.
namespace punctuation_type {
enum Code : std::uint8_t {
    FullStop = 0, Comma = 1, QuestionMark = 2, Colon = 3, ExclamationMark = 4, DoubleQuote = 5,
    SingleQuote = 6, Semicolon = 7, Hyphen = 8, OpenParenthesis = 9, CloseParenthesis = 10,
};
inline constexpr int kMarkCount = 11;
}  // namespace punctuation_type

// The mark of a punctuation code, or '\0' for a code outside the eleven.
char punctuationMark(int code);

// The sets of codes that have printed names.
enum class CodeSet {
    Gender, Case, Number, Comparison, Tense, Voice, Mood, NounKind, PronounKind, VerbKind,
    VerbPart, NumeralKind,
};
// The printed name of a code of `set`: empty for code 0, the set's "Unknown" name for a code it
// does not know. An analysis line follows each name with kNameSeparator.
std::string_view codeName(CodeSet set, int code);
inline constexpr std::string_view kNameSeparator = "    ";

// The printed name of a part of speech, and whether grammatical details follow it in an
// analysis line.
struct SpeechTypeName {
    std::string_view name;
    bool details;
};
SpeechTypeName speechTypeName(int code);
// The mark of a punctuation code as a text, or "Unknown punctuation." for a code outside the eleven.
std::string_view punctuationName(int code);

// Name operations: each appends the printed name of a code to `text` without clearing it.
// appendSpeechTypeName appends the bare name and returns true when no grammatical details follow.
bool appendSpeechTypeName(std::string& text, int code);
// These append nothing for code 0 and otherwise the name (or the set's "Unknown" name) and four spaces.
void appendGenderName(std::string& text, int code);
void appendCaseName(std::string& text, int code);
void appendNumberName(std::string& text, int code);
void appendComparisonName(std::string& text, int code);
void appendTenseName(std::string& text, int code);
void appendVoiceName(std::string& text, int code);
void appendMoodName(std::string& text, int code);
void appendNounKindName(std::string& text, int code);
void appendPronounKindName(std::string& text, int code);
void appendVerbKindName(std::string& text, int code);
void appendVerbPartName(std::string& text, int code);
void appendNumeralKindName(std::string& text, int code);
// Appends the mark (code 0 included) or "Unknown punctuation.", and four spaces.
void appendPunctuationName(std::string& text, int code);

// Parsers of the abbreviations of user files. Each compares the start of `text` with the
// abbreviations in a fixed order, ignoring letter case, over the abbreviation's length only,
// and returns the code of the first that matches.
inline constexpr int kSpeechTypeNotFound = 255;
inline constexpr int kGenderNotFound = 255;
inline constexpr int kNounKindNotFound = 0;
inline constexpr int kVerbKindNotFound = -1;
inline constexpr int kComparisonNotFound = 255;

int parseSpeechType(std::string_view text, OutputLog& log);   // logs "speech_type not found."
int parseGender(std::string_view text);
int parseNounKind(std::string_view text);
int parseVerbKind(std::string_view text, OutputLog& log);     // logs "verb_kind_type not found."
int parseComparison(std::string_view text, OutputLog& log);   // logs "comparison_type not found."

}  // namespace kavro
