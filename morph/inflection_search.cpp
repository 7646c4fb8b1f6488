#include "morph/inflection_search.h"

#include <algorithm>

#include "core/capacities.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/packed_text.h"

namespace kavro {
namespace {

constexpr std::uint8_t kPartOfSpeechBits = 0x1F;     // stem byte 0 without its subtype
constexpr std::uint8_t kFirstPerfectStemKey = 3;     // keys 3 and 4: perfect and participle stems
constexpr std::uint8_t kAnyDeclensionMark = 99;      // adjective copies that fit any declension
constexpr char kTooManyInflections[] = "Too many tempinflects fields.\n";

using EndingKey = PackedText<sizeof(InflectionRecord::ending) / 8>;

// The outcome of the fitting rules for one record of the run.
struct Fit {
    bool fits = false;          // passed the declension, variant, stem-key and part-of-speech rules
    bool medievalAe = false;    // the copy's ending becomes "ae" (medieval "e" for "ae")
};

// Gender and number rules of a noun stem, with the medieval "e" for a first-declension "ae".
Fit fitNoun(const Engine& engine, const InflectionRecord& r, const StemRecord& s,
            std::string_view ending) {
    Fit fit;
    const std::uint8_t stemGender = s.genderOrKind;
    std::uint8_t g = r.grammar3 ? r.grammar3 : stemGender;
    if (g == gender_type::Common &&
        (stemGender == gender_type::Masculine || stemGender == gender_type::Feminine))
        g = stemGender;
    if (g != stemGender && stemGender != 0) return fit;

    const bool plainFirstDeclension = s.partOfSpeech == speech_type::Noun && s.which == 1 &&
                                      s.variant == 1;
    if (ending == "e" && plainFirstDeclension) {
        if (!engine.options.medievalPhonetics || engine.options.age != kAgeMedieval) return fit;
        fit.medievalAe = true;
    }
    const bool properOrLocale = s.sort == noun_kind_type::Proper ||
                                (s.sort & 0x0F) == noun_kind_type::Locale;
    if (properOrLocale && r.grammar2 == number_type::Plural &&
        s.numberRestriction != number_type::Plural)
        return Fit{};
    fit.fits = true;
    return fit;
}

// Rules a to f for one record whose (adjusted) part of speech equals the stem's.
// `d` and `v` are the declension and variant after their substitutions.
Fit fitRecord(const Engine& engine, const InflectionRecord& r, const StemRecord& s, int c,
              std::uint8_t d, std::uint8_t v, std::uint8_t k, std::string_view ending) {
    if (d != s.which && s.which != 0) return {};
    if (v != s.variant && s.variant != 0) return {};
    if (k != r.stemKey) return {};
    const bool anyClass = d == 0 && v == 0;
    switch (c) {
    case speech_type::Noun:
        return fitNoun(engine, r, s, ending);
    case speech_type::Adverb:
        if (anyClass && r.grammar4 != 0 && r.grammar4 != s.genderOrKind) return {};
        return {true, false};
    case speech_type::Preposition:
        if (anyClass && r.grammar1 != s.genderOrKind) return {};
        return {true, false};
    default:
        return {true, false};
    }
}

// The first record of a run of one ending whose part of speech is not below `p`. The records
// before it have a lower part (a participle counted as a verb is lower still), so none of them
// fits a stem of part `p`. The table's runs are in the order of their parts of speech whenever
// its ending index is built (see indexEndingRuns).
std::size_t firstOfPart(std::span<const InflectionRecord> run, int p) {
    const auto first = std::partition_point(run.begin(), run.end(),
                                            [p](const InflectionRecord& r) { return r.partOfSpeech < p; });
    return static_cast<std::size_t>(first - run.begin());
}

}  // namespace

std::span<const InflectionRecord> findEndingRun(const Engine& engine, std::string_view ending) {
    if (!engine.lexicon.endingRuns.empty()) return endingRunOf(engine.lexicon, ending);
    const auto& table = engine.lexicon.inflections;
    const EndingKey key(ending);
    if (!key.searchable()) return {};
    const auto below = [](const InflectionRecord& r, const EndingKey& k) {
        return compareField(r.ending, k) < 0;
    };
    const auto above = [](const EndingKey& k, const InflectionRecord& r) {
        return compareField(r.ending, k) > 0;
    };
    const InflectionRecord* begin = table.data();
    const InflectionRecord* end = begin + table.size();
    struct Order {
        decltype(below) before;
        decltype(above) after;
        bool operator()(const InflectionRecord& r, const EndingKey& k) const { return before(r, k); }
        bool operator()(const EndingKey& k, const InflectionRecord& r) const { return after(k, r); }
    };
    const auto [first, last] = std::equal_range(begin, end, key, Order{below, above});
    return {first, last};
}

int findInflections(Engine& engine, std::string_view ending, int stemSlot) {
    const std::span<const InflectionRecord> run = findEndingRun(engine, ending);
    if (run.empty()) return kEndingNotInTable;
    return fitInflections(engine, run, ending, stemSlot);
}

int fitInflections(Engine& engine, std::span<const InflectionRecord> run, std::string_view ending,
                   int stemSlot) {
    engine.tempinflectCount = 0;
    if (stemSlot < 0 || stemSlot >= static_cast<int>(kTempStemCapacity)) return 0;
    const StemRecord& s = engine.tempstems[stemSlot];
    const int p = s.partOfSpeech & kPartOfSpeechBits;
    int& count = engine.tempinflectCount;
    if (!engine.lexicon.endingRuns.empty()) run = run.subspan(firstOfPart(run, p));

    for (const InflectionRecord& r : run) {
        // Present-stem participles are matched against verb stems.
        int c = r.partOfSpeech;
        if (c == speech_type::Participle && s.stemKey < kFirstPerfectStemKey) c = speech_type::Verb;
        if (c > p) break;
        if (c < p) continue;

        std::uint8_t d = r.which ? r.which : s.which;
        const std::uint8_t v = r.variant ? r.variant : s.variant;
        std::uint8_t k = s.stemKey;
        if (k == 0 && r.stemKey < kFirstPerfectStemKey) k = r.stemKey;  // key 0 takes 0, 1 and 2

        const Fit fit = fitRecord(engine, r, s, c, d, v, k, ending);
        if (!fit.fits) continue;
        // An adjective without declension and variant fits the endings of every declension
        // (the irregular comparatives and superlatives, maxi-mus): it takes them all.
        if (c == speech_type::Adjective && d == 0 && v == 0) d = kAnyDeclensionMark;

        if (r.ageLevel <= engine.options.age) {
            InflectionRecord& copy = engine.tempinflects[count];
            copy = r;
            // Adjectives and adverbs pass on the stem's subtype (SADJ 36, adverb subtype 70).
            const bool passesSubtype = c == speech_type::Adjective || c == speech_type::Adverb;
            copy.partOfSpeech = passesSubtype ? s.partOfSpeech : r.partOfSpeech;
            copy.which = d;
            copy.variant = v;
            copy.stemKey = k;
            if (fit.medievalAe) copyField(copy.ending, "ae");
            if (++count >= static_cast<int>(kTempInflectCapacity)) {
                engine.rationedWarning(kTooManyInflections);
                count = static_cast<int>(kTempInflectCapacity) - 1;
                return count;
            }
        }
        // An entry without declension and variant takes only the first fitting ending.
        if (d == 0 && v == 0) break;
    }
    return count;
}

}  // namespace kavro
