#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "common/qt/label_widget.h"
#include "common/qt/picture_widget.h"
#include "tests/qt/sample_program.h"

namespace {

using Log = std::vector<std::string>;

// Types text the way an input method delivers it, character by character with no key code, so
// any character can be typed.
void typeText(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
    }
}

struct Events : ::testing::Test, BindingFixture {
    Events() { EXPECT_TRUE(QTest::qWaitForWindowExposed(&top())); }

    QPoint centreOf(QListWidget& list, int row) {
        return list.visualItemRect(list.item(row)).center();
    }
};

// What the desktop delivers for a double click: press, release, double click, release.
void doubleClick(QWidget& widget, QPoint at) {
    QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, at);
}

// Check and option buttons react on their box and caption, at their left.
void clickBox(QWidget& button) {
    QTest::mouseClick(&button, Qt::LeftButton, {}, {8, button.height() / 2});
}

}  // namespace

TEST_F(Events, ClicksReachTheirHandlers) {
    auto& link = widget<qtui::LabelWidget>(window.LinkLabel);
    QTest::mouseClick(&link, Qt::LeftButton);
    QTest::mouseClick(&widget<QPushButton>(window.CompButton), Qt::LeftButton);
    QTest::mouseClick(&widget<qtui::PictureWidget>(window.Photo), Qt::LeftButton);
    // A right click is no click; a press that ends outside the label is none either.
    QTest::mouseClick(&link, Qt::RightButton);
    QTest::mousePress(&link, Qt::LeftButton);
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(window.log, (Log{"LinkLabel_Click", "CompButton_Click", "Photo_Click"}));
}

TEST_F(Events, ADoubleClickIsOneClickAndOneDoubleClick) {
    auto& link = widget<qtui::LabelWidget>(window.LinkLabel);
    doubleClick(link, link.rect().center());
    EXPECT_EQ(window.log, (Log{"LinkLabel_Click", "LinkLabel_DblClick"}));
}

TEST_F(Events, AButtonLikeLabelLooksLikeAButton) {
    auto& link = widget<qtui::LabelWidget>(window.LinkLabel);
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    const QImage plain = link.grab().toImage();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&link, &enter);
    EXPECT_TRUE(link.hovered());
    EXPECT_NE(link.grab().toImage(), plain);
    EXPECT_EQ(widget<QLabel>(window.Title).cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Events, TypingChangesTheTextInWindows1252) {
    auto& name = widget<QLineEdit>(window.Name);
    typeText(name, QString::fromUtf8("Ren\u00E9 \u00A3"));
    EXPECT_EQ(window.Name.Text(), "Ren\xE9 \xA3");
    EXPECT_EQ(window.log.back(), "Name_Change:Ren\xE9 \xA3");
    EXPECT_EQ(window.log.size(), 6u);
    // A character Windows-1252 does not have is stored, and then shown, as "?".
    typeText(name, QString::fromUtf8("\u4E2D"));
    EXPECT_EQ(window.Name.Text(), "Ren\xE9 \xA3?");
    EXPECT_EQ(name.text(), QString::fromUtf8("Ren\u00E9 \u00A3?"));
}

TEST_F(Events, TheCursorStaysWhereTheUserTypesWhenTheProgramChangesTheText) {
    window.Name.onChange = [this] {
        std::string upper = window.Name.Text();
        for (char& c : upper) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        window.Name.setText(upper);
    };
    auto& name = widget<QLineEdit>(window.Name);
    QTest::keyClicks(&name, "abcd");
    name.setCursorPosition(2);
    QTest::keyClicks(&name, "x");
    EXPECT_EQ(window.Name.Text(), "ABXCD");
    EXPECT_EQ(name.text(), "ABXCD");
    EXPECT_EQ(name.cursorPosition(), 3);
}

TEST_F(Events, TypedLineBreaksAreStoredAsCrLf) {
    auto& notes = widget<QPlainTextEdit>(window.Notes);
    QTest::keyClicks(&notes, "one");
    QTest::keyClick(&notes, Qt::Key_Return);
    QTest::keyClicks(&notes, "two");
    EXPECT_EQ(window.Notes.Text(), "one\r\ntwo");
    EXPECT_EQ(notes.toPlainText(), "one\ntwo");
}

TEST_F(Events, CheckAndOptionButtonsFollowTheModel) {
    clickBox(widget<QCheckBox>(window.Tick));
    EXPECT_EQ(window.Tick.Value(), 1);
    auto& a = widget<QRadioButton>(window.OptionA);
    auto& b = widget<QRadioButton>(window.OptionB);
    clickBox(a);
    clickBox(b);
    EXPECT_TRUE(window.OptionB.Value());
    EXPECT_FALSE(window.OptionA.Value());
    EXPECT_FALSE(a.isChecked());
    // Clicking the chosen option again leaves it chosen.
    clickBox(b);
    EXPECT_TRUE(b.isChecked());
    EXPECT_EQ(window.log, (Log{"Tick_Click", "OptionB_Click"}));
}

TEST_F(Events, MovingTheSliderChangesItsValueThenClicks) {
    auto& slider = widget<QSlider>(window.Weight);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(window.Weight.Value(), 11);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(window.Weight.Value(), 20);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(2, slider.height() / 2));
    EXPECT_EQ(window.log.back(), "Weight_Click");
    EXPECT_EQ(window.log[window.log.size() - 2],
              "Weight_Change:" + std::to_string(window.Weight.Value()));
}

