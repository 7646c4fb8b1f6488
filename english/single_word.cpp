// Translation of one word on its own: the word's readings as word positions, through assembly
// and polishing, formatted as the translation line with its alternatives and the glossary.
#include "english/single_word.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/format_analysis.h"
#include "core/grammar_codes.h"
#include "core/stages.h"
#include "english/polish_english.h"
#include "english/polish_records.h"
#include "english/polish_sentence.h"
#include "english/polish_tables.h"
#include "english/sentence_assembly.h"
#include "morph/analysis_emit.h"
#include "morph/split_matching.h"

namespace kavro {
namespace {

constexpr std::string_view kGerundiveMarker = "RTB ";
constexpr std::string_view kGerundiveEnglish = "requiring-to-be-";
constexpr std::string_view kProperNounArticle = "the ";
constexpr std::string_view kAlternativesHeading = "\nAlternatives: ";
constexpr std::string_view kSeparator = " / ";
constexpr char kCapitalBound = '[';   // characters below it begin a capitalised word

// The letters of the word as the lexicon spells them: j and v as i and u, the ligatures of
// Windows-1252 written out.
std::string normaliseWord(std::string_view word) {
    std::string out;
    out.reserve(word.size() + 4);
    for (const char c : word) {
        switch (static_cast<unsigned char>(c)) {
        case 'J': out += 'I'; break;
        case 'V': out += 'U'; break;
        case 'j': out += 'i'; break;
        case 'v': out += 'u'; break;
        case 0x8C: out += "Oe"; break;
        case 0x9C: out += "oe"; break;
        case 0xC6:
        case 0xE6: out += "ae"; break;
        default: out += c;
        }
    }
    return out;
}

// A word too long for a token is cut, with a (rationed) warning.
void cutLongWord(Engine& engine, std::string& word) {
    if (word.size() <= kSingleWordLengthLimit) return;
    word.resize(kSingleWordCutLength);
    char text[256];
    std::snprintf(text, sizeof text, "More than %d characters in word %s.\nTruncated at %d chars.",
                  static_cast<int>(kSingleWordLengthLimit) + 1, word.c_str(),
                  static_cast<int>(kSingleWordCutLength));
    engine.rationedWarning(text);
}

// The readings of the word, the trace written only for the glossary mode and the hash left out.
// Returns how many there are: 0 when the word is NOT FOUND.
int analyseLoneWord(Engine& engine, const std::string& word, int mode) {
    ViewOptions& o = engine.options;
    const bool sentenceModeWas = o.sentenceMode;
    const bool hashWas = o.hashActive;
    o.sentenceMode = mode != single_word_mode::WithGlossary;
    o.hashActive = false;

    copyField(engine.sentenceTokens[0], word);
    engine.tokenCount = 1;
    engine.analysisCount = 0;
    engine.groupNumber = 0;
    analyseSentenceWords(engine);

    // A capitalised word nothing explained: the stems once more on the word as written.
    if (engine.lastWordResult == 0 && !word.empty() &&
        static_cast<unsigned char>(word[0]) < static_cast<unsigned char>(kCapitalBound) &&
        engine.analysisCount == 1) {
        WordBuffer buffer{};
        copyField(buffer, word);
        const int before = engine.analysisCount;
        engine.tokenIndex = 0;
        if (matchSplits(engine, splitWord(engine, buffer), source_kind::Dictionary) > 0) {
            // The NOT FOUND reading gives way to what the stems found.
            std::copy(engine.wordAnalyses + before, engine.wordAnalyses + engine.analysisCount,
                      engine.wordAnalyses);
            --engine.analysisCount;
            engine.lastWordResult = engine.analysisCount;
        }
    }
    o.sentenceMode = sentenceModeWas;
    o.hashActive = hashWas;
    return engine.lastWordResult == 0 ? 0 : engine.analysisCount;
}

// Every reading is a word position of its own; assembly, polishing and the phrase table.
void renderReadingsAsPositions(Engine& engine, int readings) {
    clearSentenceContext(engine);
    const int positions = std::min(readings, static_cast<int>(kTokenCapacity));
    for (int i = 0; i < positions; ++i) engine.sentence.chosenAnalysis[i] = static_cast<std::int16_t>(i);
    engine.wordCount = positions;
    assembleEnglish(engine);
    polishEnglish(engine);
    const auto phrases = engine.lexicon.phrasePolish.as<PhraseRecord>();
    for (int i = 0; i < positions; ++i)
        applyPhraseTable(phrases, engine.sentence.englishSlots[i], kEnglishSlotSize,
                         engine.wordAnalyses[i]);
}

// The first slot loses the capital that polishing gave the start of the "sentence" (after a
// leading "^" or "~"), unless it is a gerundive or a proper name ("Caesar" stays "Caesar",
// and then equals the other readings' slots).
void lowerFirstSlot(Engine& engine) {
    if (engine.wordCount == 0) return;
    char* slot = engine.sentence.englishSlots[0];
    if (std::string_view(slot).starts_with("RTB") || isProperNoun(engine.wordAnalyses[0])) return;
    char* letter = (slot[0] == '^' || slot[0] == '~') ? slot + 1 : slot;
    if (*letter >= 'A' && *letter <= 'Z') *letter = static_cast<char>(*letter + 32);
}

void removeFirstCaret(char* slot) {
    if (char* caret = std::strchr(slot, '^')) std::memmove(caret, caret + 1, std::strlen(caret));
}

// The slot as the translation line shows it: the gerundive marker spelt out, a proper noun
// without its article.
std::string shownSlot(std::string_view slot, const WordAnalysis& reading) {
    std::string text(slot);
    if (const std::size_t at = text.find(kGerundiveMarker); at != std::string::npos)
        text.replace(at, kGerundiveMarker.size(), kGerundiveEnglish);
    if (isProperNoun(reading) && text.starts_with(kProperNounArticle))
        text.erase(0, kProperNounArticle.size());
    return text;
}

bool overLimit(const std::string& text) { return text.size() > kSingleWordTextLimit; }

std::string_view collected(const std::string* list, int count, int i) {
    return i >= 0 && i < count ? std::string_view(list[i]) : std::string_view();
}

// The translation line and the glossary, one reading after another.
void writeReadings(Engine& engine, int mode, SingleWordOutput& out) {
    const int count = engine.singleWordCount;
    std::string_view previous;
    std::string description;
    for (int i = 0; i < engine.wordCount; ++i) {
        char* slot = engine.sentence.englishSlots[i];
        removeFirstCaret(slot);
        const std::string_view text(slot);
        const bool same = i > 0 && text == previous;
        if (mode != single_word_mode::WithGlossary && same) continue;
        if (mode != single_word_mode::TranslationOnly) {
            if (mode == single_word_mode::WithGlossary) {
                out.glossary += collected(engine.singleWordLatin, count, i);
                out.glossary += ' ';
            }
            formatAnalysis(description, engine, i);
            out.glossary += description;
            out.glossary += ' ';
        }
        if (!same && !text.empty()) {
            out.translation += shownSlot(text, engine.wordAnalyses[i]);
            out.translation += kSeparator;
        }
        out.glossary += collected(engine.singleWordEnglish, count, i);
        out.glossary += '\n';
        previous = text;
        if (overLimit(out.translation) || overLimit(out.glossary)) {
            if (overLimit(out.translation)) out.translation += kSingleWordTooLong;
            if (overLimit(out.glossary)) out.glossary += kSingleWordTooLong;
            return;
        }
    }
    // Meanings collected beyond the readings (tackons, prefixes) close the glossary.
    for (int i = engine.wordCount; i < count; ++i) {
        if (mode == single_word_mode::WithGlossary) {
            out.glossary += engine.singleWordLatin[i];
            out.glossary += ' ';
        }
        out.glossary += engine.singleWordEnglish[i];
        out.glossary += '\n';
    }
}

// "Alternatives: " with every different collected meaning.
void writeAlternatives(const Engine& engine, std::string& translation) {
    if (overLimit(translation)) return;
    translation += kAlternativesHeading;
    const int count = engine.singleWordCount;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && engine.singleWordEnglish[i] == engine.singleWordEnglish[i - 1]) continue;
        translation += engine.singleWordEnglish[i];
        translation += kSeparator;
        if (overLimit(translation)) break;
    }
    if (overLimit(translation) || count > kAlternativesLimit) translation += kSingleWordTooLong;
}

}  // namespace

SingleWordOutput translateSingleWord(Engine& engine, std::string_view rawWord, int mode) {
    if (engine.options.singleWordTarget != 0 || mode == 0) mode = single_word_mode::WithGlossary;
    std::string word = normaliseWord(rawWord);
    cutLongWord(engine, word);

    SingleWordOutput out;
    out.translation = "'" + word + "': ";
    out.glossary = "'" + word + "':\n";

    engine.currentSentence = word;
    engine.singleWordLookup = true;
    engine.singleWordCount = 0;
    renderReadingsAsPositions(engine, analyseLoneWord(engine, word, mode));
    lowerFirstSlot(engine);
    writeReadings(engine, mode, out);
    engine.singleWordLookup = false;
    writeAlternatives(engine, out.translation);

    const int target = engine.options.singleWordTarget;
    if (mode == single_word_mode::WithGlossary) {
        if (target == 1) out.translation = out.glossary;
        else out.showGlossaryWindow = true;
    }
    engine.translationText = out.translation;
    return out;
}

}  // namespace kavro
