#include "formats/json_lines.h"
#include "formats/json_text.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "formats/sentence_readings.h"
#include "morph/analysis_emit.h"
#include "morph/word_analysis.h"
#include "text/text_encoding.h"

namespace kavro {
namespace {

// Hands the grammatical codes of a reading to `put`, by field name and printed name (or, for
// the person, its number), in the order the lines show them, as its part of speech uses the
// record's bytes; a code of 0 is left out.
template <class Put>
void visitCodes(const WordAnalysis& a, Put put) {
    const auto code = [&put](std::string_view field, CodeSet set, int value) {
        if (value != 0) put(field, codeName(set, value));
    };
    switch (a.partOfSpeech) {
    case speech_type::Noun:
        code("noun_kind", CodeSet::NounKind, a.kind2);
        [[fallthrough]];
    case speech_type::Supine:
        code("case", CodeSet::Case, a.grammar1);
        code("number", CodeSet::Number, a.grammar2);
        code("gender", CodeSet::Gender, a.grammar3);
        break;
    case speech_type::Pronoun:
    case speech_type::Pack:
        code("case", CodeSet::Case, a.grammar1);
        code("number", CodeSet::Number, a.grammar2);
        code("gender", CodeSet::Gender, a.grammar3);
        code("pronoun_kind", CodeSet::PronounKind, a.kind2);
        break;
    case speech_type::Adjective:
    case speech_type::SubstantiveAdjective:
    case speech_type::Numeral:
        code("case", CodeSet::Case, a.grammar1);
        code("number", CodeSet::Number, a.grammar2);
        code("gender", CodeSet::Gender, a.grammar3);
        if (a.partOfSpeech == speech_type::Numeral)
            code("numeral_kind", CodeSet::NumeralKind, a.grammar4);
        else
            code("comparison", CodeSet::Comparison, a.grammar4);
        break;
    case speech_type::Adverb: code("comparison", CodeSet::Comparison, a.grammar4); break;
    case speech_type::Verb:
        code("tense", CodeSet::Tense, a.grammar1);
        code("voice", CodeSet::Voice, a.grammar2);
        code("mood", CodeSet::Mood, a.grammar3);
        if (a.grammar4 != 0) put("person", int{a.grammar4});
        code("number", CodeSet::Number, a.grammar5);
        code("verb_kind", CodeSet::VerbKind, a.kind2);
        break;
    case speech_type::Participle:
        code("case", CodeSet::Case, a.grammar1);
        code("number", CodeSet::Number, a.grammar2);
        code("gender", CodeSet::Gender, a.grammar3);
        code("tense", CodeSet::Tense, a.grammar4);
        code("voice", CodeSet::Voice, a.grammar5);
        code("mood", CodeSet::Mood, a.grammar6);
        code("verb_kind", CodeSet::VerbKind, a.kind2);
        break;
    case speech_type::Preposition: code("case", CodeSet::Case, a.grammar1); break;
    default: break;
    }
}

const char* sourceName(int kind) {
    switch (kind) {
    case source_kind::Dictionary: return "dictionary";
    case source_kind::Unique: return "unique";
    case source_kind::Addon: return "addon";
    case source_kind::UserDictionary: return "user-dictionary";
    case source_kind::RomanNumeral: return "roman-numeral";
    case source_kind::CapitalisedGuess: return "name-guess";
    case source_kind::ModifiedStem: return "modified-stem";
    case source_kind::SpellingVariant: return "spelling-variant";
    default: return nullptr;
    }
}

// The part of speech's name without the spacing the analysis line puts after some names. The
// log names code 64 "Unknown part"; the JSON names it as the README does.
std::string_view posName(const WordAnalysis& a) {
    if (a.partOfSpeech == speech_type::NotFound) return "NOT FOUND";
    std::string_view name = speechTypeName(a.partOfSpeech).name;
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
}

// One reading of the word-analysis lines, written straight as text (the same text as readingOf
// gives through the JSON library, at a fraction of its cost).
void appendPlainReading(std::string& out, const WordAnalysis& a, const AnalysisSource& note) {
    out += "{\"pos\":";
    appendJsonString(out, posName(a));
    out.append(",\"pos_code\":");
    appendNumber(out, a.partOfSpeech);
    out.append(",\"codes\":{");
    bool first = true;
    visitCodes(a, [&out, &first](std::string_view field, const auto& value) {
        if (!first) out += ',';
        first = false;
        appendJsonString(out, field);
        out += ':';
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, int>) appendNumber(out, value);
        else appendJsonString(out, value);
    });
    out += '}';
    appendJsonField(out, "form", fieldText(a.analysedForm));
    appendJsonField(out, "citation", fieldText(note.citation));
    appendJsonField(out, "english", fieldText(a.english));
    const char rarity = static_cast<char>('@' + (a.rarity & 0x3F));
    appendJsonField(out, "rarity", std::string_view(&rarity, 1));
    out.append(",\"age\":");
    appendNumber(out, a.ageLevel);
    out.append(",\"source\":");
    const char* source = sourceName(note.sourceKind);
    if (source) appendJsonString(out, source);
    else out += "null";
    out += '}';
}

// A reading after the choice: the word-analysis fields, then its status and, when traced, the
// parts of its context score.
void appendChosenReading(std::string& out, const PrintedReading& p) {
    appendPlainReading(out, *p.record, *p.note);
    out.pop_back();   // the closing brace: the status and the score follow
    if (p.status) {
        out.append(",\"chosen\":").append(std::string_view(p.status) == "chosen" ? "true" : "false");
        out.append(",\"status\":");
        appendJsonString(out, p.status);
    }
    if (p.score && p.score->scored) {
        const std::pair<const char*, int> parts[] = {
            {"total", p.score->total}, {"base", p.score->base},     {"links", p.score->links},
            {"roles", p.score->roles}, {"rarity", p.score->rarity}, {"other", p.score->other}};
        out.append(",\"score\":{");
        for (const auto& [name, value] : parts) {
            if (out.back() != '{') out += ',';
            appendJsonString(out, name);
            out += ':';
            appendNumber(out, value);
        }
        out += '}';
    }
    out += '}';
}

// One line per token: its number, text and whether it is punctuation or was found, with the
// readings already written as a JSON list's items.
void printTokenLines(std::FILE* out, const Engine& engine, int sentence,
                     const std::vector<std::string>& readings, const std::vector<bool>& found) {
    thread_local std::string line;
    for (int t = 0; t < static_cast<int>(readings.size()); ++t) {
        const std::string_view token = fieldText(engine.sentenceTokens[t]);
        line.assign("{\"sentence\":");
        appendNumber(line, sentence);
        line.append(",\"position\":");
        appendNumber(line, t);
        appendJsonField(line, "token", token);
        line.append(",\"punctuation\":").append(isPunctuationToken(token) ? "true" : "false");
        line.append(",\"found\":").append(found[t] ? "true" : "false");
        line.append(",\"analyses\":[").append(readings[t]).append("]}\n");
        std::fwrite(line.data(), 1, line.size(), out);
    }
}

}  // namespace

