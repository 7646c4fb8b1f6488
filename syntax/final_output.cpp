// The English line of a sentence: the slots joined with the spacing that their words and marks
// call for, the gerundive marker spelt out, bracketed numbers freed, doubled marks dropped,
// the line bounded and re-spaced, finally polished and written to the log.
#include "syntax/final_output.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "english/polish_records.h"
#include "english/polish_tables.h"

namespace kavro {

namespace {

constexpr std::size_t kLineLimit = 2250;        // past this the rest of the sentence is dropped
constexpr std::size_t kTokenLimit = 80;         // longest English word of the line
constexpr std::size_t kSlotLimit = kEnglishSlotSize - 1;
constexpr std::string_view kGerundiveMarker = "RTB ";
constexpr std::string_view kTooManyCharacters = "Too many translation characters output - truncating.\n";
constexpr std::string_view kWordTooLong = "Word translation is too long - truncating.\n";

unsigned char code(char c) { return static_cast<unsigned char>(c); }
bool isLetterCode(char c) { return code(c) > 64; }
bool isQuote(char c) { return c == '"' || c == '\''; }

void raiseFirst(std::string& text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
}

// The sentence's slots and chosen readings, read within their bounds.
class FinalSlots {
public:
    explicit FinalSlots(Engine& engine)
        : engine_(engine), count_(std::clamp(engine.wordCount, 0, static_cast<int>(kEnglishSlotCount) - 2)) {}

    int count() const { return count_; }

    // The slot's text, read in place: valid until the slot is set again.
    std::string_view text(int i) const {
        if (i < 0 || i >= count_) return {};
        const char* slot = engine_.sentence.englishSlots[i];
        return {slot, strnlen(slot, kSlotLimit)};
    }
    void setText(int i, std::string_view text) {
        if (i >= 0 && i < count_) copyBounded(engine_.sentence.englishSlots[i], kEnglishSlotSize, text);
    }

