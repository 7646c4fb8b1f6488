// kavro search DIR --text ITEM | --word STEM : searches every text file of a folder tree, listed
// in DIR/DIRKavro.TXT (made when missing), and prints each hit as FILE:LINE: text. The files are
// searched on --jobs threads, each with its own engine, and the hits come out in list order.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <unistd.h>

#include "app/batch_runs.h"
#include "app/menu_rules.h"
#include "app/search_files.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/program_folder_lock.h"
#include "core/engine.h"
#include "core/ordered_parallel.h"
#include "core/regular_file.h"
#include "search/corpus_search.h"
#include "search/file_list.h"
#include "search/search_results.h"
#include "search/search_workers.h"
#include "text/input_encoding.h"
#include "text/text_encoding.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

// Exit statuses: hits found; no hit; the search could not be made.
constexpr int kHitsFound = 0;
constexpr int kNoHits = 1;
constexpr int kSearchFailed = 2;

struct SearchFlags {
    std::string folder;
    std::string text;
    std::string word;
    std::string exclude;
    std::string andItem;
    std::string pos;
    std::string caseTense;
    std::string home = ".";
    std::string data;
    unsigned jobs = 0;
    bool wordSearch = false;
    bool rebuild = false;
    bool fails = false;
    bool noWait = false;
};

std::string engineText(const std::string& argument) {
    return looksLikeUtf8(argument) ? decodeUtf8ToWindows1252(argument) : argument;
}

std::uint8_t listCode(const std::string& name, std::optional<std::uint8_t> code,
                      std::span<const SearchChoice> choices, const char* option) {
    if (name.empty()) return kAnyCode;
    if (code) return *code;
    std::string known;
    for (const SearchChoice& choice : choices)
        if (!choice.label.empty()) (known += known.empty() ? "" : ", ") += choice.label;
    fail(option, "unknown choice \"" + name + "\" (one of " + known + ")");
}

// The dialog's fields take no more than their lengths; the command line says so rather than cut.
void refuseLongItem(const std::string& item, std::size_t length, const char* option) {
    if (item.size() > length)
        fail(option, "longer than the search takes (" + std::to_string(length) + " characters)");
}

// The dialog's values from the flags, refused as the dialog would refuse them.
SearchDialogValues dialogValues(const SearchFlags& flags) {
    SearchDialogValues values;
    values.kind = flags.wordSearch ? SearchKind::Word : SearchKind::Text;
    values.item = engineText(values.kind == SearchKind::Word ? flags.word : flags.text);
    values.exclusion = engineText(flags.exclude);
    values.andItem = engineText(flags.andItem);
    refuseLongItem(values.item, kSearchItemLength, flags.wordSearch ? "--word" : "--text");
    refuseLongItem(values.exclusion, kExclusionItemLength, "--exclude");
    refuseLongItem(values.andItem, kAndItemLength, "--and");
    values.partOfSpeech = listCode(flags.pos, partOfSpeechCode(flags.pos), partOfSpeechChoices(), "--pos");
    values.caseTense =
        listCode(flags.caseTense, caseTenseCode(flags.caseTense), caseTenseChoices(), "--case-tense");
    if (const std::string_view refusal = searchDialogRefusal(values); !refusal.empty())
        fail("search", refusal);
    return values;
}

fs::path searchFolder(const SearchFlags& flags, const fs::path& home) {
    const fs::path folder(flags.folder);
    std::error_code error;
    if (!fs::is_directory(folder, error)) fail(folder, "not a folder");
    if (const std::string_view refusal = searchFolderRefusal(home, folder); !refusal.empty())
        fail(folder, std::string(refusal) + " (it lies in the program folder; see --home)");
    return folder;
}







void printHits(const std::string& path, const FileSearch& file) {
    std::string out;
    for (const SearchHit& hit : file.hits) {
        out += path + ":" + std::to_string(hit.line) + ": ";
        if (!hit.form.empty()) out += windows1252ToUtf8(hit.form) + ": ";
        std::string_view text = hit.text;
        if (text.starts_with(' ')) text.remove_prefix(1);
        out += windows1252ToUtf8(text) + "\n";
    }
    if (!out.empty() && std::fwrite(out.data(), 1, out.size(), stdout) != out.size()) failWritingStdout();
}


unsigned jobCount(unsigned asked, std::size_t files) {
    const unsigned jobs = asked ? asked : defaultJobCount();
    return static_cast<unsigned>(std::min<std::size_t>(jobs, std::max<std::size_t>(files, 1)));
}

