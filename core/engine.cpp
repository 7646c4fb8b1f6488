#include "core/engine.h"

namespace kavro {

void Engine::rationedWarning(std::string_view text) {
    messageBuffer.assign(text);
    if (!searchRunning && warningBoxCount < 2) {
        host.message(text, BoxKind::Ok);
        ++warningBoxCount;
    }
    log.write(text);
}

void Engine::reportError(std::string_view text) {
    messageBuffer.assign(text);
    host.message(text, BoxKind::Ok);
    log.write(text);
}

}  // namespace kavro
