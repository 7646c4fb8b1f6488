// libFuzzer target over the Latin preparation and the tokenizer: any bytes as a Latin file
// (either encoding) go through prepareLatinFile, then every sentence of temp.lat through
// readSentence; the same bytes also go straight to the tokenizer. The first byte picks the
// options.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

#include "core/engine.h"
#include "core/stages.h"
#include "text/tokenizer.h"

namespace {

using namespace kavro;

struct FuzzWorld {
    FuzzWorld()
        : folder(std::filesystem::temp_directory_path() /
                 ("kavro-text-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
        AbbreviationRecord record{};
        std::snprintf(record.abbreviation, sizeof record.abbreviation, "c.");
        std::snprintf(record.expansion, sizeof record.expansion, "circa circa circa circa");
        record.length = 2;
        lexicon.abbreviations.push_back(record);
        engine = std::make_unique<Engine>(lexicon, options, host, folder);
    }

    void setOptions(std::uint8_t bits) {
        options.inscriptions = bits & 1;
        options.plautusElisions = bits & 2;
        options.botanyActive = bits & 4;
        options.abbreviations = bits & 8;
        options.sentenceMode = bits & 16;
        options.autoArea = bits & 32;
        options.age = (bits & 64) ? kAgeAll : kAgeMedieval;
        engine->warningBoxCount = 0;
        engine->latinText.clear();
        engine->latinTruncated = false;
    }

    std::filesystem::path folder;
    Lexicon lexicon;
    ViewOptions options;
    SilentHost host;
    std::unique_ptr<Engine> engine;
};

void checkTable(const Engine& engine, int count) {
    if (count < -2 || count > static_cast<int>(kTokenCapacity)) __builtin_trap();
    for (const auto& token : engine.sentenceTokens) {
        if (token[kTokenTextSize - 1] != '\0') __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWorld world;
    if (size == 0) return 0;
    world.setOptions(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    checkTable(*world.engine, tokenizeSentence(*world.engine, text));

    const std::filesystem::path input = world.folder / "latin.lat";
    if (std::FILE* file = std::fopen(input.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    if (!prepareLatinFile(*world.engine, input)) return 0;
    std::FILE* temp = std::fopen((world.folder / "temp.lat").c_str(), "r");
    if (!temp) return 0;
    std::string sentence;
    for (int count; (count = readSentence(*world.engine, temp, sentence)) != -1;) {
        checkTable(*world.engine, count);
        if (count == -2) break;
    }
    std::fclose(temp);
    return 0;
}
