// The search dialog's refusals, the items as the search compares them, and the header lines.
#include <gtest/gtest.h>

#include "search/file_search.h"
#include "search/search_request.h"

namespace kavro {
namespace {

constexpr std::uint8_t kNoun = 1, kVerb = 7, kUnknown = 64;
constexpr std::uint8_t kPerf = 4, kAcc = 7, kAbl = 6;

TEST(SearchDialog, Refusals) {
    const std::string_view nothing = "Must enter something to search for!";
    const std::string_view stem =
        "For a word-search:\nExclusion item must have same stem as search item, with extra character(s)!";
    const std::string_view verbCase = "Illegal combination of verb and case";
    const std::string_view nonVerbTense = "Illegal combination of non-verb and tense";
    struct Case {
        SearchKind kind;
        const char* item;
        const char* exclusion;
        std::uint8_t pos, caseTense;
        std::string_view refusal;
    };
    const Case cases[] = {
        {SearchKind::Text, "a", "", 0, 0, nothing},
        {SearchKind::Word, "", "", kNoun, 0, nothing},
        {SearchKind::Word, "", "", kUnknown, 0, ""},      // every unknown word
        {SearchKind::Text, "am", "xyz", 0, 0, ""},         // text search: any exclusion
        {SearchKind::Text, "am", "", kVerb, kAcc, ""},     // the lists belong to the word search
        {SearchKind::Word, "am", "amic", 0, 0, ""},
        {SearchKind::Word, "Am", "amic", 0, 0, ""},
        {SearchKind::Word, "am", "am", 0, 0, ""},
        {SearchKind::Word, "am", "ami", kVerb, kPerf, ""},
        {SearchKind::Word, "am", "ma", 0, 0, stem},
        {SearchKind::Word, "am", "", kVerb, kAcc, verbCase},
        {SearchKind::Word, "am", "", kNoun, kPerf, nonVerbTense},
        {SearchKind::Word, "am", "", 0, kPerf, nonVerbTense},
        {SearchKind::Word, "uxor", "", kNoun, kAbl, ""},
    };
    for (const Case& c : cases) {
        SearchDialogValues v;
        v.kind = c.kind;
        v.item = c.item;
        v.exclusion = c.exclusion;
        v.partOfSpeech = c.pos;
        v.caseTense = c.caseTense;
        EXPECT_EQ(searchDialogRefusal(v), c.refusal) << c.item << " / " << c.exclusion;
    }
}

TEST(SearchDialog, ItemsAsCompared) {
    SearchDialogValues text{SearchKind::Text, "IVLIVS Caesar", "123", "Jam", 0, 0};
    const SearchDialogValues t = normalisedSearch(text);
    EXPECT_EQ(t.item, "iulius caesar");
    EXPECT_EQ(t.exclusion, "");        // no letter: dropped
    EXPECT_EQ(normalisedSearch({SearchKind::Text, "caesar", "VJ", "jv", 0, 0}).andItem, "");
    EXPECT_EQ(t.andItem, "iam");
    EXPECT_TRUE(textLineMatches(searchFolded("Gaius JULIUS Caesar iam venit."), t));
    EXPECT_FALSE(textLineMatches(searchFolded("Gaius Iulius Caesar venit."), t));  // no "And" item

    SearchDialogValues word{SearchKind::Word, std::string(40, 'a'), "", "and", kUnknown, kAbl};
    const SearchDialogValues w = normalisedSearch(word);
    EXPECT_EQ(w.item.size(), kSearchItemLength);
    EXPECT_EQ(w.andItem, "");          // text search only
    EXPECT_EQ(w.caseTense, 0);         // no case or tense for unknown words

    SearchDialogValues excluded{SearchKind::Text, "caesar", "gallia", "", 0, 0};
    EXPECT_FALSE(textLineMatches(searchFolded("Caesar in Galliam venit."), normalisedSearch(excluded)));
}

TEST(SearchDialog, HeaderLinesAndListNames) {
    SearchDialogValues word{SearchKind::Word, "am", "amic", "", kVerb, kPerf};
    EXPECT_EQ(searchResultsHeader(word),
              "--Search items = am Exclude = amic (Speechtype = Verb. Case/tense type = Perf.)\n"
              "--Word Search.\n");
    word.partOfSpeech = 36;
    word.caseTense = 9;  // not on the list
    EXPECT_EQ(searchResultsHeader(word),
              "--Search items = am Exclude = amic (Speechtype = SADJ. Case/tense type = ANY.)\n"
              "--Word Search.\n");
    word.partOfSpeech = 12;  // interjection: not on the list
    EXPECT_NE(searchResultsHeader(word).find("Speechtype = ANY."), std::string::npos);
    SearchDialogValues text{SearchKind::Text, "caesar", "", "gallia", 0, 0};
    EXPECT_EQ(searchResultsHeader(text), "--Search items = caesar Exclude =  And = gallia.\n--Text Search.\n");

    EXPECT_EQ(partOfSpeechCode("Verb"), kVerb);
    EXPECT_EQ(partOfSpeechCode("unknown"), kUnknown);
    EXPECT_EQ(partOfSpeechCode("36"), 36);
    EXPECT_EQ(partOfSpeechCode("Interjection"), std::nullopt);
    EXPECT_EQ(caseTenseCode("Abl/FutPerf"), kAbl);
    EXPECT_EQ(caseTenseCode("ABL / FUTP"), kAbl);
    EXPECT_EQ(caseTenseCode("8"), std::nullopt);
}

}  // namespace
}  // namespace kavro
