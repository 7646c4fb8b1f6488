// The user dictionaries: Userfile.txt and, on request, PlinyUserfile.txt in the program folder.
// Each accepted line "stems / grammar / English" becomes up to five stem records and one
// meanings record, searched by word analysis after the main dictionary.
#pragma once

#include <string_view>
#include <vector>

#include "core/lexicon_records.h"

namespace kavro {

struct Engine;
struct Lexicon;

enum class UserFile { Main, Pliny };

inline constexpr std::string_view kUserFileName = "Userfile.txt";
inline constexpr std::string_view kPlinyUserFileName = "PlinyUserfile.txt";
inline constexpr int kUserLineCapacity = 2000;       // accepted lines over both files
inline constexpr int kUserStemsPerLine = 5;
inline constexpr int kUserFieldLength = 78;          // each of the three fields is cut to this
inline constexpr std::size_t kUserWordLength = 23;   // longest stem or grammar word

// The user stems and meanings being built; meaningIndex of a stem is its meanings record.
struct UserTables {
    std::vector<StemRecord>& stems;
    std::vector<MeaningRecord>& meanings;
};

// Parses one line (its line end already turned into a space) into `tables`; false when the
// line is malformed (nothing is added then). Reports over-long words and too many words in a box.
bool parseUserLine(Engine& engine, std::string_view line, UserFile file, UserTables tables);

// Loads both user files into lexicon.userStems (sorted by stem) and lexicon.userMeanings;
// returns the number of user stem records (0 when Userfile.txt is missing or unreadable).
int loadUserDictionary(Engine& engine, Lexicon& lexicon);

}  // namespace kavro
