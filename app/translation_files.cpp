#include "app/translation_files.h"

#include <algorithm>
#include <cstdio>

#include "core/engine.h"
#include "core/regular_file.h"

namespace kavro {
namespace {

constexpr const char* kLogFileName = "parser.txt";
constexpr const char* kCannotOpenInput = "Cannot open input file %s.";
constexpr const char* kReloadTruncated =
    "Long text truncated to %d chars.\nSuggest you shorten your reloaded translation.";
constexpr int kReloadTruncatedReported = 199998;
constexpr std::string_view kTruncatedMark = "\nTRUNCATED.";

void show(Engine& engine, std::string_view text) { engine.host.message(text, BoxKind::Ok); }

std::string withLineFeeds(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\r', '\n');
    return out;
}

bool readHead(const std::filesystem::path& path, std::size_t limit, std::string& text) {
    std::FILE* file = openRegularFile(path, FileAccess::Read, SymbolicLinks::Follow).file;
    if (!file) return false;
    text.resize(limit);
    text.resize(std::fread(text.data(), 1, limit, file));
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

}  // namespace

bool saveTranslationAs(Engine& engine, const std::filesystem::path& chosen, std::string_view boxText,
                       bool boxHoldsWholeLog) {
    std::string content;
    if (boxHoldsWholeLog && boxText.size() < kSavedBoxLimit) {
        content = withLineFeeds(boxText);
    } else {
        const ReadFile log = readRegularFile(engine.file(kLogFileName));
        if (!log.ok) {
            show(engine, kLogUnopenable);
            return false;
        }
        content = log.content;
    }
    std::string problem;
    if (!replaceRegularFile(chosen, content, problem)) {
        show(engine, kChosenFileUnwritable);
        return false;
    }
    return true;
}

std::optional<ReloadedTranslation> reloadTranslation(Engine& engine, const std::filesystem::path& chosen) {
    std::string text;
    if (!readHead(chosen, kReloadLimit, text)) {
        char message[600];
        std::snprintf(message, sizeof message, kCannotOpenInput, chosen.string().c_str());
        show(engine, message);
        return std::nullopt;
    }
    std::string problem;
    if (!replaceRegularFile(engine.file(kLogFileName), text, problem)) {
        show(engine, kLogUnopenable);
        return std::nullopt;
    }
    ReloadedTranslation reloaded;
    reloaded.text = std::move(text);
    if (reloaded.text.size() >= kReloadTruncatedAt) {
        reloaded.text.append(kTruncatedMark);
        char message[160];
        std::snprintf(message, sizeof message, kReloadTruncated, kReloadTruncatedReported);
        show(engine, message);
        reloaded.editable = false;
    }
    engine.translationText = reloaded.text;
    engine.translationEditable = reloaded.editable;
    return reloaded;
}

}  // namespace kavro
