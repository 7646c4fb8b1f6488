// Loading fixedhashfile.dat: the records read, deciphered and reworked, then indexed by form.
#include <cstring>
#include <span>

#include "core/data_manifest.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/high_speed_hash.h"
#include "core/startup_stages.h"

namespace kavro {
namespace {

constexpr char kHashUnavailable[] = "Cannot open 'fixedhashfile.dat' file.\nHigh-speed hash disabled.";
// The longest English part kept after its rework.
constexpr std::size_t kReworkedEnglishLength = 39;

// The English part of a record as the look-ups need it: with a "/", the part before the first
// "/", then "/" and each later segment that begins with ":" (from the character before the ":"
// to the next "/"); cut to the field. A text without "/" is left as it is.
void reworkEnglish(WordAnalysis& record) {
    const std::string_view text = fieldText(record.english);
    const std::size_t firstSlash = text.find('/');
    if (firstSlash == std::string_view::npos) return;
    std::string reworked(text.substr(0, firstSlash));
    for (std::size_t colon = text.find(':', firstSlash); colon != std::string_view::npos;
         colon = text.find(':', colon + 1)) {
        const std::size_t begin = colon > 0 ? colon - 1 : colon;
        const std::size_t end = text.find('/', colon);
        reworked.append("/").append(text.substr(begin, end == std::string_view::npos ? end : end - begin));
        if (end == std::string_view::npos) break;
        colon = end;
    }
    if (reworked.size() > kReworkedEnglishLength) reworked.resize(kReworkedEnglishLength);
    copyField(record.english, reworked);
}

}  // namespace

bool loadHashFile(Engine& engine, Lexicon& lexicon, const DataFolders& folders) {
    HighSpeedHash& hash = lexicon.hash;
    hash = HighSpeedHash{};
    DataFile file = folders.locate(kHashFileName, sizeof(WordAnalysis));
    const ManifestEntry* keys = folders.companionEntry(kHashFileName, kHashKeysEntry);
    if (file.problem == DataFileProblem::None) {
        hash.records.resize(file.entry.recordCount);
        const std::span<std::byte> blocks[] = {std::as_writable_bytes(std::span(hash.records))};
        if (readDataFile(file, blocks)) {
            for (WordAnalysis& record : hash.records) {
                decipherHashRecord(record);
                reworkEnglish(record);
                record.analysedForm[sizeof record.analysedForm - 1] = '\0';
            }
            hash.expectedForms = keys ? keys->recordCount : 0;
            return keys != nullptr && !hash.records.empty();
        }
    }
    hash = HighSpeedHash{};
    engine.host.message(kHashUnavailable, BoxKind::Ok);
    return false;
}

double buildHashIndex(Lexicon& lexicon) { return indexHashRecords(lexicon.hash); }

void releaseHashTable(Lexicon& lexicon) { lexicon.hash = HighSpeedHash{}; }

}  // namespace kavro
