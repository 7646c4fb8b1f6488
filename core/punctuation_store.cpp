#include "core/punctuation_store.h"

#include "core/capacities.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"

namespace kavro {
namespace {

constexpr std::string_view kPunctuationPrefix = "PUNCT";
constexpr int kPunctuationLetterBase = 64;
// A code that names no mark: the analysis line then shows "Unknown punctuation.".
constexpr std::uint8_t kNoMarkCode = 255;

// The punctuation code carried by the letter after "PUNCT", or kNoMarkCode when the token
// carries none.
std::uint8_t punctuationCode(std::string_view token) {
    if (token.size() <= kPunctuationPrefix.size()) return kNoMarkCode;
    const int letter = static_cast<unsigned char>(token[kPunctuationPrefix.size()]);
    const int code = letter - kPunctuationLetterBase;
    return punctuationMark(code) != '\0' ? static_cast<std::uint8_t>(code) : kNoMarkCode;
}

WordAnalysis punctuationAnalysis(std::uint8_t code, int tokenIndex, int groupNumber) {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = speech_type::Punctuation;
    a.kind1 = code;
    a.wordPosition = static_cast<std::int16_t>(tokenIndex);
    a.groupNumber = static_cast<std::int16_t>(groupNumber);
    a.rarity = 1;
    a.ageLevel = 0;
    const char mark = punctuationMark(code);
    const std::string_view markText = mark != '\0' ? std::string_view(&mark, 1) : std::string_view("");
    copyField(a.analysedForm, markText);
    // The opening parenthesis is set off from the word before it in the English.
    copyField(a.english, code == punctuation_type::OpenParenthesis ? " (" : markText);
    return a;
}

}  // namespace

void restartFullAnalysisTable(Engine& engine) {
    engine.rationedWarning(
        "Too many words stored for automatic translation.\n"
        "Re-setting number of stored words to zero.\n");
    engine.analysisCount = 0;
}

void storePunctuation(Engine& engine, std::string_view token, int tokenIndex) {
    constexpr int capacity = static_cast<int>(kAnalysisCapacity);
    // A count already outside the table (never left so by the stores) is treated as a full table
    // rather than written through.
    if (engine.analysisCount < 0 || engine.analysisCount >= capacity) restartFullAnalysisTable(engine);

    engine.wordAnalyses[engine.analysisCount] =
        punctuationAnalysis(punctuationCode(token), tokenIndex, engine.groupNumber);
    ++engine.analysisCount;
    if (engine.analysisCount >= capacity) restartFullAnalysisTable(engine);
}

}  // namespace kavro
