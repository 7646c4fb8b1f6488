// English sentence assembly: for every word position, the English of its chosen reading in the
// position's slot of englishSlots.
#include "english/sentence_assembly.h"

#include <algorithm>
#include <string>

#include "core/engine.h"
#include "core/grammar_codes.h"
#include "english/chosen_reading.h"
#include "english/reading_english.h"
#include "english/sense_choice.h"

namespace kavro {

namespace {

constexpr std::size_t kSlotText = kEnglishSlotSize - 1;   // 80 characters and the terminator

// A first partner that was set aside by the choice of readings gives its place to the second.
void dropSetAsidePartner(Engine& engine, int analysis) {
    if (analysis < 0) return;
    WordAnalysis& r = engine.wordAnalyses[analysis];
    const WordAnalysis* partner = analysisAt(engine, r.link1);
    if (!partner || partner->partOfSpeech != speech_type::DeletedAi) return;
    r.link1 = r.link2;
    r.link2 = -1;
}

// The first double blank becomes one blank; every "\" becomes "/".
void cleanUp(std::string& text) {
    if (const std::size_t twin = text.find("  "); twin != std::string::npos) text.erase(twin, 1);
    std::replace(text.begin(), text.end(), '\\', '/');
}

// A text longer than the slot is cut at its last blank within the slot (a single word longer
// than the slot at the slot's end), so that no word is left half.
void fitSlot(std::string& text) {
    if (text.size() <= kSlotText) return;
    std::size_t cut = kSlotText;
    if (text[cut] != ' ') {
        const std::size_t blank = text.rfind(' ', kSlotText - 1);
        if (blank != std::string::npos && blank > 1) cut = blank;
    }
    text.resize(cut);
    while (!text.empty() && text.back() == ' ') text.pop_back();
}

void storeSlot(char (&slot)[kEnglishSlotSize], std::string text, bool uncertain) {
    cleanUp(text);
    if (uncertain) text.insert(0, 1, '~');
    fitSlot(text);
    copyField(slot, text);
}

void assembleWord(Engine& engine, int position) {
    char(&slot)[kEnglishSlotSize] = engine.sentence.englishSlots[position];
    slot[0] = '\0';
    const int analysis = chosenIndex(engine, position);
    dropSetAsidePartner(engine, analysis);
    const WordAnalysis& reading = analysis >= 0 ? engine.wordAnalyses[analysis] : emptyReading();

    std::string_view meaning = englishOf(reading);
    const bool uncertain = meaning.starts_with('~');
    if (uncertain) meaning.remove_prefix(1);

    const WordInSentence word{position, analysis, reading, meaning};
    storeSlot(slot, englishOfReading(engine, word), uncertain);
}

}  // namespace

void assembleEnglish(Engine& engine) {
    if (engine.options.details) engine.log.write("Elaborating...\n");
    if (!engine.singleWordLookup) chooseSensesInContext(engine);
    const int words = sentenceLength(engine);
    for (int position = 0; position < words; ++position) assembleWord(engine, position);

    SentenceTables& s = engine.sentence;
    s.chosenAnalysis[words] = 0;
    s.chosenAnalysis[words + 1] = 0;
    s.englishSlots[words][0] = '\0';
}

}  // namespace kavro
