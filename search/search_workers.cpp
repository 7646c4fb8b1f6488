#include "search/search_workers.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "core/engine.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kWorkRootPattern = "kavro-search-XXXXXX";

// Keeps what the engine says; answers as a reader who goes on would (OK, No to questions), and
// reports Escape once the workers are stopped.
class KeepingHost : public Host {
public:
    explicit KeepingHost(const std::atomic<bool>& stopped) : stopped_(stopped) {}
    BoxAnswer message(std::string_view text, BoxKind kind) override {
        kept.push_back({std::string(text), kind, false});
        return kind == BoxKind::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    }
    void setStatus(std::string_view) override {}
    void setWaitCursor(bool) override {}
    void progress(int, int) override {}
    bool escapePressed() override { return stopped_; }
    void boxNotice(std::string_view) override {}
    void logWarning(std::string_view text) override { kept.push_back({std::string(text), BoxKind::Ok, true}); }

    std::vector<HostMessage> kept;

private:
    const std::atomic<bool>& stopped_;
};

// A new private folder under the system's temporary folder, or empty with `problem` set.
fs::path makeWorkRoot(std::string& problem) {
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / kWorkRootPattern).string();
    if (error) {
        problem = "no temporary folder: " + error.message();
        return {};
    }
    if (!::mkdtemp(pattern.data())) {
        problem = "cannot make a work folder in " + fs::path(pattern).parent_path().string() + ": " +
                  std::strerror(errno);
        return {};
    }
    return pattern;
}

}  // namespace

struct SearchWorkers::Worker {
    Worker(const Lexicon& lexicon, const ViewOptions& chosen, const std::atomic<bool>& stopped,
           fs::path folder)
        : options(chosen), host(stopped), engine(lexicon, options, host, std::move(folder)) {}
    ViewOptions options;
    KeepingHost host;
    Engine engine;
};

void passOnMessages(Host& host, const std::vector<HostMessage>& messages) {
    for (const HostMessage& m : messages) {
        if (m.logWarning) host.logWarning(m.text);
        else host.message(m.text, m.kind);
    }
}

SearchWorkers::SearchWorkers(const Lexicon& lexicon, const ViewOptions& options, unsigned count) {
    workRoot_ = makeWorkRoot(problem_);
    if (workRoot_.empty()) return;
    for (unsigned i = 0; i < count; ++i) {
        const fs::path folder = workRoot_ / std::to_string(i);
        std::error_code error;
        if (!fs::create_directory(folder, error)) {
            problem_ = "cannot make " + folder.string() + ": " + error.message();
            workers_.clear();
            return;
        }
        workers_.push_back(std::make_unique<Worker>(lexicon, options, stopped_, folder));
    }
}

SearchWorkers::~SearchWorkers() {
    workers_.clear();
    std::error_code error;
    if (!workRoot_.empty()) fs::remove_all(workRoot_, error);
}

WorkerFileSearch SearchWorkers::search(unsigned worker, const SearchDialogValues& search,
                                       const fs::path& file) {
    Worker& w = *workers_.at(worker);
    WorkerFileSearch result;
    result.file = searchFile(w.engine, search, file);
    result.messages = std::move(w.host.kept);
    w.host.kept.clear();
    return result;
}

}  // namespace kavro
