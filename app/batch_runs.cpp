#include "app/batch_runs.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <system_error>
#include <thread>

#include "core/command_error.h"
#include "core/ordered_parallel.h"
#include "formats/trace_output.h"
#include "text/latin_input.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

// The scratch folders of one batch, under the program folder, removed with everything in them
// when the batch ends however it ends.
class ScratchFolders {
public:
    explicit ScratchFolders(const fs::path& home)
        : root_(home / ("kavro-batch-" + std::to_string(::getpid()))) {
        std::error_code ec;
        fs::remove_all(root_, ec);
        if (!fs::create_directory(root_, ec)) fail(root_, "cannot make the batch's scratch folder: " + ec.message());
    }
    ScratchFolders(const ScratchFolders&) = delete;
    ScratchFolders& operator=(const ScratchFolders&) = delete;
    ~ScratchFolders() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    // The empty folder of job `index`.
    fs::path make(std::size_t index) const {
        const fs::path folder = folderOf(index);
        std::error_code ec;
        if (!fs::create_directory(folder, ec)) fail(folder, "cannot make a scratch folder: " + ec.message());
        return folder;
    }

    // Removes the folder of job `index` once its output is printed, while later jobs still run.
    void remove(std::size_t index) const {
        std::error_code ec;
        fs::remove_all(folderOf(index), ec);
    }

private:
    fs::path folderOf(std::size_t index) const { return root_ / ("file-" + std::to_string(index + 1)); }

    fs::path root_;
};

void checkInputs(const std::vector<std::string>& inputs, const fs::path& home) {
    if (std::count(inputs.begin(), inputs.end(), "-") > 1) fail("-", "standard input can be read only once");
    for (const std::string& input : inputs)
        if (input != "-") refuseWorkFile(input, home, false);
}

// A job's result: its output, or nothing when it failed (its error already printed).
struct JobOutcome {
    bool ok = false;
    BatchOutput output;
};

JobOutcome runOneJob(const BatchJob& job, const std::string& input, const fs::path& folder) {
    try {
        return {true, job(input, folder)};
    } catch (const CommandError& e) {
        std::fprintf(stderr, "kavro: error: %s\n", e.what());
        return {};
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kavro: error: %s: %s\n", input.c_str(), e.what());
        return {};
    }
}

// The files by size, largest first (standard input and anything unmeasurable last), so that
// the threads finish close together.
std::vector<std::size_t> largestFirst(const std::vector<std::string>& inputs) {
    std::vector<std::uintmax_t> sizes;
    for (const std::string& input : inputs) {
        std::error_code ec;
        const std::uintmax_t size = input == "-" ? 0 : fs::file_size(input, ec);
        sizes.push_back(ec ? 0 : size);
    }
    std::vector<std::size_t> order(inputs.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return sizes[a] > sizes[b]; });
    return order;
}

void printOutput(const BatchOutput& output) {
    std::string problem;
    if (output.engineText ? printEngineFile(output.file, problem) : printFileBytes(output.file, problem)) return;
    fail(output.file, "cannot be read back: " + problem);
}

}  // namespace

unsigned defaultJobCount() { return std::max(1u, std::thread::hardware_concurrency()); }

std::size_t runBatch(const std::vector<std::string>& inputs, const fs::path& home, unsigned jobs,
              const BatchJob& job) {
    checkInputs(inputs, home);
    const ScratchFolders scratch(home);
    std::size_t failed = 0;
    runOrderedParallel<JobOutcome>(
        inputs.size(), jobs,
        [&](unsigned, std::size_t i) {
            const fs::path folder = scratch.make(i);
            return runOneJob(job, inputs[i], folder);
        },
        [&](std::size_t i, const JobOutcome& outcome) {
            if (outcome.ok) printOutput(outcome.output);
            else ++failed;
            scratch.remove(i);
            return true;
        },
        largestFirst(inputs));
    return failed;
}

}  // namespace kavro
