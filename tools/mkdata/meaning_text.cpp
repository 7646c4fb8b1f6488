#include "tools/mkdata/meaning_text.h"

#include "core/latin_spelling.h"

namespace kavro::mkdata {
namespace {

// A cut that would keep less than this share of the field is not worth the separator.
constexpr std::size_t kShortestSensibleCut = 24;

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

}  // namespace

std::string withoutBars(std::string_view line) {
    const std::size_t b = line.find_first_not_of("| ");
    return b == std::string_view::npos ? std::string() : std::string(line.substr(b));
}

void appendMeaningLine(std::string& text, std::string_view line) {
    text = trimRight(text);
    if (line.empty()) return;
    if (text.empty()) {
        text = line;
        return;
    }
    const char last = text.back();
    text += (last == ';' || last == ',') ? " " : "; ";
    text += line;
}

std::string fitMeaning(std::string_view text, std::size_t limit) {
    std::string s = trimRight(std::string(text));
    if (s.size() <= limit) return s;
    const std::string_view head(s.data(), limit + 1);   // a separator may sit just past the limit
    for (const char separator : {';', ','}) {
        const std::size_t at = head.rfind(separator, limit - 1);
        if (at != std::string_view::npos && at + 1 >= kShortestSensibleCut)
            return trimRight(s.substr(0, at + 1));
    }
    const std::size_t blank = head.rfind(' ');
    if (blank != std::string_view::npos && blank >= kShortestSensibleCut)
        return trimRight(s.substr(0, blank));
    return s.substr(0, limit);
}

std::string foldLatinLetters(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = foldIAndU(c);
    return out;
}

bool holdsUnfoldedLetter(std::string_view text) {
    for (char c : text)
        if (foldIAndU(c) != c) return true;
    return false;
}

}  // namespace kavro::mkdata
