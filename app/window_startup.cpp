#include "app/window_startup.h"

#include "app/settings_file.h"
#include "core/engine.h"
#include "core/log_writer.h"
#include "job/data_loader.h"

namespace kavro {

StartupResult startWindowEngine(Engine& engine, Lexicon& lexicon, const std::filesystem::path& dataFolder) {
    StartupResult result;
    if (!openOutputLog(engine)) {
        result.outcome = StartupOutcome::LogUnwritable;
        return result;
    }
    loadSettings(engine.options, engine.programFolder);
    if (!loadDataFiles(engine, lexicon, dataFolder, &result.problem)) {
        engine.log.close();
        engine.host.message(kDataLoadFailure, BoxKind::Ok);
        result.outcome = StartupOutcome::DataMissing;
        return result;
    }
    engine.log.close();
    engine.latinText.assign(kLatinPrompt);
    result.boxes = showTranslation(engine);
    result.boxes.latinBox.assign(kLatinPrompt);
    return result;
}

}  // namespace kavro
