#include "job/data_loader.h"

#include <array>
#include <cstdio>
#include <span>

#include "core/data_manifest.h"
#include "core/engine.h"
#include "core/startup_stages.h"
#include "job/default_user_files.h"
#include "text/abbreviations.h"
#include "user/user_dictionary.h"

namespace kavro {
namespace {

// Record sizes of the tables whose layouts belong to the Parts that read them.
constexpr std::size_t kPolishRecordSize = 40;
constexpr std::size_t kPhraseRecordSize = 62;
constexpr std::size_t kFinalPolishRecordSize = 202;
constexpr std::size_t kPhoneticRecordSize = 32;

// A file without which the program cannot start, with its progress line and how its
// absence is reported (a box, or only the log).
struct RequiredFile {
    std::string_view name;
    std::string_view progress;
    std::string_view missing;
    bool box;
};

constexpr RequiredFile kInflectionFile{"inflects.dat", "Loading inflection data...",
                                       "Cannot open inflects.dat file.\n", true};
constexpr RequiredFile kDictionaryFile{"dictUK.dat", "Loading dictionary...",
                                       "Cannot open dictUK.dat file.\n", true};
constexpr RequiredFile kPolishFile{"polish.dat", "Loading translation polishing...",
                                   "Cannot open polish.dat file.\n", false};
constexpr RequiredFile kPhraseFile{"phrasedud.dat", "Loading phrase polishing...",
                                   "Cannot open phrasedud.dat file.\n", false};
constexpr RequiredFile kMeaningsFile{"transl.dat", "Loading translations...",
                                     "Cannot open 'transl.dat' file.\n", true};
constexpr RequiredFile kFinalPolishFile{"finalpolish.dat", "Loading final polishing...",
                                        "Cannot open FinalPolish.dat file.\n", false};
constexpr RequiredFile kAddonFile{"addons.dat", "Loading addons...",
                                  "Cannot open addons.dat file.\n", true};
constexpr RequiredFile kUniqueFile{"uniques.dat", "Loading uniques...",
                                   "Cannot open uniques.dat file.\n", true};

constexpr std::string_view kUniqueHeadwordFile = "uniqueheads.dat";
constexpr std::string_view kSenseFile = "senses.dat";
constexpr std::string_view kNameFile = "names.dat";
constexpr std::string_view kBotanyFile = "Botanytransl.dat";
constexpr char kBotanyQuestion[] =
    "You have the Botany Database installed.\nThis will alter standard settings (see manual).\n"
    "\nClick YES to accept, NO to disable it (for all other Latin options).";
constexpr std::string_view kPhoneticFile = "phoneticuk.dat";
constexpr char kPhoneticsIncomplete[] =
    "Incomplete load of phonetics data (%u entries).\nShould be %u entries.\nCheck file "
    "phoneticuk.dat.";
constexpr char kPhoneticsUnavailable[] =
    "File phoneticuk.dat not available. Using coded phonetics search.\n";
constexpr char kPhoneticsFallback[] =
    "; the medieval phonetics code their keys themselves (slower)";
constexpr char kDone[] = "Done.\n";
constexpr int kBotanyArea = 'H';
constexpr std::int16_t kBotanyBestOrder = 1;   // verb after nominatives

template <class Record>
std::span<std::byte> bytesOf(std::vector<Record>& records) {
    return std::as_writable_bytes(std::span(records));
}

// The letter index may only point inside the stems, in ascending order.
bool letterIndexFits(const Lexicon& lexicon) {
    std::uint32_t previous = 0;
    for (const LetterIndex& entry : lexicon.letterIndex) {
        if (entry.firstRecord < previous || entry.firstRecord > lexicon.stems.size()) return false;
        previous = entry.firstRecord;
    }
    return true;
}

class Loader {
public:
    Loader(Engine& engine, Lexicon& lexicon, const std::filesystem::path& dataFolder,
           std::string* problem, UserFiles userFiles)
        : engine_(engine), lexicon_(lexicon), folders_(dataFolder, engine.programFolder),
          problem_(problem), userFiles_(userFiles) {}

