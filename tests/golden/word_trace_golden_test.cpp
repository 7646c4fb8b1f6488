// The word-mode trace of the whole pipeline (preparation, tokenizer, word analysis) on a little
// prose and a little verse, against a reviewed expected file. Skipped when the lexicon of the
// build has not been compiled. KAVRO_UPDATE_GOLDEN=1 rewrites the expected file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/elapsed_time.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/stages.h"
#include "job/data_loader.h"
#include "job/translation_job.h"
#include "morph/word_analysis.h"
#include "tests/support/compiled_engine.h"

namespace kavro::testing {
namespace {

namespace fs = std::filesystem;

// Caesar, Gallic War 1.1, and the opening lines of the Aeneid.
constexpr std::string_view kProseAndVerse =
    "Gallia est omnis divisa in partes tres, quarum unam incolunt Belgae.\n"
    "Horum omnium fortissimi sunt Belgae.\n"
    "Arma virumque cano, Troiae qui primus ab oris\n"
    "Italiam fato profugus Laviniaque venit litora.\n";

fs::path expectedFile() { return fs::path(KAVRO_SOURCE_DIR) / "tests/golden/word_trace.expected"; }

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The trace without the header (up to the date line and the blank line after it) and without
// the time taken.
std::string traceOf(const std::string& log) {
    std::size_t from = log.find("Date/time");
    from = from == std::string::npos ? 0 : log.find("\n\n", from);
    from = from == std::string::npos ? 0 : from + 2;
    std::string body = log.substr(from);
    const std::size_t time = body.find("\nTime taken");
    if (time != std::string::npos) body.resize(time + 1);
    return body;
}

struct WordRunResult {
    std::string trace;
    int words = 0;
    int wordsWithoutReading = 0;
};

WordRunResult runWords(std::string_view latin) {
    ViewOptions options;
    options.sentenceMode = false;
    CompiledEngine job(options);
    TempFolder& folder = job.folder;

    WordRunResult run;
    JobStages stages = engineStages();
    stages.analyseSentenceWords = [&run](Engine& e) {
        analyseSentenceWords(e);
        for (int t = 0; t < e.tokenCount; ++t) {
            if (isPunctuationToken(fieldText(e.sentenceTokens[t]))) continue;
            ++run.words;
            bool reading = false;
            for (int i = 0; i < e.analysisCount; ++i) reading = reading || e.wordAnalyses[i].wordPosition == t;
            if (!reading) ++run.wordsWithoutReading;
        }
    };
    folder.write("input.txt", latin);
    fs::path input = folder.file("input.txt");
    runTranslationJob(*job.engine, input, clockMillis(), stages);
    run.trace = traceOf(folder.read("parser.txt"));
    return run;
}

TEST(WordTraceGolden, ProseAndVerseMatchTheReviewedTrace) {
    if (!haveCompiledData()) GTEST_SKIP() << "no compiled lexicon in " << compiledDataFolder();
    const WordRunResult run = runWords(kProseAndVerse);
    EXPECT_GE(run.words, 30) << "thirty words, and the tackons they carry";
    EXPECT_EQ(run.wordsWithoutReading, 0) << "every word is analysed or NOT FOUND";
    if (const char* update = std::getenv("KAVRO_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(expectedFile(), std::ios::binary) << run.trace;
        GTEST_SKIP() << "rewrote " << expectedFile();
    }
    const std::string expected = readFile(expectedFile());
    ASSERT_FALSE(expected.empty()) << "missing " << expectedFile();
    EXPECT_EQ(run.trace, expected);
}

}  // namespace
}  // namespace kavro::testing
