// How parser.txt is laid out for printing: long lines broken at a space, and the page count.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavro {

inline constexpr std::size_t kPrintLineWidth = 76;
inline constexpr int kPrintPageLimit = 999;

// The printed lines of `text`: every line longer than kPrintLineWidth is broken at the last space
// before that column, again and again; a stretch with no space there is broken at the column.
std::vector<std::string> printLines(std::string_view text);

// The lines divided by the lines that fit on a page, plus one, at most kPrintPageLimit.
int printPageCount(int lineCount, int linesPerPage);

}  // namespace kavro
