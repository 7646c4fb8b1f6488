// kavro analyse FILE|- : word analysis of a Latin text as JSON Lines, one object per token, for
// scripts and for measurement. The fields are described in README.md.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/menu_rules.h"
#include "cli/cli_host.h"
#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/program_folder_lock.h"
#include "core/elapsed_time.h"
#include "core/engine.h"
#include "core/regular_file.h"
#include "core/stages.h"
#include "formats/conllu_output.h"
#include "formats/json_lines.h"
#include "formats/sentence_readings.h"
#include "job/translation_job.h"
#include "text/latin_input.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

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

// CoNLL-U: the chosen reading of every word, one block per sentence (numbered from 1).
void printConllu(std::FILE* out, Engine& engine, int sentence) {
    const std::string block = conlluBlock(engine, chooseAndListReadings(engine), sentence);
    std::fwrite(block.data(), 1, block.size(), out);
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
        else if (chosen) printChosenReadingLines(out, e, chooseAndListReadings(e), sentence++);
        else printWordAnalysisLines(out, e, sentence++);
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
    const JobResult result = analyseFile(*engine, flags, latinFile, clockMillis(), file.get());
    checkJobResult(result, input, folder, "analysis");
    if (result.status == JobStatus::Aborted) fail(input, "analysis ended early");
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
        runBatchCommand(flags.inputs, home, flags.jobs, [&](const std::string& name, const fs::path& folder) {
            return analyseBatchFile(lexicon, options, flags, name, folder);
        });
        return;
    }
    const JobResult result = analyseFile(*engine, flags, latinFile, startMillis, stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) failWritingStdout();
    checkJobResult(result, input, home, "analysis");
    if (result.status == JobStatus::Aborted) fail(input, "analysis ended early");
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
