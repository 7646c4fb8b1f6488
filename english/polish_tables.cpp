// The word, phrase and line tables of polishing, and the position helpers.
#include "english/polish_tables.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/fixed_text.h"

namespace kavro {

namespace {

constexpr std::size_t kPolishSlotLimit = 75;   // longer slots skip the word table
constexpr int kPolishMaxWords = 9;
constexpr int kPolishMaxLeadingMarks = 9;
constexpr std::size_t kVerbPhraseMatchEnd = 65;
constexpr int kVerb = 7, kVerbMarked = 77;

unsigned char byteAt(std::string_view s, std::size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
char upperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool startsWithAny(std::string_view text, std::span<const std::string_view> prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                        [&](std::string_view p) { return text.starts_with(p); });
}

// Appends one word of a slot to `out`, replaced when the word table has it; the word is looked
// up with its marks set aside: "<^gos>" is looked up as "gos".
void appendPolishedWord(std::span<const PolishRecord> table, std::string_view word, std::string& out) {
    if (word.size() <= 2) {
        out += word;
        return;
    }
    std::size_t end = word.size();
    const unsigned char last = byteAt(word, end - 1);
    if (last < '0' || last == '>') --end;
    std::size_t begin = 0;
    while (begin < end && begin < kPolishMaxLeadingMarks &&
           (word[begin] == '<' || word[begin] == '^' || word[begin] == '~')) {
        ++begin;
    }
    const PolishRecord* found = findPolishWord(table, word.substr(begin, end - begin));
    if (!found) {
        out += word;
        return;
    }
    out += word.substr(0, begin);
    out += fieldText(found->replacement);
    out += word.substr(end);
}

// The first blank or hyphen of `text` from `from` on, or npos.
std::size_t findWordEnd(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] == ' ' || text[i] == '-') return i;
    return std::string_view::npos;
}

// The key of a general-group record: the compared leading part of its search phrase.
std::string_view phraseKey(const PhraseRecord& r) {
    const std::string_view search = fieldText(r.search);
    if (r.comparedLength <= 0 || static_cast<std::size_t>(r.comparedLength) > search.size()) {
        return search;
    }
    return search.substr(0, r.comparedLength);
}

// The general-group record whose key equals `text` exactly, by bisection.
const PhraseRecord* findGeneralPhrase(std::span<const PhraseRecord> general, std::string_view text) {
    auto it = std::lower_bound(general.begin(), general.end(), text,
                               [](const PhraseRecord& r, std::string_view t) { return phraseKey(r) < t; });
    return it != general.end() && phraseKey(*it) == text ? &*it : nullptr;
}

// The longest general-group key that is the text itself or its part before a blank.
const PhraseRecord* matchGeneralPhrase(std::span<const PhraseRecord> general, std::string_view text) {
    for (std::size_t len = text.size(); len > 0; --len) {
        if (len < text.size() && text[len] != ' ') continue;
        if (const PhraseRecord* r = findGeneralPhrase(general, text.substr(0, len))) return r;
    }
    return nullptr;
}

// "had" opens the pluperfect when no subject pronoun stands before it ("had ^seed" is mended
// to "had ^seen" like "has ^seed").
constexpr std::array<std::string_view, 15> kVerbSlotStarts = {
    "had", "he ", "has", "hav", "it ", "I ", "may", "mig", "s/", "she", "the", "to ", "we ", "wil", "you"};
constexpr std::array<std::string_view, 7> kOtherSlotStarts = {
    "mor", "of ", "tha", "the", "thi", "to ", "wit"};

bool applyVerbPhrase(std::span<const PhraseRecord> group, std::string& body,
                     const WordAnalysis& reading) {
    const bool eligible = startsWithAny(body, kVerbSlotStarts) ||
                          fieldText(reading.english).starts_with("must") ||
                          body.find("will be ^") != std::string::npos ||
                          body.find(" ^is ") != std::string::npos;
    if (!eligible) return false;
    for (const PhraseRecord& r : group) {
        const std::string_view search = fieldText(r.search);
        if (search.empty()) continue;
        for (std::size_t at = body.find(search); at != std::string::npos;
             at = body.find(search, at + 1)) {
            const std::size_t end = at + search.size();
            if (end > kVerbPhraseMatchEnd) break;
            if (byteAt(body, end) >= 'A' && body[end - 1] != '^') continue;
            body.replace(at, search.size(), fieldText(r.replacement));
            const std::size_t caretBlank = body.find("^ ");
            if (caretBlank != std::string::npos) body.erase(caretBlank + 1, 1);
            return true;
        }
    }
    return false;
}

