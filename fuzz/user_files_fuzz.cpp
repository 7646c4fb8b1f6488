// libFuzzer target over the files a user edits in the program folder: the input is cut into four
// parts (the first three bytes say where) that become Userfile.txt, UserAbbreviations.txt,
// userphrases.txt and UserSettings.txt, and each is loaded as at start-up: the settings into the
// options, the user dictionary, the abbreviations (then expanded in a line that uses every one of
// them) and the standard phrases with their letter index. The loaders must hold every record
// inside its fields and every table inside its limits, whatever the files hold.
//
// Build and run as sentence_fuzz.cpp says, with the target user_files_fuzz and the seeds of
// fuzz/corpus/user_files; fuzz/replay_main.cpp replays the seeds in every build.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

#include "app/settings_file.h"
#include "core/engine.h"
#include "core/lexicon.h"
#include "core/log_writer.h"
#include "core/startup_stages.h"
#include "text/abbreviations.h"
#include "user/user_dictionary.h"

namespace {

using namespace kavro;

constexpr std::size_t kCutBytes = 3;
constexpr std::array<std::string_view, 4> kUserFiles = {kUserFileName, "UserAbbreviations.txt",
                                                        "userphrases.txt", kSettingsFileName};
// The prepared-line buffer of the preparation, which the expansion rewrites in place.
constexpr std::size_t kLineBuffer = kExpandedLineLimit + 100;

struct FuzzWorld {
    FuzzWorld()
        : folder(std::filesystem::temp_directory_path() /
                 ("kavro-user-files-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
    }
    ~FuzzWorld() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    void write(std::string_view name, std::string_view text) const {
        if (std::FILE* file = std::fopen((folder / name).c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), file);
            std::fclose(file);
        }
    }
    std::filesystem::path folder;
};

// The four parts of the body, cut where the leading bytes say.
std::array<std::string_view, 4> partsOf(const std::uint8_t* data, std::string_view body) {
    std::array<std::size_t, 3> cuts{};
    for (std::size_t i = 0; i < cuts.size(); ++i) cuts[i] = body.size() * data[i] / 255;
    std::sort(cuts.begin(), cuts.end());
    return {body.substr(0, cuts[0]), body.substr(cuts[0], cuts[1] - cuts[0]),
            body.substr(cuts[1], cuts[2] - cuts[1]), body.substr(cuts[2])};
}

// A line holding every loaded abbreviation, expanded in a buffer of the preparation's size.
void expandAll(const Lexicon& lexicon) {
    std::string line;
    for (const AbbreviationRecord& a : lexicon.abbreviations) {
        if (a.abbreviation[sizeof a.abbreviation - 1] != '\0') __builtin_trap();
        line += a.abbreviation;
        line += " x. ";
        if (line.size() > kLineBuffer / 2) break;
    }
    std::array<char, kLineBuffer> buffer{};
    std::memcpy(buffer.data(), line.data(), std::min(line.size(), buffer.size() - 1));
    expandAbbreviations(lexicon.abbreviations, buffer.data(), buffer.size());
    if (buffer.back() != '\0' || std::strlen(buffer.data()) >= kExpandedLineLimit + 1) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWorld world;
    if (size < kCutBytes) return 0;
    const std::string_view body(reinterpret_cast<const char*>(data) + kCutBytes, size - kCutBytes);
    const auto parts = partsOf(data, body);
    for (std::size_t i = 0; i < kUserFiles.size(); ++i) world.write(kUserFiles[i], parts[i]);

    Lexicon lexicon;
    ViewOptions options;
    SilentHost host;
    loadSettings(options, world.folder);
    Engine engine(lexicon, options, host, world.folder);
    if (!openOutputLog(engine)) return 0;
    loadUserDictionary(engine, lexicon);
    for (const StemRecord& stem : lexicon.userStems)
        if (stem.stem[sizeof stem.stem - 1] != '\0') __builtin_trap();
    loadUserAbbreviations(engine, lexicon.abbreviations);
    expandAll(lexicon);
    loadStandardPhrases(engine, lexicon);
    engine.log.close();
    return 0;
}
