// The translation job: runs one Latin text file through the engine sentence by sentence,
// writing everything to parser.txt, then the word count and the time taken.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace kavro {

struct Engine;

enum class JobStatus {
    Completed,           // every sentence of the file was read
    Aborted,             // Escape, or Cancel in a tokenizer warning; the summary was written
    PreparationFailed,   // the Latin file could not be prepared; the path was cleared
    LogUnwritable,       // parser.txt could not be opened; its opener showed why
    TempFileUnreadable,  // temp.lat could not be opened; the log holds only its header
    LogWriteFailed,      // writing parser.txt failed (a full disk): the job stopped there
};

struct JobResult {
    JobStatus status = JobStatus::Completed;
    bool boxesRefreshed = false;  // showTranslation ran; the window shows currentBoxContents
    // For the statuses about a work file (parser.txt, temp.lat): why it failed ("No space left
    // on device", "is a symbolic link; it is not followed").
    std::string problem;
};

// The stages the job calls, as a table so that the order of the job's steps can be checked with
// stand-ins; `engineStages()` holds the engine's own (see core/stages.h for what each does).
struct JobStages {
    std::function<bool(Engine&, const std::filesystem::path&)> prepareLatinFile;
    std::function<int(Engine&, std::FILE*, std::string&)> readSentence;
    std::function<void(Engine&)> resetWordStatusCache;
    std::function<void(Engine&)> analyseSentenceWords;
    std::function<void(Engine&)> translateSentence;
    std::function<void(Engine&)> clearSentenceContext;
    std::function<void(Engine&)> resetAutoArea;
    std::function<void(Engine&)> reportAutoArea;
    std::function<void(Engine&)> showTranslation;   // none: the boxes are left as they were
};
const JobStages& engineStages();

// Runs the job on `latinFile`. `startMillis` is the clockMillis() reading taken when the
// user's command began, so that the time reported includes the command's own work. When the
// preparation fails the path is emptied, which tells the caller that nothing was done.
JobResult runTranslationJob(Engine& engine, std::filesystem::path& latinFile,
                            std::int64_t startMillis, const JobStages& stages = engineStages());

}  // namespace kavro
