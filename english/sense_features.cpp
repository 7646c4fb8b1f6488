// The 0/1 feature strings that the sense networks read: for plaga, for contentus and for saltus.
#include <algorithm>
#include <array>
#include <cctype>

#include "core/grammar_codes.h"
#include "english/chosen_reading.h"
#include "english/sense_context.h"
#include "english/special_senses.h"

namespace kavro {

namespace {

// Nouns of the sky and the earth, and adjectives of the quarters of the sky, that make plaga a
// region ("caeli plaga", "plaga septentrionalis").
constexpr std::array<std::string_view, 5> kWorldNouns = {"mund.", "cael.", "sol.", "orb.", "terr."};
constexpr std::array<std::string_view, 4> kQuarterAdjectives = {"septentrio", "meridi", "occident",
                                                                "orient"};

// Area indices that the saltus network weighs: G (1), A (4, 6, 10) and B (3, 7).
constexpr std::array<int, 1> kAreasG = {1};
constexpr std::array<int, 3> kAreasA = {4, 6, 10};
constexpr std::array<int, 2> kAreasB = {3, 7};

bool isVerb(const WordAnalysis* r) { return r && r->partOfSpeech == speech_type::Verb; }

bool beginsIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

char bit(bool on) { return on ? '1' : '0'; }

// Characters 1 to 3 of plaga: the ending behind "plag." ("a", "ae", "am", "arum", "as", "is").
// An ending the network was not trained on gives nothing, and the classifier refuses the string.
std::string_view plagaEndingCode(std::string_view form) {
    constexpr std::string_view kStem = "plag.";
    const std::string_view ending = form.substr(std::min(form.size(), kStem.size()));
    if (ending.starts_with('i')) return "110";
    if (ending.size() == 1) return "001";
    if (ending.size() < 2) return "";
    switch (ending[1]) {
    case 'e': return "011";
    case 'm': return "010";
    case 'r': return "101";
    case 's': return "100";
    default: return "";
    }
}

bool isWorldWord(const WordAnalysis& r) {
    if (r.partOfSpeech == speech_type::Noun) {
        for (std::string_view noun : kWorldNouns)
            if (formBegins(r, noun)) return true;
    }
    if (r.partOfSpeech == speech_type::Adjective || r.partOfSpeech == speech_type::Participle) {
        for (std::string_view quarter : kQuarterAdjectives)
            if (beginsIgnoringCase(formOf(r), quarter)) return true;
    }
    return false;
}

bool sentenceHasWorldWord(const Engine& engine) {
    for (int q = 0; q < sentenceLength(engine); ++q)
        if (isWorldWord(chosenReading(engine, q))) return true;
    return false;
}

// The word position of the noun or pronoun that contentus belongs to (-1 none), and whether a
// verb "to be" stands in the sentence before the scan stops.
struct ContentNoun {
    int position = -1;
    bool copula = false;
};

ContentNoun contentNoun(const Engine& engine, int position) {
    const int self = chosenIndex(engine, position);
    ContentNoun found;
    for (int q = 0; q < sentenceLength(engine) && !(found.copula && found.position >= 0); ++q) {
        const WordAnalysis& r = chosenReading(engine, q);
        const bool nominal =
            r.partOfSpeech == speech_type::Noun || r.partOfSpeech == speech_type::Pronoun;
        if (nominal && self >= 0 && r.link1 == self) found.position = r.wordPosition;
        if (r.partOfSpeech == speech_type::Verb && r.kind2 == verb_kind_type::ToBe)
            found.copula = true;
    }
    const WordAnalysis* partner = firstPartner(engine, chosenReading(engine, position));
    if (found.position < 0 && partner &&
        (partner->partOfSpeech == speech_type::Noun || partner->partOfSpeech == speech_type::Pronoun))
        found.position = partner->wordPosition;
    return found;
}

std::string_view distanceCode(const ContentNoun& noun, int position) {
    if (noun.position < 0) return "00";
    const int d = noun.position - position;
    if (d == 1 || d == -1) return "11";
    if (d > 1) return "01";
    if (d < -1) return "10";
    return "00";
}

// How many of the other words have an area index in `areas`.
template <std::size_t N>
int countAreas(const Engine& engine, int position, const std::array<int, N>& areas) {
    int count = 0;
    for (int q = 0; q < sentenceLength(engine); ++q) {
        if (!isOtherWord(engine, q, position)) continue;
        const int area = chosenReading(engine, q).subject;
        for (int wanted : areas) count += area == wanted;
    }
    return count;
}

std::string_view areaCode(const Engine& engine, int position) {
    const int g = countAreas(engine, position, kAreasG);
    const int a = countAreas(engine, position, kAreasA);
    const int b = countAreas(engine, position, kAreasB);
    if (g > a && g > b) return "11";
    if (a > g && a > b) return "01";
    if (b > g && b > a) return "10";
    return "00";
}

// True when one of the other words (from the second position on, for `fromPosition` 1)
// satisfies `test`.
template <class Test>
bool otherWordHas(const Engine& engine, int position, int fromPosition, Test test) {
    for (int q = fromPosition; q < sentenceLength(engine); ++q)
        if (isOtherWord(engine, q, position) && test(chosenReading(engine, q))) return true;
    return false;
}

}  // namespace

std::string plagaFeatures(const Engine& engine, int position) {
    const WordAnalysis& r = chosenReading(engine, position);
    const WordAnalysis* partner = firstPartner(engine, r);
    std::string features(plagaEndingCode(formOf(r)));
    features += casePair(r.grammar1);
    features += bit(partner && !isVerb(partner));
    features += bit(sentenceHasWorldWord(engine));
    features += bit(tiedToPreposition(engine, position));
    return features;
}

std::string contentFeatures(const Engine& engine, int position) {
    const WordAnalysis& r = chosenReading(engine, position);
    const ContentNoun noun = contentNoun(engine, position);
    std::string features(1, bit(r.grammar1 == case_type::Nominative));
    features += distanceCode(noun, position);
    features += bit(noun.copula);
    return features;
}

std::string saltusFeatures(const Engine& engine, int position) {
    const WordAnalysis& r = chosenReading(engine, position);
    const WordAnalysis* partner = firstPartner(engine, r);
    std::string features(casePair(r.grammar1));
    features += bit(r.grammar2 == number_type::Plural);
    features += bit(otherWordHas(engine, position, 1, [](const WordAnalysis& o) {
        const std::string_view english = englishOf(o);
        return !english.empty() && static_cast<unsigned char>(english[0]) < '[';
    }));
    features += bit(partner && !isVerb(partner));
    features += bit(otherWordHas(engine, position, 0,
                                 [](const WordAnalysis& o) { return formBegins(o, "silu"); }));
    features += bit(otherWordHas(engine, position, 0,
                                 [](const WordAnalysis& o) { return formBegins(o, "angust"); }));
    features += areaCode(engine, position);
    return features;
}

}  // namespace kavro
