#include "app/search_commands.h"

#include <string>

#include "app/file_choice.h"
#include "app/spell_check.h"
#include "app/translate_command.h"
#include "app/translation_files.h"
#include "core/engine.h"
#include "core/regular_file.h"
#include "search/search_results.h"

namespace kavro {
namespace {

constexpr std::string_view kResultsFileRefused = "Must not use the Search results file!";

// fails.txt as the Translation box shows it; false when it cannot be read.
bool loadResultsIntoBox(Engine& engine) {
    const ReadFile results = readRegularFile(engine.file(kFailsFileName));
    if (!results.ok) return false;
    engine.translationText = results.content;
    engine.translationEditable = engine.translationText.size() < kTranslationReadLimit;
    if (!engine.translationEditable) {
        engine.translationText.resize(kTruncationOffset);
        engine.translationText += kTruncatedMark;
    }
    return true;
}

}  // namespace

SearchRun searchAndShowResults(Engine& engine, const SearchDialogValues& dialog,
                               const std::filesystem::path& folder, bool folderChosenNow) {
    SearchRun run;
    run.outcome = searchFileList(engine, dialog, folder, folderChosenNow);
    if (run.outcome == SearchOutcome::Completed || run.outcome == SearchOutcome::Aborted)
        run.resultsShown = loadResultsIntoBox(engine);
    return run;
}

std::string replaceFileQuestion(const std::filesystem::path& destination) {
    return destination.string() + " already exists.\nDo you want to replace it?";
}

bool saveSearchResultsAs(Host& host, const std::filesystem::path& programFolder,
                         const std::filesystem::path& destination) {
    const std::filesystem::path fails = programFolder / kFailsFileName;
    std::string problem;
    SaveResults saved = saveSearchResults(fails, destination, false, problem);
    if (saved == SaveResults::ExistsAlready) {
        if (host.message(replaceFileQuestion(destination), BoxKind::YesNo) != BoxAnswer::Yes) return false;
        saved = saveSearchResults(fails, destination, true, problem);
    }
    switch (saved) {
        case SaveResults::Saved:
            return true;
        case SaveResults::SameFile:
            host.message(kResultsFileRefused);
            break;
        case SaveResults::NoResults:
            host.message(kNoSearchResults);
            break;
        case SaveResults::ExistsAlready:
        case SaveResults::NotWritten:
            host.message(std::string(kChosenFileUnwritable) + "\n" + problem);
            break;
    }
    return false;
}

}  // namespace kavro
