// Sentence polishing on sentences built by hand: pronoun forms, compound tenses, doubled
// prefixes, idioms, capitals, user phrases, word order and ablative absolutes.
#include "english/polish_english.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "english/polish_records.h"
#include "tests/support/hand_sentence.h"

namespace kavro {
namespace {

using testing::declined;
using testing::HandSentence;
using testing::markReading;
using testing::reading;
using testing::verbReading;
using namespace speech_type;

constexpr int kNom = case_type::Nominative, kVoc = case_type::Vocative, kGen = case_type::Genitive, kDat = case_type::Dative,
              kAbl = case_type::Ablative, kAcc = case_type::Accusative;
constexpr int kSg = number_type::Singular, kPl = number_type::Plural;
constexpr int kM = gender_type::Masculine, kF = gender_type::Feminine, kN = gender_type::Neuter;

template <class Record>
RawTable rawTable(const std::vector<Record>& records) {
    RawTable t;
    t.recordSize = sizeof(Record);
    t.bytes.resize(records.size() * sizeof(Record));
    if (!records.empty()) std::memcpy(t.bytes.data(), records.data(), t.bytes.size());
    return t;
}

// A sentence whose option set isolates the rule under test: no special senses, no word order.
struct Polish : HandSentence {
    Polish() {
        options.neuralNetwork = false;
        options.bestOrder = 0;
    }
    void run() { polishEnglish(engine()); }
};

struct PronounCase {
    const char* form;
    const char* english;
    int kind2, latinCase, number, gender;
    const char* slot;
    const char* expected;
};

// Each pronoun follows "then", so that the sentence capital does not fall on it.
TEST(PolishPronouns, EnglishFormFollowsLatinCaseGenderAndNumber) {
    using namespace pronoun_kind_type;
    const PronounCase cases[] = {
        {"ego.", "I", Personal, kNom, kSg, 0, "I", "I"},
        {"m.e", "I", Personal, kAcc, kSg, 0, "I", "me"},
        {"n.os", "we", Personal, kNom, kPl, 0, "we+s", "we"},
        {"n.obis", "we", Personal, kDat, kPl, 0, "to we+s", "to us"},
        {"e.i", "he", Personal, kNom, kPl, kM, "he+s", "they"},
        {"e.os", "he", Personal, kAcc, kPl, kM, "he+s", "them"},
        {"e.a", "he", Personal, kAcc, kPl, kN, "he+s", "those"},
        {"e.a", "he", Personal, kNom, kSg, kF, "he", "she"},
        {"e.am", "he", Personal, kAcc, kSg, kF, "he", "her"},
        {"e.ius", "he", Personal, kGen, kSg, kM, "of he", "of him"},
        {"i.d", "he", Personal, kAcc, kSg, kN, "he", "it"},
        {"qu.id", "who", Interrogative, kAcc, kSg, kN, "who", "what"},
        {"aliqu.id", "anyone", Indefinite, kNom, kSg, kN, "anyone", "anything"},
        {"alicu.i", "anyone", Indefinite, kDat, kSg, 0, "to anyone", "to anyone"},
        {"ist.ud", "that", Demonstrative, kNom, kSg, kN, "that", "that-thing"},
        {"ist.e", "that", Demonstrative, kNom, kSg, kM, "that", "that-one"},
        // ipse alone: a subject in the nominative ("he himself"), by its gender otherwise.
        {"ips.e", "himself", 0, kNom, kSg, kM, "himself", "he himself"},
        {"ips.am", "himself", 0, kAcc, kSg, kF, "himself", "herself"},
        {"ips.i", "himself", 0, kNom, kPl, kM, "himself+s", "they themselves"},
        {"qu.i", "who", Relative, kNom, kSg, kM, "who", "which"},
        {"qu.ae", "who", Relative, kNom, kPl, kN, "who+s", "what"},
    };
    for (const PronounCase& c : cases) {
        Polish s;
        s.add(reading(Adverb, "tum.", "then"), "then");
        const int p = s.add(declined(Pronoun, c.latinCase, c.number, c.gender, c.form, c.english, c.kind2), c.slot);
        s.run();
        EXPECT_EQ(s.slot(p), c.expected) << c.form << " " << c.slot;
    }
}

// The relative follows its antecedent; a pronoun before its noun is a demonstrative; ipse with
// ego is "myself"; a user phrase keeps the user's words.
TEST(PolishPronouns, PartnersDecideTheForm) {
    Polish s;
    const int man = s.add(declined(Noun, kNom, kSg, kM, "Marc.us", "Marcus", noun_kind_type::Person), "Marcus");
    const int who = s.add(declined(Pronoun, kNom, kSg, kM, "qu.i", "who", pronoun_kind_type::Relative), "who");
    const int whom = s.add(declined(Pronoun, kAcc, kSg, kM, "qu.em", "who", pronoun_kind_type::Relative), "who");
    const int that = s.add(declined(Pronoun, kAcc, kSg, kF, "e.am", "he", pronoun_kind_type::Personal), "he");
    const int thing = s.add(declined(Noun, kAcc, kSg, kF, "r.em", "thing"), "the thing");
    const int ego = s.add(declined(Pronoun, kNom, kSg, 0, "ego.", "I", pronoun_kind_type::Personal), "I");
    const int ipse = s.add(declined(Pronoun, kNom, kSg, kM, "ips.e", "himself"), "himself");
    const int user = s.add(declined(Pronoun, kAcc, kSg, 0, "m.e", "I", pronoun_kind_type::Personal), "<I>");
    s.link(who, man);
    s.link(that, thing);
    s.link(ipse, ego);
    s.run();
    EXPECT_EQ(s.slot(who), "who");
    EXPECT_EQ(s.slot(whom), "whom");   // no antecedent: the last person noun is masculine singular
    EXPECT_EQ(s.slot(that), "that");
    EXPECT_EQ(s.slot(ipse), "myself");
    EXPECT_EQ(s.slot(user), "<I>");
}

// A qui/quae/quod that opens a sentence refers back: a personal pronoun in the case it stands
// in, put inside the clause of the cum before it; "qui" with a present or future indicative
// and a main verb after it opens a general statement ("those who").
TEST(PolishPronouns, ConnectingRelatives) {
    const auto qui = [](int latinCase, int number, int gender, const char* form) {
        return declined(Pronoun, latinCase, number, gender, form, "who", pronoun_kind_type::Interrogative);
    };
    struct Word {
        WordAnalysis reading;
        const char* slot;
    };
    struct Case {
        std::vector<Word> words;
        std::vector<std::string> slots;
    };
    const std::vector<Case> cases = {
        {{{qui(kNom, kSg, kM, "qu.i"), "who"}, {verbReading(4, 1, 1, 3, kSg, "respond.it", "answer"), "^answered"}},
         {"He", "answered"}},
        {{{qui(kAcc, kPl, kM, "qu.os"), "whom"}, {reading(Conjunction, "cum.", "when"), "when"},
          {verbReading(5, 1, 2, 3, kSg, "uid.isset", "see"), "he had ^seen"}},
         {"When", "them", "he had seen"}},
        {{{qui(kDat, kSg, kM, "cu.i"), "to whom"}, {verbReading(4, 1, 1, 3, kSg, "dix.it", "say"), "he ^said"}},
         {"To him", "he said"}},
        {{{qui(kNom, kPl, kM, "qu.i"), "who"}, {verbReading(1, 1, 1, 3, kPl, "tim.ent", "fear"), "they ^fear"},
          {markReading(punctuation_type::Comma, ','), ","},
          {verbReading(3, 1, 1, 3, kPl, "er.unt", "be"), "they will ^be"}},
         {"Those who", "fear", ",", "they will be"}},
    };
    for (const Case& c : cases) {
        Polish s;
        for (const Word& w : c.words) s.add(w.reading, w.slot);
        s.add(markReading(punctuation_type::FullStop, '.'), ".");
        s.run();
        std::vector<std::string> expected = c.slots;
        expected.push_back(".");
        EXPECT_EQ(s.slots(), expected);
    }
}

// quod: "that" ("scio quod ..."), "what" opening a question, "because" after eo.
TEST(PolishPronouns, QuodIsThatWhatOrBecause) {
    const auto quod = [] { return declined(Pronoun, kNom, kSg, kN, "qu.od", "which", pronoun_kind_type::Relative); };
    for (const auto& [before, mark, expected] : {std::tuple{"scio.", ".", "that"}, std::tuple{"", "?", "What"},
                                                 std::tuple{"e.o", ".", "Because"}}) {
        Polish s;
        if (std::string_view(before) == "e.o") s.add(declined(Pronoun, kAbl, kSg, kN, before, "he"), "with it");
        if (std::string_view(before) == "scio.") s.add(verbReading(1, 1, 1, 1, kSg, before, "know"), "I ^know");
        const int q = s.add(quod(), "which");
        s.add(verbReading(1, 1, 1, 3, kSg, "..est", "be"), "^is");
        s.add(markReading(std::string_view(mark) == "?" ? punctuation_type::QuestionMark : punctuation_type::FullStop,
                          *mark),
              mark);
        s.run();
        EXPECT_EQ(s.slot(q), expected) << before;
    }
}

// qui read as the indefinite "any" is the relative unless si, nisi, num or ne stands before it.
TEST(PolishPronouns, AnyOnlyAfterSi) {
    for (bool si : {false, true}) {
        Polish s;
        s.add(declined(Noun, kNom, kSg, kM, "lap.is", "stone"), "the stone");
        s.add(si ? reading(Conjunction, "si.", "if") : markReading(punctuation_type::Comma, ','), si ? "if" : ",");
        const int quem = s.add(declined(Pronoun, kAcc, kSg, kM, "qu.em", "any", pronoun_kind_type::Adjectival), "any");
        s.add(verbReading(4, 1, 1, 1, kSg, "erex.i", "raise"), "I ^raised");
        s.run();
        EXPECT_EQ(s.slot(quem), si ? "any" : "which") << si;
    }
}

struct TenseCase {
    int tense;
    int mood;
    const char* participleForm;
    int verbKind;
    const char* meaning;
    const char* participle;
    const char* expectedVerb;
    const char* expectedParticiple;
};

// "captus est" -> "he/it was captured": the predicate step puts the copula first and the
// compound tense rebuilds it in the past of narrative; the imperfect, the future and the
// subjunctive keep their compound tenses. A deponent's perfect is the simple past of its verb
// (irregular ones from the word table), put in the copula's slot. Each slot keeps its reading.
TEST(PolishCompoundTenses, ParticipleWithBeReadsAsOneTense) {
    using namespace tense_type;
    constexpr int kInd = mood_type::Indicative, kSub = mood_type::Subjunctive;
    const TenseCase cases[] = {
        {Present, kInd, "capt.us", 0, "capture", "captured", "He was", "captured"},
        {Imperfect, kInd, "capt.us", 0, "capture", "captured", "He had been", "captured"},
        {Future, kInd, "capt.us", 0, "capture", "captured", "He will have been", "captured"},
        {Present, kSub, "capt.us", 0, "capture", "captured", "He may have been", "captured"},
        {Present, kInd, "locut.us", verb_kind_type::Deponent, "speak", "spoken", "He spoke", ""},
        {Present, kInd, "hortat.us", verb_kind_type::Deponent, "urge", "urged", "He urged", ""},
        {Imperfect, kInd, "locut.us", verb_kind_type::Deponent, "speak", "spoken", "He had", "spoken"},
    };
    for (const TenseCase& c : cases) {
        Polish s;
        s.lexicon.polish = rawTable<PolishRecord>({PolishRecord{"speak+past", "spoke"}});
        WordAnalysis participle = declined(Participle, kNom, kSg, kM, c.participleForm, c.meaning, c.verbKind);
        participle.grammar4 = tense_type::Perfect;
        participle.grammar5 = voice_type::Passive;
        s.add(participle, c.participle);
        s.add(verbReading(c.tense, voice_type::Active, c.mood, 3, kSg, "..est", "be"),
              c.mood == kInd ? "s/he/it ^is" : "s/he/it may ^be");
        s.run();
        EXPECT_EQ(s.slots(), (std::vector<std::string>{c.expectedVerb, c.expectedParticiple}))
            << c.participleForm << " " << c.tense;
        EXPECT_EQ(s.forms(), (std::vector<std::string>{"..est", c.participleForm}));
    }
    // "urbs capta est" in the automatic word order: subject, compound tense, participle.
    Polish s;
    s.options.bestOrder = 2;
    WordAnalysis participle = declined(Participle, kNom, kSg, kF, "capt.a", "capture");
    participle.grammar4 = tense_type::Perfect;
    participle.grammar5 = voice_type::Passive;
    const int city = s.add(declined(Noun, kNom, kSg, kF, "urb.s", "city"), "the city");
    const int captured = s.add(participle, "the captured");
    const int is = s.add(verbReading(1, 1, 1, 3, kSg, "..est", "be"), "^is");
    s.link(captured, city);
    s.link(city, is);
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"The city", "was", "captured"}));
    EXPECT_EQ(s.forms(), (std::vector<std::string>{"urb.s", "..est", "capt.a"}));
}

