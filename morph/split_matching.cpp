#include "morph/split_matching.h"

#include <cstring>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"
#include "morph/inflection_search.h"
#include "morph/meanings.h"
#include "morph/stem_search.h"

namespace kavro {
namespace {

constexpr std::string_view kAllEndingStem = ".";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The endings of the supine, which a participle stem takes beside its table endings.
constexpr std::string_view kSupineAccusative = "um";
constexpr std::string_view kSupineAblative = "u";

bool isSupineEnding(std::string_view ending) {
    return equalsIgnoringCase(ending, kSupineAccusative) || equalsIgnoringCase(ending, kSupineAblative);
}

std::uint8_t verbKindOf(const StemRecord& stem) { return stem.sort & 0x0F; }

// Only stems ending in "c" (dic, duc, fac) take the bare third-conjugation imperative.
bool lastLetterIsC(const StemRecord& stem) {
    const std::string_view text = fieldText(stem.stem);
    return !text.empty() && text.back() == 'c';
}

// Verb inflections that a stem of this verb kind does not take.
bool verbFormRefused(const StemRecord& stem, const InflectionRecord& infl) {
    const std::uint8_t kind = verbKindOf(stem);
    if (infl.partOfSpeech == speech_type::Participle) return kind == verb_kind_type::Impersonal;
    const bool present = infl.grammar1 == tense_type::Present;
    if (kind == verb_kind_type::Impersonal && (infl.grammar4 == 1 || infl.grammar4 == 2)) return true;
    if (kind == verb_kind_type::Deponent && present && infl.grammar2 == voice_type::Active) return true;
    if (kind == verb_kind_type::Semideponent && present && infl.grammar2 == voice_type::Passive)
        return true;
    return infl.which == 3 && infl.variant == 1 && infl.ending[0] == '\0' && !lastLetterIsC(stem);
}

// The last reading produced within one split, to recognise a second dictionary entry that
// repeats it with another meaning only. Two entries of different headwords on the same stem and
// ending (secutus of sequor and of secutor, leporem of lepus and of lepos) are two readings.
struct PreviousReading {
    StemRecord stem{};
    InflectionRecord inflection{};

    // True if (stem, inflection) repeats the previous reading of a stem of another meaning.
    bool repeats(const Engine& engine, const StemRecord& s, const InflectionRecord& infl) {
        if (s.meaningIndex == stem.meaningIndex) return false;
        const StemRecord before = stem;
        stem.meaningIndex = s.meaningIndex;
        return std::memcmp(&s, &stem, sizeof s) == 0 &&
               std::memcmp(&infl, &inflection, sizeof infl) == 0 && sameHeadword(engine, s, before);
    }

private:
    static bool sameHeadword(const Engine& engine, const StemRecord& a, const StemRecord& b) {
        const ViewOptions& options = engine.options;
        return std::strcmp(lookUpMeaningRecord(engine.lexicon, options, a).latin,
                           lookUpMeaningRecord(engine.lexicon, options, b).latin) == 0;
    }
};

// The inflection records of one split's ending, looked up once for all its stems.
class EndingRun {
public:
    EndingRun(Engine& engine, std::string_view ending) : engine_(engine), ending_(ending) {}

    // The count of fitting inflections of tempstems[slot] now in tempinflects (0 when the
    // ending is in no record of the table).
    int fit(int slot) { return empty() ? 0 : fitInflections(engine_, run_, ending_, slot); }

