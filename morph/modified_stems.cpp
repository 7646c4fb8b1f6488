// matchModifiedStems: a word that nothing else explained, read as a known stem with a
// derivational suffix inside it (amabilis: the verb stem am- + "abil" + -is). The stem is
// re-classed by the suffix's rule and takes the endings of its new class; the reading's English
// is the stem's first sense with the suffix's English after it ("love-able").
#include <algorithm>
#include <cstring>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"
#include "morph/citation_form.h"
#include "morph/inflection_search.h"
#include "morph/meanings.h"
#include "morph/stem_search.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

struct SuffixRule {
    std::string_view latin;
    std::string_view english;
    std::uint8_t basePartOfSpeech;   // the found stem's part of speech
    std::uint8_t baseKey;            // and key; 0 on either side takes any
    std::uint8_t partOfSpeech;       // the stem's new class
    std::uint8_t which;
    std::uint8_t variant;
    std::uint8_t byte3;
    std::uint8_t byte4;
    std::uint8_t key;                // an adverb takes byte 3 as its key instead
    bool comparative = false;        // "ior", "ius": the "i" stays with the stem
};

// Tried in this order; the last rows only while the botany meanings are active.
constexpr SuffixRule kSuffixRules[] = {
    {"issime", "-edly", 4, 2, 6, 0, 0, 3, 0, 3},
    {"iter", "-ly", 4, 2, 6, 0, 0, 1, 0, 0},
    {"abil", "-able", 7, 2, 4, 3, 2, 1, 0, 0},
    {"ans", "-ing", 7, 1, 4, 3, 1, 1, 0, 1},
    {"ant", "-ing", 7, 1, 4, 3, 1, 1, 0, 2},
    {"itat", "-ity", 4, 2, 1, 3, 1, 2, 7, 2},
    {"ibil", "-able", 7, 2, 4, 3, 2, 1, 0, 0},
    {"issi", "-ed", 8, 4, 4, 1, 1, 3, 0, 4},
    {"ion", "-ing", 8, 4, 1, 3, 1, 2, 7, 2},
    {"ior", "-ed", 8, 4, 4, 0, 0, 2, 0, 3, true},
    {"ius", "-ed", 8, 4, 4, 0, 0, 2, 0, 3, true},
    {"ament", "-ment", 1, 2, 1, 2, 2, 3, 7, 0},
    {"enter", "-ently", 7, 2, 6, 0, 0, 1, 0, 0},
    {"enti", "-ence", 7, 2, 1, 1, 1, 2, 7, 2},
    {"io", "-ing", 8, 4, 1, 3, 1, 2, 7, 1},
    {"ari", "-related", 1, 2, 36, 1, 1, 1, 0, 0},
    {"ul", "-small", 1, 2, 36, 1, 1, 1, 0, 0},
    {"ol", "-small", 1, 2, 36, 1, 1, 1, 0, 0},
    {"ori", "-ory", 8, 4, 4, 1, 1, 1, 0, 0},
    {"ori", "-ory", 1, 2, 1, 2, 2, 3, 7, 0},
    {"or", "-er", 8, 4, 1, 3, 1, 1, 6, 0},
    {"al", "-al", 1, 2, 4, 3, 2, 1, 0, 0},
    {"in", "-derived", 1, 2, 4, 1, 1, 1, 0, 0},
    {"ic", "-ic", 1, 2, 4, 1, 1, 1, 0, 0},
    {"iu", "-ive", 7, 2, 4, 1, 1, 1, 0, 0},
    {"iu", "-ive", 8, 4, 4, 1, 1, 1, 0, 0},
    // Botany.
    {"ifer", "-bearing", 1, 0, 4, 1, 1, 1, 0, 0},
    {"iform", "-like", 1, 0, 4, 3, 2, 1, 0, 0},
    {"ifoli", "-leaved", 1, 0, 4, 1, 1, 1, 0, 0},
    {"icephal", "-headed", 1, 0, 4, 1, 1, 1, 0, 0},
    {"icolor", "-coloured", 1, 0, 4, 3, 1, 1, 0, 0},
    {"inervi", "-nerved", 1, 0, 4, 1, 1, 1, 0, 0},
    {"iflor", "-flowered", 1, 0, 4, 1, 1, 1, 0, 0},
    {"ace", "-family", 1, 0, 1, 1, 1, 2, 7, 2},
};
constexpr std::size_t kGeneralSuffixRules = 26;
static_assert(std::size(kSuffixRules) == 34);

constexpr std::string_view kModifiedStemNote = "Modified stem.\n";
constexpr std::string_view kSenseEnd = ",;/(";
// The English a reading keeps: its field less the terminator.
constexpr std::size_t kReadingEnglishLength = sizeof(WordAnalysis::english) - 1;

// Where `suffix` last occurs in `word` (the suffix is followed by the ending only); npos if
// nowhere. The suffixes are short, so a plain scan beats the general search.
std::size_t lastOccurrence(std::string_view word, std::string_view suffix) {
    if (suffix.empty() || suffix.size() > word.size()) return std::string_view::npos;
    for (std::size_t i = word.size() - suffix.size() + 1; i-- > 0;)
        if (word[i] == suffix[0] && std::memcmp(word.data() + i, suffix.data(), suffix.size()) == 0)
            return i;
    return std::string_view::npos;
}