    bool run() {
        if (!inflections() || !dictionary() ||
            !raw(kPolishFile, kPolishRecordSize, lexicon_.polish) ||
            !raw(kPhraseFile, kPhraseRecordSize, lexicon_.phrasePolish) ||
            !records(kMeaningsFile, lexicon_.meanings) ||
            !raw(kFinalPolishFile, kFinalPolishRecordSize, lexicon_.finalPolish))
            return false;
        botany();
        phonetics();
        if (!raw(kAddonFile, sizeof(AddonRecord), lexicon_.addons) ||
            !raw(kUniqueFile, sizeof(UniqueRecord), lexicon_.uniques))
            return false;
        uniqueHeadwords();
        wordChoiceTables();
        if (userFiles_ == UserFiles::Load) loadUserFiles();
        highSpeedHash();
        return true;
    }

private:
    // Reads a located file into `out` (typed records, or the raw bytes of a RawTable) in one
    // block read; empty on any failure.
    template <class Record>
    bool read(DataFile& file, std::vector<Record>& out) {
        if (!file.ok()) return false;
        out.resize(file.entry.recordCount * file.entry.recordSize / sizeof(Record));
        const std::span<std::byte> blocks[] = {bytesOf(out)};
        if (readDataFile(file, blocks)) return true;
        out.clear();
        return false;
    }

    bool loaded(const RequiredFile& required) {
        engine_.log.write(required.progress);
        engine_.log.write(kDone);
        return true;
    }

    bool missing(const RequiredFile& required, const DataFile& file) {
        if (problem_) *problem_ = file.detail;
        if (required.box) engine_.reportError(required.missing);
        else engine_.log.write(required.missing);
        return false;
    }

    template <class Record>
    bool records(const RequiredFile& required, std::vector<Record>& table) {
        DataFile file = folders_.locate(required.name, sizeof(Record));
        return read(file, table) ? loaded(required) : missing(required, file);
    }

    bool raw(const RequiredFile& required, std::size_t recordSize, RawTable& table) {
        DataFile file = folders_.locate(required.name, recordSize);
        table.recordSize = recordSize;
        return read(file, table.bytes) ? loaded(required) : missing(required, file);
    }

    // inflects.dat, and the hash table of its endings.
    bool inflections() {
        lexicon_.endingRuns.clear();
        if (!records(kInflectionFile, lexicon_.inflections)) return false;
        indexEndingRuns(lexicon_);
        return true;
    }

    // dictUK.dat: the stems, then in the same file the 27 letter-index records.
    bool dictionary() {
        auto& index = lexicon_.letterIndex;
        DataFile file = folders_.locate(kDictionaryFile.name, sizeof(StemRecord), sizeof index);
        if (file.ok()) {
            lexicon_.stems.resize(file.entry.recordCount);
            const std::span<std::byte> blocks[] = {bytesOf(lexicon_.stems),
                                                   std::as_writable_bytes(std::span(index))};
            if (readDataFile(file, blocks) && letterIndexFits(lexicon_)) {
                lexicon_.stemRunsFitTempstems = stemRunsFitTempstems(lexicon_.stems);
                indexStemPrefixes(lexicon_);
                return loaded(kDictionaryFile);
            }
            if (file.ok()) file.detail = file.path.string() + ": letter index points outside the stems";
        }
        lexicon_.stems.clear();
        lexicon_.stemPrefixes.clear();
        lexicon_.stemRunsFitTempstems = false;
        index = {};
        return missing(kDictionaryFile, file);
    }

