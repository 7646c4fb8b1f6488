// Start-up loading of the whole compiled lexicon (every table checked against manifest.txt).
// The budget is 50 ms on the development machine. Run from a build whose data target is built.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/engine.h"
#include "job/data_loader.h"

namespace {

std::filesystem::path dataFolder() {
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DATA_DIR;
}

void BM_LoadWholeLexicon(benchmark::State& state) {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / "kavro-lexicon-load-bench";
    std::filesystem::create_directories(home);
    kavro::SilentHost host;
    std::size_t bytes = 0;
    for (auto _ : state) {
        kavro::Lexicon lexicon;
        kavro::ViewOptions options;
        auto engine = std::make_unique<kavro::Engine>(lexicon, options, host, home);
        if (!kavro::loadDataFiles(*engine, lexicon, dataFolder())) {
            state.SkipWithError("the compiled lexicon is missing or damaged");
            break;
        }
        bytes = lexicon.stems.size() * sizeof(kavro::StemRecord) +
                lexicon.meanings.size() * sizeof(kavro::MeaningRecord) +
                lexicon.phonetics.bytes.size();
        benchmark::DoNotOptimize(lexicon.stems.data());
    }
    state.counters["lexicon_MB"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_LoadWholeLexicon)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
