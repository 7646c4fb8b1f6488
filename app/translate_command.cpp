#include "app/translate_command.h"

#include <cstdio>
#include <string_view>

#include "core/elapsed_time.h"
#include "core/engine.h"
#include "core/log_writer.h"
#include "core/regular_file.h"
#include "core/stages.h"

namespace kavro {
namespace {

constexpr const char* kLogFileName = "parser.txt";
constexpr std::string_view kNoTranslation = "English";
constexpr std::string_view kLogUnreadable = "Cannot open read file 'Parser.Txt'.";
constexpr const char* kLongTranslation =
    "Long translation truncated to %d chars.\nSuggest you rename PARSER.TXT and view it later "
    "in a wordprocessor.";
constexpr std::string_view kLatinTruncated = "Latin Text truncated.";
constexpr std::string_view kSelectionTooLong =
    "Selected text is too long.\nImport a text file instead.";
constexpr std::string_view kLatinBoxTooLong =
    "Text file in Latin box is too long.\nImport a text file instead.";
constexpr std::string_view kStorageFailure = "Cannot open storage file 'latin.lat'";

void showBox(Engine& engine, std::string_view text) {
    engine.messageBuffer.assign(text);
    engine.host.message(text, BoxKind::Ok);
}

// Cuts a text at the truncation offset and marks it, as both boxes do with an over-long text.
void markTruncated(std::string& text) {
    if (text.size() > kTruncationOffset) text.resize(kTruncationOffset);
    text.append(kTruncatedMark);
}

// Reads at most `limit` bytes of the file into `text`; false if it cannot be opened as a
// regular file (a pipe under its name would never end).
bool readLeading(const std::filesystem::path& path, std::size_t limit, std::string& text) {
    std::FILE* file = openRegularFile(path, FileAccess::Read).file;
    if (!file) return false;
    text.resize(limit);
    text.resize(std::fread(text.data(), 1, limit, file));
    std::fclose(file);
    return true;
}

void loadTranslationBox(Engine& engine) {
    engine.translationText.assign(kNoTranslation);
    std::string loaded;
    if (!readLeading(engine.file(kLogFileName), kTranslationReadLimit, loaded)) {
        showBox(engine, kLogUnreadable);
        return;
    }
    engine.translationText = std::move(loaded);
    if (engine.translationText.size() < kTranslationReadLimit) {
        engine.translationEditable = engine.options.sentenceMode;
        return;
    }
    markTruncated(engine.translationText);
    char message[256];
    std::snprintf(message, sizeof message, kLongTranslation,
                  static_cast<int>(kTranslationReadLimit));
    engine.messageBuffer = message;
    if (!engine.searchRunning) engine.host.boxNotice(message);
    engine.translationEditable = false;
}

// A selection splits into pieces at spaces; only the count up to two matters here.
bool isSingleWord(std::string_view text) {
    int pieces = 0;
    bool inPiece = false;
    for (char c : text) {
        if (c == ' ') {
            inPiece = false;
        } else if (!inPiece) {
            inPiece = true;
            if (++pieces > 1) return false;
        }
    }
    return pieces == 1;
}

// Writes the text to latin.lat whole or not at all: a new copy is renamed over the old file
// only when complete, so that the job never runs on part of the text and a failure leaves the
// previous latin.lat; a link or other non-regular file under the name is refused.
bool storeLatin(const std::filesystem::path& path, std::string_view text) {
    std::string problem;
    return replaceRegularFile(path, text, problem);
}

}  // namespace

BoxContents currentBoxContents(const Engine& engine) {
    BoxContents boxes;
    boxes.latinBox = engine.latinText + "\n";
    boxes.translationBox = engine.translationText;
    boxes.translationEditable = engine.translationEditable;
    return boxes;
}

BoxContents showTranslation(Engine& engine) {
    loadTranslationBox(engine);
    if (engine.latinTruncated) {
        engine.messageBuffer.assign(kLatinTruncated);
        engine.host.boxNotice(kLatinTruncated);
        markTruncated(engine.latinText);
    }
    return currentBoxContents(engine);
}

void showTranslationBoxes(Engine& engine) { showTranslation(engine); }

BoxContents emptyLatin(Engine& engine) {
    engine.groupNumber = 0;
    engine.analysisCount = 0;
    engine.wordCount = 0;
    engine.latinText = " ";
    engine.latinTruncated = false;
    return showTranslation(engine);
}

TranslateResult translateLatinBox(Engine& engine, const TranslateRequest& request,
                                  const JobStages& stages) {
    TranslateResult result;
    engine.groupNumber = 0;
    engine.analysisCount = 0;
    engine.wordCount = 0;
    const std::int64_t startMillis = clockMillis();
    if (engine.options.autoArea) engine.options.area = 0;

    std::string_view selection = request.latinSelection;
    if (selection.empty() && engine.options.sentenceMode) selection = request.translationSelection;
    if (!selection.empty()) {
        if (selection.size() >= kSelectionLimit) {
            showBox(engine, kSelectionTooLong);
            result.outcome = TranslateOutcome::SelectionTooLong;
            return result;
        }
        if (isSingleWord(selection) && engine.options.sentenceMode) {
            const std::size_t first = selection.find_first_not_of(' ');
            const std::size_t end = selection.find(' ', first);
            result.singleWord = std::string(selection.substr(first, end - first));
            result.outcome = TranslateOutcome::SingleWord;
            return result;
        }
    } else {
        if (request.latinBoxText.size() >= kLatinBoxLimit) {
            showBox(engine, kLatinBoxTooLong);
            result.outcome = TranslateOutcome::LatinBoxTooLong;
            return result;
        }
        engine.latinText = request.latinBoxText;
    }

    // The log is opened once as a check that it can be written, and closed again.
    if (!openOutputLog(engine)) {
        result.outcome = TranslateOutcome::LogUnwritable;
        return result;
    }
    engine.log.close();

    std::filesystem::path storage = engine.file(kLatinStorageFile);
    if (!storeLatin(storage, selection.empty() ? std::string_view(engine.latinText) : selection)) {
        showBox(engine, kStorageFailure);
        result.outcome = TranslateOutcome::StorageFailed;
        return result;
    }
    result.job = runTranslationJob(engine, storage, startMillis, stages);
    return result;
}

}  // namespace kavro
