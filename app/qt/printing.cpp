#include "app/qt/printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "app/print_layout.h"
#include "app/qt/engine_text.h"

namespace kavro::gui {

int printLog(QPrinter& printer, const std::string& engineLog, const QFont& font) {
    const std::vector<std::string> lines = printLines(engineLog);
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), painter.device());
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const QRect page = painter.viewport();
    const int linesPerPage = std::max(1, page.height() / lineHeight);
    const int pages = printPageCount(static_cast<int>(lines.size()), linesPerPage);
    std::size_t next = 0;
    for (int pageNumber = 0; pageNumber < pages && next < lines.size(); ++pageNumber) {
        if (pageNumber > 0) printer.newPage();
        for (int row = 0; row < linesPerPage && next < lines.size(); ++row, ++next)
            painter.drawText(0, row * lineHeight + metrics.ascent(), toQt(lines[next]));
    }
    painter.end();
    return pages;
}

}  // namespace kavro::gui
