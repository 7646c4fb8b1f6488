// matchTackons: a word that nothing else explained, read as a known word (the base) followed by
// a tackon of addons.dat. The base's readings are emitted as usual; the tackon becomes the next
// token of the sentence with a reading of its own, placed before the base when its addon says so.
#include "morph/tackons.h"

#include <algorithm>
#include <cstring>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"
#include "morph/inflection_search.h"
#include "morph/meanings.h"
#include "morph/split_matching.h"
#include "morph/stem_search.h"
#include "morph/word_repairs.h"
#include "text/roman_numerals.h"

namespace kavro {
namespace {

constexpr int kMostTackonSplits = 8;          // candidates come from the first 8 splits
constexpr int kHeldUniqueReadings = 5;        // a unique base lends at most 5 readings
constexpr std::uint8_t kCompoundWhich = 9;    // a base stem of which 9 is not looked up as a unique
constexpr std::uint8_t kAgeLevelShownAsSix = 20;
constexpr std::uint8_t kNameNounKind = 9;
constexpr std::uint8_t kKeepsTackon = 2;      // addon kind 1 that keeps "que" a tackon ("each")
constexpr std::string_view kPreferredTackon = "que";
constexpr std::string_view kElidedEst = "st";   // amatst: amat + est
constexpr std::string_view kQuestionTackon = "ne";

// The elided "est" of amatst. It follows its word: unlike the addon "est", it does not move.
constexpr AddonRecord elidedEstAddon() {
    AddonRecord a{};
    a.unused0 = speech_type::Tackon;
    a.key[0] = 'e';
    a.key[1] = 's';
    a.key[2] = 't';
    a.english[0] = 'i';
    a.english[1] = 's';
    return a;
}

bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
char toLower(char c) { return isUpper(c) ? static_cast<char>(c + 32) : c; }

bool isDoubledQuWord(std::string_view w) {
    if (w.size() < 4 || w.size() % 2 != 0) return false;
    if (toLower(w[0]) != 'q' || toLower(w[1]) != 'u') return false;
    const std::size_t half = w.size() / 2;
    return w.substr(0, half) == w.substr(half);
}

// A division of the word: the base before the tackon candidate.
struct Candidate {
    std::string_view base;
    std::string_view tackon;
};

// How the readings of one division of the base are found.
struct BaseSplit {
    int kind = source_kind::Dictionary;
    int stemCount = 0;
    std::string_view ending;
};

class TackonMatch {
public:
    TackonMatch(Engine& engine, const Candidate& candidate, int addonCount)
        : e_(engine), c_(candidate), addonCount_(addonCount) {}

    // The readings of the base with the addons now in tempaddons, and the tackon's word.
    int run();

private:
    BaseSplit lookUpBaseSplit(int split);
    int emitForAddon(const AddonRecord& addon, const BaseSplit& split);
    int inflectionsFor(int stemSlot, std::string_view ending);
    bool stemFits(const AddonRecord& addon, const StemRecord& stem) const;
    bool nameReadingRefused(const InflectionRecord& infl) const;
    int makeTackonWord();
    void placeTackonFirst(int tackonStart, int singleTackon);

