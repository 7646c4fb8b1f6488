// The sound-alike search: phonetic keys of the word's splits, their stems by key, and the
// dictionary words those stems spell analysed with source kind 8.
#include "morph/phonetic_search.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "morph/analysis_emit.h"
#include "morph/word_edit.h"

namespace kavro {
namespace {

// A split stem shorter than this sounds like too many stems to be worth a guess.
constexpr std::size_t kShortestSoundedStem = 3;
// Stems tried for one split, and distinct rewritten words tried in one search.
constexpr int kCandidatesPerSplit = 16;
constexpr int kRewriteLimit = 24;
constexpr std::string_view kAllEndingStem = ".";
constexpr std::size_t kStemTextSize = sizeof(StemRecord::stem);

char foldedLower(char c) {
    c = lowerLetter(c);
    return c == 'j' ? 'i' : c == 'v' ? 'u' : c;
}

// The letters the key gets for position `i` of `s` (none for an "h"); `skip` is set to the
// further letters of `s` that the rule consumed.
std::string_view soundAt(std::string_view s, std::size_t i, bool wholeWord, std::size_t& skip) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz";
    skip = 0;
    const char c = foldedLower(s[i]);
    const char next = i + 1 < s.size() ? foldedLower(s[i + 1]) : '\0';
    const bool nextEndsWord = wholeWord && i + 2 == s.size();
    if (c == 'a' && next == 'e' && !nextEndsWord) { skip = 1; return "e"; }
    if (c == 'o' && next == 'e') { skip = 1; return "e"; }
    if (c == 'p' && next == 'h') { skip = 1; return "f"; }
    if (c == 'm' && next == 'n') { skip = 1; return "n"; }
    if ((c == 'c' || c == 'd') && i > 0) return "t";
    if (c == 'z' && i > 0) return "s";
    if (c == 'h') return {};
    if (c == 'y') return "i";
    if (c >= 'a' && c <= 'z') return {&kLetters[c - 'a'], 1};
    return {&s[i], 1};
}

// One split of the word with its key and the stems (dictUK.dat records) that share the key.
struct SoundedSplit {
    char stem[kStemTextSize];
    char ending[kSplitEndingSize];
    char key[kPhoneticKeySize];
    std::uint32_t candidates[kCandidatesPerSplit];
    int candidateCount = 0;

    void add(std::uint32_t record) {
        if (candidateCount < kCandidatesPerSplit) candidates[candidateCount++] = record;
    }
};

// The splits of `word` worth sounding: not the all-ending split, stems of 3 to 23 letters.
int soundedSplits(Engine& engine, WordBuffer& word, SoundedSplit (&out)[kWordSplitCapacity]) {
    const int splits = splitWord(engine, word);
    int n = 0;
    for (int s = 0; s < splits && s < static_cast<int>(kWordSplitCapacity); ++s) {
        const std::string_view stem = engine.wordSplits.stems[s];
        if (stem == kAllEndingStem || stem.size() < kShortestSoundedStem || stem.size() >= kStemTextSize)
            continue;
        SoundedSplit& split = out[n];
        if (phoneticKey(stem, false, split.key) >= kPhoneticKeySize) continue;
        copyField(split.stem, stem);
        copyField(split.ending, engine.wordSplits.endings[s]);
        split.candidateCount = 0;
        ++n;
    }
    return n;
}

int compareKey(const char (&a)[kPhoneticKeySize], const char (&b)[kPhoneticKeySize]) {
    return std::strncmp(a, b, kPhoneticKeySize);
}

// Candidates from phoneticuk.dat: the run of records of each split's key.
void candidatesFromTable(std::span<const PhoneticRecord> table, std::size_t stemCount,
                         std::span<SoundedSplit> splits) {
    for (SoundedSplit& split : splits) {
        auto it = std::lower_bound(table.begin(), table.end(), split,
                                   [](const PhoneticRecord& r, const SoundedSplit& s) {
                                       return compareKey(r.key, s.key) < 0;
                                   });
        for (; it != table.end() && compareKey(it->key, split.key) == 0; ++it)
            if (it->stemRecord < stemCount) split.add(it->stemRecord);
    }
}

// The first letters a stem may have when its key begins with `k`: k itself, a dropped "h",
// and the pairs that sound as one letter ("ae"/"oe" as e, "ph" as f, "y" as i, "mn" as n).
void markStemInitials(char k, bool (&initials)[26]) {
    const auto mark = [&initials](char c) {
        if (c >= 'a' && c <= 'z') initials[c - 'a'] = true;
    };
    mark(k);
    mark('h');
    if (k == 'e') { mark('a'); mark('o'); }
    if (k == 'f') mark('p');
    if (k == 'i') mark('y');
    if (k == 'n') mark('m');
}

// Candidates coded on the spot: the key of every stem that may begin like the splits' keys.
void candidatesByCoding(const Lexicon& lexicon, std::span<SoundedSplit> splits) {
    bool initials[26] = {};
    for (const SoundedSplit& split : splits) markStemInitials(split.key[0], initials);
    const std::size_t stemCount = lexicon.stems.size();
    char key[kPhoneticKeySize];
    for (int letter = 0; letter < 26; ++letter) {
        if (!initials[letter]) continue;
        const std::size_t lower = std::min<std::size_t>(lexicon.letterIndex[letter].firstRecord, stemCount);
        const std::size_t upper = std::min<std::size_t>(lexicon.letterIndex[letter + 1].firstRecord, stemCount);
        for (std::size_t i = lower; i < upper; ++i) {
            if (phoneticKey(fieldText(lexicon.stems[i].stem), false, key) >= kPhoneticKeySize) continue;
            for (SoundedSplit& split : splits)
                if (compareKey(key, split.key) == 0) split.add(static_cast<std::uint32_t>(i));
        }
    }
}

// The rewritten words already analysed in this search.
struct TriedWords {
    WordBuffer words[kRewriteLimit];
    int count = 0;

