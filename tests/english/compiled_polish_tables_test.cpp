// The polishing tables as kavro-mkdata compiled them into build/data: order, bounds and the
// forms the issue names. Skips when the compiled lexicon is absent.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/fixed_text.h"
#include "english/narrative_tenses.h"
#include "english/polish_tables.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

template <class Record>
std::vector<Record> readTable(const char* name) {
    const char* env = std::getenv("KAVRO_DATA");
    const fs::path path = fs::path(env && *env ? env : KAVRO_DATA_DIR) / name;
    std::vector<Record> out;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size % sizeof(Record) != 0) return out;
    out.resize(size / sizeof(Record));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(size));
    return out;
}

bool terminated(const char* field, std::size_t size) { return std::memchr(field, '\0', size) != nullptr; }

TEST(CompiledPolishTables, WordTableIsSortedAndGivesTheEnglishForms) {
    const auto table = readTable<PolishRecord>("polish.dat");
    if (table.empty()) GTEST_SKIP() << "no compiled polish.dat";
    for (std::size_t i = 0; i < table.size(); ++i) {
        ASSERT_TRUE(terminated(table[i].key, sizeof table[i].key) &&
                    terminated(table[i].replacement, sizeof table[i].replacement)) << i;
        if (i > 0) {
            ASSERT_LT(fieldText(table[i - 1].key), fieldText(table[i].key)) << i;
        }
        ASSERT_EQ(findPolishWord(table, fieldText(table[i].key)), &table[i]) << i;
    }
    const std::pair<const char*, const char*> forms[] = {
        {"goed", "gone"},     {"taked", "taken"},     {"bringed", "brought"}, {"stoped", "stopped"},
        {"runing", "running"}, {"admited", "admitted"}, {"diing", "dying"},   {"gos", "goes"},
        {"haves", "has"},     {"childs", "children"}, {"foots", "feet"},      {"mouses", "mice"},
        {"daies", "days"},    {"plaied", "played"},   {"Romen", "Romans"},    {"cuted", "cut"},
        {"yous", "you"},      {"himselfs", "themselves"}};
    for (const auto& [key, replacement] : forms) {
        const PolishRecord* r = findPolishWord(table, key);
        ASSERT_NE(r, nullptr) << key;
        EXPECT_EQ(fieldText(r->replacement), replacement) << key;
    }
    for (const char* word : {"seed", "riding", "men", "women", "carried", "loving"}) {
        EXPECT_EQ(findPolishWord(table, word), nullptr) << word << " is English as it stands";
    }
    // The passive leaves out the object noun of a phrasal meaning ("take hold": "taken"), never
    // a particle, a preposition or an adjective of result ("put to flight", "laid waste").
    for (std::string_view rest : {" hold", " thanks", " war"})
        EXPECT_EQ(passiveRest(rest, table), "") << rest;
    for (std::string_view rest : {" to flight", " out", " waste", " at", " ill", " or cover"})
        EXPECT_EQ(passiveRest(rest, table), rest) << rest;
}

TEST(CompiledPolishTables, PhraseTableHasItsGroups) {
    const auto table = readTable<PhraseRecord>("phrasedud.dat");
    if (table.empty()) GTEST_SKIP() << "no compiled phrasedud.dat";
    ASSERT_GE(table.size(), static_cast<std::size_t>(kVerbPhraseGroupSize));
    for (std::size_t i = kVerbPhraseGroupSize; i < table.size(); ++i) {
        EXPECT_FALSE(fieldText(table[i].search).empty()) << i;
        if (i > static_cast<std::size_t>(kVerbPhraseGroupSize)) {
            EXPECT_LT(fieldText(table[i - 1].search), fieldText(table[i].search)) << i;
        }
    }
    WordAnalysis adjective = blankAnalysis(), verb = blankAnalysis();
    adjective.partOfSpeech = 4;
    verb.partOfSpeech = 7;
    std::string slot = "of the more good";
    EXPECT_TRUE(applyPhraseTable(table, slot, adjective));
    EXPECT_EQ(slot, "of the better");
    slot = "I ^be";
    EXPECT_TRUE(applyPhraseTable(table, slot, verb));
    EXPECT_EQ(slot, "I ^am");
    slot = "s/he/it has ^seed";
    EXPECT_TRUE(applyPhraseTable(table, slot, verb));
    EXPECT_EQ(slot, "s/he/it has ^seen");
}

TEST(CompiledPolishTables, LineTableIsGroupedByFirstLetter) {
    const auto table = readTable<FinalPolishRecord>("finalpolish.dat");
    if (table.empty()) GTEST_SKIP() << "no compiled finalpolish.dat";
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FinalPolishRecord& r = table[i];
        ASSERT_TRUE(terminated(r.key, sizeof r.key) && terminated(r.replacement, sizeof r.replacement));
        EXPECT_EQ(fieldText(r.key).size(), r.keyLength);
        EXPECT_EQ(fieldText(r.replacement).size(), r.replacementLength);
        if (i > 0) {
            EXPECT_LE(table[i - 1].key[0], r.key[0]) << i;
        }
    }
    std::string line = "A hour later the the soldiers saw a army.\n";
    finalPolish(table, line);
    EXPECT_EQ(line, "An hour later the soldiers saw an army.\n");
}

}  // namespace
}  // namespace kavro
