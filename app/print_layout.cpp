#include "app/print_layout.h"

#include <algorithm>

namespace kavro {
namespace {

void breakLine(std::string_view line, std::vector<std::string>& out) {
    while (line.size() > kPrintLineWidth) {
        std::size_t cut = line.rfind(' ', kPrintLineWidth - 1);
        if (cut == std::string_view::npos || cut == 0) cut = kPrintLineWidth;
        out.emplace_back(line.substr(0, cut));
        line.remove_prefix(cut);
        if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    }
    out.emplace_back(line);
}

}  // namespace

std::vector<std::string> printLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        breakLine(line, lines);
        start = end + 1;
    }
    return lines;
}

int printPageCount(int lineCount, int linesPerPage) {
    if (linesPerPage < 1) linesPerPage = 1;
    return std::min(lineCount / linesPerPage + 1, kPrintPageLimit);
}

}  // namespace kavro
