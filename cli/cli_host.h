// The command line's host: boxes and the warnings the window leaves to the log go to stderr as
// text, questions are answered from the flags (Yes/No questions: No, unless --yes), and Escape
// is never pressed.
#pragma once

#include "core/host.h"

namespace kavro::cli {

class CliHost : public Host {
public:
    explicit CliHost(bool answerYes = false) : answerYes_(answerYes) {}

    BoxAnswer message(std::string_view text, BoxKind kind) override;
    void setStatus(std::string_view) override {}
    void setWaitCursor(bool) override {}
    void progress(int, int) override {}
    bool escapePressed() override { return false; }
    // The command line prints whole texts: a note about the window's boxes has no place here.
    void boxNotice(std::string_view) override {}
    void logWarning(std::string_view text) override;

private:
    bool answerYes_;
};

}  // namespace kavro::cli
