#include "common/qt/text_conversion.h"

#include <QFile>
#include <QStringDecoder>

#include "common/text/cp1252.h"

namespace qtui {

// Words of string files and file names beyond Windows-1252 are held as UTF-8; everything else,
// face names and every 8-bit file included, is Windows-1252.
QString toQString(std::string_view text) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString shown = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError()) {
        return shown;
    }
    return QString::fromStdString(common::cp1252ToUtf8(text));
}

QString toQCaption(std::string_view text) {
    QString shown = toQString(text);
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return shown;
}

QString toQStringLines(std::string_view text) {
    QString shown = toQString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::string fromQString(const QString& text) {
    return common::utf8ToCp1252(text.toStdString());
}

QString toQtPath(std::string_view path) {
    return QFile::decodeName(QByteArray::fromStdString(common::toPath(path).string()));
}

}  // namespace qtui
