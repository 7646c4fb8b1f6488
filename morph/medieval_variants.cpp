// Medieval spellings: a word the dictionary does not know is tried with each classical spelling
// in turn (gratie -> gratiae, gracia -> gratia, michi -> mihi, dampnum -> damnum, insule ->
// insulae, ymago -> imago …), then with a doubled consonant made single or a single one
// doubled, then by its sound; the first that gives readings ends the search. Only a word that
// the exact look-up did not find comes here, so these readings never crowd out exact ones.
#include <cstring>
#include <string_view>

#include "core/engine.h"
#include "morph/analysis_emit.h"
#include "morph/phonetic_search.h"
#include "morph/word_edit.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

enum class Place { Anywhere, WordStart, WordEnd, NotWordEnd };

// At the first place where `pattern` occurs (as `place` allows), `removed` letters from
// `offset` within it are replaced by `inserted`.
struct MedievalRewrite {
    std::string_view pattern;
    std::size_t offset;
    std::size_t removed;
    std::string_view inserted;
    Place place = Place::Anywhere;
    std::size_t shortestWord = 0;
    int sourceKind = source_kind::Dictionary;
    std::string_view name = {};   // the variant as the trace names it
};

constexpr int kVariant = source_kind::SpellingVariant;

// In the order they are tried. The readings of the last rewrite (and of the sound-alike
// search) are marked as found through a variant.
constexpr MedievalRewrite kMedievalRewrites[] = {
    {"ie", 1, 1, "ae", Place::WordEnd, 4},   // gratie -> gratiae
    {"ci", 0, 1, "t"},                       // gracia -> gratia
    {"ti", 0, 1, "c"},                       // nuntius -> nuncius
    {"nn", 0, 1, "m"},                       // solennis -> solemnis
    {"ch", 1, 1, ""},                        // charitas -> caritas
    {"th", 1, 1, ""},                        // cathena -> catena
    {"ae", 0, 1, "", Place::NotWordEnd},     // aecclesia -> ecclesia
    {"oe", 0, 1, ""},                        // coena -> cena
    {"ho", 0, 1, ""},                        // honus -> onus
    {"ph", 0, 2, "f"},                       // prophanus -> profanus
    {"cl", 1, 0, "u"},                       // periclum -> periculum
    {"quu", 0, 3, "cu"},                     // quum -> cum
    {"cu", 0, 2, "quu"},                     // cum -> quum
    {"mpn", 1, 1, ""},                       // dampnum -> damnum
    {"ict", 1, 1, "t"},                      // mictere -> mittere
    {"ms", 1, 0, "p"},                       // sumsi -> sumpsi
    {"mt", 1, 0, "p"},                       // sumtus -> sumptus
    {"uor", 1, 1, "e", Place::Anywhere, 0, kVariant, "e for o"},        // uorto -> uerto
    {"ch", 0, 1, "", Place::Anywhere, 0, kVariant, "h for ch"},        // michi -> mihi
    {"e", 0, 1, "ae", Place::WordEnd, 3, kVariant, "ae for final e"},   // insule -> insulae
    {"e", 0, 1, "ae", Place::Anywhere, 0, kVariant, "ae for e"},       // cesar -> caesar
    {"e", 0, 1, "oe", Place::Anywhere, 0, kVariant, "oe for e"},       // pena -> poena
    {"y", 0, 0, "h", Place::WordStart, 0, kVariant, "hy for y"},       // ymnus -> hymnus
    {"y", 0, 1, "i", Place::Anywhere, 0, kVariant, "i for y"},         // ymago -> imago
    {"i", 0, 1, "y", Place::Anywhere, 0, kVariant, "y for i"},         // misterium -> mysterium
    {"com", 3, 0, "m", Place::WordStart, 0, kVariant, "comm for com"}, // comutatio -> commutatio
    {"k", 0, 1, "c", Place::Anywhere, 0, kVariant, "c for k"},         // Karolus -> Carolus
    {"o", 0, 1, "u", Place::Anywhere, 0, kVariant, "u for o"},         // seo -> seu
    {"t", 0, 1, "d", Place::WordEnd, 0, kVariant, "d for final t"},    // aput -> apud
    {"d", 0, 1, "t", Place::WordEnd, 0, kVariant, "t for final d"},    // capud -> caput
};

