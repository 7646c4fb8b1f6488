// A stand-in for the single-word translation until the real one lands: it gives only the
// headers of the two texts, and says where the glossary goes as the real one will.
#include <string>

#include "english/single_word.h"
#include "job/engine.h"

namespace kavro {

SingleWordOutput translateSingleWord(Engine& engine, std::string_view word, int mode) {
    if (engine.options.singleWordTarget != 0 || mode == 0) mode = 2;
    SingleWordOutput out;
    out.translation = "'" + std::string(word) + "': ";
    out.glossary = "'" + std::string(word) + "':\n";
    if (mode == 2 && engine.options.singleWordTarget == 1) out.translation = out.glossary;
    out.showGlossaryWindow = mode == 2 && engine.options.singleWordTarget != 1;
    return out;
}

}  // namespace kavro