int runSearch(const SearchFlags& flags) {
    const fs::path home = writableProgramFolder(flags.home);
    const SearchDialogValues search = normalisedSearch(dialogValues(flags));
    const fs::path folder = searchFolder(flags, home);
    lockProgramFolder(home, flags.noWait ? LockWait::Never : LockWait::UntilFree);
    std::vector<std::string> notes;
    const FileList list = searchFileList(folder, flags.rebuild, notes);
    for (const std::string& note : notes) std::fprintf(stderr, "kavro: %s\n", note.c_str());
    if (list.paths.empty()) fail(folder, kNoTextFiles);

    ViewOptions options = settingsOptions(home);
    Lexicon lexicon;
    CliHost host;
    auto loader = std::make_unique<Engine>(lexicon, options, host, home);
    loadLexicon(lexicon, *loader, dataFolder(flags.data));
    applyMenuRules(options);

    SearchWorkers workers(lexicon, options, jobCount(flags.jobs, list.paths.size()));
    if (!workers.ok()) fail("search", workers.problem());
    SearchResultsText results(search);
    SearchSummary summary;
    summary.savedTotal = list.savedTotal.value_or(0);
    runOrderedParallel<WorkerFileSearch>(
        list.paths.size(), workers.count(),
        [&](unsigned worker, std::size_t i) { return workers.search(worker, search, list.paths[i]); },
        [&](std::size_t i, WorkerFileSearch&& done) {
            passOnMessages(host, done.messages);
            printHits(shownPath(list.paths[i], list, flags.folder), done.file);
            results.addFile(list.paths[i], done.file);
            if (done.file.searched) ++summary.filesSearched;
            return true;
        },
        longestFilesFirst(list.paths));
    results.finish();
    summary.hits = results.hitCount();

    if (const std::string discrepancy = searchDiscrepancyMessage(summary); !discrepancy.empty())
        std::fprintf(stderr, "kavro: %s\n", windows1252ToUtf8(discrepancy).c_str());
    std::printf("--%d search-hit(s) in %zu file(s) searched.\n", summary.hits, summary.filesSearched);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) failWritingStdout();
    if (flags.fails) storeWorkFile(loader->file("fails.txt"), results.text(), "cannot be written");
    return summary.hits > 0 ? kHitsFound : kNoHits;
}

void runSearchCommand(const SearchFlags& flags) {
    runForExitStatus([&flags] { return runSearch(flags); }, kHitsFound, kSearchFailed);
}

}  // namespace

void addSearchCommand(CLI::App& app) {
    auto flags = std::make_shared<SearchFlags>();
    CLI::App* cmd = app.add_subcommand(
        "search", "Search the text files of a folder tree for a text, or for the forms of a word");
    cmd->footer(
        "The files searched are those listed in DIR/DIRKavro.TXT: every file whose name ends in .txt "
        "(any letter case), down to 10 levels of sub-folders, less fails.txt, dirkavro.txt, "
        "parser.txt and user.txt. The list is made when missing (or with --rebuild); a folder that "
        "cannot be written to is searched with the list kept in memory. A list made for another "
        "folder is refused. DIR must not be the program folder or lie inside it (see --home).\n"
        "--text finds the prepared lines (one sentence each) that contain ITEM (letter case aside, "
        "j as i and v as u), and --and Y, but not --exclude X. --word runs every sentence through "
        "word analysis and finds the words whose analysed form begins with STEM (and not with "
        "--exclude X, which must begin with STEM), with the part of speech --pos (Noun, Pronoun, "
        "Adjective, Numeral, Adverb, Verb, VPAR, Supine, Preposition, Conjunction, Tack-on, SADJ, "
        "UNKnown) and the case or tense --case-tense (Nom/Pres, Voc/Imperf, Gen/Fut, Perf, "
        "Dat/Pluperf, Abl/FutPerf, Acc).\n"
        "Each hit is printed as FILE:LINE: text (UTF-8), a word hit as FILE:LINE: form: sentence, "
        "in the order of the list whatever --jobs is; a last line gives the count. --fails also "
        "writes the results to fails.txt in the program folder.\n"
        "Exit status: 0 some hit, 1 no hit, 2 the search could not be made; a command line that "
        "cannot be parsed gives 100 or more.");
    cmd->add_option("DIR", flags->folder, "Folder of Latin text files")->required();
    auto* text = cmd->add_option("--text", flags->text, "Text to find in the prepared lines");
    auto* word = cmd->add_option("--word", flags->word, "Stem of the word forms to find");
    text->excludes(word);
    word->excludes(text);
    cmd->add_option("--exclude", flags->exclude, "Leave out lines (or forms) containing (beginning with) X");
    cmd->add_option("--and", flags->andItem, "Text search: the line must also contain Y")->needs(text);
    cmd->add_option("--pos", flags->pos, "Word search: part of speech")->needs(word);
    cmd->add_option("--case-tense", flags->caseTense, "Word search: case or tense")->needs(word);
    cmd->add_flag("--rebuild", flags->rebuild, "Make DIR/DIRKavro.TXT anew before searching");
    cmd->add_option("--jobs", flags->jobs, "Files searched at once (default: the number of cores)")
        ->check(CLI::Range(1u, 256u));
    cmd->add_flag("--fails", flags->fails, "Also write the results to fails.txt in the program folder");
    addHomeOption(*cmd, flags->home);
    addDataOption(*cmd, flags->data);
    addNoWaitOption(*cmd, flags->noWait);
    cmd->callback([flags, text, word] {
        if (text->count() == 0 && word->count() == 0) throw CLI::RequiredError("--text or --word");
        flags->wordSearch = word->count() > 0;
        runSearchCommand(*flags);
    });
}

}  // namespace kavro::cli
