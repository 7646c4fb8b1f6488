// kavro translate FILE|- : the translation job on a file, with parser.txt printed as UTF-8.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/menu_rules.h"
#include "app/option_names.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/program_folder_lock.h"
#include "core/elapsed_time.h"
#include "core/engine.h"
#include "core/regular_file.h"
#include "core/stages.h"
#include "job/translation_job.h"
#include "text/input_encoding.h"
#include "text/latin_input.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLogFile = "parser.txt";

struct TranslateFlags {
    std::vector<std::string> inputs;
    unsigned jobs = 1;
    std::string home = ".";
    std::string data;
    bool sentence = false;
    bool words = false;
    bool details = false;
    bool joint = false;
    std::string area;
    std::string age;
    bool inscriptions = false;
    bool plautus = false;
    bool noMedievalTricks = false;
    bool phonetics = false;
    bool abbreviations = false;
    bool yes = false;
    bool english = false;
    bool lines = false;
    bool noWait = false;
};

// --phonetics: the sound-alike search of medieval spellings, which (as in the menu) works only
// with the medieval tricks on; UserSettings.txt may have turned those off.
void applyPhonetics(ViewOptions& options, bool asked) {
    if (!asked) return;
    if (options.medievalTricks) {
        options.medievalPhonetics = true;
        return;
    }
    std::fprintf(stderr, "kavro: --phonetics needs the medieval tricks, which UserSettings.txt "
                         "turns off; no phonetics\n");
}

// The options: the program folder's UserSettings.txt if there is one, then the flags.
ViewOptions optionsFor(const TranslateFlags& flags, const fs::path& home) {
    ViewOptions options = settingsOptions(home);
    // Word analysis is the default, as in the window; the sentence options imply sentence mode.
    options.sentenceMode = !flags.words && (flags.sentence || flags.details || flags.joint || flags.english);
    options.details = options.details || flags.details;
    options.jointOutput = options.jointOutput || flags.joint;
    options.inscriptions = options.inscriptions || flags.inscriptions;
    options.plautusElisions = options.plautusElisions || flags.plautus;
    options.abbreviations = options.abbreviations || flags.abbreviations;
    if (flags.noMedievalTricks) {
        options.medievalTricks = false;
        options.medievalPhonetics = false;
    }
    applyPhonetics(options, flags.phonetics);
    chooseAreaNamed(options, flags.area);
    chooseAgeNamed(options, flags.age);
    return options;
}

// parser.txt as the job left it; the job's log tells whether it wrote anything but ASCII.
void printLog(const fs::path& log, const OutputLog& written) {
    std::string problem;
    if (!printEngineFile(log, problem, written.mayHoldHighBytes()))
        fail(log, "cannot be read back: " + problem);
}

// The English of a sentence without the spacing and line ends of the log.
std::string trimmedLine(std::string_view line) {
    std::size_t begin = 0, end = line.size();
    while (begin < end && (line[begin] == ' ' || line[begin] == '\n')) ++begin;
    while (end > begin && (line[end - 1] == ' ' || line[end - 1] == '\n' || line[end - 1] == '\r')) --end;
    return std::string(line.substr(begin, end - begin));
}

// The stages of an English-only run: every sentence's English is handed to `sink` as it is made.
template <class Sink>
JobStages englishStages(Sink sink) {
    JobStages stages = engineStages();
    stages.translateSentence = [sink](Engine& e) {
        translateSentence(e);
        if (!e.areaChanged) sink(trimmedLine(e.sentence.finalLine));
    };
    return stages;
}

void checkEnglishJob(const JobResult& result, const fs::path& input, const fs::path& home) {
    checkJobResult(result, input, home, "translation");
    if (result.status == JobStatus::Aborted) fail(input, "translation ended early");
}

// --english: one line of English per sentence, printed as the sentences are translated.
void printEnglishOfText(Engine& engine, fs::path latinFile, const fs::path& home) {
    const fs::path input = latinFile;
    const JobStages stages = englishStages([](const std::string& english) { printEngineText(english + "\n"); });
    checkEnglishJob(runTranslationJob(engine, latinFile, clockMillis(), stages), input, home);
}

// The text whose lines --lines splits: UTF-16 is made UTF-8 first, since its line ends are two
// bytes and each line is stored as a file of its own.
std::string linesText(const std::string& input, const fs::path& home) {
    if (input != "-") refuseWorkFile(input, home, true);
    std::string content = readLatinInput(input);
    const Utf16Order order = utf16ByteOrder(content);
    return order == Utf16Order::None ? content : utf16ToUtf8(content, order);
}

