// Latin Standard Phrases: fixed Latin expressions of up to five words with a ready English
// rendering, read from userphrases.txt at start-up and put into the English slots of a sentence.
//
// A phrase line is "Latin words/English". Its words are compared with the words of the sentence
// as they stand ("rem publicam/the state"), letter case ignored and j, v read as i, u; a phrase
// whose words carry the stem's full stop ("popul.us Roman.us") is compared with the analysed
// forms instead, and a word that ends in the full stop ("ag.") takes any ending of its stem. A
// verb is also matched through its infinitive, so "gratias agere" covers "gratias agimus".
//
// The English may carry alternatives that the sentence settles: "s\he\it", "his\their",
// "oneself" and the like take the person and number of the clause's verb, and "A\to B" gives
// "to B" for an infinitive and "A" otherwise. An English written "INFv, s to give thanks" is a
// verb phrase: "give thanks" is put in place of the meaning of phrase word v's verb in that
// verb's English ("we ^drive" becomes "we ^give thanks"), and the result goes to the slot of
// phrase word s.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lexicon_records.h"

namespace kavro {

struct Engine;
struct Lexicon;

inline constexpr std::size_t kPhraseWordMax = 5;            // Latin words of one phrase
inline constexpr std::size_t kPhraseWordKept = 22;          // characters kept of each Latin word
inline constexpr std::size_t kPhraseEnglishMax = 78;        // characters of the English part
inline constexpr std::size_t kPhraseLineLength = 119;       // characters of a line that are parsed
inline constexpr int kPhraseLetters = 26;                   // index entries of 'a'..'z'
inline constexpr int kPhraseIndexClosing = kPhraseLetters;  // the entry with the count

using PhraseIndex = std::array<PhraseIndexEntry, kLetterIndexCount>;

// Rewrites a line that starts with "*" (a scrambled line) in place into its plain text; true
// when the line is unusable.
bool unscramblePhraseLine(std::string& line);

// Reads one phrase line (without its line end) and appends its record to `table`; false when
// the line cannot be used.
bool parsePhraseLine(std::string_view line, std::vector<StandardPhraseRecord>& table);

// Sorts the phrases by their words, the first word deciding first.
void sortStandardPhrases(std::vector<StandardPhraseRecord>& table);

// Builds the letter index of the sorted phrases and returns the number of letters the walk
// reached (26 when every phrase begins with a letter up to "z").
int buildPhraseIndex(std::span<const StandardPhraseRecord> phrases, PhraseIndex& index);

// The phrases (a run of the sorted table) whose first word is `word`, found through the
// letter index.
std::span<const StandardPhraseRecord> phrasesStartingWith(const Lexicon& lexicon,
                                                          std::string_view word);

// Number of Latin words of a phrase.
int phraseWordCount(const StandardPhraseRecord& phrase);

// The parts of an "INFv, s to ..." English: the phrase word of the verb, the phrase word that
// receives the English, and the text after "to "; all zero and empty for any other English.
struct InfinitivePhrase {
    int verbWord = 0;
    int receivingWord = 0;
    std::string_view infinitive;
};
InfinitivePhrase infinitivePhraseNumbers(std::string_view english);

// The phrase pass over the current sentence: rewrites englishSlots where a stored phrase matches
// the chosen readings. Leaves wordAnalyses and chosenAnalysis as they are.
void applyStandardPhrases(Engine& engine);

}  // namespace kavro
