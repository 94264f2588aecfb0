#include "common/qt/document_url.h"

#include <QFileInfo>

#include "common/qt/text_conversion.h"

namespace qtui {

QUrl documentUrl(std::string_view target) {
    const QString text = toQString(target).trimmed();
    if (text.isEmpty()) {
        return {};
    }
    // An address that names its own scheme is used as it stands.
    if (text.contains(QLatin1String("://")) ||
        text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        return QUrl(text, QUrl::TolerantMode);
    }
    if (text.startsWith(QLatin1String("www"), Qt::CaseInsensitive)) {
        return QUrl(QLatin1String("http://") + text, QUrl::TolerantMode);
    }
    return QUrl::fromLocalFile(QFileInfo(toQtPath(target)).absoluteFilePath());
}

}  // namespace qtui