bool applyGeneralPhrase(std::span<const PhraseRecord> group, std::string& body) {
    if (!startsWithAny(body, kOtherSlotStarts)) return false;
    std::string slashPart;
    if (const std::size_t slash = body.find('/'); slash != std::string::npos) {
        slashPart = body.substr(slash);
        body.resize(slash);
    }
    std::size_t skip = 0;
    if (body.starts_with("to the ") || body.starts_with("of the ")) skip = 3;
    else if (body.starts_with("with the ")) skip = 5;
    std::string text = body.substr(skip);
    std::string dashPart;
    if (const std::size_t dash = text.find('-'); dash != std::string::npos) {
        dashPart = text.substr(dash);
        text.resize(dash);
    }
    const PhraseRecord* r = matchGeneralPhrase(group, text);
    if (r) text.replace(0, phraseKey(*r).size(), fieldText(r->replacement));
    body = body.substr(0, skip) + text + dashPart + slashPart;
    return r != nullptr;
}

bool followsFinalKey(std::string_view line, std::size_t at) {
    const unsigned char c = byteAt(line, at);
    return c == ' ' || c == ',' || c == '.' || c == '\n' || c == 0;
}

// The lowered first letter by which the line table is scanned.
unsigned char finalKeyLetter(const FinalPolishRecord& r) {
    return static_cast<unsigned char>(lowerAscii(r.key[0]));
}

// The first keyLength characters of a field of the line table, without measuring the rest.
template <std::size_t N>
std::string_view leadingText(const char (&field)[N], std::uint8_t length) {
    return {field, strnlen(field, std::min<std::size_t>(length, N))};
}

// Where the scan of the line table starts for each first letter of a word: its first record
// whose letter is not below the word's. The scan passes over every record before that one, so
// starting there changes nothing.
class FinalScanStarts {
public:
    explicit FinalScanStarts(std::span<const FinalPolishRecord> table) {
        std::size_t next = 0;   // letters below `next` have their start
        for (std::size_t i = 0; i < table.size() && next < kLetters; ++i)
            for (const std::size_t letter = finalKeyLetter(table[i]); next <= letter; ++next)
                starts_[next] = i;
        for (; next < kLetters; ++next) starts_[next] = table.size();
    }
    std::size_t operator[](unsigned char letter) const { return starts_[letter]; }

private:
    static constexpr std::size_t kLetters = 256;
    std::array<std::size_t, kLetters> starts_;
};

// Tries the line table at one word start; returns where the next word start is searched from.
std::size_t finalPolishAt(std::span<const FinalPolishRecord> table, const FinalScanStarts& starts,
                          std::string& line, std::size_t pos) {
    const bool lowered = line[pos] >= 'A' && line[pos] <= 'Z';
    line[pos] = lowerAscii(line[pos]);
    const unsigned char first = byteAt(line, pos);
    std::size_t resume = pos + 1;
    for (const FinalPolishRecord& r : table.subspan(starts[first])) {
        const unsigned char recordFirst = finalKeyLetter(r);
        if (recordFirst < first) continue;
        if (recordFirst > first) break;
        const std::string_view key = leadingText(r.key, r.keyLength);
        if (key.empty() || line.compare(pos, key.size(), key) != 0 ||
            !followsFinalKey(line, pos + key.size())) {
            continue;
        }
        const std::string_view replacement = leadingText(r.replacement, r.replacementLength);
        line.replace(pos, key.size(), replacement);
        if (replacement.size() != key.size()) {
            resume = pos + std::max<std::size_t>(replacement.size(), 1);
            break;
        }
    }
    if (lowered) line[pos] = upperAscii(line[pos]);
    return resume;
}

}  // namespace

const PolishRecord* findPolishWord(std::span<const PolishRecord> table, std::string_view word) {
    std::size_t lower = 0, upper = table.size();
    while (lower < upper) {
        const std::size_t middle = (lower + upper) / 2;
        const int order = compareFieldText(table[middle].key, word);
        if (order == 0) return &table[middle];
        if (order < 0) lower = middle + 1;
        else upper = middle;
    }
    return nullptr;
}

