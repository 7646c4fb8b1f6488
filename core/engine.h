// One running job's state: the work areas, flags and counters that the stages share.
// Two engines never share a work area, so tests may run engines side by side.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/analysis_record.h"
#include "core/capacities.h"
#include "core/host.h"
#include "core/lexicon.h"
#include "core/lexicon_records.h"
#include "core/output_log.h"
#include "core/sentence_tables.h"
#include "core/view_options.h"
#include "core/zeroed_table.h"

namespace kavro {

using TokenText = char[kTokenTextSize];

// The splits of the word being matched: entry i of `stems` and of `endings` form one split.
struct WordSplitTable {
    char stems[kWordSplitCapacity][kSplitStemSize];
    char endings[kWordSplitCapacity][kSplitEndingSize];
    int count;
};

// One entry of the per-job word-status cache: a word and what became of it.
#pragma pack(push, 1)
struct WordStatusEntry {
    char word[32];          // stored only when shorter than 29 characters
    std::int16_t status;    // kWordStatusEmpty, kWordStatusSpecialForm or kWordStatusNotFound
};
#pragma pack(pop)
static_assert(sizeof(WordStatusEntry) == 34);
inline constexpr std::int16_t kWordStatusEmpty = -1;
inline constexpr std::int16_t kWordStatusSpecialForm = 1;
inline constexpr std::int16_t kWordStatusNotFound = 64;

// What the analysis table itself does not hold about a reading: its dictionary (citation) form
// and how it was found. Kept only while Engine::keepAnalysisSources is set (scripts, measurement).
struct AnalysisSource {
    char citation[80];
    std::int8_t sourceKind;   // emitAnalysis source kind; -1 unknown (punctuation, hash, ...)
};

// A short meaning already cut in this job (morph/short_meanings.h): the first sense of one record
// of the general meanings table, for the area option and subject it was cut under.
struct CachedShortMeaning {
    static constexpr std::size_t kTextSize = 25;   // longer short meanings are cut each time
    bool filled = false;
    std::uint8_t readingSubject = 0;   // the reading's subject it was cut for
    std::uint8_t entrySubject = 0;     // the subject of the stem it was cut for
    std::int16_t area = 0;             // the area option it was cut for
    std::uint8_t areaTaken = 0;    // the area index the cut took (0 none)
    std::uint8_t length = 0;
    char text[kTextSize];
};

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
    WordSplitTable wordSplits{};
    AddonRecord tempaddons[kTempAddonCapacity]{};
    int tempaddonCount = 0;
    // The stem behind each reading of the word being emitted, by emission number (read by the
    // dictionary display).
    StemRecord chosenStems[kChosenStemCapacity]{};

    // Word analysis of the current sentence, shared by the driver and its repairs.
    int tokenIndex = 0;          // the token being analysed
    int wordsInSentence = 0;     // words handled so far in the sentence
    int wordsSincePunct = 0;     // words since the last punctuation token (a comma does not count)
    int lastWordResult = 0;      // analyses of the last word (0 when it ended NOT FOUND)
    int hashHits = 0;            // words answered by the high-speed hash
    int searchSentenceTotal = 0; // running total of the corpus search's per-sentence step
    bool repeatedPass = false;   // a second pass over the same sentence: counters stay as they are
    WordStatusEntry wordStatusCache[kWordStatusEntries]{};
    // Proper names met earlier in the job, as noun stems: a ring written at learnedNameWrite,
    // emptied at the start of each job.
    StemRecord learnedNames[kLearnedNameCapacity]{};
    int learnedNameWrite = 0;

    // Single-word collection (while singleWordLookup): English and Latin of every reading.
    std::string singleWordEnglish[kSingleWordCollection];
    std::string singleWordLatin[kSingleWordCollection];
    int singleWordCount = 0;

    // Short meanings cut so far, by record number of the general meanings table (sized on first
    // use); cutting one costs more than building the rest of a reading.
    ZeroedTable<CachedShortMeaning> shortMeanings;

    bool keepAnalysisSources = false;
    AnalysisSource analysisSources[kAnalysisCapacity]{};
    // The notes from this index on have not been written since they were last reset, so that
    // the reset at each sentence covers only the notes in use.
    int analysisSourcesWritten = static_cast<int>(kAnalysisCapacity);
    void markAnalysisSourcesWritten(int end) {
        constexpr int capacity = static_cast<int>(kAnalysisCapacity);
        if (end > analysisSourcesWritten) analysisSourcesWritten = end < capacity ? end : capacity;
    }

    // Sentence translation: clauses, roles, the chosen readings and the English slots.
    SentenceTables sentence{};

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
