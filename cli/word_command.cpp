// kavro word WORD : the single-word translation, the translation line with its alternatives and,
// with --glossary, every reading's Latin form, grammar and meaning; --json for scripts.
#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>
#include <string>

#include "app/settings_file.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/format_analysis.h"
#include "english/single_word.h"
#include "text/input_encoding.h"
#include "text/text_encoding.h"

namespace kavro::cli {
namespace {

using json = nlohmann::ordered_json;

struct WordFlags {
    std::string word;
    std::string home = ".";
    std::string data;
    bool glossary = false;
    bool json = false;
    bool yes = false;
};

std::string utf8(std::string_view engineText) { return windows1252ToUtf8(engineText); }

// The alternatives as the translation line lists them: every different collected meaning.
json alternativesOf(const Engine& engine) {
    json list = json::array();
    for (int i = 0; i < engine.singleWordCount; ++i) {
        if (i > 0 && engine.singleWordEnglish[i] == engine.singleWordEnglish[i - 1]) continue;
        list.push_back(utf8(engine.singleWordEnglish[i]));
    }
    return list;
}

json readingsOf(const Engine& engine) {
    json readings = json::array();
    std::string grammar;
    for (int i = 0; i < engine.wordCount; ++i) {
        formatAnalysis(grammar, engine, i);
        json r;
        r["latin"] = i < engine.singleWordCount ? utf8(engine.singleWordLatin[i]) : "";
        r["grammar"] = utf8(grammar);
        r["english"] = utf8(fieldText(engine.sentence.englishSlots[i]));
        r["meaning"] = i < engine.singleWordCount ? utf8(engine.singleWordEnglish[i]) : "";
        readings.push_back(std::move(r));
    }
    return readings;
}

void runWord(const WordFlags& flags) {
    const std::string word =
        looksLikeUtf8(flags.word) ? decodeUtf8ToWindows1252(flags.word) : flags.word;
    if (word.find_first_not_of(' ') == std::string::npos) fail("WORD", "give a Latin word");
    if (word.find(' ') != std::string::npos) fail("WORD", "give one word, without blanks");

    // Like the dictionary look-up, this reads the program folder but writes nothing there.
    const std::filesystem::path home = existingProgramFolder(flags.home);
    ViewOptions options;
    loadSettings(options, home);
    options.hashOffByUser = true;
    options.singleWordTarget = 0;   // the flags choose what is printed

    Lexicon lexicon;
    CliHost host(flags.yes);
    auto engine = std::make_unique<Engine>(lexicon, options, host, home);
    loadLexicon(lexicon, *engine, dataFolder(flags.data), StartupLog::None);

    const bool both = flags.glossary || flags.json;
    const SingleWordOutput out = translateSingleWord(
        *engine, word, both ? single_word_mode::WithGlossary : single_word_mode::TranslationOnly);
    if (flags.json) {
        json j;
        j["word"] = utf8(engine->currentSentence);
        j["translation"] = utf8(out.translation);
        j["readings"] = readingsOf(*engine);
        j["alternatives"] = alternativesOf(*engine);
        printEngineText(j.dump(-1, ' ', true) + "\n");   // pure ASCII: passes through unchanged
        return;
    }
    std::string text = out.translation;
    if (!text.ends_with('\n')) text += '\n';
    if (flags.glossary) text += "\n" + out.glossary;
    printEngineText(text);
}

}  // namespace

void addWordCommand(CLI::App& app) {
    auto flags = std::make_shared<WordFlags>();
    CLI::App* cmd = app.add_subcommand("word", "Translate one Latin word on its own, with every alternative");
    cmd->footer(
        "Prints the translation line: the word, the English of each different reading separated "
        "by \" / \", then \"Alternatives:\" with every dictionary meaning met. --glossary adds one "
        "line per reading: its Latin form, its grammar and its meaning. The look-up writes no file.");
    cmd->add_option("WORD", flags->word, "The Latin word (j and v read as i and u)")->required();
    cmd->add_flag("--glossary", flags->glossary, "Also print the glossary of every reading");
    cmd->add_flag("--json", flags->json,
                  "Print one JSON object: the word, the translation line, each reading (Latin "
                  "form, grammar, English, meaning) and the alternatives");
    addHomeOption(*cmd, flags->home);
    addDataOption(*cmd, flags->data);
    cmd->add_flag("--yes", flags->yes, "Answer Yes to the program's Yes/No questions (default No)");
    cmd->callback([flags] { runWord(*flags); });
}

}  // namespace kavro::cli
