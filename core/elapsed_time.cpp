#include "core/elapsed_time.h"

#include <chrono>
#include <cstdio>

namespace kavro {

std::int64_t clockMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string formatElapsed(std::int64_t startMillis, std::int64_t nowMillis) {
    // A clock that went backwards (or a start taken from another clock) reads as no time at all.
    const std::int64_t millis = nowMillis > startMillis ? nowMillis - startMillis : 0;
    const float seconds = static_cast<float>(millis) / 1000.0f;
    // Whole minutes; the summary counts hours from them, so no 16-bit wrap-around is needed.
    const long minutes = static_cast<long>(seconds / 60.0f);
    const float secondsPart = seconds - 60.0f * static_cast<float>(minutes);
    char text[64];
    std::snprintf(text, sizeof text, "%2.2ld:%2.2ld:%05.2f", minutes / 60, minutes % 60,
                  static_cast<double>(secondsPart));
    return text;
}

}  // namespace kavro