    // False when `word` was tried already or no more may be tried; else remembers it.
    bool admit(const WordBuffer& word) {
        if (count >= kRewriteLimit) return false;
        for (int i = 0; i < count; ++i)
            if (std::strcmp(words[i], word) == 0) return false;
        std::memcpy(words[count++], word, sizeof word);
        return true;
    }
};

int analyseSplitSoundAlikes(Engine& engine, const SoundedSplit& split, TriedWords& tried) {
    int total = 0;
    for (int c = 0; c < split.candidateCount; ++c) {
        const std::string_view stem = fieldText(engine.lexicon.stems[split.candidates[c]].stem);
        if (stem == split.stem) continue;   // the plain matching has had this one
        WordBuffer rewritten{};
        const std::size_t n = copyBounded(rewritten, sizeof rewritten, stem);
        copyBounded(rewritten + n, sizeof rewritten - n, split.ending);
        if (!tried.admit(rewritten)) continue;
        const int splits = splitWord(engine, rewritten);
        total += matchSplits(engine, splits, source_kind::SpellingVariant);
    }
    return total;
}

}  // namespace

std::size_t phoneticKey(std::string_view text, bool wholeWord, char (&key)[kPhoneticKeySize]) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t skip = 0;
        for (char out : soundAt(text, i, wholeWord, skip)) {
            if (n > 0 && key[n - 1] == out) continue;
            if (n + 1 >= kPhoneticKeySize) {
                key[0] = '\0';
                return kPhoneticKeySize;
            }
            key[n++] = out;
        }
        i += skip;
    }
    if (n == 0) key[n++] = 'h';
    std::memset(key + n, 0, kPhoneticKeySize - n);
    return n;
}

int matchSoundAlikes(Engine& engine, const WordBuffer& word) {
    WordBuffer lowered{};
    for (std::size_t i = 0; i + 1 < sizeof lowered && word[i] != '\0'; ++i) lowered[i] = foldedLower(word[i]);
    SoundedSplit splits[kWordSplitCapacity];
    const int n = soundedSplits(engine, lowered, splits);
    if (n == 0) return 0;
    const std::span<SoundedSplit> sounded(splits, static_cast<std::size_t>(n));
    const auto table = engine.lexicon.phonetics.as<PhoneticRecord>();
    if (!table.empty()) candidatesFromTable(table, engine.lexicon.stems.size(), sounded);
    else candidatesByCoding(engine.lexicon, sounded);

    TriedWords tried;
    for (const SoundedSplit& split : sounded) {
        const int found = analyseSplitSoundAlikes(engine, split, tried);
        if (found > 0) return found;
    }
    return 0;
}

}  // namespace kavro
