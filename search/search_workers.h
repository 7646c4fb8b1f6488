// Engines that search files side by side, one per thread. Each has its own options, its own work
// folder for temp.lat and a host that keeps the engine's messages, so that the caller can pass
// them on in the order of the files; all share the one read-only Lexicon.
#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/view_options.h"
#include "search/file_search.h"

namespace kavro {

struct Engine;
struct Lexicon;

// A message an engine gave while searching one file.
struct HostMessage {
    std::string text;
    BoxKind kind = BoxKind::Ok;
    bool logWarning = false;   // a warning the window leaves to the log
};

struct WorkerFileSearch {
    FileSearch file;
    std::vector<HostMessage> messages;
};

// Shows the messages on `host` in their order.
void passOnMessages(Host& host, const std::vector<HostMessage>& messages);

class SearchWorkers {
public:
    // `count` engines with copies of `options`; their work folders go under a new folder of the
    // system's temporary folder, removed with the workers. ok() tells whether that worked.
    SearchWorkers(const Lexicon& lexicon, const ViewOptions& options, unsigned count);
    ~SearchWorkers();
    SearchWorkers(const SearchWorkers&) = delete;
    SearchWorkers& operator=(const SearchWorkers&) = delete;

    bool ok() const { return !workers_.empty(); }
    const std::string& problem() const { return problem_; }
    unsigned count() const { return static_cast<unsigned>(workers_.size()); }

    // Searches `file` with worker `worker`'s engine; only that worker's thread may call it.
    WorkerFileSearch search(unsigned worker, const SearchDialogValues& search,
                            const std::filesystem::path& file);
    // Escape for every worker: each ends its file at its next poll.
    void stop() { stopped_ = true; }

private:
    struct Worker;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::filesystem::path workRoot_;
    std::atomic<bool> stopped_ = false;
    std::string problem_;
};

}  // namespace kavro
