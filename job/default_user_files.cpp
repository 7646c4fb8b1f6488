#include "job/default_user_files.h"

namespace kavro {

int installDefaultUserFiles(const std::filesystem::path& dataFolder,
                            const std::filesystem::path& programFolder,
                            std::span<const std::string_view> names) {
    namespace fs = std::filesystem;
    int copied = 0;
    for (std::string_view name : names) {
        const fs::path source = dataFolder / name;
        const fs::path target = programFolder / name;
        std::error_code ec;
        // Whatever stands under the name, even a link to nowhere, is left alone (copying through
        // a link would write the file it points to); so is a name that cannot be looked at.
        if (fs::symlink_status(target, ec).type() != fs::file_type::not_found) continue;
        if (!fs::is_regular_file(source, ec)) continue;
        // skip_existing: should another run create the file meanwhile, theirs stands.
        if (fs::copy_file(source, target, fs::copy_options::skip_existing, ec)) ++copied;
    }
    return copied;
}

}  // namespace kavro
