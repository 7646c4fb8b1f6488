#include "app/spell_check_command.h"

#include <cstdio>
#include <string>

#include "core/engine.h"
#include "core/regular_file.h"
#include "text/input_encoding.h"

namespace kavro {
namespace {

constexpr const char* kCannotOpenInput = "Cannot open input file %s.";
constexpr const char* kLogFileName = "parser.txt";

}  // namespace

std::optional<SpellCheckResult> spellCheckFile(Engine& engine, const std::filesystem::path& file) {
    const ReadFile read = readRegularFile(file, SymbolicLinks::Follow);
    if (!read.ok) {
        char message[600];
        std::snprintf(message, sizeof message, kCannotOpenInput, file.string().c_str());
        engine.host.message(message, BoxKind::Ok);
        return std::nullopt;
    }
    if (spellCheckFileTooLong(read.content.size())) {
        engine.host.message(kSpellCheckTooLong, BoxKind::Ok);
        return std::nullopt;
    }
    engine.host.setStatus(kSpellCheckStatus);
    engine.host.setWaitCursor(true);
    SpellCheckResult result = spellCheckText(engine, decodeLatinBytes(read.content));
    engine.host.setWaitCursor(false);
    engine.host.setStatus("Ready");
    std::string problem;
    if (!writeFailsFile(engine, result.failsText, problem)) {
        engine.host.message(kFailsFileUnwritable, BoxKind::Ok);
        return std::nullopt;
    }
    // The Translation box now shows the checked text: "Rename File" saves that, not an earlier log.
    engine.translationText = result.checkedText;
    engine.translationEditable = true;
    // parser.txt holds the outcome of the last command; a failure to say so loses nothing.
    replaceRegularFile(engine.file(kLogFileName), kSpellCheckDone, problem);
    return result;
}

}  // namespace kavro