// A verb without a subject takes "he", none after a relative; suus follows the subject of its
// verb: "their" for a plural verb, "its" for a neuter subject, "her" for a feminine person,
// "his own" alone. "I shall" is "I will".
TEST(PolishOpenPronouns, SubjectPronounAndReflexivePossessive) {
    struct Case {
        WordAnalysis subject;
        int verbNumber;
        const char* expected;
    };
    const Case cases[] = {
        {declined(Noun, kNom, kSg, kM, "De.us", "God", noun_kind_type::Person), kSg, "his"},
        {declined(Noun, kNom, kSg, kF, "Sar.a", "Sarah", noun_kind_type::Person), kSg, "her"},
        {declined(Noun, kNom, kSg, kF, "terr.a", "earth"), kSg, "his"},
        {declined(Noun, kNom, kSg, kN, "lign.um", "wood"), kSg, "its"},
        {declined(Noun, kNom, kPl, kM, "fili.i", "son"), kPl, "their"},
    };
    for (const Case& c : cases) {
        Polish s;
        const int subject = s.add(c.subject, "the subject");
        const int verb = s.add(verbReading(1, 1, 1, 3, c.verbNumber, "ama.t", "love"), "^love+s");
        const int kind = s.add(declined(Noun, kAcc, kSg, kN, "gen.us", "kind"), "the kind");
        const int own = s.add(declined(Adjective, kAcc, kSg, kN, "su.um", "his"), "his");
        s.link(subject, verb);
        s.link(own, kind);
        s.run();
        EXPECT_EQ(s.slot(own), c.expected) << fieldText(c.subject.analysedForm);
    }
    Polish s;
    s.add(declined(Noun, kNom, kPl, kF, "aqu.ae", "water"), "the waters");
    s.add(markReading(punctuation_type::Comma, ','), ",");
    s.add(declined(Pronoun, kNom, kPl, kF, "qu.ae", "which", pronoun_kind_type::Relative), "which");
    s.add(verbReading(2, 1, 1, 3, kPl, "er.ant", "be"), "they ^were");
    s.add(markReading(punctuation_type::Comma, ','), ",");
    s.add(verbReading(4, 1, 1, 3, kSg, "dix.it", "say"), "s/he/it ^said");
    s.add(declined(Adjective, kAcc, kPl, kN, "su.a", "his"), "his");
    s.add(markReading(punctuation_type::Comma, ','), ",");
    s.add(verbReading(3, 1, 1, 1, kSg, "i.bo", "go"), "I shall ^go");
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"The waters", ",", "which", "were", ",", "he said",
                                                   "his own", ",", "I will go"}));
}

