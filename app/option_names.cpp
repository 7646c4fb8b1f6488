#include "app/option_names.h"

#include <cctype>

#include "app/menu_rules.h"

namespace kavro {

// "general" (or "0"), "auto", or one of the area letters.
std::string areaNameProblem(const std::string& value) {
    if (value == "general" || value == "0" || value == "auto") return {};
    if (value.size() == 1 && isAreaCode(static_cast<std::int16_t>(std::toupper(value[0])))) return {};
    return "area must be general, auto or one of the letters B E G L W S D M Z H";
}

void chooseAreaNamed(ViewOptions& options, const std::string& value) {
    if (value.empty()) return;
    if (value == "auto") {
        if (!options.autoArea) toggleAutoArea(options);
        return;
    }
    const auto code = value == "general" || value == "0"
                          ? kAreaGeneral
                          : static_cast<std::int16_t>(std::toupper(value[0]));
    chooseArea(options, code);
}

void chooseAgeNamed(ViewOptions& options, const std::string& value) {
    if (value == "classical") chooseAge(options, kAgeClassical);
    if (value == "medieval") chooseAge(options, kAgeMedieval);
    if (value == "all") chooseAge(options, kAgeAll);
}

}  // namespace kavro
