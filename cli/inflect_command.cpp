// kavro inflect LEMMA : the declension or conjugation of every dictionary entry with that
// citation form, generated from the stems and the inflection table; --json for scripts.
#include <nlohmann/json.hpp>

#include <cctype>
#include <memory>
#include <string>

#include "app/settings_file.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/text_encoding.h"
#include "job/engine.h"
#include "job/grammar_codes.h"
#include "morph/paradigm.h"
#include "morph/paradigm_table.h"
#include "text/input_encoding.h"

namespace kavro::cli {
namespace {

using json = nlohmann::ordered_json;

struct InflectFlags {
    std::string lemma;
    std::string pos;
    std::string home = ".";
    std::string data;
    bool json = false;
};

// --pos: the part of speech by its code name (N, V, ADJ, ...) or in words (noun, verb, ...).
int partOfSpeechOf(std::string name) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const std::pair<const char*, int> kNames[] = {
        {"N", speech_type::Noun},        {"NOUN", speech_type::Noun},
        {"PRON", speech_type::Pronoun},  {"PRONOUN", speech_type::Pronoun},
        {"PACK", speech_type::Pack},     {"ADJ", speech_type::Adjective},
        {"ADJECTIVE", speech_type::Adjective}, {"NUM", speech_type::Numeral},
        {"NUMERAL", speech_type::Numeral}, {"ADV", speech_type::Adverb},
        {"ADVERB", speech_type::Adverb}, {"V", speech_type::Verb},
        {"VERB", speech_type::Verb},     {"PREP", speech_type::Preposition},
        {"PREPOSITION", speech_type::Preposition}, {"CONJ", speech_type::Conjunction},
        {"CONJUNCTION", speech_type::Conjunction}, {"INTERJ", speech_type::Interjection},
        {"INTERJECTION", speech_type::Interjection},
    };
    for (const auto& [n, code] : kNames)
        if (name == n) return code;
    return -1;
}

std::string utf8(std::string_view engineText) { return windows1252ToUtf8(engineText); }

void putName(json& j, const char* field, CodeSet set, int code) {
    if (code != 0) j[field] = codeName(set, code);
}

json grammarOf(const ParadigmForm& f) {
    const InflectionRecord& r = f.inflection;
    json g = json::object();
    switch (f.partOfSpeech) {
    case speech_type::Verb:
        putName(g, "tense", CodeSet::Tense, r.grammar1);
        putName(g, "voice", CodeSet::Voice, r.grammar2);
        putName(g, "mood", CodeSet::Mood, r.grammar3);
        if (r.grammar4 != 0) g["person"] = r.grammar4;
        putName(g, "number", CodeSet::Number, r.grammar5);
        break;
    case speech_type::Participle:
        putName(g, "case", CodeSet::Case, r.grammar1);
        putName(g, "number", CodeSet::Number, r.grammar2);
        putName(g, "gender", CodeSet::Gender, r.grammar3);
        putName(g, "tense", CodeSet::Tense, r.grammar4);
        putName(g, "voice", CodeSet::Voice, r.grammar5);
        break;
    case speech_type::Adverb: putName(g, "comparison", CodeSet::Comparison, r.grammar4); break;
    case speech_type::Preposition: putName(g, "case", CodeSet::Case, r.grammar1); break;
    default:
        putName(g, "case", CodeSet::Case, r.grammar1);
        putName(g, "number", CodeSet::Number, r.grammar2);
        putName(g, "gender", CodeSet::Gender, r.grammar3);
        if (f.partOfSpeech == speech_type::Adjective)
            putName(g, "comparison", CodeSet::Comparison, r.grammar4);
        break;
    }
    return g;
}

json entryJson(const ParadigmEntry& e, const std::vector<ParadigmForm>& forms) {
    json j;
    j["citation"] = utf8(e.citation);
    j["class"] = entryClassName(e);
    j["english"] = utf8(e.english);
    json list = json::array();
    for (const ParadigmForm& f : forms) {
        json form;
        form["form"] = utf8(f.form);
        std::string pos;
        appendSpeechTypeName(pos, f.partOfSpeech);
        while (!pos.empty() && pos.back() == ' ') pos.pop_back();
        form["pos"] = pos;
        form["grammar"] = grammarOf(f);
        form["age"] = std::string(1, formAgeLetter(f));
        form["frequency"] = std::string(1, formFrequencyLetter(f));
        form["irregular"] = f.irregular;
        list.push_back(std::move(form));
    }
    j["forms"] = std::move(list);
    return j;
}

// Entries with the same citation form and part of speech (the senses of "qui" as relative,
// interrogative, indefinite pronoun, each with some of the forms) share one table of all their
// forms; their other meanings follow the heading.
std::string sharedTables(Engine& engine, const std::vector<ParadigmEntry>& entries) {
    std::vector<bool> done(entries.size(), false);
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (done[i]) continue;
        const ParadigmEntry& e = entries[i];
        std::vector<ParadigmForm> forms = generateParadigm(engine, e);
        std::string also;
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            const ParadigmEntry& other = entries[j];
            if (done[j] || other.citation != e.citation || entryPartOfSpeech(other) != entryPartOfSpeech(e))
                continue;
            done[j] = true;
            const std::vector<ParadigmForm> more = generateParadigm(engine, other);
            forms.insert(forms.end(), more.begin(), more.end());
            if (other.english != e.english && also.find(other.english) == std::string::npos)
                also += "  " + other.english + "\n";
        }
        std::string table = paradigmTable(e, forms);
        const std::size_t headingEnd = table.find('\n', table.find('\n') + 1);
        if (!also.empty() && headingEnd != std::string::npos) table.insert(headingEnd + 1, also);
        if (!text.empty()) text += '\n';
        text += table;
    }
    return text;
}

