// The user files that ship with the lexicon (standard phrases, abbreviations, an empty user
// dictionary) and their installation into a program folder that lacks them.
#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace kavro {

inline constexpr std::string_view kDefaultUserFiles[] = {"userphrases.txt", "UserAbbreviations.txt",
                                                         "Userfile.txt"};

// Copies each default user file from `dataFolder` into `programFolder` where the program folder
// has no file of that name. A user's own file is never replaced; a copy that fails is left out
// (the loaders then report the file as missing). Returns the number of files copied.
int installDefaultUserFiles(const std::filesystem::path& dataFolder,
                            const std::filesystem::path& programFolder,
                            std::span<const std::string_view> names = kDefaultUserFiles);

}  // namespace kavro
