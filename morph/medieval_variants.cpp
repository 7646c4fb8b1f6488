// Medieval spellings: a word the dictionary does not know is tried with each classical spelling
// in turn (gratie -> gratiae, gracia -> gratia, michi -> mihi, dampnum -> damnum …), then by
// its sound; the first that gives readings ends the search.
#include <cstring>
#include <string_view>

#include "job/engine.h"
#include "morph/analysis_emit.h"
#include "morph/phonetic_search.h"
#include "morph/word_edit.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

enum class Place { Anywhere, WordEnd, NotWordEnd };

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
};

// In the order they are tried. The readings of the last rewrite (and of the sound-alike
// search) are marked as found through a variant.
constexpr MedievalRewrite kMedievalRewrites[] = {
    {"ie", 1, 1, "ae", Place::WordEnd, 4},   // gratie -> gratiae
    {"ci", 0, 1, "t"},                       // gracia -> gratia
    {"ti", 0, 1, "c"},                       // nuntius -> nuncius
    {"nn", 0, 1, "m"},                       // solennis -> solemnis
    {"ch", 1, 1, ""},                        // michi -> mihi
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
    {"uor", 1, 1, "e", Place::Anywhere, 0, source_kind::SpellingVariant},   // uorto -> uerto
};

std::size_t placeOf(std::string_view word, const MedievalRewrite& rule) {
    if (word.size() < rule.shortestWord) return std::string_view::npos;
    switch (rule.place) {
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

}  // namespace

int matchMedievalVariants(Engine& engine, WordBuffer& word) {
    const std::string_view original = word;
    for (const MedievalRewrite& rule : kMedievalRewrites) {
        const std::size_t at = placeOf(original, rule);
        if (at == std::string_view::npos) continue;
        WordBuffer variant;
        std::memcpy(variant, word, sizeof word);
        if (!rewriteKeepingCase(variant, at + rule.offset, rule.removed, rule.inserted)) continue;
        const int splits = splitWord(engine, variant);
        const int found = matchSplits(engine, splits, rule.sourceKind);
        if (found > 0) return found;
    }
    if (!engine.options.medievalPhonetics) return 0;
    return matchSoundAlikes(engine, word);
}

}  // namespace kavro
