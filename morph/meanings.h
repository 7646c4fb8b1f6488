// The English meanings of dictionary entries: finding an entry's 160-character record, choosing
// the meaning of the preferred subject area, and cutting the short meaning a reading keeps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/lexicon.h"
#include "core/view_options.h"

namespace kavro {

struct WordAnalysis;

// The letter of each area index 0..13 of a reading; '-' is general (no area).
inline constexpr std::string_view kAreaLetters = "--BDEGLGSSWDBH";
inline constexpr std::uint8_t kBotanySubject = 13;
inline constexpr std::string_view kBotanyWordMeaning = "BOTANY-WORD";
inline constexpr std::string_view kBotanySuffixMeaning = "-----";

// Where a meaning is wanted: the placeholder of a botany entry without the botany table differs.
enum class MeaningUse { Word, SuffixedWord };

inline std::uint8_t subjectOf(const StemRecord& stem) { return stem.areaFrequency >> 4; }
inline std::uint8_t frequencyOf(const StemRecord& stem) { return stem.areaFrequency & 0x0F; }
inline bool isBotanyEntry(const StemRecord& stem) { return subjectOf(stem) == kBotanySubject; }
inline bool isUserEntry(const StemRecord& stem) { return stem.meaningIndex >= kUserMeaningBase; }

// The meanings record of the entry behind `stem`: the user meanings for user entries, the
// botany table for botany entries while it is active (a placeholder record otherwise), the
// general table for every other entry. A record number outside its table gives an empty record.
const MeaningRecord& lookUpMeaningRecord(const Lexicon& lexicon, const ViewOptions& options,
                                         const StemRecord& stem, MeaningUse use = MeaningUse::Word);

// Replaces `meaning` by its part tagged for the area `areaLetter` (a capital, 0 for none), with
// a second attempt through the entry's own subject; then cleans the leftover tags. Returns the
// area index taken (0 when none): the caller records it as the reading's subject with rarity 1.
// `readingAreaIndex` is the area index the reading already carries.
int selectAreaMeaning(std::string& meaning, int areaLetter, int readingAreaIndex,
                      std::uint8_t entrySubject);

// The infinitive of a verb's citation form ("amo, amare, amavi, amatus" gives "amare"); empty
// unless the form has an item after its first ", " that a further "," ends.
std::string_view infinitiveOf(std::string_view latinForm);

// Removes the parenthetical remarks of a meaning ("(pl.)", "(w/ABL)", "(of persons)"), an
// unclosed one to the end; a meaning that is nothing but remarks keeps their words.
void dropParentheticals(std::string& meaning);

// Keeps the first sense of a meaning (the text before its first comma or semicolon), trimmed:
// the short meaning a translation uses ("part, region; share" gives "part"), and of two words
// joined by "or" at its start the first ("run or hasten back" gives "run back"). A leading "~"
// stays.
void keepFirstSense(std::string& meaning);

// Cuts a meaning to what the English field of a reading holds: at most 23 characters, a cut
// marked by "*" as the last of them.
void fitAnalysisEnglish(std::string& meaning);

// How the reading that gets a short meaning was found.
struct ReadingKind {
    bool verb = false;                 // store the infinitive in the Latin detail field
    bool uncertain = false;            // "~" in front of the meaning
    bool modifiedStem = false;         // keep the "-suffix" part behind the "/"
    bool numeralAsAdjective = false;   // append "-each"
    MeaningUse use = MeaningUse::Word;
};

// The short meaning of a reading: fills the English field (and for verbs the Latin detail
// field) of `analysis`, and on an area selection its subject and rarity.
void storeShortMeaning(const Lexicon& lexicon, const ViewOptions& options, const StemRecord& stem,
                       const ReadingKind& kind, WordAnalysis& analysis);

}  // namespace kavro
