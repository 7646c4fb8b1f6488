// Proper names: a capitalised word the dictionary does not know is read as a name, from a name
// met earlier in the job (the learned-names ring) or from its ending, with an enclitic "que"
// (or "ne" before a question mark) put after it as a word of its own.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"
#include "morph/inflection_search.h"
#include "morph/tackons.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

constexpr std::string_view kQue = "que";
constexpr std::string_view kNe = "ne";
constexpr std::string_view kQuestionMarkToken = "PUNCTB";
constexpr std::size_t kLongestUncutQueWord = 4;   // a longer word ending in "que" is cut
constexpr std::size_t kShortestCutName = 5;   // names outside 5..24 letters are taken whole
constexpr std::size_t kLongestCutName = 24;
constexpr int kNameReadingLimit = 10;
constexpr std::uint8_t kNameNounKind = noun_kind_type::Group;
constexpr std::uint8_t kAbbreviatedNameKind = noun_kind_type::Proper;   // C_Iulius
constexpr std::uint8_t kNameVariant = 1;
constexpr std::uint8_t kWholeNameDeclension = 9;   // taken whole: indeclinable
constexpr std::uint8_t kNameStemKey = 0;        // both noun stems: every ending of the declension
constexpr std::uint8_t kNameEndingKey = 1;
constexpr std::size_t kStemLimit = sizeof(StemRecord::stem) - 1;
constexpr std::size_t kEndingLimit = sizeof(InflectionRecord::ending) - 1;
// A learned name keeps in its stem record's byte 6 (unused6[0]) 1 + the index of the name
// ending that named it, 0 for a name taken whole.
constexpr std::size_t kEndingRuleByte = 0;

enum Tackon { NoTackon = 0, QueTackon = 1, NeTackon = 2 };

// A name's ending: the declension it shows, the nominative ending the English gives the name,
// and the gender of the readings (0: left to the stem). Tried in this order; the first that
// ends the word (leaving at least two letters) names it.
struct NameEnding {
    std::string_view ending;
    std::uint8_t declension;
    std::string_view nominative;
    std::uint8_t gender;
};
constexpr NameEnding kNameEndings[] = {
    {"arum", 1, "a", gender_type::Feminine},    // Athenarum: Athena
    {"orum", 2, "us", gender_type::Masculine},  // Romanorum: Romanus
    {"ibus", 3, "", gender_type::None},         // Carthaginibus: Carthagin
    {"us", 2, "us", gender_type::Masculine},    // Marcus
    {"os", 2, "us", gender_type::Masculine},    // Dardanos: Dardanus
    {"am", 1, "a", gender_type::Feminine},      // Romam: Roma
    {"ae", 1, "a", gender_type::Feminine},      // Romae: Roma
    {"as", 1, "as", gender_type::Masculine},    // Aeneas
    {"es", 3, "es", gender_type::None},         // Socrates
    {"em", 3, "", gender_type::None},           // Caesarem: Caesar
    {"im", 3, "is", gender_type::None},         // Tiberim: Tiberis
    {"en", 3, "en", gender_type::None},         // Hymen
    {"um", 2, "us", gender_type::Masculine},    // Marcum: Marcus
    {"on", 2, "on", gender_type::Neuter},       // Ilion
    {"is", 3, "is", gender_type::None},         // Tiberis
    {"a", 1, "a", gender_type::Feminine},       // Roma
    {"i", 2, "us", gender_type::Masculine},     // Marci: Marcus
    {"o", 3, "o", gender_type::None},           // Cicero
};
constexpr std::size_t kShortestNameStem = 2;
constexpr std::uint8_t kNameCases[] = {case_type::Nominative, case_type::Accusative, case_type::Vocative};

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

std::string_view nextToken(const Engine& engine) {
    const int next = engine.tokenIndex + 1;
    if (next >= engine.tokenCount || next >= static_cast<int>(kTokenCapacity)) return {};
    return fieldText(engine.sentenceTokens[next]);
}

// The enclitic cut off the word, and the part that is the name.
struct NameWord {
    std::string_view name;
    Tackon tackon = NoTackon;
    bool whole = false;
};

NameWord cutName(const Engine& engine, std::string_view word) {
    NameWord n{word};
    if (word.size() > kLongestUncutQueWord && word.ends_with(kQue)) {
        n.tackon = QueTackon;
        n.name.remove_suffix(kQue.size());
    } else if (word.size() > kNe.size() + 1 && word.ends_with(kNe) && word[word.size() - 3] != 'o' &&
               !(word.size() > 1 && word[1] == '_') && nextToken(engine) == kQuestionMarkToken) {
        n.tackon = NeTackon;
        n.name.remove_suffix(kNe.size());
    }
    if (n.name.size() < kShortestCutName || n.name.size() > kLongestCutName) {
        n.whole = true;
        if (n.tackon == QueTackon) {
            n.name = word;
            n.tackon = NoTackon;
        }
    }
    return n;
}

// The noun stem of a name.
StemRecord nameStem(std::string_view word, std::string_view stem, std::uint8_t declension) {
    StemRecord s{};
    s.partOfSpeech = speech_type::Noun;
    s.which = declension;
    s.variant = kNameVariant;
    const bool abbreviated = word.size() > 2 && (word[1] == '_' || word[2] == '_') &&
                             isCapital(word[0]) && isCapital(word[2]);
    s.sort = abbreviated ? kAbbreviatedNameKind : kNameNounKind;
    s.stemKey = kNameStemKey;
    s.areaFrequency = kGuessedNameFrequency;
    copyField(s.stem, stem.substr(0, kStemLimit));
    return s;
}

