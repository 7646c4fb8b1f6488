// The narrow interface through which the engine reaches a person: boxes, status text,
// cursor, progress and the Escape poll. The CLI, the window and the tests each supply one.
#pragma once

#include <string_view>

namespace kavro {

enum class BoxKind { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class Host {
public:
    virtual ~Host() = default;
    // Shows a message box and returns the answer (Ok for a plain box).
    virtual BoxAnswer message(std::string_view text, BoxKind kind = BoxKind::Ok) = 0;
    virtual void setStatus(std::string_view text) = 0;
    virtual void setWaitCursor(bool waiting) = 0;
    virtual void progress(int done, int total) = 0;
    // True if the user pressed Escape since the last poll.
    virtual bool escapePressed() = 0;
    // A note about what the window's boxes show (a box cut short); a plain box by default. A
    // front end without those boxes, whose output is whole, leaves it out.
    virtual void boxNotice(std::string_view text) { message(text, BoxKind::Ok); }
    // A warning that the window leaves to the log (parser.txt); a front end whose user does not
    // read the log as it comes says it. Nothing by default.
    virtual void logWarning(std::string_view) {}
};

// A host that says nothing and answers every question with its default; used by tools.
class SilentHost : public Host {
public:
    BoxAnswer message(std::string_view, BoxKind kind) override {
        return kind == BoxKind::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    }
    void setStatus(std::string_view) override {}
    void setWaitCursor(bool) override {}
    void progress(int, int) override {}
    bool escapePressed() override { return false; }
};

}  // namespace kavro
