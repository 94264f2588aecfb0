#include "common/qt/plain_text.h"

#include <QGuiApplication>
#include <QTextDocument>

namespace qtui {

QString plainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text)) {
        return text;
    }
    // Kept on one line, blanks and line breaks as they are, as a plain tool tip shows them.
    return QLatin1String("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QLatin1String("</p>");
}

std::unique_ptr<QMessageBox> plainMessageBox(QMessageBox::Icon icon, const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(icon, QGuiApplication::applicationDisplayName(), text,
                                             buttons, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

}  // namespace qtui