    void botany() {
        DataFile file = folders_.locate(kBotanyFile, sizeof(MeaningRecord));
        std::vector<MeaningRecord> table;
        if (!read(file, table)) return;
        ViewOptions& options = engine_.options;
        options.botanyInstalled = options.botanyActive = true;
        if (engine_.host.message(kBotanyQuestion, BoxKind::YesNo) != BoxAnswer::Yes) {
            options.botanyInstalled = options.botanyActive = false;
            return;
        }
        options.area = kBotanyArea;
        options.age = kAgeAll;
        options.bestOrder = kBotanyBestOrder;
        engine_.log.write("Loading botany database...");
        lexicon_.botanyMeanings = std::move(table);
        engine_.log.write(kDone);
    }

    // Optional: without it the irregular forms cite themselves.
    void uniqueHeadwords() {
        DataFile file = folders_.locate(kUniqueHeadwordFile, sizeof(UniqueHeadwordRecord));
        if (!read(file, lexicon_.uniqueHeadwords)) lexicon_.uniqueHeadwords.clear();
    }

    // Optional: without them every reading keeps its entry's first sense and every name its
    // Latin form.
    void wordChoiceTables() {
        DataFile senses = folders_.locate(kSenseFile, sizeof(SenseChoiceRecord));
        if (!read(senses, lexicon_.senseChoices)) lexicon_.senseChoices.clear();
        DataFile names = folders_.locate(kNameFile, sizeof(NameRecord));
        if (!read(names, lexicon_.names)) lexicon_.names.clear();
    }

    // Optional: without it the phonetic search codes its keys itself.
    void phonetics() {
        DataFile file = folders_.locate(kPhoneticFile, kPhoneticRecordSize);
        RawTable& table = lexicon_.phonetics;
        table.recordSize = kPhoneticRecordSize;
        const bool opened = file.ok() || file.problem == DataFileProblem::Short;
        if (file.problem == DataFileProblem::Short) {
            char text[200];
            std::snprintf(text, sizeof text, kPhoneticsIncomplete,
                          static_cast<unsigned>(file.recordsOnDisk()),
                          static_cast<unsigned>(file.entry.recordCount));
            // Shown, not logged: the text has no line end of its own, and the log states
            // the outcome in the phonetics lines below.
            engine_.messageBuffer = text;
            engine_.host.message(text, BoxKind::Ok);
        } else {
            read(file, table.bytes);
        }
        if (opened) engine_.log.write("Loading phonetics...Done.\n");
        if (table.empty()) {
            table.clear();
            engine_.log.write(kPhoneticsUnavailable);
            // The short file had its box; any other failure is said where the user asked for
            // the phonetics and reads no log.
            if (engine_.options.medievalPhonetics && file.problem != DataFileProblem::Short)
                engine_.host.logWarning(file.detail + kPhoneticsFallback);
        }
    }

    void highSpeedHash() {
        ViewOptions& options = engine_.options;
        options.hashLoaded = options.hashActive = false;
        if (options.hashOffByUser) {
            engine_.log.write("High-speed hash data turned off by user.");
            return;
        }
        engine_.log.write("Loading high-speed hash data...");
        if (loadHashFile(engine_, lexicon_, folders_) && buildHashIndex(lexicon_) == 100.0) {
            engine_.log.write(kDone);
            options.hashLoaded = options.hashActive = true;
            return;
        }
        engine_.log.write("Failure with high speed hash file. This feature disabled.\n");
        releaseHashTable(lexicon_);
    }

    void loadUserFiles() {
        installDefaultUserFiles(folders_.dataFolder(), engine_.programFolder);
        loadUserDictionary(engine_, lexicon_);
        loadStandardPhrases(engine_, lexicon_);
        loadUserAbbreviations(engine_, lexicon_.abbreviations);
    }

    Engine& engine_;
    Lexicon& lexicon_;
    DataFolders folders_;
    std::string* problem_;
    UserFiles userFiles_;
};

}  // namespace

bool loadDataFiles(Engine& engine, Lexicon& lexicon, const std::filesystem::path& dataFolder,
                   std::string* problem, UserFiles userFiles) {
    return Loader(engine, lexicon, dataFolder, problem, userFiles).run();
}

}  // namespace kavro