// A word tied to the word before it loses the prefix they share: "in" "with the city" -> "in"
// "the city"; an adjective after its noun loses "the"; a genitive keeps its "of the".
TEST(PolishDoubledPrefixes, TiedWordsShareOnePrefix) {
    Polish s;
    const int in = s.add(reading(Preposition, "in.", "in"), "in");
    const int city = s.add(declined(Noun, kAbl, kSg, kF, "urb.e", "city"), "with the city");
    const int son = s.add(declined(Noun, kNom, kSg, kM, "fili.us", "son"), "the son");
    const int king = s.add(declined(Noun, kGen, kSg, kM, "reg.is", "king"), "of the king");
    const int field = s.add(declined(Noun, kAcc, kSg, kM, "agr.um", "field"), "~the field");
    const int great = s.add(declined(Adjective, kAcc, kSg, kM, "magn.um", "great"), "the great");
    s.link(city, in);
    s.link(king, son);
    s.link(great, field);
    s.run();
    EXPECT_EQ(s.slot(city), "the city");
    EXPECT_EQ(s.slot(king), "of the king");
    EXPECT_EQ(s.slot(field), "~the field");
    EXPECT_EQ(s.slot(great), "great");
}

// No "the" after a determiner, within a slot or across slots, nor before a possessive; "all
// the" and "gave her the" stay English.
TEST(PolishDoubledPrefixes, NoArticleBesideADeterminer) {
    Polish s;
    s.add(reading(Numeral, "du.o", "two"), "two");
    s.add(declined(Adjective, kAcc, kPl, kN, "magn.a", "large"), "the large");
    s.add(declined(Noun, kAbl, kSg, kN, "gener.e", "kind"), "in the his kind");
    s.add(declined(Adjective, kAcc, kSg, kF, "omn.em", "all"), "all");
    s.add(declined(Noun, kAcc, kSg, kF, "terr.am", "earth"), "the earth");
    s.add(verbReading(4, 1, 1, 3, kSg, "ded.it", "give"), "gave her");
    s.add(declined(Noun, kAcc, kSg, kM, "libr.um", "book"), "the book");
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"Two", "large", "in his kind", "all", "the earth",
                                                   "gave her", "the book"}));
}

