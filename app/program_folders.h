// Where the programs find their compiled data, their manual, and (for the window) the user's
// program folder.
#pragma once

#include <filesystem>

namespace kavro {

// The data folder: $KAVRO_DATA when set, else the installed share/kavro beside the program's own
// bin folder when it holds a manifest, else `buildDataFolder` (the build's own data).
std::filesystem::path defaultDataFolder(const std::filesystem::path& buildDataFolder);

// The installed manual (share/kavro/manual beside the program's bin folder) when there is one,
// else `sourceManualFolder`.
std::filesystem::path manualFolder(const std::filesystem::path& sourceManualFolder);

// The window's program folder: $KAVRO_HOME when set, else $XDG_DATA_HOME/kavro-latin, else
// ~/.local/share/kavro-latin. Created when missing; empty on failure.
std::filesystem::path userProgramFolder();

}  // namespace kavro
