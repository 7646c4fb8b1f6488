// Placeholder text stages until Latin file preparation and the sentence reader are built:
// the Latin file is copied to temp.lat as it stands and read back line by line without tokens.
#include <fstream>

#include "job/engine.h"
#include "job/stages.h"

namespace kavro {

bool prepareLatinFile(Engine& engine, const std::filesystem::path& latinFile) {
    std::ifstream in(latinFile, std::ios::binary);
    if (!in) {
        engine.reportError("Cannot open Latin file '" + latinFile.string() + "'.\n");
        return false;
    }
    std::ofstream out(engine.file("temp.lat"), std::ios::binary);
    out << in.rdbuf();
    return static_cast<bool>(out);
}

int readSentence(Engine& engine, std::FILE* tempLat, std::string& sentence) {
    char line[2000];
    if (!std::fgets(line, sizeof line, tempLat)) return -1;
    sentence = line;
    engine.latinText += sentence;
    return 0;
}

}  // namespace kavro