// "Domine, audi" keeps its "O"; a vocative inside a clause loses it.
TEST(PolishDoubledPrefixes, OnlyAnAddressKeepsItsO) {
    Polish s;
    s.add(declined(Noun, kVoc, kSg, kM, "domin.e", "lord"), "O lord");
    s.add(markReading(punctuation_type::Comma, ','), ",");
    s.add(verbReading(4, 1, 1, 3, kSg, "ded.it", "give"), "he gave");
    s.add(declined(Noun, kVoc, kSg, kM, "Isaac.", "Isaac", noun_kind_type::Person), "O Isaac");
    s.add(declined(Noun, kAcc, kSg, kM, "libr.um", "book"), "the book");
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"O lord", ",", "he gave", "Isaac", "the book"}));
}

// "non" before a finite verb: "not" after the first auxiliary or a form of "be", and "do",
// "does", "did" before the plain verb of a simple tense; imperatives lose their "!"; a subject
// pronoun is not said twice.
TEST(PolishVerbs, NegationAndImperative) {
    struct Case {
        int tense, mood, person, number;
        const char* meaning;
        const char* slot;
        const char* expected;
    };
    const Case cases[] = {
        {3, 1, 3, kSg, "come", "s/he/it will ^come", "he will not come"},
        {1, 2, 1, kSg, "come", "I may ^come", "I may not come"},
        {4, 1, 3, kSg, "come", "s/he/it has ^come", "he has not come"},
        {1, 1, 3, kSg, "go out", "s/he/it ^goes out", "he does not go out"},
        {1, 1, 1, kPl, "love", "we ^love", "we do not love"},
        {4, 1, 3, kPl, "see", "they ^saw", "they did not see"},
        {2, 1, 3, kPl, "be", "they ^were", "they were not"},
        {1, 1, 1, kPl, "be able", "we ^be able", "we be not able"},
        {1, 3, 2, kSg, "hear", "^hear!", "hear"},
    };
    for (const Case& c : cases) {
        Polish s;
        s.add(reading(Conjunction, "et.", "and"), "and");
        if (c.mood != mood_type::Imperative) s.add(reading(Adverb, "non.", "not"), "not");
        s.add(verbReading(c.tense, 1, c.mood, c.person, c.number, "x.", c.meaning), c.slot);
        s.run();
        EXPECT_EQ(s.slots().back(), c.expected) << c.slot;
    }
    // "Ego, inquit, non veniam" with the middle clause put last: the pronoun standing alone
    // before the comma is the verb's own subject.
    Polish s;
    s.add(declined(Pronoun, kNom, kSg, 0, "ego.", "I", pronoun_kind_type::Personal), "I");
    s.add(markReading(punctuation_type::Comma, ','), ",");
    s.add(reading(Adverb, "non.", "not"), "not");
    s.add(verbReading(3, 1, 1, 1, kSg, "ueni.am", "come"), "I shall ^come");
    s.add(markReading(punctuation_type::FullStop, '.'), ".");
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"", "", "", "I will not come", "."}));
}

