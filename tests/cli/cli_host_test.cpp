// The command line's host: what it prints on stderr, and what it leaves to the window.
#include <gtest/gtest.h>

#include <string>

#include "app/translate_command.h"
#include "cli/cli_host.h"
#include "core/engine.h"
#include "tests/support/temp_folder.h"

namespace kavro::cli {
namespace {

// The notices about the window's cut boxes are not printed (the command line prints parser.txt
// whole); a warning the window leaves to the log is.
TEST(CliHost, LeavesTheWindowsBoxNoticesOutAndPrintsLogWarnings) {
    kavro::testing::TempFolder folder;
    folder.write("parser.txt", std::string(kTranslationReadLimit + 10, 'x'));
    CliHost host;
    Lexicon lexicon;
    ViewOptions options;
    Engine engine(lexicon, options, host, folder.path());
    engine.latinTruncated = true;
    ::testing::internal::CaptureStderr();
    const BoxContents boxes = showTranslation(engine);
    host.logWarning("phoneticuk.dat: corrupt\n");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "kavro: phoneticuk.dat: corrupt\n");
    EXPECT_TRUE(boxes.latinBox.ends_with(std::string(kTruncatedMark) + "\n"));
}

}  // namespace
}  // namespace kavro::cli
