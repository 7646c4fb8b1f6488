// Word analysis in process: the sentences of a Latin text, tokenized once, analysed again and
// again (sentence mode, so without the word-mode trace; and word mode with the trace written to
// a log). Reports words per second. The text is the first of ../shared/corpus/text/ (or
// $KAVRO_BENCH_TEXT); the lexicon is $KAVRO_DATA or the build's data folder. Without either the
// benchmarks say so and skip.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/stages.h"
#include "job/data_loader.h"
#include "morph/word_analysis.h"
#include "text/tokenizer.h"

namespace fs = std::filesystem;
using namespace kavro;

namespace {

struct Sentence {
    std::vector<std::array<char, kTokenTextSize>> tokens;
    int words = 0;
};

fs::path benchText() {
    if (const char* env = std::getenv("KAVRO_BENCH_TEXT"); env && *env) return env;
    return fs::path(KAVRO_SOURCE_DIR).parent_path() / "shared/corpus/text/caesar_de_bello_gallico.txt";
}

fs::path dataFolder() {
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DATA_DIR;
}

// One engine with the lexicon loaded and the text's sentences as token tables.
struct Fixture {
    fs::path folder = fs::temp_directory_path() / "kavro-word-bench";
    Lexicon lexicon;
    ViewOptions options;
    SilentHost host;
    std::unique_ptr<Engine> engine;
    std::vector<Sentence> sentences;
    std::string problem;

    Fixture() {
        if (!fs::exists(benchText())) {
            problem = "no text " + benchText().string();
            return;
        }
        fs::create_directories(folder);
        options.hashOffByUser = true;
        engine = std::make_unique<Engine>(lexicon, options, host, folder);
        engine->log.open(folder / "loading.txt");
        if (!loadDataFiles(*engine, lexicon, dataFolder(), &problem)) return;
        engine->log.close();
        problem.clear();
        std::ifstream in(benchText());
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // A sentence a line: cut the text at every full stop.
        std::stringstream lines(text);
        for (std::string line; std::getline(lines, line, '.');) {
            line += '.';
            const int n = tokenizeSentence(*engine, line);
            if (n <= 1) continue;
            Sentence s;
            for (int t = 0; t < n; ++t) {
                std::array<char, kTokenTextSize> token{};
                std::memcpy(token.data(), engine->sentenceTokens[t], kTokenTextSize);
                if (!isPunctuationToken(token.data())) ++s.words;
                s.tokens.push_back(token);
            }
            sentences.push_back(std::move(s));
        }
        resetWordStatusCache(*engine);
    }

    int analyseAll() {
        int words = 0;
        for (const Sentence& s : sentences) {
            for (std::size_t t = 0; t < s.tokens.size(); ++t)
                std::memcpy(engine->sentenceTokens[t], s.tokens[t].data(), kTokenTextSize);
            engine->tokenCount = static_cast<int>(s.tokens.size());
            engine->analysisCount = 0;
            engine->groupNumber = 0;
            analyseSentenceWords(*engine);
            words += s.words;
        }
        return words;
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void run(benchmark::State& state, bool wordMode) {
    Fixture& f = fixture();
    if (!f.problem.empty()) {
        state.SkipWithError(f.problem.c_str());
        return;
    }
    f.options.sentenceMode = !wordMode;
    if (wordMode) f.engine->log.open(f.folder / "parser.txt");
    std::int64_t words = 0;
    for (auto _ : state) words += f.analyseAll();
    if (wordMode) f.engine->log.close();
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
}

void BM_WordAnalysisSentenceMode(benchmark::State& state) { run(state, false); }
void BM_WordAnalysisWordModeTrace(benchmark::State& state) { run(state, true); }

BENCHMARK(BM_WordAnalysisSentenceMode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordAnalysisWordModeTrace)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