// The present subjunctive of a main clause: "let" before its subject or with its pronoun,
// "let there be" for fio, the future for a first person in -am of the third conjugation; in a
// clause of ut it stays, after "ne" it fears ("lest") or, opening the sentence, forbids; the
// imperfect of a clause of cum tells a fact ("when he was"); the perfect of a condition that
// looks to the future is the English present ("si fecerit, erit": if he makes, he will be).
TEST(PolishVerbs, SubjunctiveOfAMainClause) {
    const auto subjunctive = [](int person, int number, const char* form, const char* meaning) {
        return verbReading(1, 1, mood_type::Subjunctive, person, number, form, meaning);
    };
    struct Word {
        WordAnalysis reading;
        const char* slot;
    };
    struct Case {
        std::vector<Word> words;
        std::vector<std::pair<int, int>> links;
        std::vector<std::string> slots;
    };
    WordAnalysis put = subjunctive(1, kSg, "pon.am", "put");
    put.stemClass = 3 * 16;
    const std::vector<Case> cases = {
        {{{subjunctive(3, kSg, "fi.at", "happen"), "may ^happen"},
          {declined(Noun, kNom, kSg, kF, "lux.", "light"), "the light"}},
         {{1, 0}},
         {"Let there be", "light"}},
        {{{declined(Noun, kNom, kSg, kF, "terr.a", "earth"), "the earth"},
          {subjunctive(3, kSg, "germin.et", "sprout"), "may ^sprout"}},
         {{0, 1}},
         {"Let the earth", "sprout"}},
        {{{reading(Conjunction, "et.", "and"), "and"}, {subjunctive(3, kSg, "diuid.at", "divide"), "s/he/it may ^divide"}},
         {},
         {"And", "let him divide"}},
        {{{subjunctive(1, kPl, "faci.amus", "make"), "we may ^make"}}, {}, {"Let us make"}},
        {{{put, "I may ^put"}}, {}, {"I will put"}},
        {{{reading(Conjunction, "ut.", "so that"), "so that"}, {subjunctive(3, kSg, "uen.iat", "come"), "s/he/it may ^come"}},
         {},
         {"So that", "he may come"}},
        {{{reading(Adverb, "ne.", "not"), "not"}, {subjunctive(2, kPl, "irasc.amini", "get angry"), "you may ^get angry"}},
         {},
         {"Do not", "get angry"}},
        {{{reading(Conjunction, "si.", "if"), "if"},
          {verbReading(4, 1, mood_type::Subjunctive, 3, kSg, "fec.erit", "make"), "s/he/it might have ^made"},
          {verbReading(3, 1, 1, 3, kSg, "er.it", "be"), "s/he/it will ^be"}},
         {},
         {"If", "he makes", "he will be"}},
        {{{reading(Conjunction, "cum.", "when"), "when"},
          {verbReading(2, 1, mood_type::Subjunctive, 3, kSg, "..esset", "be"), "s/he/it would ^be"}},
         {},
         {"When", "he was"}},
        {{{verbReading(1, 1, 1, 1, kSg, "time.o", "fear"), "I ^fear"}, {reading(Adverb, "ne.", "not"), "not"},
          {subjunctive(3, kSg, "moria.tur", "die"), "s/he/it may ^die"}},
         {},
         {"I fear", "lest", "he may die"}},
    };
    for (const Case& c : cases) {
        Polish s;
        for (const Word& w : c.words) s.add(w.reading, w.slot);
        s.add(markReading(punctuation_type::FullStop, '.'), ".");
        for (const auto& [p, q] : c.links) s.link(p, q);
        s.run();
        std::vector<std::string> expected = c.slots;
        expected.push_back(".");
        EXPECT_EQ(s.slots(), expected) << c.words.front().slot;
    }
}

TEST(PolishIdioms, TwoWordsReadAsOne) {
    Polish s;
    const int thing = s.add(declined(Noun, kNom, kSg, kF, "r.es", "thing"), "the thing");
    const int pub = s.add(declined(Adjective, kNom, kSg, kF, "public.a", "public"), "public");
    const int less = s.add(reading(Adverb, "minus.", "less"), "less");
    const int than = s.add(reading(Adverb, "quam.", "how"), "as");
    s.link(pub, thing);
    s.run();
    EXPECT_EQ(s.slot(thing), "The State");
    EXPECT_EQ(s.slot(pub), "");
    EXPECT_EQ(s.slot(less), "less");
    EXPECT_EQ(s.slot(than), "than");
}

// Capitals fall on the first word and after every full stop (past empty slots and a position
// without a reading); a user phrase keeps its marks, and the word table still mends its words.
// A name's opening consonantal i is written "J" (not in a user phrase).
TEST(PolishCapitals, SentenceStartsAndUserPhrases) {
    Polish s;
    s.lexicon.polish = rawTable<PolishRecord>({PolishRecord{"childs", "children"}});
    s.add(markReading(punctuation_type::DoubleQuote, '"'), "\"");
    s.add(declined(Noun, kNom, kPl, kM, "liber.i", "child"), "<the childs>");
    s.add(markReading(punctuation_type::FullStop, '.'), ".");
    const int empty = s.add(declined(Noun, kNom, kSg, kF, "urb.s", "city"), "");
    const int unread = s.add(declined(Noun, kNom, kSg, kF, "urb.s", "city"), "the city");
    s.engine().sentence.chosenAnalysis[unread] = -1;
    s.add(markReading(punctuation_type::FullStop, '.'), ".");
    s.add(declined(Noun, kNom, kSg, kM, "Marc.us", "Marcus"), "<(the man)>");
    s.add(declined(Noun, kGen, kSg, kM, "Ioseph.", "Ioseph", noun_kind_type::Person), "of Ioseph");
    s.add(declined(Noun, kAcc, kSg, kM, "Io.uem", "Iove", noun_kind_type::Person), "<Iove>");
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"\"", "<The children>", ".", "", "The city", ".",
                                                   "<(The man)>", "of Joseph", "<Iove>"}));
    EXPECT_EQ(s.slot(empty), "");
}

