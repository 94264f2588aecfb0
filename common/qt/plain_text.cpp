#include "common/qt/plain_text.h"

#include <QGuiApplication>
#include <QTextDocument>

namespace qtui {

QString plainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text)) {
        return text;
    }
    return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
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
