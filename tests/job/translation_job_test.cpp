#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "job/translation_job.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

// Stand-in stages that record what the job asked of them and answer from a script, so that the
// job's own steps can be checked whatever the real stages write.
struct ScriptedStages {
    std::deque<int> readerResults;   // one per read; -1 (end of file) when the script runs out
    int areaChangesToReport = 0;     // translateSentence sets areaChanged this many times
    bool prepareSucceeds = true;
    bool prepareWritesTempFile = true;
    std::vector<std::string> calls;
    int reads = 0;

    JobStages stages() {
        JobStages s;
        s.prepareLatinFile = [this](Engine& e, const std::filesystem::path&) {
            calls.push_back("prepare");
            if (prepareWritesTempFile) std::fclose(std::fopen(e.file("temp.lat").c_str(), "w"));
            return prepareSucceeds;
        };
        s.readSentence = [this](Engine& e, std::FILE*, std::string& sentence) {
            const int result = readerResults.empty() ? -1 : readerResults.front();
            if (!readerResults.empty()) readerResults.pop_front();
            sentence = "line " + std::to_string(++reads) + "\n";
            e.latinText += sentence;
            copyField(e.sentenceTokens[0], "read");
            copyField(e.savedTokens[0], "saved");
            return result;
        };
        s.resetWordStatusCache = [this](Engine&) { calls.push_back("resetCache"); };
        // Like the real stage, a repeated pass over a sentence leaves the word count alone.
        s.analyseSentenceWords = [this](Engine& e) {
            calls.push_back("analyse " + std::to_string(e.tokenCount) + " " +
                            std::string(fieldText(e.sentenceTokens[0])) +
                            (e.repeatedPass ? " (repeated)" : ""));
            e.log.write("analyses\n");
            if (!e.repeatedPass) e.wordsTranslated += e.tokenCount - 1;
        };
        s.translateSentence = [this](Engine& e) {
            calls.push_back("translate " + std::to_string(e.wordCount) +
                            (e.repeatedPass ? " (repeated)" : ""));
            if (areaChangesToReport > 0) {
                --areaChangesToReport;
                e.areaChanged = true;
                return;  // a sentence whose area changed writes nothing
            }
            e.log.write("English.\n");
        };
        s.clearSentenceContext = [this](Engine&) { calls.push_back("clearContext"); };
        s.resetAutoArea = [this](Engine&) { calls.push_back("resetAutoArea"); };
        s.reportAutoArea = [this](Engine&) { calls.push_back("reportAutoArea"); };
        s.showTranslation = engineStages().showTranslation;
        return s;
    }
};

class TranslationJob : public ::testing::Test {
protected:
    TranslationJob() : engine(std::make_unique<Engine>(lexicon, options, host, folder.path())) {
        folder.write("in.txt", "Gallia est omnis divisa in partes tres.\n");
    }

    JobResult run() {
        path = folder.file("in.txt");
        return runTranslationJob(*engine, path, 0, script.stages());
    }

    // The log after its header (which ends with the date line and a blank line).
    std::string body() const {
        const std::string log = folder.read("parser.txt");
        const auto date = log.find("Date/time = ");
        const auto end = log.find("\n\n", date);
        return date == std::string::npos || end == std::string::npos ? "<no header>" : log.substr(end + 2);
    }

    static std::string withoutTime(const std::string& text) {
        return std::regex_replace(text, std::regex(R"(Time taken = \d\d:\d\d:\d\d\.\d\d\.)"),
                                  "Time taken = T.");
    }

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine;
    ScriptedStages script;
    std::filesystem::path path;
};

