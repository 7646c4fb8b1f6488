// The command line's host: boxes go to stderr as text, questions are answered from the flags
// (Yes/No questions: No, unless --yes), and Escape is never pressed.
#pragma once

#include "job/host.h"

namespace kavro::cli {

class CliHost : public Host {
public:
    explicit CliHost(bool answerYes = false) : answerYes_(answerYes) {}

    BoxAnswer message(std::string_view text, BoxKind kind) override;
    void setStatus(std::string_view) override {}
    void setWaitCursor(bool) override {}
    void progress(int, int) override {}
    bool escapePressed() override { return false; }

private:
    bool answerYes_;
};

}  // namespace kavro::cli
