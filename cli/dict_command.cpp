// kavro dict LETTERS : the dictionary look-up, every stem beginning with the letters.
#include <cstdio>
#include <memory>
#include <string>

#include "app/settings_file.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "core/engine.h"
#include "morph/dictionary_listing.h"
#include "morph/english_lookup.h"
#include "text/input_encoding.h"

namespace kavro::cli {
namespace {

struct DictFlags {
    std::string letters;
    std::string home = ".";
    std::string data;
    bool plain = false;
    bool yes = false;
    bool english = false;
};

void runDict(const DictFlags& flags) {
    // Letters typed in a UTF-8 terminal may carry accents; the engine folds them away.
    const std::string letters = looksLikeUtf8(flags.letters)
                                    ? decodeUtf8ToWindows1252(flags.letters)
                                    : flags.letters;
    if (letters.find_first_not_of(' ') == std::string::npos)
        fail("LETTERS", "give the first letters of the stems to list");

    // A look-up reads the program folder (settings, copies of data files) but writes nothing
    // there: no start-up log, no user files, and so it takes no lock either.
    const std::filesystem::path home = existingProgramFolder(flags.home);
    ViewOptions options;
    loadSettings(options, home);
    options.hashOffByUser = true;   // the look-up never consults the high-speed hash

    Lexicon lexicon;
    CliHost host(flags.yes);
    auto engine = std::make_unique<Engine>(lexicon, options, host, home);
    loadLexicon(lexicon, *engine, dataFolder(flags.data), StartupLog::None);

    if (flags.english) {
        std::string found = listEnglishEntries(*engine, letters);
        if (!found.ends_with('\n')) found += '\n';
        printEngineText(found);
        return;
    }
    const ListingStyle style = flags.plain ? ListingStyle::Dialog : ListingStyle::WithCitationForms;
    std::string listing = listDictionaryStems(*engine, letters, style);
    if (!listing.ends_with('\n')) listing += '\n';
    printEngineText(listing);
}

}  // namespace

void addDictCommand(CLI::App& app) {
    auto flags = std::make_shared<DictFlags>();
    CLI::App* cmd = app.add_subcommand(
        "dict", "List the dictionary stems that begin with the given letters (j and v read as i and u)");
    cmd->footer(
        "Each line: stem, part of speech, declension or conjugation, variant, kind (gender, "
        "degree, infinitive or perfect stem), frequency letter:age, then the citation form and "
        "the English meanings. Stems beginning with the letters in lower case come first, then "
        "those beginning with a capital. At most 49 stems are listed. The look-up writes no "
        "file: --home is only read (UserSettings.txt, copies of data files).");
    cmd->add_option("LETTERS", flags->letters, "The first letters of the stems")->required();
    cmd->add_flag("--plain", flags->plain,
                  "Leave out the citation forms: the lines exactly as the look-up dialog shows them");
    cmd->add_flag("--english", flags->english,
                  "English to Latin: list the entries whose meanings hold the English word given "
                  "as LETTERS (loves, loved and loving find love), most frequent first, at most 49");
    addHomeOption(*cmd, flags->home);
    addDataOption(*cmd, flags->data);
    cmd->add_flag("--yes", flags->yes, "Answer Yes to the program's Yes/No questions (default No)");
    cmd->callback([flags] { runDict(*flags); });
}

}  // namespace kavro::cli
