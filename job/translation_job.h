// The translation job: runs one Latin text file through the engine sentence by sentence,
// writing everything to parser.txt, then the word count and the time taken.
#pragma once

#include <cstdint>
#include <filesystem>

namespace kavro {

struct Engine;

enum class JobStatus {
    Completed,           // every sentence of the file was read
    Aborted,             // Escape, or Cancel in a tokenizer warning; the summary was written
    PreparationFailed,   // the Latin file could not be prepared; the path was cleared
    LogUnwritable,       // parser.txt could not be opened; its opener showed why
    TempFileUnreadable,  // temp.lat could not be opened; the log holds only its header
};

struct JobResult {
    JobStatus status = JobStatus::Completed;
    bool boxesRefreshed = false;  // showTranslation ran; the window shows currentBoxContents
};

// Runs the job on `latinFile`. `startMillis` is the clockMillis() reading taken when the
// user's command began, so that the time reported includes the command's own work. When the
// preparation fails the path is emptied, which tells the caller that nothing was done.
JobResult runTranslationJob(Engine& engine, std::filesystem::path& latinFile,
                            std::int64_t startMillis);

}  // namespace kavro
