#include "app/job_run.h"

#include "app/job_progress.h"
#include "core/elapsed_time.h"

namespace kavro {
namespace {

// The view's state that lives on from one job to the next.
void copyCarriedState(const Engine& from, Engine& to) {
    to.latinText = from.latinText;
    to.translationText = from.translationText;
    to.translationEditable = from.translationEditable;
    to.latinTruncated = from.latinTruncated;
    to.warningBoxCount = from.warningBoxCount;
}

}  // namespace

JobRun::JobRun(const Engine& viewEngine, Host& host) : options_(viewEngine.options) {
    engine_ = std::make_unique<Engine>(viewEngine.lexicon, options_, host, viewEngine.programFolder);
    copyCarriedState(viewEngine, *engine_);
}

TranslateResult JobRun::translate(const TranslateRequest& request) {
    return translateLatinBox(*engine_, request, progressStages());
}

TranslateResult JobRun::translateFile(const std::filesystem::path& file) {
    const bool sentenceMode = options_.sentenceMode;
    if (options_.autoArea) options_.area = 0;
    TranslateResult result;
    std::filesystem::path latinFile = file;
    result.job = runTranslationJob(*engine_, latinFile, clockMillis(), progressStages());
    options_.sentenceMode = sentenceMode;
    return result;
}

SearchRun JobRun::searchFiles(const SearchDialogValues& dialog, const std::filesystem::path& folder,
                             bool folderChosenNow) {
    return searchAndShowResults(*engine_, dialog, folder, folderChosenNow);
}

void JobRun::takeResults(Engine& viewEngine) const {
    viewEngine.options = options_;
    copyCarriedState(*engine_, viewEngine);
}

}  // namespace kavro
