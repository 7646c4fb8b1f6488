#include <gtest/gtest.h>

#include <random>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_host.h"
#include "user/user_dictionary.h"

namespace kavro {
namespace {

class UserDictionary : public ::testing::Test {
protected:
    UserDictionary() { engine->log.open(engine->file("parser.txt")); }
    bool parse(std::string_view line, UserFile file = UserFile::Main) {
        return parseUserLine(*engine, line, file, {stems, meanings});
    }
    int load() {
        const int count = loadUserDictionary(*engine, lexicon);
        engine->log.close();
        return count;
    }
    std::string log() const { return folder.read("parser.txt"); }

    testing::TempFolder folder;
    testing::TestHost host;
    Lexicon lexicon;
    ViewOptions options;
    std::unique_ptr<Engine> engine = std::make_unique<Engine>(lexicon, options, host, folder.path());
    std::vector<StemRecord> stems;
    std::vector<MeaningRecord> meanings;
};

TEST_F(UserDictionary, AVerbLineGivesOneStemPerPrincipalPartAndOneMeaning) {
    ASSERT_TRUE(parse("amo ama amav amat / V 1 1 TRANS / love; like "));
    ASSERT_EQ(stems.size(), 4u);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(stems[j].stemKey, j + 1);
        EXPECT_EQ(stems[j].sort, verb_kind_type::Transitive);
        EXPECT_EQ(stems[j].meaningIndex, 0u);
        EXPECT_EQ(stems[j].which, 1);
        EXPECT_EQ(stems[j].areaFrequency, 1);
        EXPECT_EQ(stems[j].ageLevel, 0);
    }
    EXPECT_EQ(stems[0].partOfSpeech, speech_type::Verb);
    EXPECT_EQ(stems[3].partOfSpeech, speech_type::Participle);   // the fourth stem
    ASSERT_EQ(meanings.size(), 1u);
    EXPECT_EQ(fieldText(meanings[0].english), "love/ like");
    EXPECT_EQ(fieldText(meanings[0].latin), "amo ama amau amat  ");
}

TEST_F(UserDictionary, NounsAdjectivesAndMissingStemsTakeTheirGrammarWords) {
    ASSERT_TRUE(parse("Iulius NULL / N 2 1 M P / Julius ", UserFile::Pliny));
    ASSERT_EQ(stems.size(), 1u);
    EXPECT_EQ(fieldText(stems[0].stem), "Iulius");   // J folded to I
    EXPECT_EQ(stems[0].genderOrKind, gender_type::Masculine);
    EXPECT_EQ(stems[0].sort, noun_kind_type::Person);
    EXPECT_EQ(stems[0].areaFrequency, 4);
    EXPECT_EQ(stems[0].ageLevel, 4);
    ASSERT_TRUE(parse("melior / ADJ 3 1 COMP 2 / better "));
    EXPECT_EQ(stems.back().stemKey, 3);
    EXPECT_EQ(stems.back().sort, 2);
    EXPECT_EQ(stems.back().meaningIndex, 1u);
}

TEST_F(UserDictionary, MalformedLinesFailWithTheirBoxes) {
    EXPECT_FALSE(parse("amo / V 1 1 TRANS X Y / love "));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Too many user fields.\n");
    EXPECT_FALSE(parse(std::string(40, 'a') + " / N 1 1 F / long "));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, "User word is too long.\n");
    EXPECT_FALSE(parse("amo / Q 1 1 / love "));        // no such part of speech
    EXPECT_FALSE(parse("amo / V 1 1 TRANS "));         // no English field
    EXPECT_FALSE(parse(" / V 1 1 / love "));           // no stem
    EXPECT_TRUE(stems.empty());
    EXPECT_TRUE(meanings.empty());
}

TEST_F(UserDictionary, LoadingSortsTheStemsAndLogsRejectedLines) {
    folder.write("Userfile.txt",
                 "-- my words\r\n"
                 "uirtus uirtut / N 3 1 F A / courage\r\n"
                 "\r\n"
                 "amo ama / V 1 1 TRANS X Y / bad\r\n"
                 "aqua / N 1 1 F T / water\r\n");
    EXPECT_EQ(load(), 3);
    ASSERT_EQ(lexicon.userStems.size(), 3u);
    EXPECT_EQ(fieldText(lexicon.userStems[0].stem), "aqua");
    EXPECT_EQ(lexicon.userStems[0].meaningIndex, 1u);
    EXPECT_EQ(fieldText(lexicon.userMeanings[1].english), "water");
    EXPECT_EQ(log(),
              "Loading user-defined dictionary Userfile.txt..."
              "Too many user fields.\n"
              "Rejected user line 'amo ama / V 1 1 TRANS X Y / bad ' owing to error.\n"
              "Done. Added 2 user words.\n");
}

TEST_F(UserDictionary, AMissingUserfileMeansNoUserDictionaryAtAll) {
    folder.write("PlinyUserfile.txt", "aqua / N 1 1 F T / water\n");
    EXPECT_EQ(load(), 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Cannot open Userfile.txt.\n");
    EXPECT_TRUE(lexicon.userStems.empty());
}

TEST_F(UserDictionary, ThePlinyFileIsReadOnlyWhenTheUserSaysSo) {
    folder.write("Userfile.txt", "aqua / N 1 1 F T / water\n");
    folder.write("PlinyUserfile.txt", "herba / N 1 1 F T / herb\n");
    host.answers = {BoxAnswer::Yes};
    EXPECT_EQ(load(), 2);
    EXPECT_TRUE(log().ends_with("Done. Added 1 user words. Added 1 extra Pliny words.\n"));

    host.answers = {BoxAnswer::No};
    host.boxes.clear();
    Lexicon other;
    EXPECT_EQ(loadUserDictionary(*engine, other), 1);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].kind, BoxKind::YesNo);
    EXPECT_TRUE(host.boxes[1].text.starts_with("Aborting Pliny Load."));
}

TEST_F(UserDictionary, ReadingStopsAtTwoThousandAcceptedLines) {
    std::string lines;
    for (int i = 0; i < 3000; ++i) lines += "uerb" + std::to_string(i) + " / N 2 1 N T / a word\n";
    folder.write("Userfile.txt", lines);
    EXPECT_EQ(load(), 2000);
    EXPECT_EQ(lexicon.userMeanings.size(), 2000u);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text,
              "Exceeded max. no. of entries.\nLast line was uerb1999 / N 2 1 N T / a word \n");
}

TEST_F(UserDictionary, ArbitraryLinesNeverOverrunAField) {
    std::mt19937 random(5);
    const std::string alphabet = "ab /;NVADJ123 \xe6\xff\t";
    for (int i = 0; i < 3000; ++i) {
        std::string line(random() % 300, ' ');
        for (char& c : line) c = alphabet[random() % alphabet.size()];
        parse(line);
    }
    EXPECT_LE(stems.size(), meanings.size() * kUserStemsPerLine);
    for (const StemRecord& s : stems) EXPECT_LE(fieldText(s.stem).size(), kUserWordLength);
    for (const MeaningRecord& m : meanings) EXPECT_LT(fieldText(m.english).size(), sizeof m.english);
}

}  // namespace
}  // namespace kavro
