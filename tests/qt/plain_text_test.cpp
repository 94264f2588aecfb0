#include <gtest/gtest.h>

#include <QLabel>
#include <QTextDocument>

#include "common/qt/plain_text.h"

// A tool tip Qt would render as markup is given escaped, so it shows the text as typed.
TEST(PlainText, ToolTipsFromTheDataShowTheirMarkupAsText) {
    EXPECT_EQ(qtui::plainToolTip("Ann - dancer"), "Ann - dancer");
    const QString tip = "<h1><font color=red>Ann</font></h1>";
    ASSERT_TRUE(Qt::mightBeRichText(tip));
    const QString shown = qtui::plainToolTip(tip);
    QTextDocument document;
    document.setHtml(shown);
    EXPECT_EQ(document.toPlainText(), tip);
    EXPECT_EQ(shown.indexOf("<h1>"), -1);
}

TEST(PlainText, MessageBoxesShowTheirTextAsPlainText) {
    const QString message = "The folder <b>Faces</b> could not be read.";
    const auto box = qtui::plainMessageBox(QMessageBox::Warning, message, QMessageBox::Ok, nullptr);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), message);
}
