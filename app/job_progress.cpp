#include "app/job_progress.h"

#include <algorithm>
#include <memory>

#include "core/engine.h"
#include "core/regular_file.h"

namespace kavro {
namespace {

constexpr std::string_view kSentenceEnds = ".?!;";
constexpr const char* kPreparedFile = "temp.lat";

struct Progress {
    int reached = 0;
    int total = 1;
};

}  // namespace

int countSentences(std::string_view preparedText) {
    const auto ends = std::count_if(preparedText.begin(), preparedText.end(),
                                    [](char c) { return kSentenceEnds.find(c) != std::string_view::npos; });
    return std::max(1, static_cast<int>(ends));
}

JobStages progressStages() {
    JobStages stages = engineStages();
    auto progress = std::make_shared<Progress>();
    stages.prepareLatinFile = [progress, prepare = stages.prepareLatinFile](Engine& engine,
                                                                            const std::filesystem::path& file) {
        if (!prepare(engine, file)) return false;
        const ReadFile prepared = readRegularFile(engine.file(kPreparedFile));
        *progress = Progress{0, prepared.ok ? countSentences(prepared.content) : 1};
        return true;
    };
    stages.readSentence = [progress, read = stages.readSentence](Engine& engine, std::FILE* file,
                                                                 std::string& sentence) {
        const int tokens = read(engine, file, sentence);
        if (tokens > 0) {
            progress->reached = std::min(progress->reached + 1, progress->total);
            engine.host.progress(progress->reached, progress->total);
        }
        return tokens;
    };
    return stages;
}

}  // namespace kavro
