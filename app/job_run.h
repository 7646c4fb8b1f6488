// A translation run on a thread of its own: a separate engine on the shared, read-only lexicon,
// with a copy of the options and of the view's texts, so that the window's own state is never
// touched while the job runs. The results are taken back when it ends.
#pragma once

#include <memory>

#include "app/search_commands.h"
#include "app/translate_command.h"
#include "core/engine.h"

namespace kavro {

class JobRun {
public:
    // Copies what the job reads and carries on from `viewEngine`; `host` serves the job.
    JobRun(const Engine& viewEngine, Host& host);

    // The translate command on the job's engine (call on the job's thread); the host hears
    // the sentence reached before each sentence.
    TranslateResult translate(const TranslateRequest& request);
    // "Open": the job on a chosen file; sentence mode is as it was afterwards.
    TranslateResult translateFile(const std::filesystem::path& file);
    // "Search File List": the search of the folder's list on the job's engine, the hits then
    // held as the Translation box's text; the host hears the files searched of the files listed.
    SearchRun searchFiles(const SearchDialogValues& dialog, const std::filesystem::path& folder,
                          bool folderChosenNow);

    // Hands the options, texts and counters the job changed back to the view.
    void takeResults(Engine& viewEngine) const;

    Engine& engine() { return *engine_; }

private:
    ViewOptions options_;
    std::unique_ptr<Engine> engine_;
};

}  // namespace kavro
