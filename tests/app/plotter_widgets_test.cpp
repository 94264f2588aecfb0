#include <gtest/gtest.h>

#include <QImage>
#include <QPlainTextEdit>
#include <QTest>

#include "common/qt/label_widget.h"
#include "common/qt/qt_binding.h"
#include "common/qt/qt_platform.h"
#include "tests/app/sample_database_fixture.h"

namespace {

class QuietPlatform : public qtui::QtPlatform {
  public:
    std::vector<QString> errors;

  protected:
    void showError(QWidget*, const QString& message) override { errors.push_back(message); }
};

int countColour(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QColor colourOf(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

// After a comparison run the user presses Plotter: the faces are drawn over one another on the
// painted background in their colours, the panel shows the heights, and the face-shape button
// brings its figures.
TEST(PlotterWidgets, OpenedFromTheMainWindowAfterARun) {
    QuietPlatform platform;
    forms::Application app(platform, SampleDatabase::folder().text());
    analysis::AnalysisProgram program(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&program] { program.start(); });
    binding.sync();
    analysis::Analysis& main = program.MainWindow;
    app.dispatch([&main] {
        main.File1.setListIndex(3);
        main.selectFace1_Click();
        main.CompButton_Click();
    });
    binding.sync();
    ASSERT_TRUE(program.Face2.Loaded);

    auto* plotterButton = binding.widgetFor(main)->findChild<qtui::LabelWidget*>("PlotterButton");
    ASSERT_NE(plotterButton, nullptr);
    ASSERT_TRUE(plotterButton->isEnabled());
    QTest::mouseClick(plotterButton, Qt::LeftButton);
    const analysis::PlotterForm& plotter = program.PlotterWindow;
    ASSERT_TRUE(plotter.Visible());
    QWidget* window = binding.widgetFor(plotter);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    auto* stats = window->findChild<QPlainTextEdit*>("Statsbox");
    ASSERT_NE(stats, nullptr);
    EXPECT_TRUE(stats->toPlainText().startsWith("Height = "));
    EXPECT_TRUE(stats->isReadOnly());
    EXPECT_EQ(stats->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    QTest::mouseClick(window->findChild<qtui::LabelWidget*>("Command5"), Qt::LeftButton);
    EXPECT_TRUE(stats->toPlainText().startsWith("% of average"));
    EXPECT_TRUE(stats->toPlainText().contains("FACE B : "));

    // The canvas left of the panels: both outlines in their colours over the background.
    const QImage image = window->grab().toImage();
    const int panels = binding.twipsToPixels(plotter.facesPanel.Left);
    const QRect canvas(0, 0, panels, image.height());
    EXPECT_GT(countColour(image, canvas, colourOf(program.PlotColourA)), 100);
    EXPECT_GT(countColour(image, canvas, colourOf(program.PlotColourB)), 100);
    // Face C waits unticked.
    EXPECT_EQ(countColour(image, canvas, colourOf(program.PlotColourC)), 0);
    // The background runs from its base colour towards white; nothing of the outlines lies there.
    EXPECT_LT(image.pixelColor(2, 2).lightness(),
              image.pixelColor(2, image.height() - 3).lightness());

    // Ticking face C shows the average outline too.
    QTest::mouseClick(window->findChild<QWidget*>("CheckBoxC"), Qt::LeftButton, {}, QPoint(8, 8));
    binding.sync();
    const QImage three = window->grab().toImage();
    EXPECT_GT(countColour(three, canvas, colourOf(program.PlotColourC)), 100);
    EXPECT_TRUE(platform.errors.empty());
}
