// libFuzzer target over the dictionary look-up: the bytes after the first are the letters a user
// types into the look-up (any bytes: marks, digits, high Windows-1252 letters, NULs, very long
// runs), listed against the compiled lexicon, loaded once from $KAVRO_DATA or else the build's
// data folder. The first byte picks the listing style. The listing must end its text, keep the
// stem level the look-up sets, and leave the lexicon's tables as it found them.
//
// Build and run as sentence_fuzz.cpp says, with the target dict_fuzz and the seeds of
// fuzz/corpus/dict; fuzz/replay_main.cpp replays the seeds in every build.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

#include "core/engine.h"
#include "core/lexicon.h"
#include "core/log_writer.h"
#include "job/data_loader.h"
#include "morph/dictionary_listing.h"

namespace {

using namespace kavro;

std::filesystem::path fuzzDataFolder() {
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DATA_DIR;
}

struct FuzzWorld {
    FuzzWorld()
        : folder(std::filesystem::temp_directory_path() /
                 ("kavro-dict-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
        engine = std::make_unique<Engine>(lexicon, options, host, folder);
        std::string problem;
        const bool opened = openOutputLog(*engine);
        if (!opened || !loadDataFiles(*engine, lexicon, fuzzDataFolder(), &problem, UserFiles::Skip)) {
            std::fprintf(stderr, "dict_fuzz: no lexicon in %s: %s\n", fuzzDataFolder().c_str(),
                         problem.c_str());
            std::abort();
        }
        engine->log.close();
        stems = lexicon.stems.size();
    }
    ~FuzzWorld() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::filesystem::path folder;
    Lexicon lexicon;
    ViewOptions options;
    SilentHost host;
    std::unique_ptr<Engine> engine;
    std::size_t stems = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWorld world;
    if (size == 0) return 0;
    const ListingStyle style = data[0] & 1 ? ListingStyle::WithCitationForms : ListingStyle::Dialog;
    const std::string_view letters(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string listing = listDictionaryStems(*world.engine, letters, style);
    if (world.lexicon.stems.size() != world.stems) __builtin_trap();
    if (world.engine->stemLevelLimit != 99) __builtin_trap();
    (void)listing;
    return 0;
}