// "Caesar urbem magnam capiet." in every word-order mode: subject, verb, adjective before its
// noun with the noun's article; the phrase table runs once on every slot; bestOrder stays.
TEST(PolishWordOrder, LatinOrderReadsAsEnglish) {
    std::vector<PhraseRecord> phrases = {PhraseRecord{"will ^", "will ^surely ", 6}};
    phrases.resize(kVerbPhraseGroupSize);
    for (int order : {1, 2, 3}) {
        Polish s;
        s.lexicon.phrasePolish = rawTable(phrases);
        s.options.bestOrder = static_cast<std::int16_t>(order);
        const int caesar = s.add(declined(Noun, kNom, kSg, kM, "Caesar.", "Caesar", noun_kind_type::Person), "Caesar");
        const int city = s.add(declined(Noun, kAcc, kSg, kF, "urb.em", "city"), "the city");
        const int great = s.add(declined(Adjective, kAcc, kSg, kF, "magn.am", "great"), "the great");
        const int verb = s.add(verbReading(tense_type::Future, voice_type::Active, mood_type::Indicative, 3, kSg,
                                           "capi.et", "capture"), "will ^capture");
        s.add(markReading(punctuation_type::FullStop, '.'), ".");
        s.link(caesar, verb);
        s.link(great, city);
        s.run();
        EXPECT_EQ(s.forms(), (std::vector<std::string>{"Caesar.", "capi.et", "magn.am", "urb.em", "."})) << order;
        EXPECT_EQ(s.slots(), (std::vector<std::string>{"Caesar", "will surely capture", "the great", "city", "."}))
            << order;
        EXPECT_EQ(s.options.bestOrder, order);
    }
}

// "In principio creavit Deus caelum": the opening adverbial stays in front, and the verb goes
// after its subject in both modes (bestOrder 1 moves a verb right before its subject).
TEST(PolishWordOrder, OpeningAdverbialStaysAndVerbFollowsItsSubject) {
    for (int order : {1, 3}) {
        Polish s;
        s.options.bestOrder = static_cast<std::int16_t>(order);
        const int in = s.add(reading(Preposition, "in.", "in"), "in");
        const int beginning = s.add(declined(Noun, kAbl, kSg, kN, "principi.o", "beginning"), "the beginning");
        const int created = s.add(verbReading(4, 1, 1, 3, kSg, "creau.it", "create"), "^created");
        const int god = s.add(declined(Noun, kNom, kSg, kM, "De.us", "God", noun_kind_type::Person), "God");
        const int heaven = s.add(declined(Noun, kAcc, kSg, kN, "cael.um", "heaven"), "the heaven");
        s.add(markReading(punctuation_type::FullStop, '.'), ".");
        s.link(beginning, in);
        s.link(god, created);
        s.link(heaven, created);
        s.run();
        EXPECT_EQ(s.slots(), (std::vector<std::string>{"In", "the beginning", "God", "created", "the heaven", "."}))
            << order;
    }
}

// "regis filius venit": the genitive follows its noun; "Marcus bonus est": subject, copula,
// complement without its article.
TEST(PolishWordOrder, GenitivesFollowAndCopulasJoin) {
    Polish s;
    s.options.bestOrder = 3;
    const int king = s.add(declined(Noun, kGen, kSg, kM, "reg.is", "king"), "of the king");
    const int son = s.add(declined(Noun, kNom, kSg, kM, "fili.us", "son"), "the son");
    const int comes = s.add(verbReading(1, 1, 1, 3, kSg, "ven.it", "come"), "^comes");
    s.add(markReading(punctuation_type::Semicolon, ';'), ";");
    const int good = s.add(declined(Adjective, kNom, kSg, kM, "bon.us", "good"), "the good");
    const int marcus = s.add(declined(Noun, kNom, kSg, kM, "Marc.us", "Marcus", noun_kind_type::Person), "Marcus");
    s.add(verbReading(1, 1, 1, 3, kSg, "..est", "be"), "^is");
    s.link(king, son);
    s.link(son, comes);
    s.link(good, marcus);
    s.run();
    EXPECT_EQ(s.forms(), (std::vector<std::string>{"fili.us", "reg.is", "ven.it", ";", "Marc.us", "..est", "bon.us"}));
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"The son", "of the king", "comes", ";", "Marcus", "is", "good"}));
}

// "cum uxore eius et filiis eorum": the genitive of is/ea/id goes before its noun as a
// possessive, tied to it or standing right after it, and the noun's article goes.
TEST(PolishWordOrder, GenitivePronounsArePossessives) {
    Polish s;
    s.options.bestOrder = 2;
    const int with = s.add(reading(Preposition, "cum.", "with"), "with");
    const int wife = s.add(declined(Noun, kAbl, kSg, kF, "uxor.e", "wife"), "the wife");
    s.add(declined(Pronoun, kGen, kSg, kM, "e.ius", "he", pronoun_kind_type::Personal), "of he");
    s.add(reading(Conjunction, "et.", "and"), "and");
    const int sons = s.add(declined(Noun, kAbl, kPl, kM, "fili.is", "son"), "the sons");
    const int their = s.add(declined(Pronoun, kGen, kPl, kM, "e.orum", "he", pronoun_kind_type::Personal), "of he+s");
    s.add(markReading(punctuation_type::FullStop, '.'), ".");
    s.link(wife, with);
    s.link(their, sons);
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"With", "his", "wife", "and", "their", "sons", "."}));
}

