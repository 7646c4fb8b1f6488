// Whole sentences through every pass of sentence translation under the options that once broke
// it: the English line comes out, every English slot ends inside its field, and every chosen
// reading lies in the analysis table. Run under the sanitizer build, these catch the reads and
// writes past a table that the inputs once caused.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "core/stages.h"
#include "core/view_options.h"
#include "tests/syntax/real_sentence.h"

namespace kavro::testing {
namespace {

class WholeSentence : public RealSentence {
protected:
    // Runs the sentence through every pass and returns its English line.
    std::string translate(std::string_view latin) {
        analyse(latin);
        translateSentence(engine());
        return engine().sentence.finalLine;
    }
    void expectSoundTables() {
        const SentenceTables& s = engine().sentence;
        for (const auto& slot : s.englishSlots) EXPECT_EQ(slot[kEnglishSlotSize - 1], '\0');
        for (int p = 0; p < engine().wordCount; ++p) {
            EXPECT_GE(s.chosenAnalysis[p], -1);
            EXPECT_LT(s.chosenAnalysis[p], engine().analysisCount);
        }
    }
};

TEST_F(WholeSentence, FaultsOnceFoundStayFixed) {
    struct Case {
        const char* what;
        std::function<void(ViewOptions&)> set;
        const char* latin;
        std::vector<const char*> english;  // words the line holds, in lower case
    } cases[] = {
        // The verb is the last unit of its stretch and no subject follows it: the check for
        // "verb right before its subject" read past the list of units.
        {"verb last, no subject, verb after nominatives",
         [](ViewOptions& o) { o.bestOrder = static_cast<std::int16_t>(BestOrder::VerbAfterNominatives); },
         "Sic venit.", {"so", "he "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ViewOptions saved = options();
        c.set(options());
        clearSentenceContext(engine());
        std::string line = translate(c.latin);
        for (char& ch : line) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        for (const char* word : c.english) EXPECT_NE(line.find(word), std::string::npos) << line;
        expectSoundTables();
        options() = saved;
    }
}

}  // namespace
}  // namespace kavro::testing
