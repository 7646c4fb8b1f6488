// kavro analyse FILE|- : word analysis of a Latin text as JSON Lines, one object per token, for
// scripts and for measurement. The fields are described in README.md.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <type_traits>
#include <memory>
#include <string>
#include <vector>

#include "app/menu_rules.h"
#include "cli/batch_runs.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/conllu_output.h"
#include "cli/latin_input.h"
#include "cli/program_folder_lock.h"
#include "cli/sentence_readings.h"
#include "cli/text_encoding.h"
#include "job/elapsed_time.h"
#include "job/engine.h"
#include "job/fixed_text.h"
#include "job/grammar_codes.h"
#include "job/regular_file.h"
#include "job/stages.h"
#include "job/translation_job.h"
#include "morph/analysis_emit.h"
#include "morph/word_analysis.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

struct AnalyseFlags {
    std::vector<std::string> inputs;
    unsigned jobs = 1;
    std::string home = ".";
    std::string data;
    std::string age;
    bool yes = false;
    bool sentence = false;
    bool trace = false;
    bool conllu = false;
    bool noWait = false;
};

std::string utf8(std::string_view engineText) { return windows1252ToUtf8(engineText); }

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

json codesOf(const WordAnalysis& a) {
    json codes = json::object();
    visitCodes(a, [&codes](std::string_view field, const auto& value) { codes[std::string(field)] = value; });
    return codes;
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

json readingOf(const PrintedReading& p) {
    const WordAnalysis& a = *p.record;
    const AnalysisSource& note = *p.note;
    json r;
    r["pos"] = posName(a);
    r["pos_code"] = a.partOfSpeech;
    r["codes"] = codesOf(a);
    r["form"] = utf8(fieldText(a.analysedForm));
    r["citation"] = utf8(fieldText(note.citation));
    r["english"] = utf8(fieldText(a.english));
    r["rarity"] = std::string(1, static_cast<char>('@' + (a.rarity & 0x3F)));
    r["age"] = a.ageLevel;
    const char* source = sourceName(note.sourceKind);
    r["source"] = source ? json(source) : json(nullptr);
    if (p.status) {
        r["chosen"] = std::string_view(p.status) == "chosen";
        r["status"] = p.status;
    }
    if (p.score && p.score->scored)
        r["score"] = {{"total", p.score->total}, {"base", p.score->base},   {"links", p.score->links},
                      {"roles", p.score->roles}, {"rarity", p.score->rarity}, {"other", p.score->other}};
    return r;
}

// One line per token of the sentence just analysed; `readings` holds each token's readings.
void printTokens(std::FILE* out, const Engine& engine, int sentence, std::vector<json>& readings) {
    for (int t = 0; t < static_cast<int>(readings.size()); ++t) {
        const std::string_view token = fieldText(engine.sentenceTokens[t]);
        json line;
        line["sentence"] = sentence;
        line["position"] = t;
        line["token"] = utf8(token);
        line["punctuation"] = isPunctuationToken(token);
        bool found = false;
        for (const json& r : readings[t]) found = found || r["pos_code"] != speech_type::NotFound;
        line["found"] = found;
        line["analyses"] = std::move(readings[t]);
        const std::string text = line.dump() + "\n";
        std::fwrite(text.data(), 1, text.size(), out);
    }
}

// The JSON escape of a quote, a backslash or a control character, as the JSON library writes
// it (\b \f \n \r \t, else \u00xx).
void appendJsonEscape(std::string& out, char c) {
    switch (c) {
    case '"': out += "\\\""; break;
    case '\\': out += "\\\\"; break;
    case '\b': out += "\\b"; break;
    case '\f': out += "\\f"; break;
    case '\n': out += "\\n"; break;
    case '\r': out += "\\r"; break;
    case '\t': out += "\\t"; break;
    default: {
        constexpr char kHex[] = "0123456789abcdef";
        const auto byte = static_cast<unsigned char>(c);
        out += "\\u00";
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
    }
}

// A string as JSON: quotes, backslashes and control characters escaped; UTF-8 passes as it is,
// a run of plain characters at a time.
void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\') continue;
        out.append(text.substr(start, i - start));
        appendJsonEscape(out, c);
        start = i + 1;
    }
    out.append(text.substr(start));
    out += '"';
}

