#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "common/qt/label_widget.h"
#include "common/qt/qt_binding.h"
#include "common/qt/qt_platform.h"
#include "common/text/cp1252.h"
#include "tests/app/sample_database_fixture.h"

namespace {

// Reports errors into a list instead of a message box that would wait for a click.
class QuietPlatform : public qtui::QtPlatform {
  public:
    std::vector<QString> errors;

  protected:
    void showError(QWidget*, const QString& message) override { errors.push_back(message); }
};

}  // namespace

// The user's own road: double click a face, click "Run Comparisons", read the three places.
TEST(AnalysisWidgets, DoubleClickAFaceAndRunComparisons) {
    QuietPlatform platform;
    forms::Application app(platform, SampleDatabase::folder().text());
    analysis::AnalysisProgram program(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&program] { program.start(); });
    binding.sync();
    QWidget* top = binding.widgetFor(program.MainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));

    auto* files = top->findChild<QListWidget*>("File1");
    ASSERT_NE(files, nullptr);
    ASSERT_GE(files->count(), 40);
    const QPoint at = files->visualItemRect(files->item(7)).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(files->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(program.MainWindow.Person1.Caption + ".txt",
              common::utf8ToCp1252(files->item(7)->text().toStdString()));

    auto* run = top->findChild<qtui::LabelWidget*>("CompButton");
    ASSERT_NE(run, nullptr);
    ASSERT_TRUE(run->isEnabled());
    QTest::mouseClick(run, Qt::LeftButton);

    const analysis::TopNine& best = program.Top;
    auto* first = top->findChild<qtui::LabelWidget*>("FirstPlace");
    auto* third = top->findChild<qtui::LabelWidget*>("ThirdPlace");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->text().startsWith("1st : "));
    EXPECT_EQ(common::utf8ToCp1252(first->text().toStdString()),
              program.MainWindow.FirstPlace.Caption);
    EXPECT_TRUE(third->text().startsWith(
        QString::fromStdString("3rd : " + common::cp1252ToUtf8(best.TopNames[3]))));
    EXPECT_TRUE(platform.errors.empty());
}
