#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "common/qt/label_widget.h"
#include "common/qt/qt_binding.h"
#include "common/qt/qt_platform.h"
#include "tests/vismaker/vismaker_fixture.h"

namespace {

class QuietPlatform : public qtui::QtPlatform {
  public:
    std::vector<QString> errors;

  protected:
    void showError(QWidget*, const QString& message) override { errors.push_back(message); }
};

}  // namespace

// The user's road on real widgets: tick "Show pictures?", press "Select all", read the end state,
// press the save button, and the program ends with every file in the folder.
TEST(VismakerWidgets, SelectAllShowsTheLogAndSaveEndsTheProgram) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    QuietPlatform platform;
    forms::Application app(platform, start.text());
    vismaker::StatisticsWindow window(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&window] { window.Show(); });
    app.dispatch([&window, &data] { window.Dir1.setPath(data.text()); });
    binding.sync();
    QWidget* top = binding.widgetFor(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    EXPECT_EQ(top->windowTitle(), "Tovrel - Vismaker Module v1.85");
    auto* files = top->findChild<QListWidget*>("File1");
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->count(), 3);

    auto* tick = top->findChild<QCheckBox*>("ShowPicsTick");
    ASSERT_NE(tick, nullptr);
    EXPECT_FALSE(tick->isChecked());
    QTest::mouseClick(tick, Qt::LeftButton);
    EXPECT_EQ(window.ShowPicsTick.Value(), 1);
    auto* select = top->findChild<QAbstractButton*>("Command1");
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->text(), "Select all");
    QTest::mouseClick(select, Qt::LeftButton);

    auto* message = top->findChild<qtui::LabelWidget*>("Label2");
    auto* log = top->findChild<QPlainTextEdit*>("LogBox");
    auto* save = top->findChild<QAbstractButton*>("SaveLog");
    ASSERT_NE(message, nullptr);
    ASSERT_NE(log, nullptr);
    ASSERT_NE(save, nullptr);
    EXPECT_TRUE(message->isVisible());
    // The end message's CR breaks its line.
    EXPECT_EQ(message->text(), "Vis files updated.\nClose window to exit.");
    EXPECT_TRUE(log->isVisible());
    EXPECT_TRUE(log->isReadOnly());
    EXPECT_TRUE(log->toPlainText().contains("-1-3- P^c     Ben"));
    EXPECT_TRUE(save->isVisible());
    EXPECT_FALSE(select->isVisible());
    EXPECT_FALSE(files->isVisible());
    EXPECT_FALSE(tick->isVisible());
    EXPECT_TRUE(exists(data, "Median.vis"));
    // Showing the log changes nothing of what is saved.
    const std::string expectedLog =
        common::readWholeFile(kVismakerData + "/expected/PictureLog.log");
    EXPECT_EQ(window.LogBox.Text(), expectedLog);

    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(data.read("PictureLog.log"), expectedLog);
    EXPECT_EQ(data.read("Models.lst"), "Anna.txt\r\nBen.txt\r\n99999\r\n");
    EXPECT_TRUE(platform.errors.empty());
}

// A translated header with the CRs of its entries shows in the log box and is saved unchanged;
// an accented name beside it reads as itself in both.
TEST(VismakerWidgets, TranslatedLogHeaderIsSavedAsRead) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    data.write("Zo\xEB.txt", common::readWholeFile(kVismakerData + "/faces/Cleo.txt"));
    for (const char* view : {"0", "1", "3"}) {
        data.write(std::string("Zo\xEB") + view + ".jpg", "\xFF\xD8\xFF\xD9");
    }
    start.write("language.txt", "9\r\n");
    start.write("VismakerStrings_ru.txt",
                common::readWholeFile(kVismakerData + "/strings/VismakerStrings_ru.txt"));
    QuietPlatform platform;
    forms::Application app(platform, start.text());
    vismaker::StatisticsWindow window(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&window] { window.Show(); });
    app.dispatch([&window, &data] { window.Dir1.setPath(data.text()); });
    binding.sync();
    QWidget* top = binding.widgetFor(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    QTest::mouseClick(top->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
    auto* save = top->findChild<QAbstractButton*>("SaveLog");
    ASSERT_TRUE(save->isVisible());
    EXPECT_TRUE(save->text().startsWith(QString::fromUtf8("Сохранить")));
    auto* log = top->findChild<QPlainTextEdit*>("LogBox");
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->toPlainText().startsWith(QString::fromUtf8("Журнал показывает")));
    EXPECT_TRUE(log->toPlainText().endsWith(QString::fromUtf8("01-3- P   URL Zoë\n")));
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(data.read("PictureLog.log"),
              common::readWholeFile(kVismakerData + "/expected/PictureLog_ru.log") +
                  "01-3- P   URL Zo\xC3\xAB\r\n");
}