TEST_F(TranslationJob, WordModeWritesTheAnalysesThenTheCountAndTheTime) {
    script.readerResults = {3, 2, -1};
    const JobResult result = run();
    EXPECT_EQ(result.status, JobStatus::Completed);
    EXPECT_EQ(withoutTime(body()),
              "analyses\nanalyses\nDone. No. of words translated in file = 3.\n\nTime taken = T.\n");
    EXPECT_EQ(script.calls, (std::vector<std::string>{"resetCache", "prepare", "clearContext",
                                                      "analyse 3 read", "analyse 2 read"}));
    EXPECT_EQ(host.statuses,
              (std::vector<std::string>{"Loading words for translation...", "Finished translation."}));
    EXPECT_EQ(host.cursorChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.escapePolls, 3);
    EXPECT_EQ(engine->latinText, "line 1\nline 2\nline 3\n");
    // The boxes show the log, read-only outside sentence mode.
    EXPECT_TRUE(result.boxesRefreshed);
    EXPECT_EQ(engine->translationText, folder.read("parser.txt"));
    EXPECT_FALSE(engine->translationEditable);
}

TEST_F(TranslationJob, ALineWithoutTokensDoesNotEndTheJob) {
    script.readerResults = {3, 0, 2, -1};
    run();
    EXPECT_EQ(withoutTime(body()),
              "analyses\nanalyses\nDone. No. of words translated in file = 3.\n\nTime taken = T.\n");
    EXPECT_EQ(engine->latinText, "line 1\nline 2\nline 3\nline 4\n");
}

TEST_F(TranslationJob, SentenceModeTranslatesAfterAnalysisAndSkipsBareEndMarks) {
    options.sentenceMode = true;
    options.jointOutput = true;
    script.readerResults = {2, 1, 4, -1};
    run();
    EXPECT_EQ(withoutTime(body()),
              "analyses\nline 1\n\nCannot safely sentence-translate one word!\nEnglish.\n"
              "analyses\nline 2\n\n"
              "analyses\nline 3\n\nEnglish.\n"
              "Done. No. of words translated in file = 4.\n\nTime taken = T.\n");
    EXPECT_EQ(engine->wordCount, 4);
    EXPECT_TRUE(engine->translationEditable);
}

TEST_F(TranslationJob, OneWordComplaintCanBeTurnedOff) {
    options.sentenceMode = true;
    options.singleWordComplaint = false;
    script.readerResults = {2};
    run();
    EXPECT_EQ(withoutTime(body()),
              "analyses\nEnglish.\nDone. No. of words translated in file = 1.\n\nTime taken = T.\n");
}

TEST_F(TranslationJob, AnAreaChangeTranslatesTheSentenceAgainFromTheSavedTokens) {
    options.sentenceMode = true;
    options.autoArea = true;
    options.area = 'L';
    script.readerResults = {5, 3};
    script.areaChangesToReport = 1;
    run();
    EXPECT_EQ(options.area, 0);
    // The second analysis is a repeated pass; the sentence after it is not.
    EXPECT_EQ(script.calls,
              (std::vector<std::string>{"resetAutoArea", "resetCache", "prepare", "clearContext",
                                        "analyse 5 read", "translate 5",
                                        "analyse 5 saved (repeated)", "translate 5",
                                        "analyse 3 read", "translate 3", "reportAutoArea"}));
    EXPECT_FALSE(engine->areaChanged);
    EXPECT_FALSE(engine->repeatedPass);
    // Only the second translation writes its English, and the words are counted once.
    EXPECT_EQ(withoutTime(body()),
              "analyses\nanalyses\nEnglish.\nanalyses\nEnglish.\n"
              "Done. No. of words translated in file = 6.\n\nTime taken = T.\n");
}

TEST_F(TranslationJob, ALongSentenceIsNotTranslatedAgainAfterAnAreaChange) {
    options.sentenceMode = true;
    options.autoArea = true;
    script.readerResults = {380};
    script.areaChangesToReport = 1;
    run();
    EXPECT_EQ(script.calls,
              (std::vector<std::string>{"resetAutoArea", "resetCache", "prepare", "clearContext",
                                        "analyse 380 read", "translate 380", "reportAutoArea"}));
    EXPECT_EQ(body().find("English."), std::string::npos);
}

TEST_F(TranslationJob, EscapeEndsTheJobAfterTheCurrentSentenceButTheSummaryIsWritten) {
    script.readerResults = {3, 3, 3};
    host.escapes = {false, true};
    const JobResult result = run();
    EXPECT_EQ(result.status, JobStatus::Aborted);
    EXPECT_TRUE(engine->jobAborted);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Escape Pressed. Ending translation.\n");
    EXPECT_EQ(withoutTime(body()),
              "analyses\nEscape Pressed. Ending translation.\n"
              "Done. No. of words translated in file = 2.\n\nTime taken = T.\n");
    EXPECT_TRUE(result.boxesRefreshed);
}

