#include "app/program_folders.h"

#include <cstdlib>
#include <system_error>

namespace kavro {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderName = "kavro-latin";

// share/kavro beside the bin folder of the running program.
fs::path installedShareFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return program.parent_path().parent_path() / "share" / "kavro";
}

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

}  // namespace

fs::path defaultDataFolder(const fs::path& buildDataFolder) {
    if (const char* env = environment("KAVRO_DATA")) return env;
    const fs::path installed = installedShareFolder() / "data";
    std::error_code ec;
    if (fs::exists(installed / "manifest.txt", ec)) return installed;
    return buildDataFolder;
}

fs::path manualFolder(const fs::path& sourceManualFolder) {
    const fs::path installed = installedShareFolder() / "manual";
    std::error_code ec;
    if (fs::exists(installed / "index.html", ec)) return installed;
    return sourceManualFolder;
}

fs::path userProgramFolder() {
    fs::path folder;
    if (const char* home = environment("KAVRO_HOME")) folder = home;
    else if (const char* xdg = environment("XDG_DATA_HOME")) folder = fs::path(xdg) / kFolderName;
    else if (const char* user = environment("HOME")) folder = fs::path(user) / ".local" / "share" / kFolderName;
    else return {};
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec) ? folder : fs::path();
}

}  // namespace kavro
