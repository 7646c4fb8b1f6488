// Every citation form of the compiled lexicon names a Latin word: its first word (after any "-"
// for a missing part) has two letters or more and is no bare stem. For the regular nouns,
// adjectives and verbs the word is analysed back to the same entry.
#include <map>

#include "core/latin_spelling.h"
#include "morph/meanings.h"
#include "morph/split_matching.h"
#include "tests/morph/real_lexicon_fixture.h"

namespace kavro::testing {
namespace {

using LexiconCitations = RealLexicon;

struct RegularClass {
    std::uint8_t partOfSpeech, which, variant;
};
// The classes whose first citation word is a form the matcher must read back to the entry.
constexpr RegularClass kReadBackClasses[] = {
    {speech_type::Noun, 1, 1},      {speech_type::Noun, 2, 1},      {speech_type::Noun, 2, 2},
    {speech_type::Noun, 3, 1},      {speech_type::Noun, 4, 1},      {speech_type::Noun, 5, 1},
    {speech_type::Adjective, 1, 1}, {speech_type::Adjective, 1, 2}, {speech_type::Adjective, 1, 3},
    {speech_type::Adjective, 1, 4}, {speech_type::Adjective, 1, 5}, {speech_type::Adjective, 3, 1},
    {speech_type::Adjective, 3, 2}, {speech_type::Adjective, 3, 3}, {speech_type::Verb, 1, 1},
    {speech_type::Verb, 2, 1},      {speech_type::Verb, 3, 1},      {speech_type::Verb, 3, 4},
};

bool readsBack(const StemRecord& s) {
    if (s.partOfSpeech == speech_type::Verb && (s.sort & 0x0F) == verb_kind_type::Impersonal)
        return false;
    for (const RegularClass& c : kReadBackClasses)
        if (s.partOfSpeech == c.partOfSpeech && s.which == c.which && s.variant == c.variant)
            return true;
    return false;
}

// A letter, or the "/" between alternatives ("qui/is").
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '/'; }

// The first word of the citation that is not "-" for a missing part nor an ending ("-a -um"),
// without its comma.
std::string firstWord(std::string_view citation) {
    while (!citation.empty()) {
        const std::size_t end = citation.find_first_of(", ");
        const std::string_view word = citation.substr(0, end);
        if (!word.empty() && word[0] != '-') return std::string(word);
        if (end == std::string_view::npos) break;
        citation.remove_prefix(end + 1);
    }
    return {};
}

// A declined or conjugated entry, not an abbreviation (which 9, variant 8: "A", "Kal").
bool inflects(const StemRecord& s) {
    const std::uint8_t pos = s.partOfSpeech & 0x1F;
    const bool declined = pos == speech_type::Noun || pos == speech_type::Pronoun ||
                          pos == speech_type::Adjective || pos == speech_type::Numeral ||
                          pos == speech_type::Verb || pos == speech_type::Participle;
    return declined && !(s.which == 9 && s.variant == 8);
}

TEST_F(LexiconCitations, EveryCitationBeginsWithAWordThatReadsBack) {
    Engine& e = engine();
    std::map<std::uint32_t, const StemRecord*> entries;   // one stem record per entry
    for (const StemRecord& s : lexicon().stems)
        if (s.meaningIndex < lexicon().meanings.size()) entries.emplace(s.meaningIndex, &s);
    ASSERT_GT(entries.size(), 30000u);

    int badWords = 0, notReadBack = 0, readBackTried = 0;
    for (const auto& [index, stem] : entries) {
        const std::string citation(fieldText(lookUpMeaningRecord(lexicon(), options(), *stem).latin));
        const std::string word = firstWord(citation);
        if (inflects(*stem)) {
            const bool letters = word.size() >= 2 && std::all_of(word.begin(), word.end(), isLetter);
            if (!letters) {
                if (++badWords <= 20) ADD_FAILURE() << "'" << citation << "' of stem " << stem->stem;
                continue;
            }
        }
        if (!readsBack(*stem) || (word[0] >= 'A' && word[0] <= 'Z')) continue;
        ++readBackTried;
        e.analysisCount = 0;
        WordBuffer buffer{};
        copyField(buffer, word);
        for (char& c : buffer) c = foldIAndU(c);   // as the tokenizer hands it on
        const int splits = splitWord(e, buffer);
        matchSplits(e, splits, source_kind::Dictionary);
        bool same = false;
        for (int i = 0; i < e.analysisCount && !same; ++i)
            same = fieldText(e.analysisSources[i].citation) == citation;
        if (!same && ++notReadBack <= 20) ADD_FAILURE() << word << " does not read back to '" << citation << "'";
    }
    EXPECT_EQ(badWords, 0);
    EXPECT_EQ(notReadBack, 0) << "of " << readBackTried;
}

}  // namespace
}  // namespace kavro::testing