    // The chosen reading's part of speech, kind 1 and English; a position without a chosen
    // reading (or past the sentence) reads as a deleted word.
    const WordAnalysis* reading(int i) const {
        if (i < 0 || i >= count_) return nullptr;
        const int index = engine_.sentence.chosenAnalysis[i];
        const int analyses = std::min(engine_.analysisCount, static_cast<int>(kAnalysisCapacity));
        return index >= 0 && index < analyses ? &engine_.wordAnalyses[index] : nullptr;
    }
    int partOfSpeech(int i) const {
        const WordAnalysis* r = reading(i);
        return r ? int{r->partOfSpeech} : int{speech_type::DeletedGram};
    }
    bool isPunctuation(int i) const { return partOfSpeech(i) == speech_type::Punctuation; }
    bool isMark(int i, int kind) const { return isPunctuation(i) && reading(i)->kind1 == kind; }
    // A punctuation mark whose English text begins with a quote mark.
    bool isQuoteText(int i) const {
        return isPunctuation(i) && isQuote(reading(i)->english[0]);
    }

private:
    Engine& engine_;
    int count_;
};

// The spacing state of one line: which quotes are open.
struct QuoteState {
    bool doubleOpen = false;
    bool singleOpen = false;
};

// Whether a space follows slot i in the line. A mark before a closing quote takes no space, so
// that the quote stays with its sentence ('who?' rather than 'who? ').
bool spaceAfter(const FinalSlots& slots, int i, QuoteState& quotes) {
    const int n = slots.count();
    if (i < n - 2 && slots.partOfSpeech(i + 1) == speech_type::DeletedAi && slots.isPunctuation(i + 2) &&
        !slots.isQuoteText(i + 2)) {
        return false;
    }
    if (slots.partOfSpeech(i) == speech_type::DeletedGram) return false;
    if (!slots.isPunctuation(i)) {
        if (slots.isMark(i + 1, punctuation_type::DoubleQuote)) return !quotes.doubleOpen;
        if (slots.isMark(i + 1, punctuation_type::SingleQuote)) return !quotes.singleOpen;
        return !slots.isPunctuation(i + 1);
    }
    for (auto [kind, open] : {std::pair{int{punctuation_type::DoubleQuote}, &quotes.doubleOpen},
                              std::pair{int{punctuation_type::SingleQuote}, &quotes.singleOpen}}) {
        if (!slots.isMark(i, kind)) continue;
        if (*open) {
            *open = false;
            return true;
        }
        *open = true;
        return slots.isPunctuation(i + 1);
    }
    const std::string_view next = slots.text(i + 1);
    if (next.empty() || isLetterCode(next[0]) || (next[0] >= '0' && next[0] <= '9') || next[0] == '<') {
        return true;
    }
    const bool closingQuote = (slots.isMark(i + 1, punctuation_type::DoubleQuote) && quotes.doubleOpen) ||
                              (slots.isMark(i + 1, punctuation_type::SingleQuote) && quotes.singleOpen);
    return slots.isPunctuation(i + 1) && !closingQuote;
}

// The gerundive marker spelt out: "RTB destroyed" -> "requiring-to-be-destroyed",
// "RTB been-seen" -> "requiring-to-have-been-seen".
std::string spellGerundive(std::string_view text, std::size_t marker) {
    const std::string_view after = text.substr(marker + kGerundiveMarker.size());
    const bool been = after.starts_with("been") && after.size() > 4 && (after[4] == '-' || after[4] == ' ');
    std::string out(text.substr(0, marker));
    out += been ? "requiring-to-have-" : "requiring-to-be-";
    out += after;
    return out;
}

// "[12]", "[3.5]", "[1-4]" lose their brackets; "[a]" keeps them.
void freeBracketedNumber(std::string& text) {
    if (!text.starts_with('[')) return;
    const std::size_t close = text.find(']');
    if (close == std::string::npos || close == 1) return;
    const bool numeric = std::all_of(text.begin() + 1, text.begin() + static_cast<long>(close), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == '-';
    });
    if (numeric) text[0] = text[close] = ' ';
}

// A standard phrase's slot carries "<" and ">" through polishing, with any word the sentence
// put before it ("that <the enemy>" in reported speech); without showUserPhrases the line shows
// its English unmarked.
void dropPhraseMarks(FinalSlots& slots) {
    for (int i = 0; i < slots.count(); ++i) {
        std::string text(slots.text(i));
        const std::size_t open = text.find('<');
        if (slots.isPunctuation(i) || open == std::string::npos) continue;
        text.erase(open, 1);
        if (const std::size_t close = text.rfind('>'); close != std::string::npos && close >= open)
            text.erase(close, 1);
        slots.setText(i, text);
    }
}

// Steps 2 and 3 of the assembly: a comma opening or closing the sentence goes.
void dropOuterCommas(FinalSlots& slots) {
    if (slots.text(0).starts_with(',')) {
        slots.setText(0, "");
        std::string second(slots.text(1));
        raiseFirst(second);
        slots.setText(1, second);
    }
    if (slots.text(slots.count() - 2).starts_with(',')) slots.setText(slots.count() - 2, "");
}

// One slot as it enters the line. A "!" or "." after an exclamation mark is dropped even when
// the mark was followed by its space.
std::string slotForLine(FinalSlots& slots, int i, const std::string& line) {
    std::string text(slots.text(i));
    const std::size_t lastMark = line.find_last_not_of(' ');
    if (lastMark != std::string::npos && line[lastMark] == '!' && (text[0] == '!' || text[0] == '.')) {
        text[0] = ' ';
    } else if (i > 0 && text[0] == ',' && slots.text(i - 1).starts_with(',')) {
        text[0] = ' ';
    }
    if (text.size() > 1 && text[0] == ' ' && isLetterCode(text[1])) text.erase(0, 1);
    const std::size_t marker = text.find(kGerundiveMarker);
    if (marker != std::string::npos) {
        slots.setText(i, text);
        std::string spelt = spellGerundive(text, marker);
        if (i == 0 || (i == 1 && slots.text(0).empty())) raiseFirst(spelt);
        return spelt;
    }
    freeBracketedNumber(text);
    slots.setText(i, text);
    return text;
}

std::string joinSlots(FinalSlots& slots) {
    std::string line;
    QuoteState quotes;
    for (int i = 0; i < slots.count(); ++i) {
        if (line.size() > kLineLimit) {
            line += kTooManyCharacters;
            break;
        }
        if (slots.text(i).empty()) continue;
        line += slotForLine(slots, i, line);
        const std::string_view text = slots.text(i);
        if (spaceAfter(slots, i, quotes) && !text.empty() && code(text[0]) > ' ') line += ' ';
    }
    return line;
}

// No space before ".", "," or "?", between a quote and "!" or "?", nor before an apostrophe
// that ends the sentence.
std::string tidySpaces(const std::string& line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char next = i + 1 < line.size() ? line[i + 1] : '\0';
        if (line[i] == ' ') {
            if (next == '.' || next == ',' || next == '?') continue;
            if (!out.empty() && isQuote(out.back()) && (next == '!' || next == '?')) continue;
            if (next == '\'' && line.compare(i + 2, 2, " .") == 0) continue;
        }
        out += line[i];
    }
    return out;
}

