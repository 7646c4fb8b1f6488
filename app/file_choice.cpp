#include "app/file_choice.h"

#include <cctype>
#include <string>

namespace kavro {
namespace {

struct RefusedName {
    std::string_view stem;
    bool prefixOnly;   // any name beginning with the stem
    std::string_view message;
};

constexpr RefusedName kRefusedNames[] = {
    {"parser", false, "Must not use the results file!"},
    {"temp", false, "Must not use the temporary output file!"},
    {"user", true, "Must not use your Userfile!"},
    {"fails", false, "Must not use the Search results file!"},
    {"dirkavro", false, "Must not use the Search directory file!"},
};

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::optional<std::string_view> refusedFileMessage(const std::filesystem::path& chosen) {
    const std::string stem = lowerCase(chosen.stem().string());
    for (const RefusedName& refused : kRefusedNames) {
        const bool matches = refused.prefixOnly ? stem.starts_with(refused.stem) : stem == refused.stem;
        if (matches) return refused.message;
    }
    return std::nullopt;
}

}  // namespace kavro