TEST_F(Events, AFileListReportsSelectionDoubleClickAndKeys) {
    auto& files = widget<QListWidget>(window.File1);
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, centreOf(files, 1));
    EXPECT_EQ(window.File1.ListIndex(), 1);
    QTest::keyClick(&files, Qt::Key_F3);
    // Arrow keys reach the program and still move the selection.
    QTest::keyClick(&files, Qt::Key_Down);
    EXPECT_EQ(window.File1.ListIndex(), 2);
    // Gamma is selected already: its first click is a click all the same.
    doubleClick(*files.viewport(), centreOf(files, 2));
    EXPECT_EQ(window.log,
              (Log{"File1_Click:beta.txt", "File1_KeyDown:114", "File1_KeyDown:40",
                   "File1_Click:gamma.txt", "File1_Click:gamma.txt", "File1_DblClick"}));
    // A plain click on the selected entry, and a right click, which is none.
    window.log.clear();
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, centreOf(files, 2));
    QTest::mouseClick(files.viewport(), Qt::RightButton, {}, centreOf(files, 2));
    EXPECT_EQ(window.log, (Log{"File1_Click:gamma.txt"}));
}

TEST_F(Events, FocusAloneSelectsNoFile) {
    auto& files = widget<QListWidget>(window.File1);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&files, &focus);
    EXPECT_EQ(window.File1.ListIndex(), -1);
    EXPECT_TRUE(window.log.empty());
}

TEST_F(Events, TheFolderListOpensAFolderOnDoubleClickOrEnter) {
    auto& folders = widget<QListWidget>(window.Dir1);
    const int zeta = folders.count() - 1;
    doubleClick(*folders.viewport(), centreOf(folders, zeta));
    EXPECT_EQ(window.Dir1.Path(), folder.file("Zeta"));
    EXPECT_EQ(window.log, (Log{"Dir1_Change"}));
    // Back up to the start folder, one entry above Zeta's own in the chain.
    folders.setCurrentRow(folders.count() - 2);
    QTest::keyClick(&folders, Qt::Key_Return);
    EXPECT_EQ(window.Dir1.Path(), folder.text());
}

TEST_F(Events, AnUntrappedErrorIsReportedAndTheProgramGoesOn) {
    QTest::mouseClick(&widget<QPushButton>(window.Broken), Qt::LeftButton);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0], "Error 6: Overflow");
    EXPECT_EQ(platform.errorParents[0], &top());
    QTest::mouseClick(&widget<QPushButton>(window.CompButton), Qt::LeftButton);
    EXPECT_EQ(window.log, (Log{"CompButton_Click"}));
}

TEST_F(Events, AQuestionIsAskedOverTheActiveWindowAndAnswered) {
    top().activateWindow();
    bool answer = true;
    app.dispatch([&] { answer = platform.askYesNo("Replace it?"); });
    EXPECT_FALSE(answer);
    platform.answerYes = true;
    app.dispatch([&] { answer = platform.askYesNo("Replace it?"); });
    EXPECT_TRUE(answer);
    ASSERT_EQ(platform.questions, (Log{"Replace it?", "Replace it?"}));
    EXPECT_EQ(platform.questionParents[0], &top());
}

TEST_F(Events, AFolderThatVanishedIsReportedNotFatal) {
    auto& folders = widget<QListWidget>(window.Dir1);
    std::filesystem::remove_all(folder.path() / "Zeta");
    doubleClick(*folders.viewport(), centreOf(folders, folders.count() - 1));
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(window.Dir1.Path(), folder.text());
    // The next event lists the folders as they are now.
    EXPECT_EQ(folders.item(folders.count() - 1)->text(), "Sample data");
}

TEST_F(Events, ClosingAWindowAsksItsModel) {
    app.dispatch([this] { other.Show(); });
    binding.sync();
    QWidget& second = *binding.widgetFor(other);
    ASSERT_TRUE(second.isVisible());
    second.close();
    EXPECT_EQ(other.unloads, 1);
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(second.isVisible());
    EXPECT_FALSE(app.ended());
}

TEST_F(Events, ActivatingAWindowTellsItsModel) {
    app.dispatch([this] { other.Show(); });
    binding.sync();
    ASSERT_EQ(app.activeWindow(), &other);
    const int before = window.activations;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&top(), &activate);
    EXPECT_EQ(app.activeWindow(), &window);
    EXPECT_EQ(window.activations, before + 1);
}

TEST_F(Events, AProgramWithNoWindowLeftShownEnds) {
    window.CompButton.onClick = [this] { window.Hide(); };
    QTest::mouseClick(&widget<QPushButton>(window.CompButton), Qt::LeftButton);
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(top().isVisible());
}

TEST_F(Events, AfterTheEndNoEventReachesTheProgram) {
    window.CompButton.onClick = [this] {
        window.log.push_back("CompButton_Click");
        app.End();
    };
    auto& button = widget<QPushButton>(window.CompButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(top().isVisible());
    // The window's close is no longer refused, and nothing more runs.
    EXPECT_TRUE(top().close());
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClicks(&widget<QLineEdit>(window.Name), "x");
    EXPECT_EQ(window.log, (Log{"CompButton_Click"}));
}
