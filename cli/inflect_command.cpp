// kavro inflect LEMMA : the declension or conjugation of every dictionary entry with that
// citation form, generated from the stems and the inflection table; --json for scripts.
#include <cctype>
#include <memory>
#include <string>

#include "app/settings_file.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "core/engine.h"
#include "core/grammar_codes.h"
#include "formats/paradigm_json.h"
#include "morph/paradigm.h"
#include "morph/paradigm_table.h"
#include "text/input_encoding.h"

namespace kavro::cli {
namespace {

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
        printEngineText(paradigmJson(*engine, entries));   // pure ASCII: passes through unchanged
        return;
    }
    printEngineText(paradigmTables(*engine, entries));
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
