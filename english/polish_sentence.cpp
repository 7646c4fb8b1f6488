// The sentence view of polishing.
#include "english/polish_sentence.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "english/polish_tables.h"

namespace kavro {

namespace {

int sentenceSize(const Engine& engine) {
    return std::clamp(engine.wordCount, 0, static_cast<int>(kEnglishSlotCount) - 2);
}

}  // namespace

PolishSentence::PolishSentence(Engine& engine) : engine_(engine), size_(sentenceSize(engine)) {}

int PolishSentence::chosenIndex(int p) const {
    if (p < 0 || p >= static_cast<int>(kChosenCapacity)) return -1;
    const int index = engine_.sentence.chosenAnalysis[p];
    return analysis(index) ? index : -1;
}

const WordAnalysis& PolishSentence::reading(int p) const {
    const int index = contains(p) ? chosenIndex(p) : -1;
    return index < 0 ? emptyReading() : engine_.wordAnalyses[index];
}

WordAnalysis* PolishSentence::editableReading(int p) {
    const int index = contains(p) ? chosenIndex(p) : -1;
    return index < 0 ? nullptr : &engine_.wordAnalyses[index];
}

const WordAnalysis* PolishSentence::analysis(int index) const {
    const int count = std::min(engine_.analysisCount, static_cast<int>(kAnalysisCapacity));
    return index >= 0 && index < count ? &engine_.wordAnalyses[index] : nullptr;
}

int PolishSentence::positionOf(int index) const {
    if (index < 0) return -1;
    for (int p = 0; p < size_; ++p) {
        if (engine_.sentence.chosenAnalysis[p] == index) return p;
    }
    return -1;
}

const WordAnalysis* PolishSentence::firstPartner(int p) const {
    return contains(p) ? analysis(reading(p).link1) : nullptr;
}

int PolishSentence::firstPartnerPosition(int p) const {
    return firstPartner(p) ? positionOf(reading(p).link1) : -1;
}

bool PolishSentence::pointsTo(int p, int q) const {
    const int target = chosenIndex(q);
    if (!contains(p) || !contains(q) || target < 0) return false;
    const WordAnalysis& r = reading(p);
    return r.link1 == target || r.link2 == target;
}

bool PolishSentence::tied(int p, int q) const { return pointsTo(p, q) || pointsTo(q, p); }

std::string PolishSentence::text(int p) const {
    if (!contains(p)) return {};
    const char* slot = engine_.sentence.englishSlots[p];
    return std::string(slot, strnlen(slot, kEnglishSlotSize - 1));
}

void PolishSentence::setText(int p, std::string_view text) {
    if (contains(p)) copyField(engine_.sentence.englishSlots[p], text);
}

bool PolishSentence::isUserPhrase(int p) const {
    return contains(p) && engine_.sentence.englishSlots[p][0] == '<';
}

void PolishSentence::swap(int p) {
    if (contains(p) && contains(p + 1)) {
        swapPositions(engine_.sentence.chosenAnalysis, engine_.sentence.englishSlots, p);
    }
}

void PolishSentence::move(int a, int b) {
    if (contains(a) && contains(b)) {
        movePosition(engine_.sentence.chosenAnalysis, engine_.sentence.englishSlots, a, b);
    }
}

std::string_view meaningOf(const WordAnalysis& reading) {
    std::string_view meaning = fieldText(reading.english);
    if (meaning.starts_with('~')) meaning.remove_prefix(1);
    return meaning;
}

std::string_view stemOf(const WordAnalysis& reading) {
    const std::string_view form = formOf(reading);
    return form.substr(0, form.find('.'));
}

bool isVerb(const WordAnalysis& r) { return r.partOfSpeech == speech_type::Verb; }

bool isFiniteVerb(const WordAnalysis& r) {
    return isVerb(r) && moodOf(r) < mood_type::Infinitive;
}

bool isCopulaBe(const WordAnalysis& r) { return isVerb(r) && meaningOf(r) == "be"; }

bool isPunctuation(const WordAnalysis& r) { return r.partOfSpeech == speech_type::Punctuation; }

bool isNominal(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Noun || r.partOfSpeech == speech_type::Pronoun ||
           r.partOfSpeech == speech_type::SubstantiveAdjective;
}

bool isPerfectPassiveParticiple(const WordAnalysis& r) {
    return r.partOfSpeech == speech_type::Participle && r.grammar4 == tense_type::Perfect &&
           r.grammar5 == voice_type::Passive;
}

bool isProperNoun(const WordAnalysis& r) {
    const std::string_view meaning = meaningOf(r);
    return r.partOfSpeech == speech_type::Noun && !meaning.empty() && meaning[0] >= 'A' &&
           meaning[0] <= 'Z';
}

}  // namespace kavro
