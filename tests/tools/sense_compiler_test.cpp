// senses.dat and names.dat from their text sources: a rule reaches every entry of its headword
// and part of speech whose English holds the sense, and nothing else; bad lines are refused.
#include <gtest/gtest.h>

#include <cstring>

#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/sense_compiler.h"

namespace kavro::mkdata {
namespace {

StemRecord stem(const char* text, int partOfSpeech, std::uint32_t meaning) {
    StemRecord s{};
    std::strcpy(s.stem, text);
    s.partOfSpeech = static_cast<std::uint8_t>(partOfSpeech);
    s.meaningIndex = meaning;
    return s;
}

MeaningRecord meaning(const char* latin, const char* english) {
    MeaningRecord m{};
    copyField(m.latin, latin);
    copyField(m.english, english);
    return m;
}

SourceLine line(std::size_t number, std::vector<std::string> fields) { return {number, std::move(fields)}; }

struct SmallDictionary {
    std::vector<MeaningRecord> meanings = {
        meaning("dominus, domini", "owner, lord, master; the Lord; title for ecclesiastics/gentlemen;"),
        meaning("ius, iuris", "right, law; justice; court;"),
        meaning("ius, iuris", "soup, broth, sauce;"),
        meaning("virga, virgae", "twig; rod, staff, wand;"),
        meaning("castrum, castri", "fort, fortress; (pl.) camp, military camp;")};
    std::vector<StemRecord> stems = {stem("domin", speech_type::Noun, 0), stem("iur", speech_type::Noun, 1),
                                     stem("iur", speech_type::Noun, 2), stem("virg", speech_type::Noun, 3),
                                     stem("castr", speech_type::Noun, 4)};
};

TEST(SenseCompiler, RulesReachTheEntriesWhoseEnglishHoldsTheSense) {
    SmallDictionary d;
    const std::vector<SourceLine> lines = {
        line(1, {"castrum", "N", "camp", "-", "40", "50"}),
        line(2, {"dominus", "N", "the Lord", "capital", "900", "910"}),
        line(3, {"ius", "N", "law", "-", "12", "20"}),            // the law entry only
        line(4, {"virga", "N", "staff", "after:in", "5", "6"}),
        line(5, {"virga", "N", "rod", "case:ABL", "5", "8"}),
        line(6, {"dominus", "V", "the Lord", "-", "5", "5"}),     // no verb dominus
        line(7, {"dominus", "N", "king", "-", "5", "5"})};        // not a sense of the entry
    const CompiledSenses out = compileSenses(lines, d.stems, d.meanings, "senses.txt");
    EXPECT_EQ(out.unmatchedLines, 2u);
    ASSERT_EQ(out.rules.size(), 5u);
    EXPECT_EQ(out.rules[0].meaningIndex, 0u);
    EXPECT_EQ(out.rules[0].condition, sense_condition::Capital);
    EXPECT_EQ(fieldText(out.rules[0].sense), "the Lord");
    EXPECT_EQ(out.rules[1].meaningIndex, 1u) << "the soup entry has no sense 'law'";
    EXPECT_EQ(out.rules[2].condition, sense_condition::AfterWord);
    EXPECT_EQ(fieldText(out.rules[2].argument), "in");
    EXPECT_EQ(out.rules[3].condition, sense_condition::Case);
    EXPECT_EQ(out.rules[3].caseCode, case_type::Ablative);
    EXPECT_EQ(out.rules[4].meaningIndex, 4u);
    EXPECT_EQ(fieldText(out.rules[4].sense), "camp") << "a sense inside remarks of number counts";
}

TEST(SenseCompiler, RefusesContextsAndSensesItCannotStore) {
    SmallDictionary d;
    for (const auto& fields : std::vector<std::vector<std::string>>{
             {"virga", "N", "staff", "before:in", "1", "1"},
             {"virga", "N", "staff", "case:XYZ", "1", "1"},
             {"virga", "N", "staff", "after:averyveryverylongword", "1", "1"},
             {"virga", "N", std::string(60, 's'), "-", "1", "1"},
             {"virga", "N", "", "-", "1", "1"}}) {
        EXPECT_THROW(compileSenses({line(9, fields)}, d.stems, d.meanings, "senses.txt"), DataError)
            << fields[2] << " " << fields[3];
    }
}

TEST(NameCompiler, SortsFoldsAndRefusesDoubles) {
    const auto names = compileNames({line(1, {"Moyses", "Moses"}), line(2, {"Jacob", "Jacob"}),
                                     line(3, {"David", "David"})},
                                    "names.txt");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(fieldText(names[0].form), "Dauid") << "v is stored as u, as the words are read";
    EXPECT_EQ(fieldText(names[0].english), "David");
    EXPECT_EQ(fieldText(names[1].form), "Iacob");
    EXPECT_EQ(fieldText(names[2].english), "Moses");
    EXPECT_THROW(compileNames({line(1, {"Moyses", "Moses"}), line(2, {"Moyses", "Moshe"})}, "names.txt"),
                 DataError);
    EXPECT_THROW(compileNames({line(1, {std::string(30, 'A'), "Moses"})}, "names.txt"), DataError);
}

}  // namespace
}  // namespace kavro::mkdata
