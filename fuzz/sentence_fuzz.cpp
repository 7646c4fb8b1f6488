// libFuzzer target over sentence translation: the bytes after the first three are a Latin file
// run through the whole translation job in sentence mode (word analysis, candidate order,
// clause analysis, choice of readings, English assembly, standard phrases, polishing, final
// line) with the compiled lexicon, loaded once from $KAVRO_DATA or else the fuzz build's data
// folder. The first three bytes pick the options: area, age, best order, standard phrases,
// neural network, ablative absolute, inscriptions, details and a few more, and word mode, in
// which each later byte stands for a word or mark of a bank of common Latin. While a sentence is
// translated, the records of wordAnalyses past analysisCount (stale records of earlier
// sentences) are poisoned, so that a read of them is reported; after each job the per-sentence
// tables are checked for unterminated English slots and chosen readings outside the table.
// Half the inputs are translated twice, and both jobs must give the same English.
//
// Build and run (one job; the lexicon of a normal build serves):
//   CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DKAVRO_FUZZ=ON -DKAVRO_SANITIZE=ON
//       -DKAVRO_BUILD_BENCH=OFF   (one line)
//   cmake --build build-fuzz --target sentence_fuzz
//   KAVRO_DATA=build/data build-fuzz/fuzz/sentence_fuzz -max_total_time=600 -max_len=20000
//       -timeout=60 -rss_limit_mb=4096 -dict=fuzz/sentence.dict SCRATCH fuzz/corpus/sentence
// (new inputs go to the first folder, a scratch one; fuzz/corpus/sentence holds the seeds,
// which start with three option bytes). Add -fork=1 -ignore_crashes=1 to go on after a fault
// (each is kept as a crash-* file), and further folders of real Latin, each file three option
// bytes and some lines of text, as starting points.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>
#include <sanitizer/asan_interface.h>
#include <unistd.h>

#include "app/menu_rules.h"
#include "core/engine.h"
#include "core/lexicon.h"
#include "core/log_writer.h"
#include "core/stages.h"
#include "job/data_loader.h"
#include "job/translation_job.h"

namespace {

using namespace kavro;

// The areas the first option byte chooses among; -1 is the auto-adjusting area.
constexpr std::int16_t kFuzzAreas[] = {kAreaGeneral, 'B', 'E', 'G', 'L', 'W', 'S',
                                       'D', kAreaMedieval, kAreaNeoLatin, kAreaBotany, -1};
constexpr std::uint8_t kFuzzAges[] = {kAgeClassical, kAgeMedieval, kAgeAll, kAgeMedieval};
constexpr std::size_t kOptionBytes = 3;
constexpr std::uint8_t kWordModeBit = 64;  // of the third byte

// In word mode every byte after the options is one entry of this bank: common forms of many
// readings, the small words the clause passes look for, enclitics, numerals and marks, so that
// the mutations make Latin sentences rather than letter soup.
constexpr std::string_view kWordBank[] = {
    "Caesar", "Caesarem", "Caesaris", "milites", "militibus", "urbs", "urbem", "urbe", "rex",
    "regem", "regis", "hostes", "hostibus", "puella", "puellam", "deus", "deum", "dei", "bellum",
    "belli", "bello", "res", "rem", "rebus", "manus", "manum", "dies", "diem", "opus", "plaga",
    "plagam", "saltus", "saltu", "pila", "pilam", "liber", "homo", "hominem", "homines", "animus",
    "animo", "consilium", "consilio", "castra", "castris", "legio", "legionem", "iter", "itinere",
    "flumen", "pater", "mater", "Roma", "Romam", "Gallia", "Galliam", "Marcus", "Tullius", "magnus",
    "magna", "magnum", "bonus", "bona", "bonum", "omnis", "omnes", "omnia", "alter", "alterum",
    "alius", "alii", "aliud", "ipse", "idem", "tantus", "quantus", "minus", "magis", "primus",
    "tres", "duo", "unus", "contentus", "ego", "me", "mihi", "tu", "te", "tibi", "nos", "nobis",
    "uos", "se", "sibi", "sui", "is", "ea", "id", "eius", "eum", "eam", "eorum", "eis", "hic",
    "haec", "hoc", "ille", "illa", "illud", "qui", "quae", "quod", "quem", "cui", "quid", "quis",
    "quo", "qua", "est", "sunt", "esse", "fuit", "erat", "sit", "esset", "possum", "potest",
    "posse", "habet", "dixit", "dicit", "inquit", "inquam", "uenit", "uenerunt", "uicit", "cepit",
    "capta", "captis", "missis", "uictis", "amat", "amatur", "amari", "uidetur", "uidere", "uidit",
    "ire", "it", "iussit", "ferre", "fert", "dare", "facere", "fecit", "factum", "fieri", "oportet",
    "licet", "ducens", "duce", "pugnantes", "pugnans", "relicto", "facto", "cognitis", "amanda",
    "non", "ne", "nec", "neque", "et", "atque", "ac", "aut", "uel", "sed", "autem", "enim", "tamen",
    "igitur", "itaque", "ergo", "quia", "cum", "ut", "uti", "si", "nisi", "dum", "quam", "tam",
    "sic", "ita", "tum", "iam", "nunc", "semper", "numquam", "ubi", "quare", "cur", "quidem",
    "etiam", "quoque", "uero", "in", "ad", "ab", "a", "ex", "e", "de", "per", "pro", "sine", "sub",
    "super", "ante", "post", "propter", "trans", "inter", "apud", "contra", "uirumque",
    "populusque", "tune", "nosne", "mecum", "tecum", "nobiscum", "quocumque", "arma", "armaque",
    "XXIV", "MDCCC", "IV", "II", "1492", "3", "o", "heu", "ecce", ".", ",", ";", ":", "?", "!",
    "\"", "'", "(", ")", "-", "\n",
};
static_assert(std::size(kWordBank) == 256);

std::string wordModeText(const std::uint8_t* bytes, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        text += kWordBank[bytes[i]];
        text += ' ';
    }
    return text;
}

