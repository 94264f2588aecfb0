#include "common/qt/text_conversion.h"

#include <QFile>

#include "common/text/cp1252.h"

namespace qtui {

QString toQString(std::string_view text) {
    return QString::fromStdString(common::cp1252ToUtf8(text));
}

std::string fromQString(const QString& text) {
    return common::utf8ToCp1252(text.toStdString());
}

QString toQtPath(std::string_view path) {
    return QFile::decodeName(QByteArray::fromStdString(common::toPath(path).string()));
}

}  // namespace qtui