    // True when no record of the table has the ending.
    bool empty() {
        if (!searched_) {
            run_ = findEndingRun(engine_, ending_);
            searched_ = true;
        }
        return run_.empty();
    }

private:
    Engine& engine_;
    std::string_view ending_;
    std::span<const InflectionRecord> run_;
    bool searched_ = false;
};

// Under the medieval age, the words of later Latin (NeoLatin and Modern: levels 7 to 10) rank
// after the older ones: a word is read from them only when no older entry reads it (scabinus,
// metaphysica), so they never crowd the readings of an older word and never vanish.
constexpr std::uint8_t kOldestLaterStem = 7;
constexpr std::uint8_t kNewestLaterStem = 10;

bool laterThanTheAge(const Engine& engine, const StemRecord& stem) {
    return engine.options.age == kAgeMedieval && stem.ageLevel >= kOldestLaterStem &&
           stem.ageLevel <= kNewestLaterStem;
}

// Which stems one matching pass reads, and whether it passed over a later one.
struct AgePass {
    bool admitLater = false;
    bool leftOutLater = false;
};

// The readings of tempstems[slot] with the `count` inflections now in tempinflects.
int emitStem(Engine& engine, int slot, int count, int sourceKind, PreviousReading& previous,
             AgePass& pass) {
    const StemRecord& stem = engine.tempstems[slot];
    if (!pass.admitLater && laterThanTheAge(engine, stem)) {
        pass.leftOutLater = true;
        return 0;
    }
    int emitted = 0;
    for (int j = 0; j < count; ++j) {
        const InflectionRecord& infl = engine.tempinflects[j];
        if (readingRefused(stem, infl)) continue;
        if (previous.repeats(engine, stem, infl)) continue;
        emitAnalysis(engine, slot, j, emitted, sourceKind);
        ++emitted;
        previous.inflection = infl;
    }
    return emitted;
}

// True when a split whose ending no inflection record has may go without its stem searches:
// none of its stems could take the ending (only a participle's supine takes one from outside
// the table), so the searches would only leave the work table filled and could not warn. The
// caller keeps the searches of a word's last split, whose work table stays behind.
bool searchesMayBeLeftOut(const Engine& engine) {
    return engine.lexicon.stemRunsFitTempstems && engine.lexicon.userStems.empty();
}

int matchSplit(Engine& engine, int split, int sourceKind, bool mayLeaveOut, StemSearchHint& hint,
               AgePass& pass) {
    const std::string_view stemPart = engine.wordSplits.stems[split];
    const std::string_view ending = engine.wordSplits.endings[split];
    EndingRun endings(engine, ending);
    if (mayLeaveOut && endings.empty() && !isSupineEnding(ending)) return 0;
    int count = findStems(engine, stemPart, &hint);
    count = findUserStems(engine, stemPart, count);
    if (count <= 0) return 0;

    PreviousReading previous;
    int total = 0;
    for (int i = 0; i < count && i < static_cast<int>(kTempStemCapacity); ++i) {
        const StemRecord& stem = engine.tempstems[i];
        if (!engine.options.botanyActive && isBotanyEntry(stem)) continue;
        int k = endings.fit(i);
        if (stem.partOfSpeech == speech_type::Participle) k = addSupine(engine, ending, i, k);
        if (k <= 0) continue;
        total += emitStem(engine, i, k, sourceKind, previous, pass);
        previous.stem = stem;
        if (sourceKind != source_kind::Addon) ++engine.groupNumber;
    }
    return total;
}

}  // namespace

bool readingRefused(const StemRecord& stem, const InflectionRecord& infl) {
    if (stem.partOfSpeech == speech_type::Verb) return verbFormRefused(stem, infl);
    return stem.partOfSpeech == speech_type::Noun && stem.numberRestriction != 0 &&
           infl.grammar2 != 0 && infl.grammar2 != stem.numberRestriction;
}

int splitWord(Engine& engine, WordBuffer& word) {
    word[kMatchedWordLength] = '\0';
    const int length = static_cast<int>(std::strlen(word));
    const int shortestStem = length - kLongestEnding > 1 ? length - kLongestEnding : 1;
    WordSplitTable& table = engine.wordSplits;
    int n = 0;
    for (int p = length; p >= shortestStem; --p, ++n) {
        copyBounded(table.stems[n], kSplitStemSize, std::string_view(word, static_cast<std::size_t>(p)));
        copyBounded(table.endings[n], kSplitEndingSize, std::string_view(word + p));
    }
    const int endingLength = length - shortestStem + 1;
    copyBounded(table.stems[n], kSplitStemSize, kAllEndingStem);
    copyBounded(table.endings[n], kSplitEndingSize,
                std::string_view(word + (endingLength > 0 ? length - endingLength : length)));
    table.count = n + 1;
    return table.count;
}

int matchSplits(Engine& engine, int splitCount, int sourceKind) {
    int total = 0;
    const int n = splitCount < static_cast<int>(kWordSplitCapacity) ? splitCount
                                                                    : static_cast<int>(kWordSplitCapacity);
    const bool mayLeaveOut = searchesMayBeLeftOut(engine);
    AgePass pass;
    StemSearchHint hint;
    for (int s = 0; s < n; ++s)
        total += matchSplit(engine, s, sourceKind, mayLeaveOut && s + 1 < n, hint, pass);
    if (total > 0 || !pass.leftOutLater) return total;
    pass.admitLater = true;   // nothing older reads the word: the later entries do
    StemSearchHint again;
    for (int s = 0; s < n; ++s)
        total += matchSplit(engine, s, sourceKind, mayLeaveOut && s + 1 < n, again, pass);
    return total;
}

int addSupine(Engine& engine, std::string_view ending, int stemSlot, int count) {
    const bool accusative = equalsIgnoringCase(ending, kSupineAccusative);
    if (!accusative && !equalsIgnoringCase(ending, kSupineAblative)) return count;
    if (count < 0 || count >= static_cast<int>(kTempInflectCapacity)) return count;
    const StemRecord& stem = engine.tempstems[stemSlot];
    InflectionRecord supine{};
    supine.partOfSpeech = speech_type::Supine;
    supine.which = stem.which;
    supine.variant = stem.variant;
    supine.grammar1 = accusative ? case_type::Accusative : case_type::Ablative;
    supine.grammar2 = number_type::Singular;
    supine.grammar3 = gender_type::Neuter;
    copyField(supine.ending, accusative ? kSupineAccusative : kSupineAblative);
    engine.tempinflects[count] = supine;
    return count + 1;
}

}  // namespace kavro
