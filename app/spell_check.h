// The spell-check: every word of a Latin text is put through word analysis on its own, and the
// words that no analysis recognises are listed with their place and underlined in fails.txt, a
// small rich-text copy of the text. The window shows fails.txt and the checked text; the command
// line prints the list.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

struct Engine;

// A file of this many bytes or more is refused with kSpellCheckTooLong.
inline constexpr std::size_t kSpellCheckFileLimit = 199985;
inline constexpr std::string_view kSpellCheckTooLong = "File is too long";
inline constexpr std::string_view kSpellCheckStatus = "Spell-checking...";
inline constexpr std::string_view kSpellCheckDone = "Successful spell-check.";
inline constexpr const char* kFailsFileName = "fails.txt";

// A word that word analysis did not recognise, as written in the text, and where it starts
// (line and column from 1; the column counts the characters of the engine's text).
struct UnrecognisedWord {
    int line = 0;
    int column = 0;
    std::string word;
};

struct SpellCheckResult {
    std::string checkedText;                    // the text that was checked, for the Latin box
    std::string failsText;                      // the content of fails.txt
    std::vector<UnrecognisedWord> unrecognised; // in the order of the text
};

bool spellCheckFileTooLong(std::size_t bytes);

// The form of a written word that word analysis is asked about: j and v as i and u, the marks
// and spaces at its end removed, one mark at its start removed.
std::string spellCheckForm(std::string_view written);

// Checks every word of `text` (the engine's 8-bit text) with the engine's word analysis, in
// sentence mode and with the spell-check flag set for the duration. The caller keeps the log
// closed: word analysis would write its listing of every word there.
// With SpellNames::Expected a capitalised word that no reading explains counts as a name (as
// it would in mid-sentence); otherwise it is unrecognised.
enum class SpellNames { Unknown, Expected };
SpellCheckResult spellCheckText(Engine& engine, std::string_view text,
                                SpellNames names = SpellNames::Unknown);

// Puts `failsText` in place of fails.txt in the engine's program folder, whole or not at all;
// false with the reason in `problem`.
bool writeFailsFile(const Engine& engine, std::string_view failsText, std::string& problem);

}  // namespace kavro