void printWordAnalysisLines(std::FILE* out, Engine& engine, int sentence) {
    const int tokens = sentenceTokenCount(engine);
    // Kept from sentence to sentence so that their buffers are reused.
    thread_local std::vector<std::string> readings;
    thread_local std::vector<bool> found;
    readings.resize(static_cast<std::size_t>(std::max(tokens, 0)));
    for (std::string& list : readings) list.clear();
    found.assign(readings.size(), false);
    for (int i = 0; i < engine.analysisCount; ++i) {
        const WordAnalysis& a = engine.wordAnalyses[i];
        if (a.wordPosition < 0 || a.wordPosition >= tokens) continue;
        std::string& list = readings[a.wordPosition];
        if (!list.empty()) list += ',';
        appendPlainReading(list, a, engine.analysisSources[i]);
        if (a.partOfSpeech != speech_type::NotFound) found[a.wordPosition] = true;
    }
    printTokenLines(out, engine, sentence, readings, found);
}

void printChosenReadingLines(std::FILE* out, const Engine& engine, const SentenceReadings& listed,
                             int sentence) {
    std::vector<std::string> readings(listed.byToken.size());
    std::vector<bool> found(listed.byToken.size(), false);
    for (std::size_t t = 0; t < listed.byToken.size(); ++t) {
        for (const PrintedReading& p : listed.byToken[t]) {
            if (!readings[t].empty()) readings[t] += ',';
            appendChosenReading(readings[t], p);
            if (p.record->partOfSpeech != speech_type::NotFound) found[t] = true;
        }
    }
    printTokenLines(out, engine, sentence, readings, found);
}

}  // namespace kavro
