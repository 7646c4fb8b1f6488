#include "job/translation_job.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "core/elapsed_time.h"
#include "core/engine.h"
#include "core/log_writer.h"
#include "core/regular_file.h"
#include "core/stages.h"

namespace kavro {
namespace {

constexpr const char* kTempFileName = "temp.lat";
constexpr const char* kLogFileName = "parser.txt";
constexpr std::string_view kTempFileFailure =
    "Cannot open 'temp.lat' intermediate file.\nIs it open somewhere else?";
constexpr std::string_view kEscapeText = "Escape Pressed. Ending translation.\n";
constexpr std::string_view kOneWordComplaint = "Cannot safely sentence-translate one word!\n";
constexpr std::string_view kLoadingStatus = "Loading words for translation...";
constexpr std::string_view kFinishedStatus = "Finished translation.";
constexpr std::string_view kLogWriteStopped = "\nTranslation stopped.";

// Reader results other than a token count.
constexpr int kNothingLeft = 0;
constexpr int kEndOfFile = -1;
constexpr int kCancelled = -2;
// A sentence of an end mark and one word.
constexpr int kOneWordSentence = 2;
// Sentences this long are not translated a second time after an area change.
constexpr int kRetranslationTokenLimit = 380;

// Steps 1 and 2: area tallies, the per-job word-status cache and the sentence counters.
void resetForJob(Engine& engine, const JobStages& stages) {
    engine.areaChanged = false;
    if (engine.options.autoArea) {
        engine.options.area = 0;
        stages.resetAutoArea(engine);
    }
    stages.resetWordStatusCache(engine);
    for (StemRecord& name : engine.learnedNames) name = StemRecord{};
    engine.learnedNameWrite = 0;
    engine.groupNumber = 0;
    engine.analysisCount = 0;
    engine.wordCount = 0;
}

// Step 7: what the sentence loop starts from.
void resetForSentences(Engine& engine, const JobStages& stages) {
    engine.wordsTranslated = 0;
    engine.jobAborted = false;
    engine.latinTruncated = false;
    engine.latinText.clear();
    stages.clearSentenceContext(engine);
    engine.tokenCount = 1;
    engine.currentSentence.clear();
}

void reportEscape(Engine& engine) {
    engine.messageBuffer.assign(kEscapeText);
    engine.host.message(kEscapeText, BoxKind::Ok);
    engine.log.write(kEscapeText);
    engine.jobAborted = true;
}

// An area change during the sentence asks for it to be translated once more under the new
// area, from the tokens the tokenizer saved (one block copy, no second read). The second word
// analysis is a repeated pass: its words and hash hits were counted the first time.
void retranslateAfterAreaChange(Engine& engine, const JobStages& stages, int readerResult) {
    if (!engine.areaChanged || engine.tokenCount >= kRetranslationTokenLimit) return;
    engine.tokenCount = readerResult;
    std::memcpy(engine.sentenceTokens, engine.savedTokens, sizeof engine.sentenceTokens);
    engine.groupNumber = 0;
    engine.analysisCount = 0;
    engine.repeatedPass = true;
    stages.analyseSentenceWords(engine);
    engine.repeatedPass = false;
    stages.translateSentence(engine);
    engine.areaChanged = false;
}

void translateInSentenceMode(Engine& engine, const JobStages& stages, int readerResult) {
    if (engine.options.jointOutput) {
        engine.log.write(engine.currentSentence);
        engine.log.write("\n");
    }
    if (engine.tokenCount == kOneWordSentence && engine.options.singleWordComplaint) {
        engine.log.write(kOneWordComplaint);
    }
    if (engine.tokenCount < kOneWordSentence) return;  // only an end mark
    stages.translateSentence(engine);
    retranslateAfterAreaChange(engine, stages, readerResult);
}

enum class LoopEnd { Finished, Aborted, LogFailed };

// Step 8: sentence after sentence until the reader has nothing more, the user ends the job, or
// parser.txt can no longer be written (going on would only lose the rest of the output).
LoopEnd runSentenceLoop(Engine& engine, const JobStages& stages, std::FILE* tempLat) {
    std::string sentence;
    for (;;) {
        engine.groupNumber = 0;
        engine.analysisCount = 0;
        engine.tokenCount = stages.readSentence(engine, tempLat, sentence);
        engine.currentSentence = sentence;
        // A line that held no token (a word too long to keep, a line of stray characters) is
        // passed over: ending the job there would silently drop the rest of the text.
        if (engine.tokenCount == kNothingLeft) continue;
        if (engine.host.escapePressed() || engine.tokenCount == kCancelled) {
            reportEscape(engine);
            return LoopEnd::Aborted;
        }
        if (engine.tokenCount == kEndOfFile) break;
        const int readerResult = engine.tokenCount;
        stages.analyseSentenceWords(engine);
        engine.wordCount = engine.tokenCount;
        if (engine.options.sentenceMode) translateInSentenceMode(engine, stages, readerResult);
        if (engine.log.failed()) return LoopEnd::LogFailed;
    }
    return LoopEnd::Finished;
}

// Steps 9 to 12: the summary, however the loop ended, and the log closed. False when some
// write to the log or its close failed.
bool writeSummary(Engine& engine, std::FILE* tempLat, std::int64_t startMillis) {
    engine.log.printf("Done. No. of words translated in file = %d.\n", engine.wordsTranslated);
    std::fclose(tempLat);
    const std::string elapsed = formatElapsed(startMillis, clockMillis());
    engine.log.printf("\nTime taken = %s.\n", elapsed.c_str());
    if (engine.options.details) dumpAnalysisTable(engine);
    return engine.log.close();
}

// A log that could not be written: the box names the file and the reason, and the job fails.
void reportLogWriteFailure(Engine& engine, JobResult& result) {
    result.status = JobStatus::LogWriteFailed;
    result.problem = engine.log.problem();
    std::string message = fileProblemText("Cannot write", kLogFileName, engine.log.problem());
    message.append(kLogWriteStopped);
    engine.messageBuffer.assign(message);
    engine.host.message(message, BoxKind::Ok);
}

// temp.lat as prepared, read as a regular file only; on failure the box, the log closed and
// the result's status and problem set.
std::FILE* openTempFile(Engine& engine, JobResult& result) {
    OpenedFile opened = openRegularFile(engine.file(kTempFileName), FileAccess::Read);
    if (opened.file) return opened.file;
    engine.messageBuffer.assign(kTempFileFailure);
    engine.host.message(kTempFileFailure, BoxKind::Ok);
    engine.log.close();
    result.status = JobStatus::TempFileUnreadable;
    result.problem = std::move(opened.problem);
    return nullptr;
}

}  // namespace

const JobStages& engineStages() {
    static const JobStages stages{prepareLatinFile,     readSentence,       resetWordStatusCache,
                                  analyseSentenceWords, translateSentence,  clearSentenceContext,
                                  resetAutoArea,        reportAutoArea,     showTranslationBoxes};
    return stages;
}

JobResult runTranslationJob(Engine& engine, std::filesystem::path& latinFile,
                            std::int64_t startMillis, const JobStages& stages) {
    JobResult result;
    resetForJob(engine, stages);
    if (!stages.prepareLatinFile(engine, latinFile)) {
        latinFile.clear();
        result.status = JobStatus::PreparationFailed;
        return result;
    }
    if (!openOutputLog(engine)) {
        result.status = JobStatus::LogUnwritable;
        result.problem = engine.log.problem();
        return result;
    }
    std::FILE* tempLat = openTempFile(engine, result);
    if (!tempLat) return result;
    engine.host.setWaitCursor(true);
    if (!engine.searchRunning) engine.host.setStatus(kLoadingStatus);
    resetForSentences(engine, stages);
    const LoopEnd end = runSentenceLoop(engine, stages, tempLat);
    if (end == LoopEnd::Aborted) result.status = JobStatus::Aborted;
    const bool logWritten = writeSummary(engine, tempLat, startMillis);
    engine.host.setStatus(kFinishedStatus);
    engine.host.setWaitCursor(false);
    if (!logWritten) {
        reportLogWriteFailure(engine, result);
        return result;
    }
    if (!engine.searchRunning && !engine.spellCheckRunning && stages.showTranslation) {
        stages.showTranslation(engine);
        result.boxesRefreshed = true;
    }
    if (engine.options.autoArea) stages.reportAutoArea(engine);
    return result;
}

}  // namespace kavro
