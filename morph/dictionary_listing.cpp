#include "morph/dictionary_listing.h"

#include <cstdio>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "core/latin_spelling.h"
#include "morph/meanings.h"
#include "morph/stem_search.h"

namespace kavro {
namespace {

constexpr std::uint8_t kAgeShownAsSix = 20;

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The tokenizer's spelling: i for j and u for v.
std::string foldJAndV(std::string_view letters) {
    std::string folded(letters);
    for (char& c : folded) c = foldIAndU(c);
    return folded;
}

std::string withoutTrailingSpaces(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The kind column: a noun's gender, the degree of an adjective or adverb stem, a verb's
// infinitive or perfect stem; blank for every other part of speech.
std::string kindColumn(const StemRecord& stem) {
    const int key = stem.stemKey;
    switch (stem.partOfSpeech) {
    case speech_type::Noun: {
        std::string name;
        appendGenderName(name, stem.genderOrKind);
        return withoutTrailingSpaces(std::move(name));
    }
    case speech_type::Adjective:
    case speech_type::SubstantiveAdjective:
        return key == 3 ? "COMP" : key == 4 ? "SUPER" : "";
    case speech_type::Adverb:
    case speech_type::AdverbSubtype:
        return key == 2 ? "COMP" : key == 3 ? "SUPER" : "";
    case speech_type::Verb:
        return key == 2 ? "INF" : key == 3 ? "PERF" : "";
    default:
        return "";
    }
}

std::string listingLine(const Engine& engine, const StemRecord& stem, ListingStyle style) {
    std::string partOfSpeech;
    appendSpeechTypeName(partOfSpeech, stem.partOfSpeech);
    const int age = stem.ageLevel == kAgeShownAsSix ? 6 : stem.ageLevel;
    const MeaningRecord& record = lookUpMeaningRecord(engine.lexicon, engine.options, stem);
    const std::string stemText(fieldText(stem.stem));
    std::string english(fieldText(record.english));
    if (style == ListingStyle::WithCitationForms)
        english = std::string(fieldText(record.latin)) + " - " + english;
    const std::string kind = kindColumn(stem);
    // Every field is bounded (stem 23, name 14, kind 14, form and English 79 each).
    char line[320];
    std::snprintf(line, sizeof line, "%-20s %-6s %d %d %-7s %c:%d %s\n", stemText.c_str(),
                  partOfSpeech.c_str(), stem.which, stem.variant, kind.c_str(),
                  64 + frequencyOf(stem), age, english.c_str());
    return line;
}

}  // namespace

std::string dictionaryListingLine(const Engine& engine, const StemRecord& stem, ListingStyle style) {
    return listingLine(engine, stem, style);
}

std::string listDictionaryStems(Engine& engine, std::string_view letters, ListingStyle style) {
    engine.stemLevelLimit = kAdmitEveryStem;
    std::string prefix = foldJAndV(letters);
    engine.messageBuffer.clear();
    int count = 0;
    if (!prefix.empty()) {
        const char entered = prefix.front();
        prefix.front() = lowerAscii(entered);
        count = findStemsByPrefix(engine, prefix, 0);
        if (upperAscii(entered) != prefix.front()) {
            prefix.front() = upperAscii(entered);
            count = findStemsByPrefix(engine, prefix, count);
        }
    }
    std::string result;
    for (int i = 0; i < count; ++i) {
        const StemRecord& stem = engine.tempstems[i];
        if (isBotanyEntry(stem) && !engine.options.botanyActive) continue;
        result += listingLine(engine, stem, style);
    }
    if (result.empty()) result = kNoMatchingStems;
    result += engine.messageBuffer;
    return result;
}

}  // namespace kavro