    Engine& e_;
    const Candidate& c_;
    int addonCount_;
    std::string_view base_;
    int baseStart_ = 0;     // the first reading of the base in the analysis table
    int singleStart_ = 0;   // its first pair in the single-word collection
    bool produced_[kMostAddonsOfOneKey]{};   // the addons that gave the base readings
};

int TackonMatch::run() {
    WordBuffer base{};
    copyField(base, c_.base);
    const std::string_view whole(base);
    if (whole.find("decim") != std::string_view::npos || isDoubledQuWord(whole))
        prepareCompound(e_, base);
    base_ = c_.base;
    baseStart_ = e_.analysisCount;
    singleStart_ = e_.singleWordCount;
    const int splits = splitWord(e_, base);
    int readings = 0;
    for (int s = 0; s < splits; ++s) {
        const BaseSplit split = lookUpBaseSplit(s);
        if (split.stemCount == 0) continue;
        for (int a = 0; a < addonCount_; ++a) {
            const int n = emitForAddon(e_.tempaddons[a], split);
            if (n == 0) continue;
            produced_[a] = true;
            readings += n;
            ++e_.groupNumber;
        }
    }
    if (readings == 0) return 0;
    return readings + makeTackonWord();
}

// The stems of one base split: dictionary stems, a unique (for the whole base), a one-letter
// Roman numeral, or two name stems for a capitalised base.
BaseSplit TackonMatch::lookUpBaseSplit(int split) {
    BaseSplit out;
    const std::string_view stemPart = e_.wordSplits.stems[split];
    out.ending = e_.wordSplits.endings[split];
    int count = findStems(e_, stemPart);
    count = findUserStems(e_, stemPart, count);
    if (split == 0 && (count == 0 || e_.tempstems[0].which != kCompoundWhich)) {
        const int uniques = findUniques(e_, stemPart);
        if (uniques > 0) {
            out.kind = source_kind::Unique;
            out.stemCount = std::min(uniques, kHeldUniqueReadings);
            return out;
        }
    }
    out.stemCount = count;
    if (count > 0 || stemPart.empty()) return out;
    if (!isLower(stemPart[0]) && !isUpper(stemPart[0])) return out;   // the "." split
    if (isLower(stemPart[0])) {
        if (base_.size() != 1 || base_[0] == 'i') return out;
        const char capital[2] = {static_cast<char>(base_[0] - 32), '\0'};
        const RomanNumeral numeral = readRomanNumeral(capital);
        if (numeral.value == 0) return out;
        StemRecord stem{};
        stem.partOfSpeech = speech_type::Numeral;
        stem.genderOrKind = numeral_kind_type::Cardinal;
        stem.sort = numeral.value == 1 ? 1 : 2;
        stem.areaFrequency = 1;
        copyField(stem.stem, std::string_view(capital, 1));
        InflectionRecord infl{};
        infl.partOfSpeech = speech_type::Numeral;
        infl.grammar4 = numeral_kind_type::Cardinal;
        romanNumeralDigits(numeral, infl.ending, sizeof infl.ending);
        e_.tempstems[0] = stem;
        e_.tempinflects[0] = infl;
        out.kind = source_kind::RomanNumeral;
        out.stemCount = 1;
        return out;
    }
    // A capitalised base nobody knows: a second-declension man's or first-declension woman's name.
    for (int g = 0; g < 2; ++g) {
        StemRecord name{};
        name.partOfSpeech = speech_type::Noun;
        name.which = g == 0 ? 2 : 1;
        name.variant = 1;
        name.genderOrKind = g == 0 ? gender_type::Masculine : gender_type::Feminine;
        name.sort = kNameNounKind;
        name.areaFrequency = kGuessedNameFrequency;
        copyField(name.stem, stemPart);
        e_.tempstems[g] = name;
    }
    out.kind = source_kind::CapitalisedGuess;
    out.stemCount = 2;
    return out;
}

bool TackonMatch::stemFits(const AddonRecord& addon, const StemRecord& stem) const {
    if (!e_.options.botanyActive && isBotanyEntry(stem)) return false;
    const int age = stem.ageLevel == kAgeLevelShownAsSix ? 6 : stem.ageLevel;
    if (age > e_.options.age) return false;
    if (addon.basePartOfSpeech != 0 && addon.basePartOfSpeech != (stem.partOfSpeech & 0x1F))
        return false;
    if (addon.baseWhich != 0 && addon.baseWhich != stem.which) return false;
    return addon.baseVariant == 0 || addon.baseVariant == stem.variant;
}

// The endings of a dictionary or name stem; a medieval "-e" also reads as "-ae".
int TackonMatch::inflectionsFor(int stemSlot, std::string_view ending) {
    int k = findInflections(e_, ending, stemSlot);
    if (k < 0) k = 0;
    const StemRecord& stem = e_.tempstems[stemSlot];
    const bool medieval = e_.options.medievalTricks && e_.options.age == kAgeMedieval;
    const bool firstDeclension =
        (stem.partOfSpeech == speech_type::Noun && stem.which == 1) ||
        ((stem.partOfSpeech & 0x0F) == speech_type::Adjective && stem.which == 1 && stem.variant == 1);
    if (medieval && ending == "e" && isLower(stem.stem[0]) && firstDeclension) {
        InflectionRecord held[kTempInflectCapacity];
        std::copy_n(e_.tempinflects, k, held);
        int more = findInflections(e_, "ae", stemSlot);
        if (more < 0) more = 0;
        const int room = static_cast<int>(kTempInflectCapacity) - 1;
        more = std::min(more, room - k);
        std::copy_backward(e_.tempinflects, e_.tempinflects + more, e_.tempinflects + k + more);
        std::copy_n(held, k, e_.tempinflects);
        k += more;
    }
    if (stem.partOfSpeech == speech_type::Participle) k = addSupine(e_, ending, stemSlot, k);
    return k;
}

bool TackonMatch::nameReadingRefused(const InflectionRecord& infl) const {
    const std::string_view ending = fieldText(infl.ending);
    if (ending.empty() || c_.tackon == kQuestionTackon) return true;
    return ending == "e" && base_.ends_with('a');
}

int TackonMatch::emitForAddon(const AddonRecord& addon, const BaseSplit& split) {
    int total = 0;
    for (int i = 0; i < split.stemCount; ++i) {
        const StemRecord& stem = e_.tempstems[i];
        if (!stemFits(addon, stem)) continue;
        int first = 0;
        int count = 0;
        switch (split.kind) {
        case source_kind::Unique: first = i; count = 1; break;
        case source_kind::RomanNumeral: count = split.ending.empty() ? 1 : 0; break;
        default: count = inflectionsFor(i, split.ending); break;
        }
        int emitted = 0;
        for (int j = first; j < first + count; ++j) {
            const InflectionRecord& infl = e_.tempinflects[j];
            if (split.kind == source_kind::CapitalisedGuess && nameReadingRefused(infl)) continue;
            if (readingRefused(stem, infl)) continue;
            emitAnalysis(e_, i, j, emitted, split.kind);
            ++emitted;
        }
        total += emitted;
    }
    return total;
}

// The tackon as the next word: one reading per addon that gave the base readings.
int TackonMatch::makeTackonWord() {
    // The addon's key: the elided "st" is written out as "est".
    const int firstProduced = static_cast<int>(std::find(produced_, produced_ + addonCount_, true) - produced_);
    const std::string_view key = fieldText(e_.tempaddons[firstProduced].key);
    if (!insertToken(e_, e_.tokenIndex + 1, key)) {
        announceFullSentence(e_, FullSentence::CantAddTackon);
        return 0;
    }
    ++e_.tokenIndex;   // the tackon's position; the driver steps over it
    const StemRecord savedStem = e_.tempstems[0];
    const InflectionRecord savedInflection = e_.tempinflects[0];
    const int tackonStart = e_.analysisCount;
    const int singleTackon = e_.singleWordCount;
    bool move = false;
    int readings = 0;
    for (int a = 0; a < addonCount_; ++a) {
        if (!produced_[a]) continue;
        const AddonRecord& addon = e_.tempaddons[a];
        const bool conjunction = key == "ue" || key == kQuestionTackon ||
                                 (key == kPreferredTackon && addon.kind1 != kKeepsTackon);
        StemRecord stem{};
        stem.partOfSpeech = conjunction ? speech_type::Conjunction : speech_type::Tackon;
        stem.which = addon.baseWhich;
        stem.variant = addon.baseVariant;
        stem.genderOrKind = addon.kind1;
        stem.sort = addon.kind2;
        stem.areaFrequency = kTackonFrequency;
        copyField(stem.stem, key);
        InflectionRecord infl{};
        infl.partOfSpeech = stem.partOfSpeech;
        infl.grammar1 = addon.kind2;
        infl.grammar5 = addon.moveFlag;
        e_.tempstems[0] = stem;
        e_.tempinflects[0] = infl;
        emitAnalysis(e_, 0, 0, a, source_kind::Addon);
        ++e_.groupNumber;
        if (readings == 0) move = addon.moveFlag != 0;
        ++readings;
    }
    e_.tempstems[0] = savedStem;
    e_.tempinflects[0] = savedInflection;
    if (move) placeTackonFirst(tackonStart, singleTackon);
    return readings;
}

// The tackon's readings go before its word's, and it takes the word's position (virumque reads
// "que virum"): the two tokens change places too.
void TackonMatch::placeTackonFirst(int tackonStart, int singleTackon) {
    const int baseStart = baseStart_;
    const int singleStart = singleStart_;
    const int end = e_.analysisCount;
    const int wordAt = e_.tokenIndex - 1;
    if (!(baseStart <= tackonStart && tackonStart <= end)) return;   // the table started again
    std::rotate(e_.wordAnalyses + baseStart, e_.wordAnalyses + tackonStart, e_.wordAnalyses + end);
    if (e_.keepAnalysisSources) {
        std::rotate(e_.analysisSources + baseStart, e_.analysisSources + tackonStart,
                    e_.analysisSources + end);
        e_.markAnalysisSourcesWritten(end);
    }
    const int tackonCount = end - tackonStart;
    for (int i = baseStart; i < end; ++i)
        e_.wordAnalyses[i].wordPosition = static_cast<std::int16_t>(i < baseStart + tackonCount ? wordAt : wordAt + 1);
    TokenText word;
    std::memcpy(word, e_.sentenceTokens[wordAt], sizeof word);
    std::memcpy(e_.sentenceTokens[wordAt], e_.sentenceTokens[wordAt + 1], sizeof word);
    std::memcpy(e_.sentenceTokens[wordAt + 1], word, sizeof word);
    const int lastSingle = static_cast<int>(kSingleWordCollection) - 1;
    if (e_.singleWordLookup && singleStart <= singleTackon && singleTackon <= lastSingle) {
        std::rotate(e_.singleWordEnglish + singleStart, e_.singleWordEnglish + singleTackon,
                    e_.singleWordEnglish + e_.singleWordCount);
        std::rotate(e_.singleWordLatin + singleStart, e_.singleWordLatin + singleTackon,
                    e_.singleWordLatin + e_.singleWordCount);
    }
}

// The addons for one tackon candidate in tempaddons; 0 when it is no tackon here. `longer` is
// the next longer candidate.
int addonsFor(Engine& engine, std::string_view tackon, std::string_view longer) {
    if (tackon == kElidedEst) {
        if (!engine.options.plautusElisions) return 0;
        engine.tempaddons[0] = elidedEstAddon();
        engine.tempaddonCount = 1;
        return 1;
    }
    const int z = findAddons(engine, tackon);
    if (z == 0 || longer.starts_with(kPreferredTackon)) return 0;   // "que" is preferred to "ue"
    return z;
}

}  // namespace

int matchTackons(Engine& engine, int splitCount) {
    // Split s of the word (s = 1, 2, ...) ends in s letters: the tackon candidate. The "." split
    // is no division of the word.
    const int divisions = std::min(splitCount - 1, kMostTackonSplits);
    if (divisions < 2) return 0;
    char whole[kSplitStemSize];   // the word itself: base matching overwrites the split table
    copyField(whole, engine.wordSplits.stems[0]);
    const std::string_view word(whole);
    for (int s = 1; s < divisions && static_cast<std::size_t>(s) < word.size(); ++s) {
        const std::string_view tackon = word.substr(word.size() - s);
        const std::string_view longer =
            s + 1 < divisions ? word.substr(word.size() - s - 1) : std::string_view();
        const int z = addonsFor(engine, tackon, longer);
        if (z == 0) continue;
        const Candidate candidate{word.substr(0, word.size() - s), tackon};
        const int readings = TackonMatch(engine, candidate, z).run();
        if (readings > 0) return readings;
    }
    return 0;
}

}  // namespace kavro