// The length of a token without its leading marks, digits and quotes.
std::size_t wordLength(std::string_view token) {
    std::size_t lead = 0;
    while (lead < token.size() && code(token[lead]) <= 64) ++lead;
    return token.size() - lead;
}

// Every token followed by exactly one space, within the line and word limits.
std::string respace(Engine& engine, const std::string& line) {
    std::string out;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        const std::string_view token = std::string_view(line).substr(pos, end - pos);
        pos = end + 1;
        if (token.empty()) continue;
        if (out.size() > kLineLimit) {
            out += kTooManyCharacters;
            break;
        }
        out += token;
        out += ' ';
        if (wordLength(token) > kTokenLimit) {
            out += kWordTooLong;
            engine.rationedWarning(out);
            break;
        }
    }
    return out;
}

// Whether the sentence ends in a quoted clause: the last quote mark comes right before the
// final mark, and the words it closes hold a finite verb or more than one word.
bool endsInQuotedClause(const FinalSlots& slots) {
    int last = slots.count() - 1;
    while (last >= 0 && slots.text(last).empty()) --last;
    int quote = last - 1;
    while (quote >= 0 && slots.text(quote).empty()) --quote;
    if (quote < 0 || !slots.isPunctuation(last) || !slots.isQuoteText(quote)) return false;
    int words = 0;
    for (int i = quote - 1; i >= 0 && !slots.isQuoteText(i); --i) {
        const WordAnalysis* r = slots.reading(i);
        if (!r || slots.isPunctuation(i) || slots.text(i).empty()) continue;
        ++words;
        if (r->partOfSpeech == speech_type::Verb && r->grammar3 < mood_type::Infinitive) return true;
    }
    return words > 1;
}

// The sentence's final mark goes inside a closing quote that ends a quoted clause: '"I will
// not come." ', not '"I will not come". ' (the Latin sentence reader sets every final mark after
// the quote, so the English convention decides). A quoted name keeps the mark outside ('called
// the light "Day".').
void markInsideClosingQuote(const FinalSlots& slots, std::string& line) {
    const std::size_t end = line.find_last_not_of(' ');
    if (end == std::string::npos || end < 1 || std::string_view(".?!").find(line[end]) == std::string_view::npos ||
        !isQuote(line[end - 1]) || !endsInQuotedClause(slots)) {
        return;
    }
    std::swap(line[end - 1], line[end]);
}

}  // namespace

void assembleFinalOutput(Engine& engine) {
    if (engine.options.details) engine.log.write("Final output...\n");
    FinalSlots slots(engine);
    if (!engine.options.showUserPhrases) dropPhraseMarks(slots);
    dropOuterCommas(slots);
    std::string line = respace(engine, tidySpaces(joinSlots(slots)));
    markInsideClosingQuote(slots, line);
    line += "\n\n";
    finalPolish(engine.lexicon.finalPolish.as<FinalPolishRecord>(), line);
    engine.log.write(line);
    engine.sentence.finalLine = std::move(line);
}

}  // namespace kavro
