#include <gtest/gtest.h>

#include "core/engine.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"

namespace kavro {
namespace {

TEST(EngineWarnings, OnlyTwoBoxesPerRunButEveryTextIsLogged) {
    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    auto engine = std::make_unique<Engine>(lexicon, options, host, folder.path());
    ASSERT_TRUE(engine->log.open(engine->file("parser.txt")));
    engine->rationedWarning("one\n");
    engine->rationedWarning("two\n");
    engine->rationedWarning("three\n");
    engine->log.close();
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(folder.read("parser.txt"), "one\ntwo\nthree\n");
}

TEST(EngineWarnings, CorpusSearchShowsNoWarningBoxes) {
    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    auto engine = std::make_unique<Engine>(lexicon, options, host, folder.path());
    engine->searchRunning = true;
    engine->rationedWarning("quiet\n");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(engine->warningBoxCount, 0);
}

}  // namespace
}  // namespace kavro
