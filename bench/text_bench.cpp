// Throughput of the Latin preparation and the tokenizer (prepareLatinFile, then readSentence
// over all of temp.lat) on the plain-text corpus, read at run time. The corpus folder is
// $KAVRO_CORPUS_TEXT, else ../shared/corpus/text beside the source tree; without it there is
// nothing to measure and the program says so.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/engine.h"
#include "core/stages.h"

namespace {

using namespace kavro;
namespace fs = std::filesystem;

fs::path corpusFolder() {
    if (const char* env = std::getenv("KAVRO_CORPUS_TEXT")) return env;
    return fs::path(KAVRO_SOURCE_DIR).parent_path() / "shared" / "corpus" / "text";
}

std::vector<fs::path> corpusFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry);
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct TextWorld {
    TextWorld() : folder(fs::temp_directory_path() / ("kavro-text-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
        engine = std::make_unique<Engine>(lexicon, options, host, folder);
    }
    ~TextWorld() {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    fs::path folder;
    Lexicon lexicon;
    ViewOptions options;
    SilentHost host;
    std::unique_ptr<Engine> engine;
};

// Prepares one file and tokenizes every sentence; returns the number of word tokens.
std::int64_t prepareAndTokenize(TextWorld& world, const fs::path& file) {
    Engine& engine = *world.engine;
    engine.latinText.clear();
    engine.latinTruncated = false;
    if (!prepareLatinFile(engine, file)) return 0;
    std::FILE* temp = std::fopen(engine.file("temp.lat").c_str(), "r");
    if (!temp) return 0;
    std::int64_t words = 0;
    std::string sentence;
    for (int count; (count = readSentence(engine, temp, sentence)) != -1;) {
        for (int k = 0; k < count; ++k) {
            if (std::strncmp(engine.sentenceTokens[k], "PUNCT", 5) != 0) ++words;
        }
    }
    std::fclose(temp);
    return words;
}

void prepareAndTokenizeFiles(benchmark::State& state, std::vector<fs::path> files) {
    TextWorld world;
    std::int64_t words = 0;
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        for (const fs::path& file : files) words += prepareAndTokenize(world, file);
    }
    for (const fs::path& file : files) bytes += fs::file_size(file);
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words),
                                                   benchmark::Counter::kIsRate);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path folder = corpusFolder();
    const std::vector<fs::path> files = corpusFiles(folder);
    if (files.empty()) {
        std::printf("text_bench: no corpus texts in %s; nothing to measure.\n", folder.c_str());
        return 0;
    }
    for (const fs::path& file : files) {
        benchmark::RegisterBenchmark(("PrepareAndTokenize/" + file.stem().string()).c_str(),
                                     prepareAndTokenizeFiles, std::vector<fs::path>{file})
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("PrepareAndTokenize/all", prepareAndTokenizeFiles, files)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
