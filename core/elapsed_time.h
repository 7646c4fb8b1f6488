// The job's clock and the time text of the job summary.
#pragma once

#include <cstdint>
#include <string>

namespace kavro {

// A monotonic clock reading in milliseconds; only differences between readings mean anything.
std::int64_t clockMillis();

// The time text of the summary line, "hh:mm:ss.ss", for the interval from `startMillis` to
// `nowMillis`: 83.5 seconds give "00:01:23.50", 3,725 seconds give "01:02:05.00".
std::string formatElapsed(std::int64_t startMillis, std::int64_t nowMillis);

}  // namespace kavro
