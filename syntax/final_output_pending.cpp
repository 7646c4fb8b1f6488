// Placeholder until the final assembly of the English line is built.
#include "syntax/final_output.h"

namespace kavro {
void assembleFinalOutput(Engine&) {}
}  // namespace kavro
