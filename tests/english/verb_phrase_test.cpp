// The English verb phrase of a verb reading, and the resolution of its markers.
#include "english/verb_phrase.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "core/fixed_text.h"

namespace kavro {
namespace {

// Analyses table with the verb at index 0 and room for partners behind it.
struct VerbFixture {
    std::vector<WordAnalysis> analyses = std::vector<WordAnalysis>(4, blankAnalysis());

    WordAnalysis& verb(int tense, int voice, int mood, int person, int number, int kind = 0) {
        WordAnalysis& v = analyses[0];
        v.partOfSpeech = 7;
        v.kind2 = static_cast<std::uint8_t>(kind);
        v.grammar1 = static_cast<std::uint8_t>(tense);
        v.grammar2 = static_cast<std::uint8_t>(voice);
        v.grammar3 = static_cast<std::uint8_t>(mood);
        v.grammar4 = static_cast<std::uint8_t>(person);
        v.grammar5 = static_cast<std::uint8_t>(number);
        return v;
    }
    std::string build(std::string_view meaning, int subjectCount = 0) {
        return buildVerbPhrase(meaning, subjectCount, 0, analyses);
    }
};

constexpr int PRES = 1, IMPF = 2, FUT = 3, PERF = 4, PLUP = 5, FUTP = 6;
constexpr int ACT = 1, PASS = 2;
constexpr int IND = 1, SUBJ = 2, IMPV = 3, INF = 4;

// Every tense, voice and mood of the finite verb in the six persons (1st, 2nd, 3rd singular,
// then plural), built on "carry" with no subject found and no first partner.
struct PersonRow {
    int tense, voice, mood;
    std::array<const char*, 6> persons;
};

const PersonRow kTemplateTable[] = {
    {PRES, ACT, IND, {"I ^carry", "you ^carry", "s/he/it ^carry+s", "we ^carry", "you ^carry", "they ^carry"}},
    {PRES, ACT, SUBJ, {"I may ^carry", "you may ^carry", "s/he/it may ^carry", "we may ^carry", "you may ^carry", "they may ^carry"}},
    {PRES, PASS, IND, {"I am ^carry+ed", "you are ^carry+ed", "s/he/it is ^carry+ed", "we are ^carry+ed", "you are ^carry+ed", "they are ^carry+ed"}},
    {PRES, PASS, SUBJ, {"I may be ^carry+ed", "you may be ^carry+ed", "s/he/it may be ^carry+ed", "we may be ^carry+ed", "you may be ^carry+ed", "they may be ^carry+ed"}},
    {IMPF, ACT, IND, {"I was ^carry+ing", "you were ^carry+ing", "s/he/it was ^carry+ing", "we were ^carry+ing", "you were ^carry+ing", "they were ^carry+ing"}},
    {IMPF, ACT, SUBJ, {"I might ^carry", "you might ^carry", "s/he/it might ^carry", "we might ^carry", "you might ^carry", "they might ^carry"}},
    {IMPF, PASS, IND, {"I was being ^carry+ed", "you were being ^carry+ed", "s/he/it was being ^carry+ed", "we were being ^carry+ed", "you were being ^carry+ed", "they were being ^carry+ed"}},
    {IMPF, PASS, SUBJ, {"I might be ^carry+ed", "you might be ^carry+ed", "s/he/it might be ^carry+ed", "we might be ^carry+ed", "you might be ^carry+ed", "they might be ^carry+ed"}},
    {FUT, ACT, IND, {"I shall ^carry", "you will ^carry", "s/he/it will ^carry", "we will ^carry", "you will ^carry", "they will ^carry"}},
    {FUT, ACT, SUBJ, {"I may in future ^carry", "you may in future ^carry", "s/he/it may in future ^carry", "we may in future ^carry", "you may in future ^carry", "they may in future ^carry"}},
    {FUT, PASS, IND, {"I shall be ^carry+ed", "you will be ^carry+ed", "s/he/it will be ^carry+ed", "we will be ^carry+ed", "you will be ^carry+ed", "they will be ^carry+ed"}},
    {FUT, PASS, SUBJ, {"I may in future be ^carry+ed", "you may in future be ^carry+ed", "s/he/it may in future be ^carry+ed", "we may in future be ^carry+ed", "you may in future be ^carry+ed", "they may in future be ^carry+ed"}},
    {PERF, ACT, IND, {"I have ^carry+ed", "you have ^carry+ed", "s/he/it has ^carry+ed", "we have ^carry+ed", "you have ^carry+ed", "they have ^carry+ed"}},
    {PERF, ACT, SUBJ, {"I might have ^carry+ed", "you might have ^carry+ed", "s/he/it might have ^carry+ed", "we might have ^carry+ed", "you might have ^carry+ed", "they might have ^carry+ed"}},
    {PERF, PASS, IND, {"I was ^carry+ed", "you were ^carry+ed", "s/he/it was ^carry+ed", "we were ^carry+ed", "you were ^carry+ed", "they were ^carry+ed"}},
    {PERF, PASS, SUBJ, {"I might have been ^carry+ed", "you might have been ^carry+ed", "s/he/it might have been ^carry+ed", "we might have been ^carry+ed", "you might have been ^carry+ed", "they might have been ^carry+ed"}},
    {PLUP, ACT, IND, {"I had ^carry+ed", "you had ^carry+ed", "s/he/it had ^carry+ed", "we had ^carry+ed", "you had ^carry+ed", "they had ^carry+ed"}},
    {PLUP, ACT, SUBJ, {"I might have ^carry+ed", "you might have ^carry+ed", "s/he/it might have ^carry+ed", "we might have ^carry+ed", "you might have ^carry+ed", "they might have ^carry+ed"}},
    {PLUP, PASS, IND, {"I had been ^carry+ed", "you had been ^carry+ed", "s/he/it had been ^carry+ed", "we had been ^carry+ed", "you had been ^carry+ed", "they had been ^carry+ed"}},
    {PLUP, PASS, SUBJ, {"I might have been ^carry+ed", "you might have been ^carry+ed", "s/he/it might have been ^carry+ed", "we might have been ^carry+ed", "you might have been ^carry+ed", "they might have been ^carry+ed"}},
    {FUTP, ACT, IND, {"I shall have ^carry+ed", "you will have ^carry+ed", "s/he/it will have ^carry+ed", "we will have ^carry+ed", "you will have ^carry+ed", "they will have ^carry+ed"}},
    {FUTP, ACT, SUBJ, {"I might in future have ^carry+ed", "you might in future have ^carry+ed", "s/he/it might in future have ^carry+ed", "we might in future have ^carry+ed", "you might in future have ^carry+ed", "they might in future have ^carry+ed"}},
    {FUTP, PASS, IND, {"I shall have been ^carry+ed", "you will have been ^carry+ed", "s/he/it will have been ^carry+ed", "we will have been ^carry+ed", "you will have been ^carry+ed", "they will have been ^carry+ed"}},
    {FUTP, PASS, SUBJ, {"I might in future have been ^carry+ed", "you might in future have been ^carry+ed", "s/he/it might in future have been ^carry+ed", "we might in future have been ^carry+ed", "you might in future have been ^carry+ed", "they might in future have been ^carry+ed"}},
};

TEST(VerbPhrase, TemplateTableInEveryPersonAndNumber) {
    for (const PersonRow& row : kTemplateTable) {
        for (int i = 0; i < 6; ++i) {
            VerbFixture f;
            f.verb(row.tense, row.voice, row.mood, i % 3 + 1, i / 3 + 1);
            EXPECT_EQ(f.build("carry"), row.persons[i])
                << "tense " << row.tense << " voice " << row.voice << " mood " << row.mood
                << " person " << i % 3 + 1 << " number " << i / 3 + 1;
        }
    }
}

TEST(VerbPhrase, InfinitivesAndImperatives) {
    struct Case { int tense, voice, mood, person, number; const char* meaning; const char* expected; };
    const Case cases[] = {
        {PRES, ACT, INF, 0, 0, "carry", "to ^carry"},
        {PERF, ACT, INF, 0, 0, "carry", "to have ^carry+ed"},
        {FUT, ACT, INF, 0, 0, "carry", "to have ^carry+ed"},
        {PRES, PASS, INF, 0, 0, "carry out", "to be ^carry+ed out"},
        {PRES, ACT, IMPV, 2, 1, "carry", "^carry!"},
        {PRES, ACT, IMPV, 2, 2, "carry out", "^carry! out"},
        {FUT, ACT, IMPV, 2, 1, "carry", "you will ^carry!"},
        {FUT, ACT, IMPV, 3, 1, "carry", "s/he/it will ^carry!"},
        {FUT, PASS, IMPV, 2, 1, "carry", "will be ^carry+ed!"},
    };
    for (const Case& c : cases) {
        VerbFixture f;
        f.verb(c.tense, c.voice, c.mood, c.person, c.number);
        EXPECT_EQ(f.build(c.meaning), c.expected) << c.expected;
    }
}

TEST(VerbPhrase, ExamplesWithATail) {
    VerbFixture f;
    f.verb(PRES, ACT, IND, 3, 1);
    EXPECT_EQ(f.build("carry out"), "s/he/it ^carry+s out");
    f.verb(FUTP, ACT, IND, 1, 1);
    EXPECT_EQ(f.build("carry out"), "I shall have ^carry+ed out");
}

TEST(VerbPhrase, VerbKindsAdjustTheReading) {
    VerbFixture f;
    f.verb(PERF, PASS, IND, 3, 1, 9);   // deponent: passive read as active
    EXPECT_EQ(f.build("carry"), "s/he/it has ^carry+ed");
    f.verb(PRES, PASS, IND, 3, 1, 10);  // semi-deponent keeps the passive below the perfect
    EXPECT_EQ(f.build("carry"), "s/he/it is ^carry+ed");
    f.verb(PERF, PASS, IND, 3, 1, 10);
    EXPECT_EQ(f.build("carry"), "s/he/it has ^carry+ed");
    f.verb(PERF, ACT, IND, 3, 1, 11);   // perfect-definite: perfect built as present
    EXPECT_EQ(f.build("carry"), "s/he/it ^carry+s");
    f.verb(PLUP, ACT, IND, 1, 1, 11);
    EXPECT_EQ(f.build("carry"), "I was ^carry+ing");
    f.verb(FUTP, ACT, IND, 1, 1, 11);
    EXPECT_EQ(f.build("carry"), "I shall ^carry");
}

TEST(VerbPhrase, ZeroCodesAreReadAsPresentActiveIndicative) {
    VerbFixture f;
    f.verb(0, 0, 0, 1, 1);
    EXPECT_EQ(f.build("carry"), "I ^carry");
}

TEST(VerbPhrase, CodesOutsideTheTableAreReported) {
    VerbFixture f;
    f.verb(7, ACT, IND, 1, 1);
    EXPECT_EQ(f.build("carry"), "I unrecognised form of ^carry");
    f.verb(PRES, 3, IND, 3, 1);
    EXPECT_EQ(f.build("carry"), "s/he/it unrecognised form of ^carry");
    f.verb(PRES, ACT, IND, 3, 5);   // person-number index past the tables
    EXPECT_EQ(f.build("carry"), "^carry");
}

TEST(VerbPhrase, ThirdPersonEndings) {
    VerbFixture f;
    f.verb(PRES, ACT, IND, 3, 1);
    EXPECT_EQ(f.build("pass"), "s/he/it ^pass+es");
    EXPECT_EQ(f.build("watch"), "s/he/it ^watch+es");
    EXPECT_EQ(f.build("wash"), "s/he/it ^wash+es");
    EXPECT_EQ(f.build("laugh"), "s/he/it ^laugh+s");
    EXPECT_EQ(f.build("to"), "s/he/it ^to");
}

TEST(VerbPhrase, ThirdPluralPronounDependsOnTheSubjectCount) {
    VerbFixture f;
    f.verb(PRES, ACT, IND, 3, 2);
    EXPECT_EQ(f.build("carry", 0), "they ^carry");
    EXPECT_EQ(f.build("carry", 1), "they ^carry");
    EXPECT_EQ(f.build("carry", 2), "^carry");
}

TEST(VerbPhrase, ThirdSingularPronounComesFromTheFirstPartner) {
    struct Case { int partOfSpeech, kind, gender, subjectCount; const char* expected; };
    const Case cases[] = {
        {1, 6, 1, 0, "he ^carry+s"},   {1, 6, 2, 0, "she ^carry+s"},
        {1, 4, 3, 0, "it ^carry+s"},   {1, 9, 4, 0, "s/he ^carry+s"},
        {1, 6, 5, 0, "^carry+s"},      {1, 2, 2, 0, "it ^carry+s"},
        {1, 2, 4, 0, "s/he ^carry+s"}, {1, 2, 5, 0, "^carry+s"},
        {2, 0, 1, 0, "^carry+s"},      {7, 0, 0, 0, "s/he/it ^carry+s"},
        {1, 6, 2, 1, "^carry+s"},      // a subject was found: no pronoun
        {1, 6, 2, 2, "she ^carry+s"},  // a plural subject for a singular verb
    };
    for (const Case& c : cases) {
        VerbFixture f;
        f.verb(PRES, ACT, IND, 3, 1).link1 = 1;
        f.analyses[1].partOfSpeech = static_cast<std::uint8_t>(c.partOfSpeech);
        f.analyses[1].kind2 = static_cast<std::uint8_t>(c.kind);
        f.analyses[1].grammar3 = static_cast<std::uint8_t>(c.gender);
        EXPECT_EQ(f.build("carry", c.subjectCount), c.expected) << c.expected;
    }
    VerbFixture f;
    f.verb(PRES, ACT, IND, 3, 1).link1 = 99;   // a partner outside the table counts as none
    EXPECT_EQ(f.build("carry"), "s/he/it ^carry+s");
}

TEST(VerbPhrase, ReflexiveMeanings) {
    VerbFixture f;
    f.verb(PRES, ACT, INF, 0, 0);
    EXPECT_EQ(f.build("wash oneself"), "to ^wash");
    f.verb(PRES, ACT, IND, 1, 1);
    EXPECT_EQ(f.build("wash oneself"), "I ^wash myself");
    f.verb(PRES, ACT, IND, 3, 2);
    EXPECT_EQ(f.build("wash oneself", 2), "^wash themselves");
    f.verb(PRES, ACT, IND, 2, 2);
    EXPECT_EQ(f.build("thoroughly prostrate oneself"), "you ^thoroughly prostrate yo");  // cut at 23
    EXPECT_EQ(f.build("oneself"), "you ^oneself");                          // not longer than 7
}

TEST(VerbPhrase, FormsOfBe) {
    VerbFixture f;
    f.verb(PRES, ACT, IND, 3, 1);
    EXPECT_EQ(f.build("be"), "s/he/it ^is");
    f.verb(PRES, ACT, IND, 3, 2);
    EXPECT_EQ(f.build("be", 2), "^are");
    f.verb(PERF, ACT, IND, 3, 1);
    EXPECT_EQ(f.build("be"), "s/he/it has ^been");
    f.verb(IMPF, ACT, IND, 1, 1);
    EXPECT_EQ(f.build("be"), "I was ^being");
    f.verb(PRES, PASS, IND, 3, 1);
    EXPECT_EQ(f.build("be"), "s/he/it has ^been");
    f.verb(FUT, PASS, IND, 3, 2);
    EXPECT_EQ(f.build("be"), "they will have ^been");
    f.verb(PRES, ACT, IMPV, 2, 1);
    EXPECT_EQ(f.build("be"), "^be!");
    f.verb(FUT, ACT, INF, 0, 0);
    std::memcpy(f.analyses[0].analysedForm, "..FORE", 7);
    EXPECT_EQ(f.build("be"), "to be about to ^be");
}

TEST(VerbPhrase, ImpersonalVerbs) {
    VerbFixture f;
    f.verb(PRES, ACT, IND, 3, 1, 8);
    EXPECT_EQ(f.build("is fitting"), "it ^is fitting");
    f.verb(PERF, ACT, SUBJ, 3, 1, 8);
    EXPECT_EQ(f.build("is fitting"), "it might have ^been fitting");
    f.verb(PERF, ACT, IND, 3, 1, 8);
    std::memcpy(f.analyses[0].analysedForm, "inqu.it", 8);
    EXPECT_EQ(f.build("say"), "one has ^say+ed");
}

TEST(VerbPhrase, LongMeaningsAreCutAndTheBufferIsBounded) {
    VerbFixture f;
    f.verb(FUTP, PASS, SUBJ, 1, 2);
    const std::string phrase = f.build("overwhelmingly-long-verb-word-for-testing with a tail of many words");
    EXPECT_LE(phrase.size(), kVerbPhraseMax);
    EXPECT_TRUE(phrase.starts_with("we might in future have been ^overwhelmingly"));

    char buffer[80];
    copyField(buffer, "carry out");
    f.verb(PRES, ACT, IND, 3, 1);
    buildVerbPhrase(buffer, sizeof buffer, 0, 0, f.analyses);
    EXPECT_STREQ(buffer, "s/he/it ^carry+s out");
}

// ---------------------------------------------------------------------------------------------

WordAnalysis reading(int partOfSpeech, int kind = 0, int number = 1) {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = static_cast<std::uint8_t>(partOfSpeech);
    a.kind2 = static_cast<std::uint8_t>(kind);
    a.grammar2 = static_cast<std::uint8_t>(number);
    return a;
}

std::string resolved(std::string slot, const WordAnalysis& r, const WordAnalysis* next = nullptr) {
    resolveMarkers(slot, r, next);
    return slot;
}

TEST(MarkerResolution, SuffixRules) {
    const WordAnalysis verb = reading(7);
    EXPECT_EQ(resolved("s/he/it ^carry+ed out", verb), "s/he/it ^carried out");
    EXPECT_EQ(resolved("^pass+es", verb), "^passes");
    EXPECT_EQ(resolved("^watch+es", verb), "^watches");
    EXPECT_EQ(resolved("^love+ing", verb), "^loving");
    EXPECT_EQ(resolved("^love+ed", verb), "^loved");
    EXPECT_EQ(resolved("^carry+es", verb), "^carries");
    EXPECT_EQ(resolved("^carry+s", verb), "^carries");
    EXPECT_EQ(resolved("^ski+ing", verb), "^sking");
    EXPECT_EQ(resolved("^walk+s", verb), "^walks");
    EXPECT_EQ(resolved("^carry+ing", verb), "^carrying");
    EXPECT_EQ(resolved("no marker", verb), "no marker");
    EXPECT_EQ(resolved("+s", verb), "s");
    EXPECT_EQ(resolved("^walk+ed and ^talk+ed", verb), "^walked and ^talk+ed");  // first only
}

TEST(MarkerResolution, PluralsAfterSibilants) {
    const WordAnalysis noun = reading(1);
    EXPECT_EQ(resolved("the box+s", noun), "the boxes");
    EXPECT_EQ(resolved("the church+s", noun), "the churches");
    EXPECT_EQ(resolved("the glass+es", noun), "the glasses");
    EXPECT_EQ(resolved("the bus+s", noun), "the buses");
    EXPECT_EQ(resolved("the war+s", noun), "the wars");
    EXPECT_EQ(resolved("wh+s", reading(2)), "whs");   // pronouns keep "ch"/"h" + "s" plain
    EXPECT_EQ(resolved("which+s", reading(2)), "whichs");
}

TEST(MarkerResolution, OrdinalHyphen) {
    const WordAnalysis numeral = reading(5);
    WordAnalysis ordinal = reading(5);
    ordinal.grammar4 = 2;
    EXPECT_EQ(resolved("twenty+th", numeral, &ordinal), "twenty-");
    EXPECT_EQ(resolved("twenty+th", numeral, nullptr), "twentyth");
    EXPECT_EQ(resolved("twenty+th", numeral, &numeral), "twentyth");
}

TEST(MarkerResolution, NounEndings) {
    EXPECT_EQ(resolved("the man+s", reading(1)), "the men");
    EXPECT_EQ(resolved("the woman+s", reading(1)), "the women");
    EXPECT_EQ(resolved("the Marsus+es", reading(1, 9, 2)), "the Marsi");
    EXPECT_EQ(resolved("the Marsus+es", reading(1, 9, 1)), "the Marsuses");
    EXPECT_EQ(resolved("the Marsus+es", reading(1, 4, 2)), "the Marsuses");
    EXPECT_EQ(resolved("the man+s", reading(4)), "the mans");   // adjectives are not nouns
}

TEST(MarkerResolution, LeftAloneForUntranslatedReadings) {
    for (int pos : {16, 64, 255}) EXPECT_EQ(resolved("carry+ed", reading(pos)), "carry+ed");
}

TEST(MarkerResolution, CaretRemovalForVerbs) {
    std::string slot = "s/he/it ^carries ";
    removeVerbCaret(slot, reading(7));
    EXPECT_EQ(slot, "s/he/it carries");
    slot = "<^went>";
    removeVerbCaret(slot, reading(77));
    EXPECT_EQ(slot, "<went>");
    slot = "^tree ";
    removeVerbCaret(slot, reading(1));
    EXPECT_EQ(slot, "^tree ");
}

}  // namespace
}  // namespace kavro
