#include "app/spell_check.h"

#include <algorithm>
#include <cstdio>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/latin_spelling.h"
#include "core/regular_file.h"
#include "core/stages.h"

namespace kavro {
namespace {

constexpr std::string_view kRichTextHeader = "{\\rtf1 {SPELL-CHECK\\par}\n";
constexpr std::string_view kRichLineEnd = "\\par }\n";
constexpr std::string_view kReadyStatus = "Ready";
// Where words part: spaces, line feeds (carriage returns become line feeds) and tabs.
constexpr std::string_view kWordSeparators = " \n\t";
// Removed from the end of a word (repeatedly) and from its start (once) before analysis.
constexpr std::string_view kSpellPunctuation = ",.;:'!?()[]\" \n\t";

// The Windows-1252 curly quotes read as the plain ones; a carriage return parts words.
char plainCharacter(char ch) {
    switch (static_cast<unsigned char>(ch)) {
    case '\r': return '\n';
    case 0x91:
    case 0x92: return '\'';
    case 0x93:
    case 0x94: return '"';
    default: return ch;
    }
}

bool isSpellPunctuation(char ch) { return kSpellPunctuation.find(ch) != std::string_view::npos; }

// A word is worth analysing when it starts at 'A' or above in character order (no digit, no
// mark) and fits the token table; anything else is unrecognised as it stands.
bool worthAnalysing(std::string_view form) {
    return !form.empty() && static_cast<unsigned char>(form.front()) >= 'A' &&
           form.size() < kTokenTextSize;
}

// Word analysis on a sentence of the one word: recognised when its last word had analyses.
bool recognisedByAnalysis(Engine& engine, std::string_view form) {
    copyField(engine.sentenceTokens[0], form);
    engine.tokenCount = 1;
    engine.analysisCount = 0;
    engine.groupNumber = 0;
    analyseSentenceWords(engine);
    return engine.lastWordResult != 0;
}

// A capitalised word of two letters or more, which a text may use as a name.
bool mayBeName(std::string_view form) {
    return form.size() >= 2 && form[0] >= 'A' && form[0] <= 'Z';
}

bool isRecognised(Engine& engine, std::string_view written, SpellNames names) {
    const std::string form = spellCheckForm(written);
    if (!worthAnalysing(form)) return false;
    return recognisedByAnalysis(engine, form) || (names == SpellNames::Expected && mayBeName(form));
}

// A word in fails.txt: the rich-text marks \ { } escaped, bytes above 127 as \'hh so that the
// file is plain ASCII whatever the text holds.
void appendRichText(std::string& out, std::string_view word) {
    for (const char ch : word) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '{' || ch == '}') {
            out += '\\';
            out += ch;
        } else if (byte >= 0x80) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", byte);
            out += hex;
        } else {
            out += ch;
        }
    }
}

void appendCheckedWord(std::string& out, std::string_view word, bool recognised) {
    if (!recognised) out += " \\ul ";
    appendRichText(out, word);
    out += recognised ? " " : "}{ ";
}

// One line of the text: every word checked, written to the rich text in its group.
void checkLine(Engine& engine, std::string_view written, int lineNumber, SpellNames names,
               SpellCheckResult& result) {
    std::string line(written);
    for (char& ch : line) ch = plainCharacter(ch);
    result.failsText += '{';
    std::size_t at = line.find_first_not_of(kWordSeparators);
    while (at != std::string::npos) {
        const std::size_t end = std::min(line.find_first_of(kWordSeparators, at), line.size());
        const std::string_view word = std::string_view(line).substr(at, end - at);
        const bool recognised = isRecognised(engine, word, names);
        appendCheckedWord(result.failsText, word, recognised);
        if (!recognised)
            result.unrecognised.push_back(
                {lineNumber, static_cast<int>(at) + 1, std::string(written.substr(at, end - at))});
        at = line.find_first_not_of(kWordSeparators, end);
    }
    result.failsText += kRichLineEnd;
}

// What a job would carry over from an earlier run: the word-status cache and the names learned.
void resetAnalysisState(Engine& engine) {
    resetWordStatusCache(engine);
    for (StemRecord& name : engine.learnedNames) name = StemRecord{};
    engine.learnedNameWrite = 0;
    engine.groupNumber = 0;
    engine.analysisCount = 0;
}

void checkLines(Engine& engine, std::string_view text, SpellNames names, SpellCheckResult& result) {
    int lineNumber = 1;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        checkLine(engine, text.substr(start, end - start), lineNumber++, names, result);
        start = end + 1;
    }
}

}  // namespace

bool spellCheckFileTooLong(std::size_t bytes) { return bytes >= kSpellCheckFileLimit; }

std::string spellCheckForm(std::string_view written) {
    std::string form(written);
    for (char& ch : form) ch = foldIAndU(ch);
    while (!form.empty() && isSpellPunctuation(form.back())) form.pop_back();
    if (!form.empty() && isSpellPunctuation(form.front())) form.erase(0, 1);
    return form;
}

SpellCheckResult spellCheckText(Engine& engine, std::string_view text, SpellNames names) {
    const bool sentenceMode = engine.options.sentenceMode;
    engine.options.sentenceMode = true;
    engine.spellCheckRunning = true;
    engine.host.setWaitCursor(true);
    engine.host.setStatus(kSpellCheckStatus);
    resetAnalysisState(engine);

    SpellCheckResult result;
    result.checkedText.assign(text);
    result.failsText.assign(kRichTextHeader);
    checkLines(engine, text, names, result);
    result.failsText += kRichLineEnd;

    engine.options.sentenceMode = sentenceMode;
    engine.spellCheckRunning = false;
    engine.host.setWaitCursor(false);
    engine.host.setStatus(kReadyStatus);
    return result;
}

bool writeFailsFile(const Engine& engine, std::string_view failsText, std::string& problem) {
    return replaceRegularFile(engine.file(kFailsFileName), failsText, problem);
}

}  // namespace kavro
