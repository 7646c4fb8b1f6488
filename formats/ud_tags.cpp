#include "formats/ud_tags.h"

#include <algorithm>
#include <vector>

#include "core/grammar_codes.h"

namespace kavro {
namespace {

// The grammatical codes a reading may carry.
enum class Code : std::uint8_t { None, Case, Number, Gender, Tense, Voice, Mood, Person, Degree, NumType, PronType };

// The record bytes (codeByte index) the codes live in; which code a byte holds depends on the
// part of speech.
constexpr std::uint8_t kKind2 = 2, kG1 = 3, kG2 = 4, kG3 = 5, kG4 = 6, kG5 = 7, kG6 = 8;

struct CodeAt {
    Code code = Code::None;
    std::uint8_t byte = 0;
};

// Each part of speech: its universal part of speech, the codes its readings carry in the order
// our tag names them, and the features every such reading has.
struct SpeechRow {
    std::uint8_t speech;
    const char* upos;
    CodeAt codes[6];
    const char* fixedFeatures = "";
};

constexpr CodeAt kCase{Code::Case, kG1}, kNumber{Code::Number, kG2}, kGender{Code::Gender, kG3};

constexpr SpeechRow kSpeechRows[] = {
    {speech_type::Noun, "NOUN", {kCase, kNumber, kGender}},
    {speech_type::Pronoun, "PRON", {kCase, kNumber, kGender, {Code::PronType, kKind2}}},
    {speech_type::Pack, "PRON", {kCase, kNumber, kGender, {Code::PronType, kKind2}}},
    {speech_type::Adjective, "ADJ", {kCase, kNumber, kGender, {Code::Degree, kG4}}},
    {speech_type::SubstantiveAdjective, "ADJ", {kCase, kNumber, kGender, {Code::Degree, kG4}}},
    {speech_type::Numeral, "NUM", {kCase, kNumber, kGender, {Code::NumType, kG4}}},
    {speech_type::Adverb, "ADV", {{Code::Degree, kG4}}},
    {speech_type::AdverbSubtype, "ADV", {}},
    {speech_type::Verb, "VERB",
     {{Code::Tense, kG1}, {Code::Voice, kG2}, {Code::Mood, kG3}, {Code::Person, kG4}, {Code::Number, kG5}}},
    {speech_type::Participle, "VERB",
     {kCase, kNumber, kGender, {Code::Tense, kG4}, {Code::Voice, kG5}, {Code::Mood, kG6}}, "VerbForm=Part"},
    {speech_type::Supine, "VERB", {kCase, kNumber, kGender}, "VerbForm=Sup"},
    {speech_type::Preposition, "ADP", {kCase}, "AdpType=Prep"},
    {speech_type::Conjunction, "CCONJ", {}},
    {speech_type::Interjection, "INTJ", {}},
    {speech_type::Tackon, "PART", {}},
    {speech_type::Punctuation, "PUNCT", {}},
};

// The features of each code value. A Latin perfect is a past tense of perfect aspect, the
// imperfect a past of imperfect aspect; "common" gender is masculine or feminine.
struct FeatureValue {
    Code code;
    std::uint8_t value;
    const char* features;
};

constexpr FeatureValue kFeatureValues[] = {
    {Code::Case, case_type::Nominative, "Case=Nom"},
    {Code::Case, case_type::Vocative, "Case=Voc"},
    {Code::Case, case_type::Genitive, "Case=Gen"},
    {Code::Case, case_type::Locative, "Case=Loc"},
    {Code::Case, case_type::Dative, "Case=Dat"},
    {Code::Case, case_type::Ablative, "Case=Abl"},
    {Code::Case, case_type::Accusative, "Case=Acc"},
    {Code::Number, number_type::Singular, "Number=Sing"},
    {Code::Number, number_type::Plural, "Number=Plur"},
    {Code::Gender, gender_type::Masculine, "Gender=Masc"},
    {Code::Gender, gender_type::Feminine, "Gender=Fem"},
    {Code::Gender, gender_type::Neuter, "Gender=Neut"},
    {Code::Gender, gender_type::Common, "Gender=Fem,Masc"},
    {Code::Gender, gender_type::MascNeuter, "Gender=Masc,Neut"},
    {Code::Tense, tense_type::Present, "Tense=Pres"},
    {Code::Tense, tense_type::Imperfect, "Aspect=Imp|Tense=Past"},
    {Code::Tense, tense_type::Future, "Tense=Fut"},
    {Code::Tense, tense_type::Perfect, "Aspect=Perf|Tense=Past"},
    {Code::Tense, tense_type::Pluperfect, "Aspect=Perf|Tense=Pqp"},
    {Code::Tense, tense_type::FuturePerfect, "Aspect=Perf|Tense=Fut"},
    {Code::Voice, voice_type::Active, "Voice=Act"},
    {Code::Voice, voice_type::Passive, "Voice=Pass"},
    {Code::Mood, mood_type::Indicative, "Mood=Ind|VerbForm=Fin"},
    {Code::Mood, mood_type::Subjunctive, "Mood=Sub|VerbForm=Fin"},
    {Code::Mood, mood_type::Imperative, "Mood=Imp|VerbForm=Fin"},
    {Code::Mood, mood_type::Infinitive, "VerbForm=Inf"},
    {Code::Mood, mood_type::Participle, "VerbForm=Part"},
    {Code::Mood, mood_type::Gerund, "VerbForm=Ger"},
    {Code::Mood, mood_type::AdjectiveLike, "VerbForm=Part"},
    {Code::Person, 1, "Person=1"},
    {Code::Person, 2, "Person=2"},
    {Code::Person, 3, "Person=3"},
    {Code::Degree, comparison_type::Positive, "Degree=Pos"},
    {Code::Degree, comparison_type::Comparative, "Degree=Cmp"},
    {Code::Degree, comparison_type::Superlative, "Degree=Sup"},
    {Code::NumType, numeral_kind_type::Cardinal, "NumType=Card"},
    {Code::NumType, numeral_kind_type::Ordinal, "NumType=Ord"},
    {Code::NumType, numeral_kind_type::Distributive, "NumType=Dist"},
    {Code::NumType, numeral_kind_type::Adverb, "NumType=Mult"},
    {Code::PronType, pronoun_kind_type::Personal, "PronType=Prs"},
    {Code::PronType, pronoun_kind_type::Relative, "PronType=Rel"},
    {Code::PronType, pronoun_kind_type::Reflexive, "PronType=Prs|Reflex=Yes"},
    {Code::PronType, pronoun_kind_type::Demonstrative, "PronType=Dem"},
    {Code::PronType, pronoun_kind_type::Interrogative, "PronType=Int"},
    {Code::PronType, pronoun_kind_type::Indefinite, "PronType=Ind"},
};

// Readings whose universal part of speech is not their row's: names (Gallia, Belgae, Marcus),
// esse (an auxiliary in the treebanks), ordinal and distributive numerals (adjectives) and
// numeral adverbs (semel, bis).
struct UposRefinement {
    std::uint8_t speech;
    std::uint8_t byte;
    std::uint8_t value;
    const char* upos;
};

constexpr UposRefinement kUposRefinements[] = {
    {speech_type::Noun, kKind2, noun_kind_type::Proper, "PROPN"},
    {speech_type::Noun, kKind2, noun_kind_type::Locale, "PROPN"},
    {speech_type::Noun, kKind2, noun_kind_type::Group, "PROPN"},
    {speech_type::Noun, kKind2, noun_kind_type::Country, "PROPN"},
    {speech_type::Verb, kKind2, verb_kind_type::ToBe, "AUX"},
    {speech_type::Numeral, kG4, numeral_kind_type::Ordinal, "ADJ"},
    {speech_type::Numeral, kG4, numeral_kind_type::Distributive, "ADJ"},
    {speech_type::Numeral, kG4, numeral_kind_type::Adverb, "ADV"},
};

// Words the treebanks tag by the word itself. A conjunction of the list introduces a subordinate
// clause (SCONJ); the others join like et. An adjective of the list is a determiner (DET):
// possessives, words of totality, of contrast, of quantity and of pointing, each with its kind.
// (Pronouns stay PRON: whether hic stands for a noun or beside one is a matter of syntax.)
struct WordTag {
    std::string_view lemma;
    const char* upos;
    const char* features;
};

constexpr WordTag kWordTags[] = {
    {"antequam", "SCONJ", ""}, {"cum", "SCONJ", ""},   {"donec", "SCONJ", ""},   {"dum", "SCONJ", ""},
    {"etiamsi", "SCONJ", ""},  {"etsi", "SCONJ", ""},  {"nisi", "SCONJ", ""},    {"postquam", "SCONJ", ""},
    {"priusquam", "SCONJ", ""}, {"quamquam", "SCONJ", ""}, {"quamvis", "SCONJ", ""}, {"quando", "SCONJ", ""},
    {"quasi", "SCONJ", ""},    {"quia", "SCONJ", ""},  {"quoad", "SCONJ", ""},   {"quod", "SCONJ", ""},
    {"quoniam", "SCONJ", ""},  {"si", "SCONJ", ""},    {"simulac", "SCONJ", ""}, {"tametsi", "SCONJ", ""},
    {"tamquam", "SCONJ", ""},  {"ubi", "SCONJ", ""},   {"ut", "SCONJ", ""},      {"uti", "SCONJ", ""},
    {"meus", "DET", "Poss=Yes|PronType=Prs"},   {"tuus", "DET", "Poss=Yes|PronType=Prs"},
    {"suus", "DET", "Poss=Yes|PronType=Prs"},   {"noster", "DET", "Poss=Yes|PronType=Prs"},
    {"vester", "DET", "Poss=Yes|PronType=Prs"},
    {"omnis", "DET", "PronType=Tot"},    {"totus", "DET", "PronType=Tot"},   {"cunctus", "DET", "PronType=Tot"},
    {"alius", "DET", "PronType=Con"},    {"alter", "DET", "PronType=Con"},   {"ceterus", "DET", "PronType=Con"},
    {"solus", "DET", "PronType=Con"},    {"uterque", "DET", "PronType=Con"},
    {"multus", "DET", "PronType=Ind"},   {"nullus", "DET", "PronType=Ind"},  {"ullus", "DET", "PronType=Ind"},
    {"paucus", "DET", "PronType=Ind"},   {"reliquus", "DET", "PronType=Ind"}, {"quidam", "DET", "PronType=Ind"},
    {"quisque", "DET", "PronType=Ind"},  {"aliqui", "DET", "PronType=Ind"},
    {"tantus", "DET", "PronType=Dem"},   {"talis", "DET", "PronType=Dem"},
    {"quantus", "DET", "PronType=Rel"},  {"qualis", "DET", "PronType=Rel"},
};

// The cum cut from mecum, tecum, quibuscum: a preposition after its pronoun.
constexpr std::string_view kEncliticPreposition = "cum";

const SpeechRow* rowOf(std::uint8_t speech) {
    for (const SpeechRow& row : kSpeechRows)
        if (row.speech == speech) return &row;
    return nullptr;
}

const char* featuresOf(Code code, std::uint8_t value) {
    for (const FeatureValue& f : kFeatureValues)
        if (f.code == code && f.value == value) return f.features;
    return "";
}

// The universal part of speech by our codes.
std::string uposByCode(const WordAnalysis& a, const SpeechRow* row, std::string_view lemma) {
    if (!row) return "X";
    for (const UposRefinement& r : kUposRefinements)
        if (r.speech == a.partOfSpeech && codeByte(a, r.byte) == r.value) return r.upos;
    if (a.partOfSpeech == speech_type::Tackon && lemma == kEncliticPreposition) return "ADP";
    return row->upos;
}

// The word's own tag when the list has it and the reading is of the kind the tag is for.
const WordTag* wordTagOf(const WordAnalysis& a, std::string_view upos, std::string_view lemma) {
    for (const WordTag& tag : kWordTags) {
        if (tag.lemma != lemma) continue;
        const std::string_view kind = tag.upos;
        if (kind == "SCONJ" && a.partOfSpeech == speech_type::Conjunction) return &tag;
        if (kind == "DET" && upos == "ADJ") return &tag;
    }
    return nullptr;
}

// Splits "A=x|B=y" into `into`.
void addFeatures(std::vector<std::string>& into, std::string_view features) {
    while (!features.empty()) {
        const std::size_t bar = features.find('|');
        into.emplace_back(features.substr(0, bar));
        features = bar == std::string_view::npos ? std::string_view{} : features.substr(bar + 1);
    }
}

std::string lowerName(std::string_view feature) {
    std::string name(feature.substr(0, feature.find('=')));
    for (char& ch : name) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + ('a' - 'A') : ch);
    return name;
}

// A future passive participle is the gerundive (delenda): its own verb form in the treebanks.
bool isGerundive(const WordAnalysis& a) {
    return a.partOfSpeech == speech_type::Participle && a.grammar4 == tense_type::Future &&
           a.grammar5 == voice_type::Passive;
}

// The features, sorted by name as CoNLL-U asks (letter case aside), each name once (the first
// added wins: the word's own kind, and a gerundive is VerbForm=Gdv, not Part).
std::string featsOf(const WordAnalysis& a, const SpeechRow* row, std::string_view wordFeatures) {
    if (!row) return "_";
    std::vector<std::string> features;
    addFeatures(features, wordFeatures);
    addFeatures(features, isGerundive(a) ? "VerbForm=Gdv" : row->fixedFeatures);
    for (const CodeAt& at : row->codes)
        if (at.code != Code::None) addFeatures(features, featuresOf(at.code, codeByte(a, at.byte)));
    std::stable_sort(features.begin(), features.end(),
                     [](const std::string& x, const std::string& y) { return lowerName(x) < lowerName(y); });
    features.erase(std::unique(features.begin(), features.end(),
                               [](const std::string& x, const std::string& y) { return lowerName(x) == lowerName(y); }),
                   features.end());
    std::string out;
    for (const std::string& f : features) out.append(out.empty() ? "" : "|").append(f);
    return out.empty() ? "_" : out;
}

// Our name of a code, without the spacing the analysis listing puts after it.
std::string codeName(Code code, int value) {
    CodeSet set = CodeSet::Case;
    switch (code) {
    case Code::Case: break;
    case Code::Number: set = CodeSet::Number; break;
    case Code::Gender: set = CodeSet::Gender; break;
    case Code::Tense: set = CodeSet::Tense; break;
    case Code::Voice: set = CodeSet::Voice; break;
    case Code::Mood: set = CodeSet::Mood; break;
    case Code::Degree: set = CodeSet::Comparison; break;
    case Code::NumType: set = CodeSet::NumeralKind; break;
    case Code::PronType: set = CodeSet::PronounKind; break;
    case Code::Person: return std::to_string(value);
    case Code::None: return {};
    }
    return std::string(kavro::codeName(set, value));
}

// Our part of speech and its codes by name, joined by full stops (blanks inside a name become _).
std::string xposOf(const WordAnalysis& a, const SpeechRow* row) {
    std::string tag;
    appendSpeechTypeName(tag, a.partOfSpeech);
    for (std::size_t k = 0; row && k < std::size(row->codes); ++k) {
        const CodeAt at = row->codes[k];
        if (at.code != Code::None && codeByte(a, at.byte) != 0) tag += "." + codeName(at.code, codeByte(a, at.byte));
    }
    const std::size_t first = tag.find_first_not_of(' ');
    tag.erase(0, first == std::string::npos ? tag.size() : first);
    while (!tag.empty() && tag.back() == ' ') tag.pop_back();
    std::replace(tag.begin(), tag.end(), ' ', '_');
    return tag.empty() || a.partOfSpeech == speech_type::NotFound ? "_" : tag;
}

}  // namespace

UdTags udTagsOf(const WordAnalysis& reading, std::string_view lemma) {
    const SpeechRow* row = rowOf(reading.partOfSpeech);
    std::string upos = uposByCode(reading, row, lemma);
    const WordTag* tag = row ? wordTagOf(reading, upos, lemma) : nullptr;
    if (tag) upos = tag->upos;
    return {upos, xposOf(reading, row), featsOf(reading, row, tag ? tag->features : "")};
}

}  // namespace kavro
