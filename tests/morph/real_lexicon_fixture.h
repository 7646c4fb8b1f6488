// The compiled lexicon of the build for the word-analysis tests that need real Latin, loaded once
// per test program (the tests are skipped when it has not been built; KAVRO_DATA names another
// data folder). Every test starts from the same options and empty per-job state.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/grammar_codes.h"
#include "core/stages.h"
#include "job/data_loader.h"
#include "morph/analysis_emit.h"
#include "morph/stem_search.h"
#include "morph/word_status_cache.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro::testing {

inline std::filesystem::path realDataFolder() {
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DATA_DIR;
}

// One reading as the tests look at it.
struct Reading {
    std::uint8_t partOfSpeech;
    std::string form;      // analysed form, "stem.ending"
    std::string english;
    std::string citation;
    int sourceKind;
    WordAnalysis record;
};

class RealLexicon : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (world_ || !std::filesystem::exists(realDataFolder() / "manifest.txt")) return;
        world_ = new TinyWorld;
        world_->options.hashOffByUser = true;
        std::string problem;
        loaded_ = loadDataFiles(*world_->engine, world_->lexicon, realDataFolder(), &problem);
        if (!loaded_) ADD_FAILURE() << problem;
    }
    void SetUp() override {
        if (!world_) GTEST_SKIP() << "no compiled lexicon in " << realDataFolder();
        ASSERT_TRUE(loaded_);
        ViewOptions& o = world_->options;
        o.sentenceMode = true;
        o.medievalTricks = false;
        o.medievalPhonetics = false;
        o.plautusElisions = false;
        o.inscriptions = false;
        o.botanyActive = false;
        o.age = kAgeAll;
        Engine& e = engine();
        e.keepAnalysisSources = true;
        e.singleWordLookup = false;
        e.singleWordCount = 0;
        e.stemLevelLimit = kAdmitEveryStem;
        resetWordStatusCache(e);
        for (StemRecord& name : e.learnedNames) name = StemRecord{};
        e.learnedNameWrite = 0;
    }
    Engine& engine() { return *world_->engine; }
    Lexicon& lexicon() { return world_->lexicon; }
    ViewOptions& options() { return world_->options; }

    // Analyses the tokens as one sentence.
    void analyse(std::initializer_list<std::string_view> tokens) {
        Engine& e = engine();
        int n = 0;
        for (std::string_view t : tokens) copyField(e.sentenceTokens[n++], t);
        e.tokenCount = n;
        e.analysisCount = 0;
        e.groupNumber = 0;
        analyseSentenceWords(e);
    }
    std::vector<Reading> readingsOf(int position) {
        std::vector<Reading> out;
        const Engine& e = engine();
        for (int i = 0; i < e.analysisCount; ++i) {
            const WordAnalysis& a = e.wordAnalyses[i];
            if (a.wordPosition != position) continue;
            out.push_back({a.partOfSpeech, a.analysedForm, a.english, e.analysisSources[i].citation,
                           e.analysisSources[i].sourceKind, a});
        }
        return out;
    }
    // True when one reading of `position` has this part of speech and analysed form.
    bool hasReading(int position, std::uint8_t partOfSpeech, std::string_view form) {
        for (const Reading& r : readingsOf(position))
            if (r.partOfSpeech == partOfSpeech && r.form == form) return true;
        return false;
    }
    // The analysed forms of a word, and "form/part of speech/english" of each, for failure messages.
    std::string formsOf(int position) {
        std::string all;
        for (const Reading& r : readingsOf(position)) all += r.form + " ";
        return all;
    }
    std::string describe(int position) {
        std::string all;
        for (const Reading& r : readingsOf(position))
            all += r.form + "/" + std::to_string(r.partOfSpeech) + "/" + r.english + " ";
        return all;
    }
    std::string_view token(int i) { return fieldText(engine().sentenceTokens[i]); }

    static inline TinyWorld* world_ = nullptr;
    static inline bool loaded_ = false;
};

}  // namespace kavro::testing