// The texts of the readings: the name in the nominative, as Latin and as English.
void setNameTexts(Engine& engine, std::string_view stem, std::string_view nominative) {
    AddonRecord& texts = engine.tempaddons[0];
    texts = AddonRecord{};
    char name[sizeof texts.english];
    std::size_t n = copyField(name, stem);
    copyBounded(name + n, sizeof name - n, nominative);
    copyField(texts.key, name);
    copyField(texts.english, name);
}

// Emits the `count` readings now in tempinflects for the name in tempstems[0].
int emitName(Engine& engine, int count) {
    if (count > kNameReadingLimit) count = kNameReadingLimit;
    for (int k = 0; k < count; ++k) emitAnalysis(engine, 0, k, 0, source_kind::Addon);
    ++engine.groupNumber;
    return count;
}

std::string_view nominativeOf(const StemRecord& learned) {
    const int rule = learned.unused6[kEndingRuleByte] - 1;
    const int rules = static_cast<int>(std::size(kNameEndings));
    return rule >= 0 && rule < rules ? kNameEndings[rule].nominative : std::string_view{};
}

// The longest learned name that begins the word and takes its ending.
int matchLearnedName(Engine& engine, std::string_view name) {
    const StemRecord* best = nullptr;
    for (const StemRecord& learned : engine.learnedNames) {
        const std::string_view stem = fieldText(learned.stem);
        if (stem.empty() || !name.starts_with(stem) || name.size() - stem.size() > kEndingLimit) continue;
        if (best && fieldText(best->stem).size() >= stem.size()) continue;
        engine.tempstems[0] = learned;
        engine.tempstemCount = 1;
        if (findInflections(engine, name.substr(stem.size()), 0) > 0) best = &learned;
    }
    if (!best) return 0;
    const std::string_view stem = fieldText(best->stem);
    engine.tempstems[0] = *best;
    engine.tempstemCount = 1;
    const int count = findInflections(engine, name.substr(stem.size()), 0);
    if (count <= 0) return 0;
    setNameTexts(engine, stem, nominativeOf(*best));
    return emitName(engine, count);
}

// The index of the ending the name shows; -1 for none (and for a name taken whole).
int nameEndingRule(const NameWord& word) {
    if (word.whole) return -1;
    for (std::size_t r = 0; r < std::size(kNameEndings); ++r) {
        const std::string_view ending = kNameEndings[r].ending;
        if (word.name.size() >= ending.size() + kShortestNameStem && word.name.ends_with(ending))
            return static_cast<int>(r);
    }
    return -1;
}

// The nominative, accusative and vocative singular of the name its ending shows; the name is
// learned.
int guessName(Engine& engine, const NameWord& word) {
    const int rule = nameEndingRule(word);
    const std::string_view ending = rule >= 0 ? kNameEndings[rule].ending : std::string_view{};
    const std::string_view stem = word.name.substr(0, word.name.size() - ending.size());
    const std::uint8_t declension = rule >= 0 ? kNameEndings[rule].declension : kWholeNameDeclension;
    StemRecord s = nameStem(word.name, stem, declension);
    s.unused6[kEndingRuleByte] = static_cast<std::uint8_t>(rule + 1);
    engine.tempstems[0] = s;
    engine.tempstemCount = 1;
    int count = 0;
    for (std::uint8_t nameCase : kNameCases) {
        InflectionRecord& infl = engine.tempinflects[count++];
        infl = InflectionRecord{};
        infl.partOfSpeech = speech_type::Noun;
        infl.which = declension;
        infl.variant = kNameVariant;
        infl.grammar1 = nameCase;
        infl.grammar2 = number_type::Singular;
        infl.grammar3 = rule >= 0 ? kNameEndings[rule].gender : std::uint8_t{gender_type::None};
        infl.stemKey = kNameEndingKey;
        copyField(infl.ending, ending);
    }
    engine.tempinflectCount = count;
    setNameTexts(engine, fieldText(s.stem), rule >= 0 ? kNameEndings[rule].nominative : std::string_view{});
    const int emitted = emitName(engine, count);
    const int ring = static_cast<int>(kLearnedNameCapacity);
    if (engine.learnedNameWrite < 0 || engine.learnedNameWrite >= ring) engine.learnedNameWrite = 0;
    engine.learnedNames[engine.learnedNameWrite] = s;
    engine.learnedNameWrite = (engine.learnedNameWrite + 1) % ring;
    return emitted;
}

}  // namespace

int matchSpecialForms(Engine& engine, WordBuffer& word, NameGuess guess) {
    if (!isCapital(word[0])) return 0;
    const NameWord name = cutName(engine, word);
    const int first = engine.analysisCount;
    int found = matchLearnedName(engine, name.name);
    if (found == 0 && guess == NameGuess::Allowed) found = guessName(engine, name);
    for (int i = std::max(first, 0); i < engine.analysisCount; ++i)
        engine.wordAnalyses[i].reserved23 |= kGuessedName;
    if (name.tackon != NoTackon && found > 0)
        insertTackonWord(engine, name.tackon == QueTackon ? TackonWord::Que : TackonWord::Ne);
    return found;
}

}  // namespace kavro
