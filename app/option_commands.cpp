#include "app/option_commands.h"

namespace kavro {

std::string_view entryLabel(std::string_view text) { return text.substr(0, text.find('\t')); }

std::string_view entryAccelerator(std::string_view text) {
    const std::size_t tab = text.find('\t');
    return tab == std::string_view::npos ? std::string_view() : text.substr(tab + 1);
}

}  // namespace kavro
