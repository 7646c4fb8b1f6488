// One running job's state: the work areas, flags and counters that the stages share.
// Two engines never share a work area, so tests may run engines side by side.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "job/analysis_record.h"
#include "job/capacities.h"
#include "job/host.h"
#include "job/lexicon.h"
#include "job/lexicon_records.h"
#include "job/output_log.h"
#include "job/view_options.h"

namespace kavro {

using TokenText = char[kTokenTextSize];

struct Engine {
    Engine(const Lexicon& lexicon, ViewOptions& options, Host& host,
           std::filesystem::path programFolder)
        : lexicon(lexicon), options(options), host(host), programFolder(std::move(programFolder)) {}
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // A file of the program folder by its bare name ("parser.txt", "temp.lat", ...).
    std::filesystem::path file(std::string_view name) const { return programFolder / name; }

    // Shows a warning box while fewer than two have been shown (and no corpus search runs);
    // the log always gets the text.
    void rationedWarning(std::string_view text);
    // Shows a box regardless of rationing and writes the text to the log.
    void reportError(std::string_view text);

    const Lexicon& lexicon;
    ViewOptions& options;
    Host& host;
    std::filesystem::path programFolder;
    OutputLog log;

    // Sentence tables.
    TokenText sentenceTokens[kTokenCapacity]{};
    TokenText savedTokens[kTokenCapacity]{};
    int tokenCount = 0;
    int wordCount = 0;
    WordAnalysis wordAnalyses[kAnalysisCapacity]{};
    int analysisCount = 0;
    int groupNumber = 0;
    int wordsTranslated = 0;

    // Work tables of word analysis.
    StemRecord tempstems[kTempStemCapacity]{};
    int tempstemCount = 0;
    InflectionRecord tempinflects[kTempInflectCapacity]{};
    int tempinflectCount = 0;
    // Highest stem ageLevel admitted by findStems and findStemsByPrefix (see stemLevelLimitFor).
    int stemLevelLimit = 99;

    // Texts shown in the two boxes, and the raw line of the current sentence.
    std::string latinText;
    std::string translationText;
    std::string currentSentence;
    std::string messageBuffer;

    // Occurrences of " ego ", " tu ", " nos " and " uos "/" vos " in the prepared file.
    std::int16_t pronounCounts[4]{};

    // Flags of the view.
    bool jobAborted = false;
    bool latinTruncated = false;
    bool translationEditable = false;
    bool searchRunning = false;
    bool spellCheckRunning = false;
    bool areaChanged = false;
    bool singleWordLookup = false;
    int warningBoxCount = 0;
};

}  // namespace kavro
