// The last step of sentence translation: the English slots joined into one line, spaced,
// quoted and punctuated, checked against the line limits, finally polished and written to the log.
#pragma once

namespace kavro {

struct Engine;

void assembleFinalOutput(Engine& engine);

}  // namespace kavro
