// Readings the driver makes itself: NOT FOUND, the synthetic adverb, and a Roman numeral.
#include <cstring>
#include <string>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/format_analysis.h"
#include "core/grammar_codes.h"
#include "morph/analysis_emit.h"
#include "morph/word_analysis.h"
#include "morph/word_outcomes.h"
#include "text/roman_numerals.h"

namespace kavro {
namespace {

constexpr std::size_t kBracketedFormLimit = 23;   // a longer "[word]" is cut to 23 with "*"
constexpr std::string_view kNotFoundForm = "NOT FOUND";
constexpr std::size_t kAdverbEnglishStem = 19;    // English kept before "-ly"
constexpr std::uint8_t kAdverbPositive = 3;       // byte 3 of the synthetic adverb
constexpr std::size_t kRomanStemLimit = sizeof(StemRecord::stem) - 1;

}  // namespace

void appendNotFound(Engine& engine, std::string_view word) {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = speech_type::NotFound;
    a.wordPosition = static_cast<std::int16_t>(engine.tokenIndex);
    a.groupNumber = static_cast<std::int16_t>(engine.groupNumber);
    char bracketed[kTokenTextSize + 2];
    bracketed[0] = '[';
    const std::size_t len = copyBounded(bracketed + 1, kTokenTextSize, word);
    bracketed[len + 1] = ']';
    const std::string_view form(bracketed, len + 2);
    const std::size_t n = copyField(a.analysedForm, form);
    if (form.size() > kBracketedFormLimit) a.analysedForm[n - 1] = '*';
    copyField(a.latinDetail, kNotFoundForm);
    const int index = engine.analysisCount;
    appendAnalysis(engine, a);
    noteAnalysisSource(engine, index, kNotFoundForm, -1);
    ++engine.groupNumber;
    if (!engine.options.sentenceMode) {
        engine.log.write(fieldText(a.analysedForm));
        engine.log.write(" NOT FOUND.\n\n");
    }
}

void appendSyntheticAdverb(Engine& engine, const WordAnalysis& base, std::string_view word) {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = speech_type::Adverb;
    a.grammar1 = kAdverbPositive;
    a.stemKey = 1;
    a.wordPosition = base.wordPosition;
    a.groupNumber = base.groupNumber;
    a.rarity = base.rarity;
    a.subject = base.subject;
    a.stemClass = base.stemClass;
    a.stemClass2 = base.stemClass2;
    std::memcpy(a.analysedForm, base.analysedForm, sizeof a.analysedForm);
    a.analysedForm[sizeof a.analysedForm - 1] = '\0';
    // "bon.e" becomes "bone.": the adverb is the whole word.
    const std::size_t len = std::strlen(a.analysedForm);
    if (len >= 2 && a.analysedForm[len - 2] == '.' && a.analysedForm[len - 1] == 'e' &&
        a.analysedForm[0] >= 'a' && a.analysedForm[0] <= 'z') {
        a.analysedForm[len - 2] = 'e';
        a.analysedForm[len - 1] = '.';
    }
    std::string english(fieldText(base.english).substr(0, kAdverbEnglishStem));
    english += base.partOfSpeech == speech_type::Participle ? "-edly" : "-ly";
    copyField(a.english, english);

    if (!engine.options.sentenceMode) {
        std::string line;
        formatAnalysis(line, a, engine.options.easyLatin);
        engine.log.printf("%s %s\n\n", line.c_str(), "Synthetic adverb");
    }
    if (engine.singleWordLookup) {
        const int i = engine.singleWordCount;
        engine.singleWordEnglish[i].assign(fieldText(a.english));
        engine.singleWordLatin[i].assign(word);
        if (i < static_cast<int>(kSingleWordCollection) - 1) ++engine.singleWordCount;
    }
    const int index = engine.analysisCount;
    appendAnalysis(engine, a);
    if (engine.keepAnalysisSources && index > 0)
        noteAnalysisSource(engine, index, engine.analysisSources[index - 1].citation,
                           engine.analysisSources[index - 1].sourceKind);
}

bool emitRomanNumeral(Engine& engine, std::string_view capitals) {
    const RomanNumeral numeral = readRomanNumeral(capitals);
    if (numeral.value == 0) return false;
    StemRecord stem{};
    stem.partOfSpeech = speech_type::Numeral;
    stem.genderOrKind = numeral_kind_type::Cardinal;
    stem.sort = numeral.value == 1 && !numeral.half ? 1 : 2;
    stem.areaFrequency = 1;
    copyField(stem.stem, capitals.substr(0, kRomanStemLimit));
    InflectionRecord infl{};
    infl.partOfSpeech = speech_type::Numeral;
    infl.grammar4 = numeral_kind_type::Cardinal;
    romanNumeralDigits(numeral, infl.ending, sizeof infl.ending);
    engine.tempstems[0] = stem;
    engine.tempinflects[0] = infl;
    engine.tempstemCount = 1;
    engine.tempinflectCount = 1;
    emitAnalysis(engine, 0, 0, 0, source_kind::RomanNumeral);
    ++engine.groupNumber;
    return true;
}

}  // namespace kavro
