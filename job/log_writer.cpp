#include "job/log_writer.h"

#include "job/engine.h"

namespace kavro {

bool openOutputLog(Engine& engine) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return openOutputLog(engine, local);
}

bool openOutputLog(Engine& engine, const std::tm&) {
    engine.translationEditable = false;
    if (!engine.log.open(engine.file("parser.txt"))) {
        engine.reportError("Error in opening output log file.\nIs it open elsewhere? Program cannot run.");
        return false;
    }
    return true;
}

std::string headerDateText(const std::tm&) { return {}; }

void dumpAnalysisTable(Engine& engine) { engine.log.write("\n"); }

}  // namespace kavro