// --english --lines: every input line is a text of its own and gives exactly one line.
void printEnglishOfLines(Engine& engine, const std::string& content, const fs::path& home) {
    std::string english;
    const JobStages stages = englishStages([&english](const std::string& sentence) {
        if (sentence.empty()) return;
        if (!english.empty()) english += ' ';
        english += sentence;
    });
    const fs::path storage = home / kStdinStorageFile;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        const std::string_view line = std::string_view(content).substr(start, end - start);
        start = end + 1;
        english.clear();
        if (line.find_first_not_of(" \t\r") != std::string_view::npos) {
            storeWorkFile(storage, std::string(line) + "\n", "cannot store the line here");
            fs::path latinFile = storage;
            checkEnglishJob(runTranslationJob(engine, latinFile, clockMillis(), stages), storage, home);
        }
        printEngineText(english + "\n");
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// --english on one file of a batch: the English lines go to english.txt in its folder.
fs::path writeEnglishOfText(Engine& engine, fs::path latinFile, const fs::path& folder) {
    const fs::path output = folder / "english.txt";
    OpenedFile opened = openRegularFile(output, FileAccess::Write);
    if (!opened.file) fail(output, "cannot be written: " + opened.problem);
    std::unique_ptr<std::FILE, FileCloser> file(opened.file);
    const JobStages stages = englishStages([out = file.get()](const std::string& english) {
        std::fwrite(english.data(), 1, english.size(), out);
        std::fputc('\n', out);
    });
    const fs::path input = latinFile;
    checkEnglishJob(runTranslationJob(engine, latinFile, clockMillis(), stages), input, folder);
    std::string problem;
    if (!closeChecked(file.release(), problem)) fail(output, "cannot write: " + problem);
    return output;
}

// One file of a batch: its own copy of the options, its own host and engine on the shared
// lexicon, and its work files in `folder`.
BatchOutput translateBatchFile(const Lexicon& lexicon, const ViewOptions& shared,
                               const TranslateFlags& flags, const std::string& name,
                               const fs::path& folder) {
    ViewOptions options = shared;
    CliHost host(flags.yes);
    const auto engine = std::make_unique<Engine>(lexicon, options, host, folder);
    fs::path latinFile = latinFileFor(name, folder);
    if (flags.english) return {writeEnglishOfText(*engine, latinFile, folder), true};
    const fs::path input = latinFile;
    const JobResult result = runTranslationJob(*engine, latinFile, clockMillis());
    checkJobResult(result, input, folder, "translation");
    if (result.status == JobStatus::Aborted) fail(input, "translation ended early");
    // A trace in plain ASCII is UTF-8 as it stands.
    return {folder / kLogFile, engine->log.mayHoldHighBytes()};
}

void runTranslate(const TranslateFlags& flags) {
    const std::int64_t startMillis = clockMillis();
    const fs::path home = writableProgramFolder(flags.home);
    if (flags.lines && !flags.english) fail("--lines", "goes with --english");
    const bool batch = flags.inputs.size() > 1;
    if (flags.lines && batch) fail("--lines", "takes one file");
    lockProgramFolder(home, flags.noWait ? LockWait::Never : LockWait::UntilFree);
    const std::string& firstInput = flags.inputs.front();
    const std::string linesContent = flags.lines ? linesText(firstInput, home) : std::string();
    fs::path latinFile = flags.lines || batch ? fs::path() : latinFileFor(firstInput, home);
    const fs::path input = latinFile;
    ViewOptions options = optionsFor(flags, home);
    if (flags.english) {
        options.showUserPhrases = false;   // plain English: no marks around the standard phrases
        options.jointOutput = false;
        options.details = false;
    }

    Lexicon lexicon;
    CliHost host(flags.yes);
    auto engine = std::make_unique<Engine>(lexicon, options, host, home);
    loadLexicon(lexicon, *engine, dataFolder(flags.data));
    const std::int16_t areaAsked = options.area;
    applyMenuRules(options);
    if (areaAsked == kAreaBotany && options.area != kAreaBotany)
        std::fprintf(stderr, "kavro: the botany area needs the botany meanings; the general area is used\n");

    if (batch) {
        runBatchCommand(flags.inputs, home, flags.jobs, [&](const std::string& name, const fs::path& folder) {
            return translateBatchFile(lexicon, options, flags, name, folder);
        });
        return;
    }
    if (flags.english) {
        if (flags.lines) printEnglishOfLines(*engine, linesContent, home);
        else printEnglishOfText(*engine, latinFile, home);
        return;
    }
    const JobResult result = runTranslationJob(*engine, latinFile, startMillis);
    checkJobResult(result, input, home, "translation");
    printLog(home / kLogFile, engine->log);
    if (result.status == JobStatus::Aborted) fail(input, "translation ended early");
}

}  // namespace