// A relative clause stays whole after its noun, in its own English order, and the main clause
// is ordered around it: "Puella quam vides rosas amat", "Milites qui in castris erant pugnare
// noluerunt" (a clause with "be": the verb goes after the subject), and "Urbs quam condidit
// Romulus magna erat" (the clause's subject after its verb).
TEST(PolishWordOrder, RelativeClauseFollowsItsNoun) {
    const auto relative = [](int latinCase, int number, int gender, const char* form) {
        return declined(Pronoun, latinCase, number, gender, form, "which", pronoun_kind_type::Relative);
    };
    const auto verb = [](int number, const char* form, const char* english, int person = 3, int mood = 1) {
        return verbReading(1, 1, mood, person, number, form, english);
    };
    struct Word {
        WordAnalysis reading;
        const char* slot;
    };
    struct Case {
        std::vector<Word> words;
        std::vector<std::pair<int, int>> links;
        std::vector<std::string> slots;
    };
    const std::vector<Case> cases = {
        {{{declined(Noun, kNom, kSg, kF, "puell.a", "girl"), "the girl"},
          {relative(kAcc, kSg, kF, "qu.am"), "whom"},
          {verb(kSg, "uid.es", "see", 2), "you ^see"},
          {declined(Noun, kAcc, kPl, kF, "ros.as", "rose"), "the roses"},
          {verb(kSg, "am.at", "love"), "^loves"}},
         {{1, 0}, {0, 4}, {3, 4}},
         {"The girl", "whom", "you see", "loves", "the roses", "."}},
        {{{declined(Noun, kNom, kPl, kM, "milit.es", "soldier", noun_kind_type::Person), "the soldiers"},
          {relative(kNom, kPl, kM, "qu.i"), "who"},
          {reading(Preposition, "in.", "in"), "in"},
          {declined(Noun, kAbl, kPl, kN, "castr.is", "camp"), "the camp"},
          {verb(kPl, "..erant", "be"), "^were"},
          {verbReading(1, 1, mood_type::Infinitive, 0, 0, "pugn.are", "fight"), "to ^fight"},
          {verb(kPl, "nolu.erunt", "be unwilling"), "^were unwilling"}},
         {{3, 2}, {1, 4}},
         {"The soldiers", "who", "were", "in", "the camp", "were unwilling", "to fight", "."}},
        {{{declined(Noun, kNom, kSg, kF, "urbs.", "city"), "the city"},
          {relative(kAcc, kSg, kF, "qu.am"), "which"},
          {verb(kSg, "condid.it", "found"), "^founded"},
          {declined(Noun, kNom, kSg, kM, "Romul.us", "Romulus", noun_kind_type::Proper), "Romulus"},
          {declined(Adjective, kNom, kSg, kF, "magn.a", "large"), "large"},
          {verb(kSg, "..erat", "be"), "^was"}},
         {{3, 2}},
         {"The city", "which", "Romulus", "founded", "was", "large", "."}},
        // "Vidit Deus quod est bonum": a relative that refers to nothing opens its own clause.
        {{{verbReading(4, 1, 1, 3, kSg, "uid.it", "see"), "^saw"},
          {declined(Noun, kNom, kSg, kM, "De.us", "God", noun_kind_type::Person), "God"},
          {relative(kNom, kSg, kN, "qu.od"), "that"},
          {verb(kSg, "..est", "be"), "^is"},
          {declined(Adjective, kNom, kSg, kN, "bon.um", "good"), "good"}},
         {{1, 0}},
         {"God", "saw", "that", "is", "good", "."}},
    };
    for (const Case& c : cases) {
        Polish s;
        s.options.bestOrder = 2;
        for (const Word& w : c.words) s.add(w.reading, w.slot);
        s.add(markReading(punctuation_type::FullStop, '.'), ".");
        for (const auto& [p, q] : c.links) s.link(p, q);
        s.run();
        EXPECT_EQ(s.slots(), c.slots);
    }
}

// A connective in second place goes first without cutting its clause, with the English that
// narrative uses for it: "Vidit igitur Deus" -> "Therefore God saw", "Vidit enim Deus" -> "For
// God saw".
TEST(PolishWordOrder, ConnectiveGoesFirst) {
    for (const auto& [form, meaning, english] : {std::tuple{"igitur.", "therefore", "Therefore"},
                                                 std::tuple{"enim.", "namely", "For"}}) {
        Polish s;
        s.options.bestOrder = 2;
        const int saw = s.add(verbReading(4, 1, 1, 3, kSg, "uid.it", "see"), "^saw");
        s.add(reading(Conjunction, form, meaning), meaning);
        const int god = s.add(declined(Noun, kNom, kSg, kM, "De.us", "God", noun_kind_type::Person), "God");
        s.add(markReading(punctuation_type::FullStop, '.'), ".");
        s.link(god, saw);
        s.run();
        EXPECT_EQ(s.slots(), (std::vector<std::string>{english, "God", "saw", "."}));
    }
}

// "Cumque venisset, quicumque effuderit": "And when he had come, whoever poured out".
TEST(PolishParticles, CumqueAndQuicumque) {
    Polish s;
    s.add(reading(Adverb, "cumque.", "at any time"), "at any time");
    s.add(verbReading(5, 1, 2, 3, kSg, "uen.isset", "come"), "s/he/it had ^come");
    s.add(markReading(punctuation_type::Comma, ','), ",");
    const int who = s.add(declined(SubstantiveAdjective, kNom, kSg, kM, "quicumque", "whichever"), "the whichever");
    const int poured = s.add(verbReading(4, 1, 1, 3, kSg, "effud.it", "pour out"), "s/he/it ^poured out");
    s.link(who, poured);
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"And when", "he had come", ",", "whoever", "poured out"}));
}

