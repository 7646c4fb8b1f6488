// English to Latin: every meanings record is read once per look-up (a few milliseconds), so the
// look-up needs no index and the start-up of the program pays nothing for it.
#include "morph/english_lookup.h"

#include <algorithm>
#include <unordered_map>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "morph/dictionary_listing.h"
#include "morph/meanings.h"

namespace kavro {
namespace {

constexpr std::size_t kShortestStem = 3;   // "bus" is not "bu" + "s"
constexpr std::uint8_t kUnknownFrequencyRank = 99;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
bool isVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

std::string lowered(std::string_view word) {
    std::string out;
    for (const char c : word) out += lower(c);
    return out;
}

void addBase(std::vector<std::string>& bases, std::string base) {
    if (base.size() >= kShortestStem && std::find(bases.begin(), bases.end(), base) == bases.end())
        bases.push_back(std::move(base));
}

// A stem left by "-ed" or "-ing": itself, with "e" back (lov-e), without a doubled last
// consonant (stopp-ed).
void addVerbStem(std::vector<std::string>& bases, const std::string& stem) {
    addBase(bases, stem);
    addBase(bases, stem + "e");
    const std::size_t n = stem.size();
    if (n >= 2 && stem[n - 1] == stem[n - 2] && !isVowel(stem[n - 1])) addBase(bases, stem.substr(0, n - 1));
    if (n >= 1 && stem[n - 1] == 'i') addBase(bases, stem.substr(0, n - 1) + "y");
}

// Every form of a word begins with the word's first three letters: a cheap test before the
// forms are worked out.
bool sameOpening(std::string_view found, std::string_view wanted) {
    if (wanted.size() < kShortestStem) return found.size() == wanted.size() && lowered(found) == wanted;
    if (found.size() < kShortestStem) return false;
    for (std::size_t i = 0; i < kShortestStem; ++i)
        if (lower(found[i]) != wanted[i]) return false;
    return true;
}

// The place of a match for the order of the listing: twice the number of the sense it stands
// in (senses end in ";"), plus one when it does not begin that sense.
int placeOfMatch(std::string_view english, std::size_t at) {
    const std::string_view before = english.substr(0, at);
    const int sense = static_cast<int>(std::count(before.begin(), before.end(), ';'));
    const std::size_t senseStart = before.rfind(';');
    const std::string_view lead = before.substr(senseStart == std::string_view::npos ? 0 : senseStart + 1);
    const bool first = lead.find_first_not_of(" (") == std::string_view::npos;
    return 2 * sense + (first ? 0 : 1);
}

int rank(const StemRecord& stem) {
    const int f = frequencyOf(stem);
    return f == 0 ? kUnknownFrequencyRank : f;
}

}  // namespace

std::vector<std::string> englishBaseForms(std::string_view word) {
    const std::string w = lowered(word);
    std::vector<std::string> bases{w};
    const auto strip = [&w](std::size_t n) { return w.substr(0, w.size() - n); };
    if (w.ends_with("ies")) addBase(bases, strip(3) + "y");
    if (w.ends_with("es")) addBase(bases, strip(2));
    if (w.ends_with("s") && !w.ends_with("ss")) addBase(bases, strip(1));
    if (w.ends_with("ed")) addVerbStem(bases, strip(2));
    if (w.ends_with("ing")) addVerbStem(bases, strip(3));
    return bases;
}

std::size_t findEnglishWord(std::string_view meaning, std::string_view word) {
    const std::vector<std::string> wanted = englishBaseForms(word);
    for (std::size_t i = 0; i < meaning.size();) {
        if (!isLetter(meaning[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < meaning.size() && isLetter(meaning[end])) ++end;
        const std::string_view found = meaning.substr(i, end - i);
        const std::size_t at = i;
        i = end;
        if (!sameOpening(found, wanted.front())) continue;
        for (const std::string& base : englishBaseForms(found))
            if (std::find(wanted.begin(), wanted.end(), base) != wanted.end()) return at;
    }
    return std::string_view::npos;
}

std::vector<StemRecord> findEnglishEntries(const Engine& engine, std::string_view word) {
    const Lexicon& lexicon = engine.lexicon;
    std::vector<StemRecord> found;
    if (word.empty()) return found;
    // Per meanings record: 0 no match, else 1 + the place of the match (see placeOfMatch).
    std::vector<int> matches(lexicon.meanings.size(), 0);
    bool any = false;
    for (std::size_t i = 0; i < lexicon.meanings.size(); ++i) {
        const std::string_view english = fieldText(lexicon.meanings[i].english);
        const std::size_t at = findEnglishWord(english, word);
        if (at == std::string_view::npos) continue;
        matches[i] = 1 + placeOfMatch(english, at);
        any = true;
    }
    if (!any) return found;
    // The first stem (lowest key) of each matching entry, in the order of the stems table.
    std::unordered_map<std::uint32_t, std::size_t> slotOf;
    for (const StemRecord& s : lexicon.stems) {
        if (s.meaningIndex >= matches.size() || !matches[s.meaningIndex]) continue;
        if (isBotanyEntry(s) && !engine.options.botanyActive) continue;
        const auto [it, fresh] = slotOf.emplace(s.meaningIndex, found.size());
        if (fresh) found.push_back(s);
        else if (s.stemKey < found[it->second].stemKey) found[it->second] = s;
    }
    const auto key = [&matches](const StemRecord& s) {
        return std::pair(rank(s), matches[s.meaningIndex]);
    };
    std::stable_sort(found.begin(), found.end(),
                     [&key](const StemRecord& a, const StemRecord& b) { return key(a) < key(b); });
    if (found.size() > kEnglishLookupLimit) found.resize(kEnglishLookupLimit);
    return found;
}

std::string listEnglishEntries(const Engine& engine, std::string_view word) {
    std::string out;
    for (const StemRecord& s : findEnglishEntries(engine, word))
        out += dictionaryListingLine(engine, s, ListingStyle::WithCitationForms);
    return out.empty() ? std::string(kNoEnglishMatch) : out;
}

}  // namespace kavro
