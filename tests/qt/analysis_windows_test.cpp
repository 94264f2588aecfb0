#include <gtest/gtest.h>

#include <QTest>

#include "analysis/program.h"
#include "tests/qt/sample_program.h"

// Escape takes the user out of every secondary window of the analysis program through the
// window's own Cancel, OK or Back button, so whatever that button does is done; each of them
// opens over the main window and belongs to it.
TEST(AnalysisWindows, EscapeLeavesEverySecondaryWindowThroughItsButton) {
    TempFolder folder;
    QuietPlatform platform;
    forms::Application app(platform, folder.text());
    analysis::AnalysisProgram program(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&program] { program.start(); });
    binding.sync();
    QWidget* main = binding.widgetFor(program.MainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));

    forms::Window* secondary[] = {&program.PrefsWindow,   &program.PrefsLoaderWindow,
                                  &program.ListWindow,    &program.ResultsWindow,
                                  &program.PlotterWindow, &program.ColoursWindow};
    for (forms::Window* window : secondary) {
        app.dispatch([window] { window->Show(); });
        binding.sync();
        QWidget* widget = binding.widgetFor(*window);
        ASSERT_TRUE(widget->isVisible()) << window->name();
        EXPECT_EQ(widget->parentWidget(), main) << window->name();
        QTest::keyClick(widget, Qt::Key_Escape);
        EXPECT_FALSE(window->Visible()) << window->name();
        EXPECT_FALSE(widget->isVisible()) << window->name();
    }
    EXPECT_TRUE(program.MainWindow.Visible());
    EXPECT_FALSE(app.ended());
    EXPECT_TRUE(platform.errors.empty());
}

// Tab goes along the results window's row of buttons from left to right.
TEST(AnalysisWindows, TabGoesAlongTheResultsButtonsLeftToRight) {
    TempFolder folder;
    QuietPlatform platform;
    forms::Application app(platform, folder.text());
    analysis::AnalysisProgram program(app);
    qtui::QtBinding binding(app, platform);
    app.dispatch([&program] { program.start(); });
    binding.sync();
    app.dispatch([&program] { program.ResultsWindow.Show(); });
    binding.sync();

    std::vector<QWidget*> row;
    for (const forms::Control* button :
         {&program.ResultsWindow.ResPrefs, &program.ResultsWindow.ViewButton,
          &program.ResultsWindow.Command1}) {
        row.push_back(binding.widgetFor(*button));
    }
    ASSERT_LT(row[0]->x(), row[1]->x());
    ASSERT_LT(row[1]->x(), row[2]->x());
    EXPECT_EQ(row[0]->nextInFocusChain(), row[1]);
    EXPECT_EQ(row[1]->nextInFocusChain(), row[2]);
}
