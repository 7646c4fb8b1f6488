// Printing parser.txt in the boxes' font, with its long lines broken and its pages counted.
#pragma once

#include <QFont>
#include <QString>

class QPrinter;

namespace kavro::gui {

// Prints `engineLog` (the 8-bit text of parser.txt); returns the pages printed.
int printLog(QPrinter& printer, const std::string& engineLog, const QFont& font);

}  // namespace kavro::gui
