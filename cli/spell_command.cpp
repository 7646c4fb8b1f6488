// kavro spell FILE|- : checks every word of a Latin text with word analysis and lists the words
// it does not recognise as FILE:LINE:COL: word, or writes them underlined in fails.txt (--rtf).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "app/menu_rules.h"
#include "app/spell_check.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/program_folder_lock.h"
#include "core/engine.h"
#include "text/input_encoding.h"
#include "text/latin_input.h"
#include "text/text_encoding.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

// Exit statuses: every word recognised; some word not; the check could not be made.
constexpr int kAllRecognised = 0;
constexpr int kWordsUnrecognised = 1;
constexpr int kSpellCheckFailed = 2;

struct SpellFlags {
    std::string input;
    std::string home = ".";
    std::string data;
    bool rtf = false;
    bool noWait = false;
    bool names = false;
};

std::string displayName(const std::string& input) { return input == "-" ? "<stdin>" : input; }

// The text in the engine's 8-bit form, refused when the file is too long for the spell-check.
std::string spellCheckInput(const SpellFlags& flags, const fs::path& home) {
    if (flags.input != "-") refuseWorkFile(flags.input, home, false);
    std::string bytes = readLatinInput(flags.input);
    if (spellCheckFileTooLong(bytes.size()))
        fail(displayName(flags.input),
             std::string(kSpellCheckTooLong) + " (" + std::to_string(bytes.size()) +
                 " bytes; the spell-check takes files shorter than " +
                 std::to_string(kSpellCheckFileLimit) + " bytes)");
    return decodeLatinBytes(std::move(bytes));
}


void printUnrecognised(const std::string& name, const SpellCheckResult& result) {
    for (const UnrecognisedWord& w : result.unrecognised) {
        const std::string line = name + ":" + std::to_string(w.line) + ":" + std::to_string(w.column) +
                                 ": " + windows1252ToUtf8(w.word) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) failWritingStdout();
}

void storeFailsFile(const Engine& engine, const SpellCheckResult& result) {
    std::string problem;
    if (!writeFailsFile(engine, result.failsText, problem))
        fail(engine.file(kFailsFileName), "cannot be written: " + problem);
    std::fprintf(stderr, "kavro: %zu unrecognised word(s) underlined in %s\n",
                 result.unrecognised.size(), engine.file(kFailsFileName).c_str());
}

int runSpell(const SpellFlags& flags) {
    const fs::path home = writableProgramFolder(flags.home);
    lockProgramFolder(home, flags.noWait ? LockWait::Never : LockWait::UntilFree);
    const std::string text = spellCheckInput(flags, home);

    ViewOptions options = settingsOptions(home);
    Lexicon lexicon;
    CliHost host;
    auto engine = std::make_unique<Engine>(lexicon, options, host, home);
    loadLexicon(lexicon, *engine, dataFolder(flags.data));
    applyMenuRules(options);

    const SpellCheckResult result = spellCheckText(*engine, text, flags.names ? SpellNames::Expected : SpellNames::Unknown);
    if (flags.rtf) storeFailsFile(*engine, result);
    else printUnrecognised(displayName(flags.input), result);
    storeWorkFile(engine->file("parser.txt"), kSpellCheckDone, "cannot be written");
    return result.unrecognised.empty() ? kAllRecognised : kWordsUnrecognised;
}

// The command's status: a failure to check (a bad file, a missing lexicon, a full disk) is told
// apart from a text with unrecognised words.
void runSpellCommand(const SpellFlags& flags) {
    runForExitStatus([&flags] { return runSpell(flags); }, kAllRecognised, kSpellCheckFailed);
}

}  // namespace

void addSpellCommand(CLI::App& app) {
    auto flags = std::make_shared<SpellFlags>();
    CLI::App* cmd = app.add_subcommand(
        "spell", "Spell-check a Latin text file (or - for stdin): list the words word analysis does "
                 "not recognise");
    cmd->footer(
        "Every word (split at spaces, tabs and line ends; j and v read as i and u; marks at its "
        "end and one at its start left out) is analysed on its own; a word starting with a digit "
        "or made only of marks is unrecognised, and so is a capitalised word that only a name "
        "would explain, unless --names says that names are expected. Each unrecognised word is printed as "
        "FILE:LINE:COL: word (UTF-8; stdin shows as <stdin>). With --rtf the words are instead "
        "underlined in fails.txt, a rich-text copy of the text written in the program folder. "
        "Files of 199985 bytes or more are refused. The options come from UserSettings.txt in the "
        "program folder; parser.txt is left holding \"Successful spell-check.\". One run at a time "
        "uses a program folder (--no-wait: fail instead of waiting).\n"
        "Exit status: 0 every word recognised, 1 some word unrecognised, 2 the check could not be "
        "made (the error names the file and the problem); a command line that cannot be parsed "
        "gives 100 or more.");
    addJobFileOptions(*cmd, {flags->input, flags->home, flags->data, flags->noWait});
    cmd->add_flag("--rtf", flags->rtf,
                  "Write fails.txt (rich text, unrecognised words underlined) in the program folder "
                  "instead of listing the words");
    cmd->add_flag("--names", flags->names,
                  "Names are expected: a capitalised word that no dictionary reading explains is "
                  "taken as a name, not listed");
    cmd->callback([flags] { runSpellCommand(*flags); });
}

}  // namespace kavro::cli
