// English sentence assembly over hand-built sentences: case prefixes, plural markers, a verb's
// subject found in its clause, ut by the mood of the verb after it, the uncertain mark, and a
// position without a reading.
#include "english/sentence_assembly.h"

#include <gtest/gtest.h>

#include <cstring>

#include "english/polish_records.h"
#include "tests/english/hand_sentence.h"

namespace kavro {
namespace {

using namespace kavro::testing;

constexpr int PRES = 1, IMPF = 2, PERF = 4, PLUP = 5, IND = 1, SUBJ = 2;

WordAnalysis withNumberRestriction(WordAnalysis r, int number) {
    r.grammar4 = static_cast<std::uint8_t>(number);
    return r;
}

WordAnalysis pronoun(const char* form, const char* english, int caseCode) {
    WordAnalysis r = declined(speech_type::Pronoun, form, english, caseCode, SG);
    r.stemClass2 = 1;
    return r;
}

WordAnalysis relative(const char* form, int caseCode, int gender) {
    WordAnalysis r = declined(speech_type::Pronoun, form, "which", caseCode, SG, gender);
    r.kind2 = pronoun_kind_type::Relative;
    return r;
}

struct AssemblyCase {
    const char* name;
    std::vector<WordAnalysis> words;
    std::vector<std::string> slots;
    int subject = -1;   // a nominative that must come out linked to the verb at `verbAt`
    int verbAt = -1;
};

const AssemblyCase kCases[] = {
    {"plural markers, none for a noun of one number",
     {noun("bell.a", "war", ACC, PL), noun("uitr.a", "glass", ACC, PL),
      withNumberRestriction(noun("arm.a", "arms", ACC, PL), PL), mark(".")},
     {"the war+s", "the glass+es", "the arms", "."}},
    {"genitive and vocative",
     {noun("reg.is", "king", GEN), noun("amic.e", "friend", VOC), mark(".")},
     {"of the king", "O friend", "."}},
    {"dative pronoun: no \"to \" after a preposition",
     {reading(speech_type::Preposition, "ad.", "towards"), pronoun("e.i", "him", DAT),
      pronoun("e.i", "him", DAT), mark(".")},
     {"towards", "him", "to him", "."}},
    {"3rd person verb: the nominative after it is its subject and is linked to it",
     {verb("am.at", "love", PRES, IND, 3, SG), noun("puell.a", "girl", NOM),
      noun("ros.as", "rose", ACC, PL), mark(".")},
     {"^love+s", "the girl", "the rose+s", "."},
     1, 0},
    {"a relative clause keeps its own subject; the main verb takes the one outside it",
     {noun("urbs.", "city", NOM), relative("qu.em", ACC, 1), verb("condid.it", "found", PRES, IND, 3, SG),
      noun("Romul.us", "Romulus", NOM), verb("..est", "be", PRES, IND, 3, SG), mark(".")},
     {"the city", "which", "^found+s", "the Romulus", "^is", "."},
     0, 4},
    {"a nominative relative pronoun is its verb's subject",
     {noun("uir.", "man", NOM), relative("qu.i", NOM, 1), verb("uen.it", "come", PRES, IND, 3, SG),
      verb("ad.est", "be present", PRES, IND, 3, SG), mark(".")},
     {"the man", "which", "^come+s", "^is present", "."}},
    {"a relative that opens its own clause ends the subject search of the verb after it",
     {verb("uid.it", "see", PRES, IND, 3, SG), noun("De.us", "God", NOM), relative("qu.od", NOM, 3),
      verb("..est", "be", PRES, IND, 3, SG), mark(".")},
     {"^see+s", "the God", "which", "s/he/it ^is", "."}},
    {"3rd person verb: the search stops at a conjunction",
     {verb("am.at", "love", PRES, IND, 3, SG), reading(speech_type::Conjunction, "et.", "and"),
      noun("puell.a", "girl", NOM), mark(".")},
     {"s/he/it ^love+s", "and", "the girl", "."}},
    {"ut before a subjunctive",
     {reading(speech_type::Conjunction, "ut.", "so that"), verb("uen.iat", "come", PRES, SUBJ, 3, SG),
      mark(".")},
     {"so that", "s/he/it may ^come", "."}},
    {"ut before an indicative only",
     {reading(speech_type::Conjunction, "Ut.", "so that"), verb("uen.it", "come", PRES, IND, 3, SG),
      mark(".")},
     {"as", "s/he/it ^come+s", "."}},
    {"the uncertain mark stays in front",
     {noun("rex.", "~king", NOM), verb("uen.it", "~come", PRES, IND, 3, SG), mark(".")},
     {"~the king", "~^come+s", "."},
     0, 1},
};

TEST(SentenceAssembly, HandBuiltSentences) {
    for (const AssemblyCase& c : kCases) {
        HandSentence s;
        s.load(c.words);
        assembleEnglish(s.engine());
        EXPECT_EQ(s.slots(), c.slots) << c.name;
        if (c.subject >= 0) {
            EXPECT_EQ(s.engine().wordAnalyses[c.subject].link1, c.verbAt) << c.name;
        }
    }
}

WordAnalysis passive(WordAnalysis r) {
    r.grammar2 = voice_type::Passive;
    return r;
}

// The perfect and the imperfect are told in the simple past, an irregular one from the word
// table ("go+past"); "be" gives "was" and "were"; "ait" and "inquiunt" report speech in the past.
// The pluperfect subjunctive reads as the pluperfect ("cum isset": when he had gone), the
// imperfect subjunctive with "would"; the pluperfect, the perfect subjunctive and other presents
// keep their templates.
TEST(SentenceAssembly, NarrativeTensesOfThePerfectAndImperfect) {
    HandSentence s;
    const PolishRecord went{"go+past", "went"};
    s.world().lexicon.polish.recordSize = sizeof(PolishRecord);
    s.world().lexicon.polish.bytes.resize(sizeof went);
    std::memcpy(s.world().lexicon.polish.bytes.data(), &went, sizeof went);
    s.load({verb("i.it", "go", PERF, IND, 3, SG), verb("am.auerunt", "love", PERF, IND, 3, PL),
            verb("fu.it", "be", PERF, IND, 3, SG), verb("i.bam", "go", IMPF, IND, 1, SG),
            verb("er.ant", "be", IMPF, IND, 3, PL), passive(verb("am.abatur", "love", IMPF, IND, 3, SG)),
            verb("i.erat", "go", PLUP, IND, 3, SG), verb("i.isset", "go", PLUP, SUBJ, 3, SG),
            verb("i.erit", "go", PERF, SUBJ, 3, SG), verb("i.ret", "go", IMPF, SUBJ, 3, SG),
            verb("a.it", "say", PRES, IND, 3, SG),
            verb("inqu.iunt", "say", PRES, IND, 3, PL), verb("dic.it", "say", PRES, IND, 3, SG), mark(".")});
    assembleEnglish(s.engine());
    EXPECT_EQ(s.slots(), (std::vector<std::string>{
                             "s/he/it ^went", "they ^love+ed", "s/he/it ^was", "I ^went",
                             "they ^were", "s/he/it was ^love+ed", "s/he/it had ^go+ed",
                             "s/he/it had ^go+ed", "s/he/it might have ^go+ed",
                             "s/he/it would ^go", "s/he/it ^say+ed", "they ^say+ed", "s/he/it ^say+s", "."}));
}

TEST(SentenceAssembly, PositionWithoutReadingGivesTheGapAndTheTablesAreClosed) {
    HandSentence s;
    s.load({noun("reg.is", "king", GEN), noun("bell.a", "war", ACC, PL), mark(".")});
    Engine& e = s.engine();
    e.sentence.chosenAnalysis[0] = 999;   // outside the filled table
    e.sentence.chosenAnalysis[1] = -1;
    e.sentence.chosenAnalysis[3] = e.sentence.chosenAnalysis[4] = 2;
    copyField(e.sentence.englishSlots[3], "left from the last sentence");
    e.options.details = true;
    ASSERT_TRUE(e.log.open(s.world().folder.file("parser.txt")));

    assembleEnglish(e);
    e.log.close();

    const std::string gap = "[Gap in translation (too many words in sentence?)]";
    EXPECT_EQ(s.slots(), (std::vector<std::string>{gap, gap, "."}));
    EXPECT_EQ(e.sentence.chosenAnalysis[3], 0);
    EXPECT_EQ(e.sentence.chosenAnalysis[4], 0);
    EXPECT_STREQ(e.sentence.englishSlots[3], "");
    EXPECT_EQ(s.world().folder.read("parser.txt"), "Elaborating...\n");
}

}  // namespace
}  // namespace kavro
