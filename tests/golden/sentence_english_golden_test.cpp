// The English of a dozen typed sentences of different kinds (a plain main clause, a passive, a
// relative clause, an ablative absolute, an ut clause, indirect speech, a question, inquit, a
// standard phrase, a special sense, an address, a cum clause), run through the whole pipeline in
// sentence mode, against the reviewed lines of sentence_english.expected ("Latin | English").
// Each expected line was read as an English speaker would read it; where the English is still
// literal the line says what the program does today, so that a change shows. The lines hold also
// with the standard phrases unmarked (their marks removed). Skipped when the lexicon of the build
// has not been compiled.
// KAVRO_UPDATE_GOLDEN=1 rewrites the expected file (review it before committing).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/stages.h"
#include "job/data_loader.h"
#include "job/translation_job.h"
#include "tests/support/compiled_engine.h"

namespace kavro::testing {
namespace {

namespace fs = std::filesystem;

fs::path expectedFile() { return fs::path(KAVRO_SOURCE_DIR) / "tests/golden/sentence_english.expected"; }

struct Pair {
    std::string latin, english;
};

std::vector<Pair> readExpected() {
    std::vector<Pair> pairs;
    std::ifstream in(expectedFile());
    for (std::string line; std::getline(in, line);) {
        const std::size_t bar = line.find(" | ");
        if (line.empty() || line[0] == '#' || bar == std::string::npos) continue;
        pairs.push_back({line.substr(0, bar), line.substr(bar + 3)});
    }
    return pairs;
}

std::string trimmed(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) line.remove_suffix(1);
    return std::string(line);
}

// The English line of every sentence of `latin` (one sentence a line), with the options of a
// fresh program folder: the shipped standard phrases, marked as parser.txt marks them unless
// `showUserPhrases` is off.
std::vector<std::string> translate(const std::vector<Pair>& pairs, bool showUserPhrases = true) {
    ViewOptions options;
    options.showUserPhrases = showUserPhrases;
    options.sentenceMode = true;
    CompiledEngine run(options);
    TempFolder& folder = run.folder;

    std::string text;
    for (const Pair& p : pairs) text += p.latin + "\n";
    std::ofstream(folder.file("golden.lat"), std::ios::binary) << text;
    std::vector<std::string> english;
    JobStages stages = engineStages();
    stages.translateSentence = [&english](Engine& e) {
        translateSentence(e);
        english.push_back(trimmed(e.sentence.finalLine));
    };
    fs::path latinFile = folder.file("golden.lat");
    runTranslationJob(*run.engine, latinFile, 0, stages);
    return english;
}

TEST(SentenceEnglishGolden, TheReviewedEnglishOfTypedSentencesStays) {
    if (!haveCompiledData()) GTEST_SKIP() << "no compiled lexicon in " << compiledDataFolder();
    const std::vector<Pair> pairs = readExpected();
    ASSERT_GE(pairs.size(), 12u);
    const std::vector<std::string> english = translate(pairs);
    ASSERT_EQ(english.size(), pairs.size()) << "one English line per sentence";
    if (const char* update = std::getenv("KAVRO_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::ifstream in(expectedFile());
        std::ostringstream out;
        std::size_t k = 0;
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#' || line.find(" | ") == std::string::npos) out << line << '\n';
            else {
                out << pairs[k].latin << " | " << english[k] << '\n';
                ++k;
            }
        }
        std::ofstream(expectedFile(), std::ios::binary) << out.str();
        GTEST_SKIP() << "rewrote " << expectedFile();
    }
    for (std::size_t k = 0; k < pairs.size(); ++k) EXPECT_EQ(english[k], pairs[k].english) << pairs[k].latin;
    // The marks of the standard phrases change nothing but the marks.
    const std::vector<std::string> unmarked = translate(pairs, false);
    ASSERT_EQ(unmarked.size(), pairs.size());
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        std::string expected = pairs[k].english;
        std::erase_if(expected, [](char c) { return c == '<' || c == '>'; });
        EXPECT_EQ(unmarked[k], expected) << pairs[k].latin << " (phrases not shown)";
    }
}

}  // namespace
}  // namespace kavro::testing
