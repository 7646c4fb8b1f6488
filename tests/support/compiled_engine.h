// An Engine on the lexicon the build compiled (build/data, or $KAVRO_DATA), in a fresh program
// folder, for the tests that run whole jobs on real Latin. The including test target defines
// KAVRO_DATA_DIR.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/engine.h"
#include "job/data_loader.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro::testing {

inline std::filesystem::path compiledDataFolder() {
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DATA_DIR;
}

// Whether the lexicon has been compiled; the tests skip when it has not.
inline bool haveCompiledData() { return std::filesystem::exists(compiledDataFolder() / "manifest.txt"); }

// The folder, host, lexicon and options live as long as the engine that refers to them.
struct CompiledEngine {
    TempFolder folder;
    TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine;

    explicit CompiledEngine(const ViewOptions& chosen) : options(chosen) {
        options.hashOffByUser = true;
        engine = std::make_unique<Engine>(lexicon, options, host, folder.path());
        engine->log.open(folder.file("loading.txt"));
        std::string problem;
        EXPECT_TRUE(loadDataFiles(*engine, lexicon, compiledDataFolder(), &problem)) << problem;
        engine->log.close();
    }
};

}  // namespace kavro::testing
