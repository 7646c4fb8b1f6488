// The final assembly of the English line: spacing, quotes, marks, the gerundive marker,
// bracketed numbers, the line limits, and the line written to the log.
#include "syntax/final_output.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/hand_sentence.h"

namespace kavro {
namespace {

using testing::declined;
using testing::HandSentence;
using testing::markReading;
using namespace punctuation_type;

// One slot of a hand-built sentence: a word, or a mark of the given kind (-1 for a word).
struct Slot {
    const char* text;
    int mark = -1;
};

struct Assembly : HandSentence {
    explicit Assembly(const std::vector<Slot>& slots) {
        for (const Slot& slot : slots) {
            add(slot.mark < 0 ? declined(speech_type::Noun, 1, 1, 1, "x.", "x")
                              : markReading(slot.mark, slot.text[0]),
                slot.text);
        }
    }
    // Runs the assembly with the log open and returns what it wrote.
    std::string run() {
        EXPECT_TRUE(engine().log.open(engine().file("parser.txt")));
        assembleFinalOutput(engine());
        engine().log.close();
        return folder.read("parser.txt");
    }
};

struct LineCase {
    const char* name;
    std::vector<Slot> slots;
    const char* line;
};

TEST(FinalOutput, JoinsSlotsIntoOneSpacedLine) {
    const LineCase cases[] = {
        {"leading comma", {{",", Comma}, {"the city"}, {"stands"}, {".", FullStop}}, "The city stands. \n\n"},
        {"trailing comma", {{"yes"}, {",", Comma}, {"no"}, {",", Comma}, {".", FullStop}}, "yes, no. \n\n"},
        {"gerundive first", {{"RTB destroyed"}, {".", FullStop}}, "Requiring-to-be-destroyed. \n\n"},
        {"gerundive after an empty slot", {{""}, {"RTB destroyed"}}, "Requiring-to-be-destroyed \n\n"},
        {"gerundive later", {{"the city"}, {"the RTB been-seen"}, {".", FullStop}},
         "the city the requiring-to-have-been-seen. \n\n"},
        {"bracketed number", {{"chapter"}, {"[12]"}, {"[a]"}, {"[1-2.5]"}, {".", FullStop}},
         "chapter 12 [a] 1-2.5. \n\n"},
        {"exclamation then full stop", {{"stop"}, {"!", ExclamationMark}, {".", FullStop}}, "stop! \n\n"},
        {"doubled comma", {{"yes"}, {",", Comma}, {",", Comma}, {"no"}}, "yes, no \n\n"},
        {"quoted speech",
         {{"he says"}, {"\"", DoubleQuote}, {"come"}, {"\"", DoubleQuote}, {".", FullStop}},
         "he says \"come\". \n\n"},
        {"single quotes and a question",
         {{"'", SingleQuote}, {"who"}, {"?", QuestionMark}, {"'", SingleQuote}, {"he asks"}},
         "'who?' he asks \n\n"},
        {"spaces collapse", {{" the   city "}, {"  stands"}, {" .", FullStop}}, "the city stands. \n\n"},
    };
    for (const LineCase& c : cases) {
        Assembly a(c.slots);
        EXPECT_EQ(a.run(), c.line) << c.name;
    }
}

// A position without a chosen reading reads as a deleted word (no space after it); slot 0
// keeps the gerundive marker for later readers; the trace line comes first with details on.
TEST(FinalOutput, MissingReadingsMarkersAndTrace) {
    Assembly a({{"the"}, {"city"}, {"RTB seen"}, {".", FullStop}});
    a.engine().sentence.chosenAnalysis[1] = -1;
    a.options.details = true;
    EXPECT_EQ(a.run(), "Final output...\nthe cityrequiring-to-be-seen. \n\n");
    EXPECT_EQ(a.slot(2), "RTB seen");
}

TEST(FinalOutput, LongLinesAndWordsAreCut) {
    // 40 words of 79 letters: the line stops once it passes 2,250 characters.
    std::vector<std::string> words(40, std::string(79, 'w'));
    std::vector<Slot> slots;
    for (const std::string& w : words) slots.push_back({w.c_str()});
    Assembly longLine(slots);
    const std::string line = longLine.run();
    const std::string tooMany = "Too many translation characters output - truncating.\n";
    EXPECT_EQ(line.substr(0, 80), std::string(79, 'w') + " ");
    EXPECT_EQ(line.size(), 29 * 80 + tooMany.size() + 2);
    EXPECT_TRUE(line.ends_with(tooMany + "\n\n"));
    EXPECT_TRUE(longLine.host.boxes.empty());

    // A gerundive that grows past 80 letters ends the line with a warning box; a slot with no
    // terminator is read as its 80 characters.
    const std::string longGerundive = "RTB " + std::string(70, 'g');
    Assembly longWord({{"a"}, {"b"}, {longGerundive.c_str()}, {"after"}});
    std::memset(longWord.engine().sentence.englishSlots[1], 'b', kEnglishSlotSize);
    const std::string cut = longWord.run();
    const std::string shown = "a " + std::string(80, 'b') + " requiring-to-be-" + std::string(70, 'g') +
                              " Word translation is too long - truncating.\n";
    EXPECT_EQ(cut, shown + shown + "\n\n");   // the box text goes to the log too
    ASSERT_EQ(longWord.host.boxes.size(), 1u);
    EXPECT_EQ(longWord.host.boxes[0].text, shown);
}

}  // namespace
}  // namespace kavro
