#include "tests/support/test_host.h"

namespace kavro::testing {

BoxAnswer TestHost::message(std::string_view text, BoxKind kind) {
    boxes.push_back({std::string(text), kind});
    if (!answers.empty()) {
        BoxAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return kind == BoxKind::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
}

bool TestHost::escapePressed() {
    ++escapePolls;
    if (escapes.empty()) return false;
    bool e = escapes.front();
    escapes.pop_front();
    return e;
}

}  // namespace kavro::testing
