#include "app/qt/engine_text.h"

#include <QList>

#include "text/input_encoding.h"
#include "text/text_encoding.h"

namespace kavro::gui {

QString toQt(std::string_view engineText) {
    const std::string utf8 = windows1252ToUtf8(engineText);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toEngine(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return decodeUtf8ToWindows1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::string toEngine(const QString& text, int at, std::size_t& enginePosition) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    enginePosition = std::string::npos;
    const QList<uint> codes = text.toUcs4();
    // toUcs4 joins surrogate pairs: count the UTF-16 units to find the clicked one.
    int unit = 0;
    for (const uint code : codes) {
        if (unit >= at && enginePosition == std::string::npos) enginePosition = out.size();
        const unsigned char byte = windows1252For(static_cast<char32_t>(code));
        if (byte != 0) out += static_cast<char>(byte);
        unit += code > 0xFFFF ? 2 : 1;
    }
    if (enginePosition == std::string::npos) enginePosition = out.size();
    return out;
}

}  // namespace kavro::gui
