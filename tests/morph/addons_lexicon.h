// The compiled lexicon of the build for the tests of tackons, prefixes, suffixes, uniques and
// pronoun compounds, loaded once per test program (the tests are skipped when it has not been
// built; KAVRO_DATA names another data folder).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "job/data_loader.h"
#include "job/grammar_codes.h"
#include "job/stages.h"
#include "morph/analysis_emit.h"
#include "morph/stem_search.h"
#include "morph/word_status_cache.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro::testing {

class AddonsLexicon : public ::testing::Test {
protected:
    struct Reading {
        std::uint8_t partOfSpeech;
        std::string form;
        std::string english;
        int sourceKind;
        WordAnalysis record;
    };

    static void SetUpTestSuite() {
        const char* env = std::getenv("KAVRO_DATA");
        const std::filesystem::path folder = env && *env ? env : KAVRO_DATA_DIR;
        if (world_ || !std::filesystem::exists(folder / "manifest.txt")) return;
        world_ = new TinyWorld;
        world_->options.hashOffByUser = true;
        std::string problem;
        loaded_ = loadDataFiles(*world_->engine, world_->lexicon, folder, &problem);
        if (!loaded_) ADD_FAILURE() << problem;
    }
    void SetUp() override {
        if (!world_) GTEST_SKIP() << "no compiled lexicon";
        ASSERT_TRUE(loaded_);
        ViewOptions& o = world_->options;
        o.sentenceMode = true;
        o.medievalTricks = false;
        o.plautusElisions = false;
        o.inscriptions = false;
        o.botanyActive = false;
        o.age = kAgeAll;
        engine().keepAnalysisSources = true;
        engine().singleWordLookup = false;
        engine().singleWordCount = 0;
        resetWordStatusCache(engine());
    }
    Engine& engine() { return *world_->engine; }
    ViewOptions& options() { return world_->options; }

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
            if (a.wordPosition == position)
                out.push_back({a.partOfSpeech, a.analysedForm, a.english, e.analysisSources[i].sourceKind, a});
        }
        return out;
    }
    bool hasReading(int position, std::uint8_t partOfSpeech, std::string_view form) {
        for (const Reading& r : readingsOf(position))
            if (r.partOfSpeech == partOfSpeech && r.form == form) return true;
        return false;
    }
    // "form/part of speech/english" of every reading of a word, for failure messages.
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
