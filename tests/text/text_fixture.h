// A program folder, a scripted host and an engine for the text-stage tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/stages.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"
#include "text/tokenizer.h"

namespace kavro {

class TextTest : public ::testing::Test {
protected:
    // Prepares `text` as the Latin file and returns temp.lat.
    std::string prepare(std::string_view text) {
        folder.write("latin.lat", text);
        EXPECT_TRUE(prepareLatinFile(*engine, folder.file("latin.lat")));
        return folder.read("temp.lat");
    }

    // Tokenizes one line and returns the tokens separated by single spaces.
    std::string tokens(std::string_view line) {
        lastCount = tokenizeSentence(*engine, line);
        return tokenLine(lastCount);
    }

    std::string tokenLine(int count) const {
        std::string joined;
        for (int k = 0; k < count; ++k) {
            if (k > 0) joined += ' ';
            joined += fieldText(engine->sentenceTokens[k]);
        }
        return joined;
    }

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine =
        std::make_unique<Engine>(lexicon, options, host, folder.path());
    int lastCount = 0;
};

}  // namespace kavro
