// The logic of the translate command and of the refresh of the two boxes after a job, free of
// any window toolkit: the front end gathers the boxes' texts into a request, shows the boxes
// described by BoxContents, and hands a one-word selection to the single-word translation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "job/translation_job.h"

namespace kavro {

struct Engine;

// Limits of the translate command and of the boxes.
inline constexpr std::size_t kSelectionLimit = 1999;        // a selection this long is refused
inline constexpr std::size_t kLatinBoxLimit = 199998;       // a Latin box this long is refused
inline constexpr std::size_t kTranslationReadLimit = 199999;  // bytes of parser.txt loaded
inline constexpr std::size_t kTruncationOffset = 199985;    // where "\nTRUNCATED." is written
inline constexpr int kTranslationBoxTextLimit = 200100;

inline constexpr const char* kLatinStorageFile = "latin.lat";
inline constexpr const char* kTruncatedMark = "\nTRUNCATED.";

// What the two boxes hold after showTranslation; the window displays it as it stands.
struct BoxContents {
    std::string latinBox;          // latinText followed by "\n"; the Latin box gets the focus
    std::string translationBox;    // parser.txt as loaded, or "English"
    bool translationEditable = false;  // otherwise the Translation box is read-only
    int translationTextLimit = kTranslationBoxTextLimit;
    // Always: plain (not italic, not underlined) text in the Translation box, the lower window
    // emptied.
};

// Loads parser.txt into translationText (at most 199,999 bytes; a longer log is cut at
// 199,985 with "\nTRUNCATED." and a message), marks a truncated Latin text the same way,
// and returns what the two boxes now show.
BoxContents showTranslation(Engine& engine);

// The boxes as the last showTranslation left them, for a window drawn after the job.
BoxContents currentBoxContents(const Engine& engine);

// The command "Empty Latin": resets the sentence counters, leaves a single space as the Latin
// text, and refreshes the boxes.
BoxContents emptyLatin(Engine& engine);

// What the window knows when the user presses "Translate".
struct TranslateRequest {
    std::string latinSelection;        // selected text of the Latin box, empty if none
    std::string translationSelection;  // selected text of the Translation box, empty if none
    std::string latinBoxText;          // the whole Latin box
};

enum class TranslateOutcome {
    JobRan,            // the job ran on latin.lat; see `job`
    SingleWord,        // one word selected in sentence mode: translate `singleWord` alone
    SelectionTooLong,  // refused with a message
    LatinBoxTooLong,   // refused with a message
    LogUnwritable,     // parser.txt cannot be written; its opener showed the message
    StorageFailed,     // latin.lat cannot be written; message shown
};

struct TranslateResult {
    TranslateOutcome outcome = TranslateOutcome::JobRan;
    std::string singleWord;  // with SingleWord: the word, for a call that does not come from a click
    JobResult job;           // with JobRan
};

// The translate command: stores the selection (or the whole Latin box) in latin.lat and runs
// the translation job on it (with the given stages, the engine's own by default).
TranslateResult translateLatinBox(Engine& engine, const TranslateRequest& request,
                                  const JobStages& stages = engineStages());

}  // namespace kavro