// omnis: "every" with a singular noun, "all the" with a plural one, "all" or "all things" alone.
TEST(PolishAdjectives, OmnisIsEveryOrAll) {
    struct Case {
        int number, gender;
        bool withNoun;
        const char* slot;
        const char* expected;
    };
    const Case cases[] = {{kSg, kF, true, "the each", "Every"},
                          {kPl, kN, true, "the each", "All the"},
                          {kPl, kN, false, "the eachs", "All things"},
                          {kPl, kM, false, "the all men", "All"}};
    for (const Case& c : cases) {
        Polish s;
        const int omnis = s.add(declined(Adjective, kAcc, c.number, c.gender, "omn.em", "each"), c.slot);
        const int noun = s.add(declined(Noun, kAcc, c.number, c.gender, "herb.am", "herb"), "the herb");
        if (c.withNoun) s.link(omnis, noun);
        s.run();
        EXPECT_EQ(s.slot(omnis), c.expected) << c.slot;
    }
}

// The ablative of a noun of time says when ("decimo mense": in the tenth month) or, with a
// number, how long ("diebus septem": for seven days).
TEST(PolishWordOrder, AblativeOfTime) {
    for (bool number : {false, true}) {
        Polish s;
        s.options.bestOrder = 2;
        s.add(verbReading(4, 1, 1, 3, kSg, "uix.it", "live"), "he ^lived");
        WordAnalysis modifier = number ? declined(Numeral, kAbl, kPl, kM, "septem.", "seven")
                                       : declined(Adjective, kAbl, kSg, kM, "decim.o", "tenth");
        modifier.grammar4 = number ? numeral_kind_type::Cardinal : 0;
        const int noun = s.add(number ? declined(Noun, kAbl, kPl, kM, "dieb.us", "day")
                                      : declined(Noun, kAbl, kSg, kM, "mens.e", "month"),
                               number ? "with the days" : "with the month");
        const int mod = s.add(modifier, number ? "seven" : "with the tenth");
        s.add(markReading(punctuation_type::FullStop, '.'), ".");
        s.link(mod, noun);
        s.run();
        EXPECT_EQ(s.slots(), number ? (std::vector<std::string>{"He lived", "for seven", "days", "."})
                                    : (std::vector<std::string>{"He lived", "in the tenth", "month", "."}));
    }
}

// "centum viginti septem millia": one hundred and twenty-seven thousand.
TEST(PolishNumerals, SeveralWordsReadAsOneNumber) {
    Polish s;
    for (const auto& [form, english] : {std::pair{"cent.um", "one hundred"}, std::pair{"uigint.i", "twenty"},
                                        std::pair{"septem.", "seven"}}) {
        WordAnalysis number = reading(Numeral, form, english);
        number.grammar4 = numeral_kind_type::Cardinal;
        s.add(number, english);
    }
    s.add(declined(Noun, kAcc, kPl, kN, "mill.ia", "thousand"), "the thousands");
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"One hundred and", "twenty-seven", "", "thousand"}));
}

// a/ab names the doer of a passive ("by"), or where a thing comes from ("from").
TEST(PolishParticles, AbIsByWithAPassive) {
    for (const auto& [voice, expected] : {std::pair{voice_type::Passive, "by"}, std::pair{voice_type::Active, "from"}}) {
        Polish s;
        s.add(verbReading(1, voice, 1, 3, kSg, "uoc.at", "call"), "he is called");
        const int ab = s.add(reading(Preposition, "a.", "by"), "by");
        const int god = s.add(declined(Noun, kAbl, kSg, kM, "De.o", "God", noun_kind_type::Person), "God");
        s.link(god, ab);
        s.run();
        EXPECT_EQ(s.slot(ab), expected);
    }
}

// "urbe capta" and "capta urbe" read adverbially when ablative absolutes are on.
TEST(PolishAblativeAbsolute, NounAndParticipleReadAsAClause) {
    for (bool participleFirst : {false, true}) {
        for (bool on : {true, false}) {
            Polish s;
            s.options.ablativeAbsolute = on;
            WordAnalysis participle = declined(Participle, kAbl, kSg, kF, "capt.a", "capture");
            participle.grammar4 = tense_type::Perfect;
            participle.grammar5 = voice_type::Passive;
            const WordAnalysis city = declined(Noun, kAbl, kSg, kF, "urb.e", "city");
            const int a = participleFirst ? s.add(participle, "with captured") : s.add(city, "with the city");
            const int b = participleFirst ? s.add(city, "with the city") : s.add(participle, "with captured");
            s.add(markReading(punctuation_type::FullStop, '.'), ".");
            s.link(a, b);
            s.link(b, a);
            s.run();
            if (on) {
                EXPECT_EQ(s.forms(), (std::vector<std::string>{"urb.e", "capt.a", "."}));
                EXPECT_EQ(s.slots(), (std::vector<std::string>{"The city", "having been captured", "."}));
            } else {
                for (const std::string& slot : s.slots()) EXPECT_EQ(slot.find("having"), std::string::npos) << slot;
            }
        }
    }
    // "Caesar, urbe capta, discessit": commas set the absolute off from its clause.
    Polish s;
    s.options.ablativeAbsolute = true;
    s.add(declined(Noun, kNom, kSg, kM, "Caesar.", "Caesar", noun_kind_type::Person), "Caesar");
    const int city = s.add(declined(Noun, kAbl, kSg, kF, "urb.e", "city"), "with the city");
    WordAnalysis participle = declined(Participle, kAbl, kSg, kF, "capt.a", "capture");
    participle.grammar4 = tense_type::Perfect;
    participle.grammar5 = voice_type::Passive;
    const int captured = s.add(participle, "with captured");
    s.add(verbReading(4, 1, 1, 3, kSg, "discess.it", "leave"), "^left");
    s.link(city, captured);
    s.link(captured, city);
    s.run();
    EXPECT_EQ(s.slots(), (std::vector<std::string>{"Caesar,", "the city", "having been captured,", "left"}));
}

}  // namespace
}  // namespace kavro
