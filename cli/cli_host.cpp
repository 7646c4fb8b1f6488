#include "cli/cli_host.h"

#include <cstdio>
#include <string>

#include "text/text_encoding.h"

namespace kavro::cli {
namespace {

BoxAnswer answerFor(BoxKind kind, bool answerYes) {
    switch (kind) {
        case BoxKind::Ok: return BoxAnswer::Ok;
        case BoxKind::OkCancel: return BoxAnswer::Ok;  // go on, as a user reading on would
        case BoxKind::YesNo: return answerYes ? BoxAnswer::Yes : BoxAnswer::No;
    }
    return BoxAnswer::Ok;
}

const char* answerName(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Ok: return "OK";
        case BoxAnswer::Cancel: return "Cancel";
        case BoxAnswer::Yes: return "Yes";
        case BoxAnswer::No: return "No";
    }
    return "OK";
}

// The text as one stderr entry: UTF-8, without its own trailing line ends.
std::string shownText(std::string_view text) {
    std::string shown = windows1252ToUtf8(text);
    while (!shown.empty() && shown.back() == '\n') shown.pop_back();
    return shown;
}

}  // namespace

void CliHost::logWarning(std::string_view text) {
    std::fprintf(stderr, "kavro: %s\n", shownText(text).c_str());
}

BoxAnswer CliHost::message(std::string_view text, BoxKind kind) {
    const std::string shown = shownText(text);
    const BoxAnswer answer = answerFor(kind, answerYes_);
    if (kind == BoxKind::Ok) {
        std::fprintf(stderr, "kavro: %s\n", shown.c_str());
    } else {
        std::fprintf(stderr, "kavro: %s\nkavro: [answered %s]\n", shown.c_str(), answerName(answer));
    }
    return answer;
}

}  // namespace kavro::cli
