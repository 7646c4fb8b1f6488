#include "tools/mkdata/hash_compiler.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/high_speed_hash.h"
#include "core/host.h"
#include "core/stages.h"
#include "job/data_loader.h"
#include "morph/word_alone.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/package_reader.h"

namespace kavro::mkdata {
namespace {

constexpr std::uint8_t kNotFoundSpeech = 64;
constexpr std::uint8_t kBotanySubject = 13;

bool storable(const WordAnalysis& a, std::string_view form, const ViewOptions& options) {
    return a.partOfSpeech != kNotFoundSpeech && a.wordPosition == 0 &&
           hashKeyOf(fieldText(a.analysedForm)) == form && a.ageLevel <= options.age &&
           a.subject != kBotanySubject && fieldText(a.english).find('/') == std::string_view::npos;
}

// The records of the kept forms, sorted by form (each form's readings in their own order).
std::vector<WordAnalysis> tableOf(const std::map<std::string, WordOutcome>& kept) {
    std::vector<WordAnalysis> records;
    for (const auto& [form, outcome] : kept)
        records.insert(records.end(), outcome.readings.begin(), outcome.readings.end());
    return records;
}

}  // namespace

std::vector<std::string> readHashForms(const std::filesystem::path& file) {
    std::istringstream lines(readWholeFile(file));
    std::vector<std::string> forms;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string form;
        if (fields >> form) forms.push_back(form);
    }
    return forms;
}

CompiledHash compileHash(const std::vector<std::string>& forms, const std::filesystem::path& dataDir) {
    SilentHost host;
    ViewOptions options;
    options.hashOffByUser = true;
    auto lexicon = std::make_unique<Lexicon>();
    auto engine = std::make_unique<Engine>(*lexicon, options, host, dataDir);
    std::string problem;
    if (!loadDataFiles(*engine, *lexicon, dataDir, &problem, UserFiles::Skip))
        throw DataError("high-speed hash: cannot load the compiled data: " + problem);

    std::map<std::string, WordOutcome> kept;   // byte order of the forms
    for (const std::string& form : forms) {
        if (form.size() >= kHashKeySize || kept.count(form)) continue;
        WordOutcome outcome = analyseWordAlone(*engine, form, false);
        const auto& readings = outcome.readings;
        const bool all = !readings.empty() && std::all_of(readings.begin(), readings.end(), [&](const WordAnalysis& a) {
            return storable(a, form, options);
        });
        if (all) kept.emplace(form, std::move(outcome));
    }
    // Keep only the forms whose look-up in the finished table matches the full analysis; a
    // form left out never changes another's run, so one pass of checking suffices.
    lexicon->hash.records = tableOf(kept);
    lexicon->hash.expectedForms = kept.size();
    indexHashRecords(lexicon->hash);
    for (auto it = kept.begin(); it != kept.end();) {
        const bool same = analyseWordAlone(*engine, it->first, true) == it->second;
        it = same ? std::next(it) : kept.erase(it);
    }
    CompiledHash compiled;
    compiled.records = tableOf(kept);
    for (const auto& entry : kept) compiled.forms.push_back(entry.first);
    for (WordAnalysis& record : compiled.records) encipherHashRecord(record);
    return compiled;
}

}  // namespace kavro::mkdata
