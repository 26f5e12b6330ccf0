#include "ui/Text8.h"

namespace ui {

QString FromText8(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string ToText8(const QString& text) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (QChar c : text) bytes.push_back(c.unicode() < 256 ? char(c.unicode()) : kNoText8Char);
    return bytes;
}

}  // namespace ui