// Engine text (Windows-1252) as a JSON string of UTF-8.
void appendJsonEngineText(std::string& out, std::string_view engineText) {
    if (!holdsHighByte(engineText)) return appendJsonString(out, engineText);
    thread_local std::string converted;
    converted.clear();
    appendWindows1252AsUtf8(converted, engineText);
    appendJsonString(out, converted);
}

void appendJsonField(std::string& out, std::string_view name, std::string_view engineText) {
    out.append(",\"").append(name).append("\":");
    appendJsonEngineText(out, engineText);
}

void appendNumber(std::string& out, int value) {
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
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

// Word analysis: one line per token with every reading found for it, in table order.
void printSentence(std::FILE* out, Engine& engine, int sentence) {
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
    thread_local std::string line;
    for (int t = 0; t < tokens; ++t) {
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

// Sentence mode: the readings after clause analysis and the choice, each under the token it was
// read from, in preference order, with its status.
void printChosenSentence(std::FILE* out, Engine& engine, int sentence) {
    const SentenceReadings listed = chooseAndListReadings(engine);
    std::vector<json> readings(listed.byToken.size(), json::array());
    for (std::size_t t = 0; t < listed.byToken.size(); ++t)
        for (const PrintedReading& p : listed.byToken[t]) readings[t].push_back(readingOf(p));
    printTokens(out, engine, sentence, readings);
}

// CoNLL-U: the chosen reading of every word, one block per sentence (numbered from 1).
void printConllu(std::FILE* out, Engine& engine, int sentence) {
    const std::string block = conlluBlock(engine, chooseAndListReadings(engine), sentence);
    std::fwrite(block.data(), 1, block.size(), out);
}

void checkAnalysis(const JobResult& result, const fs::path& input, const fs::path& home) {
    switch (result.status) {
    case JobStatus::Completed: return;
    case JobStatus::Aborted: fail(input, "analysis ended early");
    case JobStatus::PreparationFailed: fail(input, "could not be prepared for analysis");
    case JobStatus::LogUnwritable: fail(home / "parser.txt", "cannot be written: " + result.problem);
    case JobStatus::TempFileUnreadable: fail(home / "temp.lat", "cannot be read back: " + result.problem);
    case JobStatus::LogWriteFailed: fail(home / "parser.txt", "cannot write: " + result.problem);
    }
}

// Runs the analysis job on `latinFile`, writing the lines of every sentence to `out` as the
// sentence is analysed.
JobResult analyseFile(Engine& engine, const AnalyseFlags& flags, fs::path& latinFile,
                      std::int64_t startMillis, std::FILE* out) {
    engine.keepAnalysisSources = true;
    engine.sentence.traceScores = flags.trace;
    int sentence = 0;
    JobStages stages = engineStages();
    const bool chosen = flags.sentence || flags.trace;
    stages.analyseSentenceWords = [&sentence, chosen, &flags, out](Engine& e) {
        analyseSentenceWords(e);
        if (flags.conllu) printConllu(out, e, ++sentence);
        else if (chosen) printChosenSentence(out, e, sentence++);
        else printSentence(out, e, sentence++);
    };
    return runTranslationJob(engine, latinFile, startMillis, stages);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// One file of a batch: its own options, host and engine on the shared lexicon, its work files
// and its lines (analysis.jsonl) in `folder`.
BatchOutput analyseBatchFile(const Lexicon& lexicon, const ViewOptions& shared,
                             const AnalyseFlags& flags, const std::string& name, const fs::path& folder) {
    ViewOptions options = shared;
    CliHost host(flags.yes);
    const auto engine = std::make_unique<Engine>(lexicon, options, host, folder);
    fs::path latinFile = latinFileFor(name, folder);
    const fs::path input = latinFile;
    const fs::path output = folder / "analysis.jsonl";
    OpenedFile opened = openRegularFile(output, FileAccess::Write);
    if (!opened.file) fail(output, "cannot be written: " + opened.problem);
    std::unique_ptr<std::FILE, FileCloser> file(opened.file);
    checkAnalysis(analyseFile(*engine, flags, latinFile, clockMillis(), file.get()), input, folder);
    std::string problem;
    if (!closeChecked(file.release(), problem)) fail(output, "cannot write: " + problem);
    return {output, false};
}

void runAnalyse(const AnalyseFlags& flags) {
    const std::int64_t startMillis = clockMillis();
    const fs::path home = writableProgramFolder(flags.home);
    lockProgramFolder(home, flags.noWait ? LockWait::Never : LockWait::UntilFree);
    const bool batch = flags.inputs.size() > 1;
    fs::path latinFile = batch ? fs::path() : latinFileFor(flags.inputs.front(), home);
    const fs::path input = latinFile;

    ViewOptions options;
    options.sentenceMode = false;
    if (flags.age == "classical") chooseAge(options, kAgeClassical);
    if (flags.age == "all") chooseAge(options, kAgeAll);
    Lexicon lexicon;
    CliHost host(flags.yes);
    auto engine = std::make_unique<Engine>(lexicon, options, host, home);
    loadLexicon(lexicon, *engine, dataFolder(flags.data));
    applyMenuRules(options);
    // The hash's stored readings carry no citation form or source, which every line here shows.
    options.hashActive = false;
    if (batch) {
        runBatch(flags.inputs, home, flags.jobs, [&](const std::string& name, const fs::path& folder) {
            return analyseBatchFile(lexicon, options, flags, name, folder);
        });
        return;
    }
    const JobResult result = analyseFile(*engine, flags, latinFile, startMillis, stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) failWritingStdout();
    checkAnalysis(result, input, home);
}

}  // namespace

void addAnalyseCommand(CLI::App& app) {
    auto flags = std::make_shared<AnalyseFlags>();
    CLI::App* cmd = app.add_subcommand(
        "analyse", "Word analysis of a Latin text file (or - for stdin) as JSON Lines, one object per token");
    cmd->alias("analyze");
    cmd->footer(
        "Each line holds the sentence number, the token's word position, the token, whether it is "
        "punctuation, whether any analysis was found, and every analysis with its part of speech, "
        "grammatical codes by name, analysed form, citation form, English, rarity, age and source "
        "kind (see README.md). The options are the defaults, not UserSettings.txt, so that runs "
        "are reproducible; the word-mode trace is left in parser.txt in the program folder. As "
        "with translate, one run at a time uses a program folder (--no-wait: fail instead of "
        "waiting), and the folder's work files are refused as input.");
    addJobFilesOptions(*cmd, {flags->inputs, flags->home, flags->data, flags->noWait});
    addJobsOption(*cmd, flags->jobs);
    cmd->add_option("--age", flags->age, "Preferred age of Latin: classical, medieval (default), all")
        ->check(CLI::IsMember({"classical", "medieval", "all"}));
    cmd->add_flag("--yes", flags->yes, "Answer Yes to the program's Yes/No questions (default No)");
    cmd->add_flag("--sentence", flags->sentence,
                  "Analyse each sentence as a whole: readings in preference order, each with "
                  "\"chosen\" and a \"status\" (chosen, set aside, deleted) after clause analysis "
                  "and the choice of one reading per word");
    cmd->add_flag("--trace", flags->trace,
                  "With the choice of readings (implies --sentence): each scored reading also shows "
                  "its context score and the parts of it (\"score\": base, links, roles, rarity, other)");
    cmd->add_flag("--conllu", flags->conllu,
                  "With the choice of readings (implies --sentence): print the chosen reading of "
                  "every word as CoNLL-U, one block per sentence, for the Universal Dependencies tools");
    cmd->callback([flags] { runAnalyse(*flags); });
}

}  // namespace kavro::cli
