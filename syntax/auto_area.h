// Auto-area selection: the per-sentence tally of the areas of the chosen readings.
#pragma once

namespace kavro {

struct Engine;

// Tallies the areas of the sentence's chosen readings; sets engine.areaChanged when it switched
// the preferred area, and the sentence is then translated again under the new one.
void tallySentenceArea(Engine& engine);

}  // namespace kavro
