#include "core/command_error.h"

namespace kavro {

CommandError::CommandError(const std::filesystem::path& what, std::string_view problem)
    : std::runtime_error(what.string() + ": " + std::string(problem)), subject_(what), problem_(problem) {}

void fail(const std::filesystem::path& what, std::string_view problem) { throw CommandError(what, problem); }

}  // namespace kavro
