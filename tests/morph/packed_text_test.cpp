#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "core/lexicon.h"
#include "morph/inflection_search.h"
#include "morph/packed_text.h"
#include "morph/stem_search.h"
#include "tests/morph/tiny_lexicon.h"

namespace kavro {
namespace {

namespace pos = speech_type;

int sign(int v) { return (v > 0) - (v < 0); }

// The order of the searches before packing: the field's text against the text, as bytes.
template <std::size_t N>
int referenceOrder(const char (&field)[N], std::string_view text) {
    return sign(fieldText(field).compare(text));
}

// A field holding `text` (cut to N bytes), its terminator, then `filler` bytes to the end.
template <std::size_t N>
void fill(char (&field)[N], std::string_view text, char filler) {
    std::memset(field, filler, N);
    const std::size_t n = std::min(text.size(), N);
    std::memcpy(field, text.data(), n);
    if (n < N) field[n] = '\0';
}

// Texts around the word boundaries, with high bytes, against fields of every length whose
// bytes after the terminator are zero, letters or 0xFF.
TEST(PackedText, OrdersFieldsAsTheirBytesWhateverFollowsTheTerminator) {
    std::mt19937 random(7);
    const std::string alphabet = "abz\x01\x7f\x80\xff";
    const auto randomText = [&](std::size_t length) {
        std::string s;
        for (std::size_t i = 0; i < length; ++i) s += alphabet[random() % alphabet.size()];
        return s;
    };
    int checked = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string text = randomText(random() % 27);
        std::string stored = randomText(random() % 25);
        if (round % 3 == 0) stored = text.substr(0, std::min<std::size_t>(text.size(), 24));
        if (round % 5 == 0 && !stored.empty()) stored.pop_back();
        for (const char filler : {'\0', 'a', '\xff'}) {
            char stem[24];
            fill(stem, stored, filler);
            ASSERT_EQ(sign(compareField(stem, PackedText<3>(text))), referenceOrder(stem, text))
                << '"' << stored << "\" against \"" << text << '"';
            char ending[8];
            fill(ending, stored, filler);
            ASSERT_EQ(sign(compareField(ending, PackedText<1>(text))), referenceOrder(ending, text));
            ++checked;
        }
    }
    EXPECT_EQ(checked, 9000);
}

TEST(PackedText, TextsThatNoFieldCanEqualAreNotSearched) {
    EXPECT_TRUE(PackedText<3>(std::string(24, 'a')).searchable());
    EXPECT_FALSE(PackedText<3>(std::string(25, 'a')).searchable());
    EXPECT_FALSE(PackedText<1>(std::string_view("am\0o", 4)).searchable());
    EXPECT_TRUE(PackedText<1>("").searchable());
    char full[8];
    std::memcpy(full, "abcdefgh", 8);   // no terminator: all eight bytes are the text
    EXPECT_EQ(compareField(full, PackedText<1>("abcdefgh")), 0);
    EXPECT_LT(compareField(full, PackedText<1>("abcdefghi")), 0);
}

// The searches find records whose fields carry bytes after the terminator, and a one-ending
// run serves several stems as the search of each would.
TEST(PackedText, SearchesReadFieldsWithBytesAfterTheTerminator) {
    testing::TinyWorld world;
    auto& stems = world.lexicon.stems;
    for (const std::string_view s : {"am", "ama", "amar", "amb"})
        stems.push_back(testing::makeStem({s, pos::Verb, 1, 1}));
    testing::indexStems(world.lexicon);
    for (StemRecord& r : stems)
        std::memset(r.stem + fieldText(r.stem).size() + 1, 'x', sizeof r.stem - fieldText(r.stem).size() - 1);
    EXPECT_EQ(findStems(*world.engine, "ama"), 1);
    EXPECT_EQ(findStems(*world.engine, "amax"), 0);
    EXPECT_EQ(findStems(*world.engine, std::string_view("ama\0", 4)), 0);

    auto& table = world.lexicon.inflections;
    for (const std::string_view e : {"", "a", "a", "ae", "o"})
        table.push_back(testing::makeInflection({e, pos::Verb, 1, 1}));
    for (InflectionRecord& r : table) std::memset(r.ending + fieldText(r.ending).size() + 1, 'z', 1);
    EXPECT_EQ(findEndingRun(*world.engine, "a").size(), 2u);
    EXPECT_EQ(findEndingRun(*world.engine, "").size(), 1u);
    EXPECT_TRUE(findEndingRun(*world.engine, "b").empty());
    EXPECT_EQ(findInflections(*world.engine, "az", 0), kEndingNotInTable);
    world.offerStem({"am", pos::Verb, 1, 1});
    const auto run = findEndingRun(*world.engine, "a");
    EXPECT_EQ(fitInflections(*world.engine, run, "a", 0), findInflections(*world.engine, "a", 0));
}

// The ending hash answers as the bisection does for present and absent endings, and is not
// built over a table out of order.
TEST(SearchIndexes, TheEndingHashFindsWhatTheBisectionFinds) {
    testing::TinyWorld world;
    auto& table = world.lexicon.inflections;
    const std::string_view endings[] = {"", "a", "a", "ae", "ibus", "issimus", "o", "\xe9", "\xe9\xe9"};
    for (const std::string_view e : endings) table.push_back(testing::makeInflection({e, pos::Noun, 1, 1}));
    const auto bisected = [&](std::string_view e) { return findEndingRun(*world.engine, e); };
    const std::string_view queries[] = {"", "a", "ae", "aeq", "ibus", "issimus", "issimusx",
                                        "o", "b", "\xe9", "\xe9\xe9", std::string_view("a\0", 2)};
    std::vector<std::span<const InflectionRecord>> expected;
    for (const std::string_view q : queries) expected.push_back(bisected(q));
    indexEndingRuns(world.lexicon);
    ASSERT_FALSE(world.lexicon.endingRuns.empty());
    for (std::size_t i = 0; i < std::size(queries); ++i) {
        const auto found = findEndingRun(*world.engine, queries[i]);
        ASSERT_EQ(found.size(), expected[i].size()) << i;
        if (!found.empty()) {
            EXPECT_EQ(found.data(), expected[i].data()) << i;
        }
    }
    std::swap(table[0], table[3]);
    indexEndingRuns(world.lexicon);
    EXPECT_TRUE(world.lexicon.endingRuns.empty());
}

// Word analysis leaves out stem searches only while no stem text fills tempstems: a run of
// that many records anywhere in the table is found.
TEST(SearchIndexes, ARunOfStemsAsLongAsTempstemsIsFound) {
    const int full = static_cast<int>(kTempStemCapacity);
    for (const int before : {0, 1, 30, full - 2, full - 1, full}) {
        for (const int run : {full - 1, full}) {
            std::vector<StemRecord> stems;
            for (int i = 0; i < before; ++i) stems.push_back(testing::makeStem({"a" + std::to_string(100 + i), pos::Noun, 1, 1}));
            for (int i = 0; i < run; ++i) stems.push_back(testing::makeStem({"b", pos::Noun, 1, 1}));
            stems.push_back(testing::makeStem({"c", pos::Noun, 1, 1}));
            EXPECT_EQ(stemRunsFitTempstems(stems), run < full) << before << " before a run of " << run;
        }
    }
}

// A search that starts from the last split's place finds what a search of the whole letter finds.
TEST(SearchIndexes, AHintedStemSearchFindsWhatAFullOneFinds) {
    testing::TinyWorld world;
    for (const std::string_view s : {"a", "am", "am", "ama", "amab", "amabi", "amat", "amb", "an", "b"})
        world.lexicon.stems.push_back(testing::makeStem({s, pos::Verb, 1, 1}));
    testing::indexStems(world.lexicon);
    for (const std::string_view word : {"amabit", "amatus", "anser", "amz", "b"}) {
        StemSearchHint hint;
        for (std::size_t length = word.size(); length > 0; --length) {
            const std::string_view stem = word.substr(0, length);
            const int full = findStems(*world.engine, stem);
            EXPECT_EQ(findStems(*world.engine, stem, &hint), full) << stem;
        }
    }
}

// The search through the stems' packed prefixes finds what the bisection of the records finds,
// around the eight bytes a prefix holds (stems of 7, 8, 9 and 17 letters sharing their first
// eight, bytes above 127), with and without the hint of the word's last split.
TEST(SearchIndexes, ThePrefixSearchFindsWhatTheBisectionFinds) {
    testing::TinyWorld world;
    const std::string_view stems[] = {"a", "conscri", "conscrib", "conscrib", "conscribe", "conscribo",
                                      "conscribx", "conscribendissimu", "conscrip", "conscripa",
                                      "d\xe9", "d\xe9" "fendu", "de"};
    for (const std::string_view s : stems) world.lexicon.stems.push_back(testing::makeStem({s, pos::Verb, 1, 1}));
    testing::indexStems(world.lexicon);
    for (StemRecord& r : world.lexicon.stems)   // bytes after a terminator decide nothing
        std::memset(r.stem + fieldText(r.stem).size() + 1, 'x', sizeof r.stem - fieldText(r.stem).size() - 1);
    const std::string_view words[] = {"conscribendissimus", "conscribendissimv", "conscripabam",
                                      "conscribx", "d\xe9" "fenduntur", "conscrib", "conscr"};
    for (const std::string_view word : words) {
        for (std::size_t length = word.size(); length > 0; --length) {
            const std::string_view stem = word.substr(0, length);
            world.lexicon.stemPrefixes.clear();
            const int bisected = findStems(*world.engine, stem);
            const std::string first = bisected > 0 ? std::string(world.foundStem(0)) : "";
            indexStemPrefixes(world.lexicon);
            StemSearchHint hint;
            EXPECT_EQ(findStems(*world.engine, stem), bisected) << stem;
            if (bisected > 0) {
                EXPECT_EQ(world.foundStem(0), first) << stem;
            }
            EXPECT_EQ(findStems(*world.engine, stem, &hint), bisected) << stem;
        }
    }
}

// Fitting starts at the stem's part of speech when the ending index is built: every part gets
// the records it gets when the whole run is read (a present participle counts as a verb).
TEST(SearchIndexes, FittingFromTheStemsPartOfSpeechKeepsEveryFit) {
    testing::TinyWorld world;
    auto& table = world.lexicon.inflections;
    for (const int part : {pos::Noun, pos::Adjective, pos::Adverb, pos::Verb, pos::Participle, pos::Supine})
        table.push_back(testing::makeInflection({"a", static_cast<std::uint8_t>(part), 0, 0}));
    for (const int part : {pos::Noun, pos::Pronoun, pos::Adjective, pos::Verb, pos::Participle, pos::Tackon}) {
        world.offerStem({"am", static_cast<std::uint8_t>(part), 0, 0});
        world.lexicon.endingRuns.clear();
        const int read = findInflections(*world.engine, "a", 0);
        indexEndingRuns(world.lexicon);
        ASSERT_FALSE(world.lexicon.endingRuns.empty());
        EXPECT_EQ(findInflections(*world.engine, "a", 0), read) << part;
    }
}

}  // namespace
}  // namespace kavro