bool fitsRule(const SuffixRule& rule, const StemRecord& stem) {
    if ((stem.partOfSpeech & 0x1F) != rule.basePartOfSpeech) return false;
    return rule.baseKey == 0 || stem.stemKey == 0 || stem.stemKey == rule.baseKey;
}

void reclass(StemRecord& stem, const SuffixRule& rule) {
    stem.partOfSpeech = rule.partOfSpeech;
    stem.which = rule.which;
    stem.variant = rule.variant;
    stem.genderOrKind = rule.byte3;
    stem.sort = rule.byte4;
    stem.stemKey = rule.partOfSpeech == speech_type::Adverb ? rule.byte3 : rule.key;
}

// The stem's first sense, blanks made "-", cut so that the suffix's English still fits in
// the reading ("love, like; ..." with "-able" gives "love-able").
void suffixedEnglish(char (&out)[sizeof(AddonRecord::english)], std::string_view meaning,
                     std::string_view suffix) {
    const std::size_t start = meaning.find_first_not_of(' ');
    meaning = start == std::string_view::npos ? std::string_view() : meaning.substr(start);
    std::string_view sense = meaning.substr(0, meaning.find_first_of(kSenseEnd));
    while (!sense.empty() && sense.back() == ' ') sense.remove_suffix(1);
    const std::size_t room = kReadingEnglishLength > suffix.size() ? kReadingEnglishLength - suffix.size() : 0;
    sense = sense.substr(0, room);
    std::size_t n = 0;
    for (char c : sense) out[n++] = c == ' ' ? '-' : c;
    n += copyBounded(out + n, sizeof out - n, suffix);
    out[n] = '\0';
}

class SuffixMatch {
public:
    explicit SuffixMatch(Engine& engine) : e_(engine) {}
    int run(std::string_view word);

private:
    int matchRule(const SuffixRule& rule, std::string_view candidate, std::string_view ending);
    int emitStem(int slot, const StemRecord& original, const SuffixRule& rule,
                 std::string_view stemText, std::string_view ending);

    Engine& e_;
    StemRecord found_[kTempStemCapacity];   // the stems of the last candidate, before re-classing
    int foundCount_ = 0;
    int nextAddon_ = 0;
};

int SuffixMatch::run(std::string_view word) {
    const std::size_t rules = e_.options.botanyActive ? std::size(kSuffixRules) : kGeneralSuffixRules;
    std::string_view previousSuffix;
    int total = 0;
    for (std::size_t r = 0; r < rules; ++r) {
        const SuffixRule& rule = kSuffixRules[r];
        const std::size_t at = lastOccurrence(word, rule.latin);
        if (at == std::string_view::npos || at == 0) continue;
        const std::string_view candidate = word.substr(0, at);
        if (rule.latin != previousSuffix) {
            foundCount_ = findStems(e_, candidate);
            std::copy_n(e_.tempstems, foundCount_, found_);
            previousSuffix = rule.latin;
        }
        total += matchRule(rule, candidate, word.substr(at));
    }
    return total;
}

// `suffixed`: the suffix and the ending after it.
int SuffixMatch::matchRule(const SuffixRule& rule, std::string_view candidate, std::string_view suffixed) {
    // "ior"/"ius": the comparative's "i" ends the stem, "or"/"us" begins the ending.
    const std::size_t stemPart = rule.comparative ? 1 : rule.latin.size();
    const std::string_view ending = suffixed.substr(stemPart);
    if (ending.size() >= kSplitEndingSize) return 0;
    char stemText[sizeof(StemRecord::stem)];
    const std::size_t n = copyField(stemText, candidate);
    copyBounded(stemText + n, sizeof stemText - n, suffixed.substr(0, stemPart));
    int total = 0;
    for (int i = 0; i < foundCount_; ++i) {
        const StemRecord& original = found_[i];
        if (!e_.options.botanyActive && isBotanyEntry(original)) continue;
        if (!fitsRule(rule, original)) continue;
        total += emitStem(i, original, rule, stemText, ending);
    }
    return total;
}

int SuffixMatch::emitStem(int slot, const StemRecord& original, const SuffixRule& rule,
                          std::string_view stemText, std::string_view ending) {
    StemRecord stem = original;
    reclass(stem, rule);
    e_.tempstems[slot] = stem;
    const int k = findInflections(e_, ending, slot);
    if (k <= 0) return 0;
    copyField(e_.tempstems[slot].stem, stemText);
    const MeaningRecord& meaning =
        lookUpMeaningRecord(e_.lexicon, e_.options, original, MeaningUse::SuffixedWord);
    AddonRecord texts{};
    copyField(texts.key, derivedHeadword(stemText, stem));   // cited as a word, not a stem
    suffixedEnglish(texts.english, fieldText(meaning.english), rule.english);
    int emitted = 0;
    for (int j = 0; j < k; ++j) {
        if (nextAddon_ >= static_cast<int>(kTempAddonCapacity)) break;
        e_.tempaddons[nextAddon_] = texts;
        if (!e_.options.sentenceMode) e_.log.write(kModifiedStemNote);
        emitAnalysis(e_, slot, j, nextAddon_, source_kind::ModifiedStem);
        ++nextAddon_;
        ++emitted;
    }
    e_.tempaddonCount = nextAddon_;
    if (emitted > 0) ++e_.groupNumber;
    return emitted;
}

}  // namespace

int matchModifiedStems(Engine& engine, WordBuffer& word) {
    return SuffixMatch(engine).run(std::string_view(word, strnlen(word, sizeof word)));
}

}  // namespace kavro
