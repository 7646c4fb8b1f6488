// A host for tests: records every call and answers boxes from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/host.h"

namespace kavro::testing {

class TestHost : public Host {
public:
    struct Box {
        std::string text;
        BoxKind kind;
    };

    BoxAnswer message(std::string_view text, BoxKind kind) override;
    void setStatus(std::string_view text) override { statuses.emplace_back(text); }
    void setWaitCursor(bool waiting) override { cursorChanges.push_back(waiting); }
    void progress(int done, int total) override { progressCalls.push_back({done, total}); }
    bool escapePressed() override;
    void logWarning(std::string_view text) override { warnings.emplace_back(text); }

    // Answers given to the next boxes, in order; when empty, OK/Yes is answered.
    std::deque<BoxAnswer> answers;
    // Results of the next Escape polls, in order; when empty, false.
    std::deque<bool> escapes;

    std::vector<Box> boxes;
    std::vector<std::string> statuses;
    std::vector<std::string> warnings;
    std::vector<bool> cursorChanges;
    std::vector<std::pair<int, int>> progressCalls;
    int escapePolls = 0;
};

}  // namespace kavro::testing
