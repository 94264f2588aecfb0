#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

class QWidget;

namespace qtui {

// Tool tips and message boxes show names and descriptions from the data, so they show text as
// plain text, never as markup: a description "<h1>Ann</h1>" shows its brackets.

// The tool tip to set for a text: the text itself, or, where Qt would take it for markup, the
// text escaped in a paragraph that keeps its blanks and line breaks and is not wrapped.
QString plainToolTip(const QString& text);

// A modal message box, not yet shown, whose text is plain text.
std::unique_ptr<QMessageBox> plainMessageBox(QMessageBox::Icon icon, const QString& text,
                                             QMessageBox::StandardButtons buttons, QWidget* parent);

}  // namespace qtui