void applyPolishTable(std::span<const PolishRecord> table, std::string& slot) {
    if (slot.size() > kPolishSlotLimit || table.empty()) return;
    std::string out;
    out.reserve(slot.size());
    std::size_t pos = 0;
    for (int words = 1; pos <= slot.size(); ++words) {
        std::size_t end = words < kPolishMaxWords ? findWordEnd(slot, pos) : std::string::npos;
        if (end == std::string::npos) end = slot.size();
        appendPolishedWord(table, std::string_view(slot).substr(pos, end - pos), out);
        if (end == slot.size()) break;
        out += slot[end];
        pos = end + 1;
    }
    slot = std::move(out);
}

void applyPolishTable(std::span<const PolishRecord> table, char* slot, std::size_t capacity) {
    if (capacity == 0) return;
    std::string text(slot, strnlen(slot, capacity));
    applyPolishTable(table, text);
    copyBounded(slot, capacity, text);
}

bool applyPhraseTable(std::span<const PhraseRecord> table, std::string& slot,
                      const WordAnalysis& reading) {
    const bool marked = slot.starts_with('<');
    std::string body = marked ? slot.substr(1) : slot;
    if (body.empty() || !isAsciiLetter(body[0]) || lowerAscii(body[0]) <= 'g') return false;
    const std::size_t verbGroup = std::min<std::size_t>(table.size(), kVerbPhraseGroupSize);
    const bool verb = reading.partOfSpeech == kVerb || (reading.partOfSpeech == kVerbMarked && marked);
    const bool applied = verb ? applyVerbPhrase(table.first(verbGroup), body, reading)
                              : applyGeneralPhrase(table.subspan(verbGroup), body);
    if (applied) slot = (marked ? "<" : "") + body;
    return applied;
}

bool applyPhraseTable(std::span<const PhraseRecord> table, char* slot, std::size_t capacity,
                      const WordAnalysis& reading) {
    if (capacity == 0) return false;
    std::string text(slot, strnlen(slot, capacity));
    const bool applied = applyPhraseTable(table, text, reading);
    if (applied) copyBounded(slot, capacity, text);
    return applied;
}

void finalPolish(std::span<const FinalPolishRecord> table, std::string& line) {
    if (line.empty() || line[0] == '\n') return;
    const FinalScanStarts starts(table);
    std::size_t pos = 0;
    while (pos < line.size() && line[pos] != '\n') {
        const std::size_t from = line[pos] == ' ' ? pos : finalPolishAt(table, starts, line, pos);
        const std::size_t blank = line.find(' ', from);
        const std::size_t lineEnd = line.find('\n', pos);
        if (blank == std::string::npos || (lineEnd != std::string::npos && blank > lineEnd)) break;
        pos = blank + 1;
    }
}

int prefixLength(std::string_view slot) {
    constexpr std::array<std::string_view, 8> kPrefixes = {
        "with the ", "to the ", "of the ", "with ", "the ", "to ", "of ", "O "};
    for (std::string_view p : kPrefixes) {
        if (slot.starts_with(p)) return static_cast<int>(p.size());
    }
    return 0;
}

void swapPositions(std::span<std::int16_t> chosenAnalysis,
                   std::span<char[kEnglishSlotSize]> englishSlots, int p) {
    movePosition(chosenAnalysis, englishSlots, p, p + 1);
}

void movePosition(std::span<std::int16_t> chosenAnalysis,
                  std::span<char[kEnglishSlotSize]> englishSlots, int a, int b) {
    const int count = static_cast<int>(std::min(chosenAnalysis.size(), englishSlots.size()));
    if (a < 0 || b < 0 || a >= count || b >= count || a == b) return;
    const std::int16_t taken = chosenAnalysis[a];
    char text[kEnglishSlotSize];
    std::memcpy(text, englishSlots[a], kEnglishSlotSize);
    const int step = a < b ? 1 : -1;
    for (int i = a; i != b; i += step) {
        chosenAnalysis[i] = chosenAnalysis[i + step];
        std::memcpy(englishSlots[i], englishSlots[i + step], kEnglishSlotSize);
    }
    chosenAnalysis[b] = taken;
    std::memcpy(englishSlots[b], text, kEnglishSlotSize);
}

}  // namespace kavro
