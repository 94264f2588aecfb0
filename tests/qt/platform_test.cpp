#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "common/qt/key_codes.h"
#include "common/qt/qt_platform.h"
#include "common/qt/text_conversion.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "tests/common/temp_folder.h"

namespace {

common::ErrorCode checkError(qtui::QtPlatform& platform, const std::string& path) {
    try {
        platform.checkPicture(path);
    } catch (const common::Error& e) {
        return e.code();
    }
    return common::ErrorCode{};
}

}  // namespace

TEST(QtPlatform, ChecksPicturesByTheirContent) {
    TempFolder folder;
    QImage face(40, 30, QImage::Format_RGB32);
    face.fill(Qt::darkRed);
    ASSERT_TRUE(face.save(QString::fromStdString(folder.file("face.jpg")), "JPG"));
    // A picture with a misleading name is still a picture; a text named .jpg is not.
    ASSERT_TRUE(face.save(QString::fromStdString(folder.file("face.dat")), "JPG"));
    folder.write("notes.jpg", "not a picture\r\n");
    folder.write("empty.jpg", "");
    folder.subfolder("album.jpg");

    qtui::QtPlatform platform;
    EXPECT_NO_THROW(platform.checkPicture(folder.file("face.jpg")));
    EXPECT_NO_THROW(platform.checkPicture(folder.file("face.dat")));
    EXPECT_EQ(checkError(platform, folder.file("notes.jpg")), common::ErrorCode::InvalidPicture);
    EXPECT_EQ(checkError(platform, folder.file("empty.jpg")), common::ErrorCode::InvalidPicture);
    EXPECT_EQ(checkError(platform, folder.file("missing.jpg")), common::ErrorCode::FileNotFound);
    EXPECT_EQ(checkError(platform, folder.file("album.jpg")), common::ErrorCode::PathFileAccess);
    EXPECT_EQ(checkError(platform, ""), common::ErrorCode::FileNotFound);
}

TEST(QtPlatform, ChecksPicturesWhoseNamesAreNotAscii) {
    TempFolder folder;
    QImage face(10, 10, QImage::Format_RGB32);
    face.fill(Qt::blue);
    const std::string name = "Ren\xE9 \xA3.jpg";
    ASSERT_TRUE(face.save(QString::fromStdString(common::cp1252ToUtf8(folder.file(name))), "JPG"));
    qtui::QtPlatform platform;
    EXPECT_NO_THROW(platform.checkPicture(folder.file(name)));
}

// Text that is valid UTF-8 shows as UTF-8, any other as Windows-1252.
TEST(TextConversion, ShowsUtf8AsUtf8AndOtherTextAsWindows1252) {
    EXPECT_EQ(qtui::toQString("\xC5\x81ukasz W\xC3\xB3jcik.txt"),
              QString::fromUtf8("\u0141ukasz W\u00F3jcik.txt"));
    EXPECT_EQ(qtui::toQString("Ren\xE9"
                              "e \x80"),
              QString::fromUtf8("Ren\u00E9e \u20AC"));
    EXPECT_EQ(qtui::toQString("Plain"), QString("Plain"));
    EXPECT_EQ(qtui::toQString("\xC5"), QString::fromUtf8("\u00C5")) << "a cut UTF-8 sequence";
}

TEST(QtPlatform, BusyPointerDoesNotStack) {
    qtui::QtPlatform platform;
    platform.setBusyPointer(true);
    platform.setBusyPointer(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.setBusyPointer(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    platform.setBusyPointer(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatform, LeavingTheProgramBusyRestoresThePointer) {
    {
        qtui::QtPlatform platform;
        platform.setBusyPointer(true);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatform, EndingBeforeTheEventLoopStartsEndsItAtOnce) {
    QCoreApplication::processEvents();
    qtui::QtPlatform platform;
    platform.endProgram();
    // Should the quit be lost, this ends the loop with a failing code instead of hanging.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(KeyCodes, QtKeysBecomeWindowsVirtualKeyCodes) {
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_F1), 112);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_F3), 114);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_F12), 123);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_A), 'A');
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Z), 'Z');
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_0), '0');
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_9), '9');
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Return), 13);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Enter), 13);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Escape), 27);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Left), 37);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Up), 38);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Right), 39);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Down), 40);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Delete), 46);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Menu), 0);
    EXPECT_EQ(qtui::windowsKeyCode(Qt::Key_Eacute), 0);
}

namespace {

// Answers the next modal box, once it is up, with the given action.
void whenModalAppears(const std::function<void(QWidget*)>& answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            whenModalAppears(answer);
            return;
        }
        answer(modal);
    });
}

void clickButton(QWidget* box, const QString& text) {
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << text.toStdString();
}

}  // namespace

TEST(QtPlatform, AThreeAnswerQuestionGivesTheAnswerChosenAndEscapeTheLast) {
    qtui::QtPlatform platform;
    const std::array<std::string, 3> answers{"Replace", "Another name", "Cancel"};
    whenModalAppears([](QWidget* box) { clickButton(box, "Another name"); });
    EXPECT_EQ(platform.askChoice("Jane.txt exists already.", answers), 1);
    whenModalAppears([](QWidget* box) { clickButton(box, "Replace"); });
    EXPECT_EQ(platform.askChoice("Jane.txt exists already.", answers), 0);
    whenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(platform.askChoice("Jane.txt exists already.", answers), 2);
    // Return takes the default answer, the one that changes nothing.
    whenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(platform.askChoice("Jane.txt exists already.", answers), 2);
}

TEST(QtPlatform, ATwoAnswerQuestionDefaultsToTheSecond) {
    qtui::QtPlatform platform;
    const std::array<std::string, 2> answers{"Quit", "Keep going"};
    whenModalAppears([](QWidget* box) { clickButton(box, "Quit"); });
    EXPECT_EQ(platform.askChoice("Quit without saving?", answers), 0);
    whenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(platform.askChoice("Quit without saving?", answers), 1);
    whenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(platform.askChoice("Quit without saving?", answers), 1);
}

TEST(QtPlatform, AskingForTextGivesItAsUtf8OrNothingOnCancel) {
    qtui::QtPlatform platform;
    whenModalAppears([](QWidget* box) {
        auto* line = box->findChild<QLineEdit*>();
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(), QString::fromUtf8("Zo\xC3\xAB"));
        line->setText(QString::fromUtf8("Zo\xC3\xAB Two"));
        QTest::keyClick(line, Qt::Key_Return);
    });
    EXPECT_EQ(platform.askText("Another name for this face:", "Zo\xEB"), "Zo\xC3\xAB Two");
    whenModalAppears([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(platform.askText("Another name for this face:", "Jane"), std::nullopt);
}