void runInflect(const InflectFlags& flags) {
    const std::string lemma =
        looksLikeUtf8(flags.lemma) ? decodeUtf8ToWindows1252(flags.lemma) : flags.lemma;
    if (lemma.find_first_not_of(' ') == std::string::npos) fail("LEMMA", "give a citation form");
    int pos = 0;
    if (!flags.pos.empty() && (pos = partOfSpeechOf(flags.pos)) < 0)
        fail("--pos", "unknown part of speech '" + flags.pos + "' (noun, verb, adj, pron, num, adv, ...)");

    const std::filesystem::path home = existingProgramFolder(flags.home);
    ViewOptions options;
    loadSettings(options, home);
    options.hashOffByUser = true;   // generation never consults the high-speed hash
    Lexicon lexicon;
    CliHost host(false);
    auto engine = std::make_unique<Engine>(lexicon, options, host, home);
    loadLexicon(lexicon, *engine, dataFolder(flags.data), StartupLog::None);

    const std::vector<ParadigmEntry> entries = findParadigmEntries(lexicon, lemma, pos);
    if (entries.empty()) fail(flags.lemma, "no dictionary entry has this citation form");
    if (flags.json) {
        json all = json::array();
        for (const ParadigmEntry& e : entries) all.push_back(entryJson(e, generateParadigm(*engine, e)));
        printEngineText(all.dump(-1, ' ', true) + "\n");   // pure ASCII: passes through unchanged
        return;
    }
    printEngineText(sharedTables(*engine, entries));
}

}  // namespace

void addInflectCommand(CLI::App& app) {
    auto flags = std::make_shared<InflectFlags>();
    CLI::App* cmd = app.add_subcommand(
        "inflect", "Print the declension or conjugation of every dictionary entry with the given citation form");
    cmd->footer(
        "The forms are generated from the entry's stems and the inflection table, as word "
        "analysis reads them. Nouns by case and number; adjectives and pronouns by case, gender "
        "and number for each degree; verbs by mood, voice, tense, person and number, then the "
        "infinitives, participles, gerund and supine. Forms the inflection table marks as of "
        "another age or less frequent carry * and are listed with their age and frequency letter.");
    cmd->add_option("LEMMA", flags->lemma, "The citation form (first word of the dictionary entry)")->required();
    cmd->add_option("--pos", flags->pos, "Only entries of this part of speech: noun, verb, adj, pron, num, adv, ...");
    cmd->add_flag("--json", flags->json, "Print a JSON array: one object per entry with every form and its grammar");
    addHomeOption(*cmd, flags->home);
    addDataOption(*cmd, flags->data);
    cmd->callback([flags] { runInflect(*flags); });
}

}  // namespace kavro::cli