std::filesystem::path fuzzDataFolder() {
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DATA_DIR;
}

// The English line of every sentence of the job that is running.
std::vector<std::string>& englishLines() {
    static std::vector<std::string> lines;
    return lines;
}

// Sentence translation reads only the records of the sentence: no pass adds a record, so
// everything past analysisCount is out of bounds while it runs.
void translateFenced(Engine& engine) {
    WordAnalysis* const table = engine.wordAnalyses;
    const std::size_t used = static_cast<std::size_t>(engine.analysisCount);
    ASAN_POISON_MEMORY_REGION(table + used, (kAnalysisCapacity - used) * sizeof(WordAnalysis));
    translateSentence(engine);
    ASAN_UNPOISON_MEMORY_REGION(table, kAnalysisCapacity * sizeof(WordAnalysis));
    englishLines().push_back(engine.sentence.finalLine);
}

JobStages fencedStages() {
    JobStages stages = engineStages();
    stages.translateSentence = translateFenced;
    return stages;
}

struct FuzzWorld {
    FuzzWorld()
        : folder(std::filesystem::temp_directory_path() /
                 ("kavro-sentence-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
        engine = std::make_unique<Engine>(lexicon, options, host, folder);
        std::string problem;
        const bool opened = openOutputLog(*engine);
        if (!opened || !loadDataFiles(*engine, lexicon, fuzzDataFolder(), &problem)) {
            std::fprintf(stderr, "sentence_fuzz: no lexicon in %s: %s\n",
                         fuzzDataFolder().c_str(), problem.c_str());
            std::abort();
        }
        engine->log.close();
        loaded = options;  // what the loader set (hash and botany installed)
    }
    ~FuzzWorld() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // Options as the three leading bytes ask, on top of those the loader left.
    void setOptions(const std::uint8_t* bits) {
        options = loaded;
        const std::int16_t area = kFuzzAreas[bits[0] % std::size(kFuzzAreas)];
        if (area < 0) toggleAutoArea(options);
        else chooseArea(options, area);
        chooseAge(options, kFuzzAges[(bits[0] >> 4) & 3]);
        options.bestOrder = static_cast<std::int16_t>((bits[0] >> 6) & 3);
        options.allowUserPhrases = bits[1] & 1;
        options.neuralNetwork = bits[1] & 2;
        options.ablativeAbsolute = bits[1] & 4;
        options.inscriptions = bits[1] & 8;
        options.showUserPhrases = bits[1] & 16;
        options.jointOutput = bits[1] & 32;
        options.abbreviations = bits[1] & 64;
        options.plautusElisions = bits[1] & 128;
        options.details = (bits[2] & 7) == 0;  // one input in eight: the trace is slow
        options.medievalTricks = !(bits[2] & 8);
        options.easyLatin = bits[2] & 16;
        options.forceProperNames = bits[2] & 32;
        options.sentenceMode = true;
        applyMenuRules(options);
        engine->warningBoxCount = 0;
    }

    std::filesystem::path folder;
    Lexicon lexicon;
    ViewOptions options;
    ViewOptions loaded;
    SilentHost host;
    std::unique_ptr<Engine> engine;
};

// The per-sentence tables as the last sentence left them: every English slot ends inside its
// field and every chosen reading lies in the analysis table.
void checkTables(const Engine& engine) {
    const SentenceTables& s = engine.sentence;
    for (const auto& slot : s.englishSlots)
        if (slot[kEnglishSlotSize - 1] != '\0') __builtin_trap();
    for (std::int16_t chosen : s.chosenAnalysis)
        if (chosen < -1 || chosen >= static_cast<int>(kAnalysisCapacity)) __builtin_trap();
    if (engine.analysisCount < 0 || engine.analysisCount > static_cast<int>(kAnalysisCapacity))
        __builtin_trap();
    if (s.finalLine.find('\0') != std::string::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzWorld world;
    if (size < kOptionBytes) return 0;
    world.setOptions(data);
    const std::filesystem::path input = world.folder / "latin.lat";
    const std::uint8_t* body = data + kOptionBytes;
    const std::size_t bodySize = size - kOptionBytes;
    const std::string text = data[2] & kWordModeBit
                                 ? wordModeText(body, bodySize)
                                 : std::string(reinterpret_cast<const char*>(body), bodySize);
    if (std::FILE* file = std::fopen(input.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    static const JobStages stages = fencedStages();
    std::filesystem::path latinFile = input;
    englishLines().clear();
    runTranslationJob(*world.engine, latinFile, 0, stages);
    checkTables(*world.engine);
    if (!(data[2] & 128)) return 0;
    // Half the inputs run twice: a job owes nothing to the one before it.
    const std::vector<std::string> first = englishLines();
    englishLines().clear();
    world.setOptions(data);
    latinFile = input;
    runTranslationJob(*world.engine, latinFile, 0, stages);
    if (englishLines() != first) __builtin_trap();
    return 0;
}
