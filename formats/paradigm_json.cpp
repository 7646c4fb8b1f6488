#include "formats/paradigm_json.h"

#include <string_view>

#include "core/grammar_codes.h"
#include "formats/json_text.h"
#include "morph/paradigm.h"
#include "morph/paradigm_table.h"
#include "text/text_encoding.h"

namespace kavro {
namespace {

// ,"NAME":
void appendKey(std::string& out, std::string_view name) {
    if (out.back() != '{') out += ',';
    appendJsonString(out, name);
    out += ':';
}

void appendText(std::string& out, std::string_view name, std::string_view utf8) {
    appendKey(out, name);
    appendJsonAsciiString(out, utf8);
}

void appendEngineText(std::string& out, std::string_view name, std::string_view engineText) {
    appendText(out, name, windows1252ToUtf8(engineText));
}

void appendCode(std::string& out, std::string_view name, CodeSet set, int code) {
    if (code != 0) appendText(out, name, codeName(set, code));
}

// The grammar of a form by field name, as its part of speech uses the inflection's codes.
void appendGrammar(std::string& out, const ParadigmForm& f) {
    const InflectionRecord& r = f.inflection;
    appendKey(out, "grammar");
    out += '{';
    switch (f.partOfSpeech) {
    case speech_type::Verb:
        appendCode(out, "tense", CodeSet::Tense, r.grammar1);
        appendCode(out, "voice", CodeSet::Voice, r.grammar2);
        appendCode(out, "mood", CodeSet::Mood, r.grammar3);
        if (r.grammar4 != 0) {
            appendKey(out, "person");
            appendNumber(out, r.grammar4);
        }
        appendCode(out, "number", CodeSet::Number, r.grammar5);
        break;
    case speech_type::Participle:
        appendCode(out, "case", CodeSet::Case, r.grammar1);
        appendCode(out, "number", CodeSet::Number, r.grammar2);
        appendCode(out, "gender", CodeSet::Gender, r.grammar3);
        appendCode(out, "tense", CodeSet::Tense, r.grammar4);
        appendCode(out, "voice", CodeSet::Voice, r.grammar5);
        break;
    case speech_type::Adverb: appendCode(out, "comparison", CodeSet::Comparison, r.grammar4); break;
    case speech_type::Preposition: appendCode(out, "case", CodeSet::Case, r.grammar1); break;
    default:
        appendCode(out, "case", CodeSet::Case, r.grammar1);
        appendCode(out, "number", CodeSet::Number, r.grammar2);
        appendCode(out, "gender", CodeSet::Gender, r.grammar3);
        if (f.partOfSpeech == speech_type::Adjective)
            appendCode(out, "comparison", CodeSet::Comparison, r.grammar4);
        break;
    }
    out += '}';
}

void appendForm(std::string& out, const ParadigmForm& f) {
    out += '{';
    appendEngineText(out, "form", f.form);
    std::string pos;
    appendSpeechTypeName(pos, f.partOfSpeech);
    while (!pos.empty() && pos.back() == ' ') pos.pop_back();
    appendText(out, "pos", pos);
    appendGrammar(out, f);
    appendText(out, "age", std::string(1, formAgeLetter(f)));
    appendText(out, "frequency", std::string(1, formFrequencyLetter(f)));
    appendKey(out, "irregular");
    out += f.irregular ? "true" : "false";
    out += '}';
}

void appendEntry(std::string& out, const ParadigmEntry& e, const std::vector<ParadigmForm>& forms) {
    out += '{';
    appendEngineText(out, "citation", e.citation);
    appendText(out, "class", entryClassName(e));
    appendEngineText(out, "english", e.english);
    appendKey(out, "forms");
    out += '[';
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (i > 0) out += ',';
        appendForm(out, forms[i]);
    }
    out += "]}";
}

}  // namespace

std::string paradigmJson(Engine& engine, const std::vector<ParadigmEntry>& entries) {
    std::string out = "[";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) out += ',';
        appendEntry(out, entries[i], generateParadigm(engine, entries[i]));
    }
    return out + "]\n";
}

}  // namespace kavro
