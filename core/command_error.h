// A command that cannot go on: the file (or option) it concerns and the problem. The library
// throws it; the front end reports it as "kavro: error: WHAT: PROBLEM" (the window in a box) and
// ends the command with a failure status.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kavro {

class CommandError : public std::runtime_error {
public:
    CommandError(const std::filesystem::path& what, std::string_view problem);

    const std::filesystem::path& subject() const { return subject_; }
    const std::string& problem() const { return problem_; }

private:
    std::filesystem::path subject_;
    std::string problem_;
};

// Ends the command with a CommandError naming `what` and the problem.
[[noreturn]] void fail(const std::filesystem::path& what, std::string_view problem);

}  // namespace kavro