void addTranslateCommand(CLI::App& app) {
    auto flags = std::make_shared<TranslateFlags>();
    CLI::App* cmd = app.add_subcommand(
        "translate", "Translate a Latin text file (or - for stdin) and print parser.txt as UTF-8");
    cmd->footer(
        "parser.txt, left in the program folder, holds the whole trace of the run: the analyses "
        "of every word, the English of every sentence, the word count and the time taken. The "
        "options start from UserSettings.txt in the program folder, if there is one; the flags "
        "override it. One run at a time uses a program folder (it locks kavro.lock there): a "
        "second run waits for the first, or with --no-wait fails. Input larger than 1 GiB is "
        "refused. Exit status 0 on success; otherwise 1 with a one-line error naming the file "
        "and the problem. Several files run as a batch (--jobs at once), each in its own "
        "scratch folder of the program folder; their outputs are printed whole, in the order "
        "named, and a file that fails is named on stderr while the others still run.");
    addJobFilesOptions(*cmd, {flags->inputs, flags->home, flags->data, flags->noWait},
                       "(stored as latin.lat in the program folder)");
    addJobsOption(*cmd, flags->jobs);
    auto* sentence = cmd->add_flag("--sentence", flags->sentence,
                                   "Translate whole sentences into English after the word analysis");
    auto* words = cmd->add_flag(
        "--words", flags->words,
        "Word analysis only: every reading of every word, no English sentences (the default)");
    sentence->excludes(words);
    cmd->add_flag("--details", flags->details,
                  "Detailed trace of each sentence, and the analysis table at the end "
                  "(implies --sentence)")
        ->excludes(words);
    cmd->add_flag("--joint", flags->joint,
                  "Write each Latin sentence before its translation (implies --sentence)")
        ->excludes(words);
    cmd->add_option("--area", flags->area,
                    "Preferred subject area: general, auto (auto-adjusting), or B biological/medical/"
                    "cookery, E ecclesiastical, G grammatical/poetic meter, L legal, W military, "
                    "S scientific/technical, D theatre/music/poetry, M medieval meanings, "
                    "Z NeoLatin meanings, H botany")
        ->check(areaNameProblem);
    cmd->add_option("--age", flags->age,
                    "Preferred age of Latin: classical (to 500 AD), medieval (to 1500 AD, the "
                    "default), all (including modern)")
        ->check(CLI::IsMember({"classical", "medieval", "all"}));
    cmd->add_flag("--inscriptions", flags->inscriptions, "Process inscriptions");
    cmd->add_flag("--plautus", flags->plautus,
                  "Allow elided forms of the type 'wordst' -> 'word' + 'est'");
    auto* noTricks = cmd->add_flag("--no-medieval-tricks", flags->noMedievalTricks,
                                   "No medieval spelling variants during look-up (and no medieval "
                                   "phonetics)");
    cmd->add_flag("--phonetics", flags->phonetics,
                  "Medieval phonetics: a word still unknown after the medieval spelling variants "
                  "is compared by sound with the dictionary's stems (needs the medieval tricks)")
        ->excludes(noTricks);
    cmd->add_flag("--abbreviations", flags->abbreviations,
                  "Expand abbreviations such as \"coss.\"");
    cmd->add_flag("--yes", flags->yes, "Answer Yes to the program's Yes/No questions (default No)");
    cmd->add_flag("--english", flags->english,
                  "Print only the English, one line per sentence, instead of parser.txt (implies "
                  "--sentence; standard phrases are not marked)")
        ->excludes(words);
    cmd->add_flag("--lines", flags->lines,
                  "With --english: translate each input line as a text of its own and print exactly "
                  "one line for it (an empty line for an empty one), so that the output stays "
                  "aligned with the input");
    cmd->callback([flags] { runTranslate(*flags); });
}

}  // namespace kavro::cli