constexpr std::string_view kDoubledMadeSingle = "single for doubled consonant";
constexpr std::string_view kSingleDoubled = "doubled for single consonant";
constexpr std::size_t kShortestDoublingWord = 4;   // no doubling games on the shortest words

bool isConsonant(char c) {
    const char l = lowerLetter(c);
    return l >= 'b' && l <= 'z' && l != 'e' && l != 'i' && l != 'o' && l != 'u' && l != 'y' &&
           l != 'h' && l != 'x';
}

std::size_t placeOf(std::string_view word, const MedievalRewrite& rule) {
    if (word.size() < rule.shortestWord) return std::string_view::npos;
    switch (rule.place) {
    case Place::WordStart:
        return beginsIgnoringCase(word, rule.pattern) ? 0 : std::string_view::npos;
    case Place::WordEnd: {
        const std::size_t at = word.size() - rule.pattern.size();
        return beginsIgnoringCase(word.substr(at), rule.pattern) ? at : std::string_view::npos;
    }
    case Place::NotWordEnd: {
        const std::size_t at = findIgnoringCase(word, rule.pattern);
        if (at == std::string_view::npos || at + rule.pattern.size() < word.size()) return at;
        return std::string_view::npos;
    }
    case Place::Anywhere:
        break;
    }
    return findIgnoringCase(word, rule.pattern);
}

// Readings of `variant`; when it has some, the trace says which spelling was read.
int matchVariant(Engine& engine, WordBuffer& variant, int sourceKind, std::string_view name) {
    const int splits = splitWord(engine, variant);
    const int found = matchSplits(engine, splits, sourceKind);
    if (found > 0 && !name.empty() && !engine.options.sentenceMode)
        engine.log.printf("Read as a spelling variant (%.*s): %s\n", static_cast<int>(name.size()),
                          name.data(), variant);
    return found;
}

// litterra -> littera, comunis -> communis: each doubled consonant made single, then each
// single consonant between letters doubled, until one gives readings.
int matchDoubling(Engine& engine, const WordBuffer& word) {
    const std::string_view w = word;
    if (w.size() < kShortestDoublingWord) return 0;
    for (std::size_t at = 1; at + 1 < w.size(); ++at) {
        if (!isConsonant(w[at]) || lowerLetter(w[at]) != lowerLetter(w[at + 1])) continue;
        WordBuffer variant;
        std::memcpy(variant, word, sizeof word);
        if (!replaceLetters(variant, at, 1, "")) continue;
        if (const int found = matchVariant(engine, variant, kVariant, kDoubledMadeSingle)) return found;
    }
    for (std::size_t at = 1; at + 1 < w.size(); ++at) {
        if (!isConsonant(w[at]) || lowerLetter(w[at - 1]) == lowerLetter(w[at]) ||
            lowerLetter(w[at + 1]) == lowerLetter(w[at]))
            continue;
        WordBuffer variant;
        std::memcpy(variant, word, sizeof word);
        if (!replaceLetters(variant, at, 0, std::string_view(&w[at], 1))) continue;
        if (const int found = matchVariant(engine, variant, kVariant, kSingleDoubled)) return found;
    }
    return 0;
}

}  // namespace

int matchMedievalVariants(Engine& engine, WordBuffer& word) {
    const std::string_view original = word;
    for (const MedievalRewrite& rule : kMedievalRewrites) {
        const std::size_t at = placeOf(original, rule);
        if (at == std::string_view::npos) continue;
        WordBuffer variant;
        std::memcpy(variant, word, sizeof word);
        if (!rewriteKeepingCase(variant, at + rule.offset, rule.removed, rule.inserted)) continue;
        if (const int found = matchVariant(engine, variant, rule.sourceKind, rule.name)) return found;
    }
    if (const int found = matchDoubling(engine, word)) return found;
    if (!engine.options.medievalPhonetics) return 0;
    return matchSoundAlikes(engine, word);
}

}  // namespace kavro