TEST_F(TranslationJob, CancelInATokenizerWarningEndsTheJobLikeEscape) {
    script.readerResults = {-2, 3};
    EXPECT_EQ(run().status, JobStatus::Aborted);
    EXPECT_EQ(withoutTime(body()),
              "Escape Pressed. Ending translation.\n"
              "Done. No. of words translated in file = 0.\n\nTime taken = T.\n");
}

TEST_F(TranslationJob, AFailedPreparationClearsThePathAndLeavesTheOldLogAlone) {
    folder.write("parser.txt", "previous job\n");
    script.prepareSucceeds = false;
    const JobResult result = run();
    EXPECT_EQ(result.status, JobStatus::PreparationFailed);
    EXPECT_TRUE(path.empty());
    EXPECT_EQ(folder.read("parser.txt"), "previous job\n");
    EXPECT_FALSE(result.boxesRefreshed);
}

TEST_F(TranslationJob, AnUnwritableLogStopsTheJob) {
    std::filesystem::create_directory(folder.file("parser.txt"));
    const JobResult result = run();
    EXPECT_EQ(result.status, JobStatus::LogUnwritable);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text.rfind("Error in opening output log file.", 0), 0u);
    EXPECT_TRUE(host.statuses.empty());
}

TEST_F(TranslationJob, AMissingIntermediateFileLeavesOnlyTheHeader) {
    script.prepareWritesTempFile = false;
    const JobResult result = run();
    EXPECT_EQ(result.status, JobStatus::TempFileUnreadable);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Cannot open 'temp.lat' intermediate file.\nIs it open somewhere else?");
    EXPECT_EQ(body(), "");
    EXPECT_FALSE(engine->log.isOpen());
}

TEST_F(TranslationJob, CorpusSearchAndSpellCheckLeaveTheBoxesAlone) {
    engine->searchRunning = true;
    script.readerResults = {2};
    EXPECT_FALSE(run().boxesRefreshed);
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Finished translation."}));

    engine->searchRunning = false;
    engine->spellCheckRunning = true;
    script.readerResults = {2};
    EXPECT_FALSE(run().boxesRefreshed);
}

TEST_F(TranslationJob, DetailsAddTheAnalysisTableDumpAfterTheTime) {
    options.details = true;
    run();
    EXPECT_EQ(withoutTime(body()),
              "Done. No. of words translated in file = 0.\n\nTime taken = T.\n\n");
}

TEST_F(TranslationJob, EveryJobStartsFromClearedFlagsAndCounters) {
    engine->jobAborted = true;
    engine->latinTruncated = true;
    engine->areaChanged = true;
    engine->wordsTranslated = 99;
    engine->latinText = "old";
    script.readerResults = {-1};
    run();
    EXPECT_FALSE(engine->jobAborted);
    EXPECT_FALSE(engine->latinTruncated);
    EXPECT_FALSE(engine->areaChanged);
    EXPECT_EQ(engine->wordsTranslated, 0);
    EXPECT_EQ(engine->latinText, "line 1\n");
}

TEST(TranslationJobWithEngineStages, WritesTheHeaderTheSummaryAndTheTime) {
    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    options.sentenceMode = true;
    auto engine = std::make_unique<Engine>(lexicon, options, host, folder.path());
    folder.write("in.txt", "Gallia est omnis divisa in partes tres.\n");
    std::filesystem::path path = folder.file("in.txt");
    EXPECT_EQ(runTranslationJob(*engine, path, 0).status, JobStatus::Completed);
    const std::string log = folder.read("parser.txt");
    EXPECT_EQ(log.rfind("Kavro Latin ", 0), 0u);
    EXPECT_TRUE(std::regex_search(log, std::regex("Done\\. No\\. of words translated in file = \\d+\\.\n\n"
                                                  "Time taken = \\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\.\n$")));
}

}  // namespace
}  // namespace kavro
