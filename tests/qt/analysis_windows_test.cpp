#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextDocument>
#include <QWindow>

#include "analysis/engine/statistics_loading.h"
#include "analysis/program.h"
#include "tests/qt/sample_program.h"

namespace {

// The analysis program on real widgets, started in a folder of its own.
struct AnalysisWindows : ::testing::Test {
    TempFolder folder;
    QuietPlatform platform;
    forms::Application app{platform, folder.text()};
    analysis::AnalysisProgram program{app};
    qtui::QtBinding binding{app, platform};

    // Runs the program's start-up and gives its main window's widget.
    QWidget* start() {
        app.dispatch([this] { program.start(); });
        binding.sync();
        return binding.widgetFor(program.MainWindow);
    }
};

}  // namespace

// Escape takes the user out of every secondary window of the analysis program through the
// window's own Cancel, OK or Back button, so whatever that button does is done; each of them
// belongs to the window it opens from.
TEST_F(AnalysisWindows, EscapeLeavesEverySecondaryWindowThroughItsButton) {
    QWidget* main = start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));

    forms::Window* secondary[] = {&program.PrefsWindow,   &program.QuickKeyChooserWindow,
                                  &program.ListWindow,    &program.ResultsWindow,
                                  &program.PlotterWindow, &program.ColoursWindow};
    for (forms::Window* window : secondary) {
        app.dispatch([window] { window->Show(); });
        binding.sync();
        QWidget* widget = binding.widgetFor(*window);
        ASSERT_TRUE(widget->isVisible()) << window->name();
        EXPECT_EQ(widget->parentWidget(), binding.widgetFor(*window->Owner)) << window->name();
        QTest::keyClick(widget, Qt::Key_Escape);
        EXPECT_FALSE(window->Visible()) << window->name();
        EXPECT_FALSE(widget->isVisible()) << window->name();
    }
    EXPECT_TRUE(program.MainWindow.Visible());
    EXPECT_FALSE(app.ended());
    EXPECT_TRUE(platform.errors.empty());
}

namespace {

// Clicks a control of a shown window as the user would.
void clickOn(qtui::QtBinding& binding, const forms::Control& control) {
    QWidget* widget = binding.widgetFor(control);
    ASSERT_TRUE(widget->isVisible()) << control.key();
    QTest::mouseClick(widget, Qt::LeftButton);
}

// The window is shown as a dialog of its owner: X11 then keeps it above that window.
void expectDialogOf(QWidget* window, QWidget* owner) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << window->objectName().toStdString();
    EXPECT_EQ(window->windowType(), Qt::Dialog);
    EXPECT_EQ(window->parentWidget(), owner);
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), owner->windowHandle());
}

}  // namespace

// Each window stays above the window the user opened it from, the quick-key chooser above the
// preferences; one opened again while it is open comes to the front.
TEST_F(AnalysisWindows, SecondaryWindowsStayAboveTheWindowTheyOpenFrom) {
    QWidget* main = start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    EXPECT_EQ(main->windowType(), Qt::Window);
    EXPECT_EQ(main->parentWidget(), nullptr);
    analysis::Analysis& window = program.MainWindow;

    clickOn(binding, window.PrefButton);
    QWidget* prefs = binding.widgetFor(program.PrefsWindow);
    expectDialogOf(prefs, main);
    clickOn(binding, program.PrefsWindow.FButton(4));
    QWidget* chooser = binding.widgetFor(program.QuickKeyChooserWindow);
    expectDialogOf(chooser, prefs);
    EXPECT_TRUE(QTest::qWaitForWindowActive(chooser));
    EXPECT_LE((chooser->geometry().center() - prefs->geometry().center()).manhattanLength(), 2);

    // No faces, no run: the windows those buttons open are opened as they would.
    program.HeightsSorted = true;
    app.dispatch([this] {
        program.ListWindow.Show();
        program.ResultsWindow.Show();
        program.PlotterWindow.Show();
    });
    binding.sync();
    expectDialogOf(binding.widgetFor(program.ListWindow), main);
    expectDialogOf(binding.widgetFor(program.ResultsWindow), main);
    QWidget* plotter = binding.widgetFor(program.PlotterWindow);
    expectDialogOf(plotter, main);
    clickOn(binding, program.PlotterWindow.ColourButton);
    expectDialogOf(binding.widgetFor(program.ColoursWindow), plotter);

    // The preferences button again, with the preferences behind later windows: they come first.
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    clickOn(binding, window.PrefButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(prefs));
    EXPECT_EQ(app.activeWindow(), &program.PrefsWindow);
    EXPECT_TRUE(platform.errors.empty());
}

// The chooser's title names the key it sets; another quick-key button pressed while it is open
// takes it over, and Return in its list assigns the highlighted face to that key.
TEST_F(AnalysisWindows, TheQuickKeyChooserSetsTheKeyItsTitleNames) {
    folder.write("Ann.txt", "x");
    folder.write("Bob.txt", "x");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start()));
    analysis::PrefsForm& prefs = program.PrefsWindow;
    app.dispatch([&prefs] {
        prefs.Show();
        prefs.F1Person(4).Caption = "Cid";
        prefs.F1Person(6).Caption = "Dee";
    });
    binding.sync();
    clickOn(binding, prefs.FButton(4));
    QWidget* chooser = binding.widgetFor(program.QuickKeyChooserWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(chooser));
    EXPECT_EQ(chooser->windowTitle(), "Select face (F4)");

    binding.widgetFor(prefs)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(binding.widgetFor(prefs)));
    clickOn(binding, prefs.FButton(6));
    EXPECT_TRUE(QTest::qWaitForWindowActive(chooser));
    EXPECT_EQ(chooser->windowTitle(), "Select face (F6)");

    QWidget* list = binding.widgetFor(program.QuickKeyChooserWindow.File2);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(prefs.F1Person(6).Caption, "Bob");
    EXPECT_EQ(prefs.F1Person(4).Caption, "Cid");
}

// Escape in the quick-key chooser closes it and keeps the key; only OK or a double click assigns
// the highlighted face.
TEST_F(AnalysisWindows, EscapeInTheQuickKeyChooserKeepsTheKey) {
    folder.write("Ann.txt", "x");
    folder.write("Bob.txt", "x");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start()));
    analysis::PrefsForm& prefs = program.PrefsWindow;
    app.dispatch([&prefs] {
        prefs.Show();
        prefs.F1Person(2).Caption = "Cid";
        prefs.FButton(2).click();
    });
    binding.sync();
    analysis::QuickKeyChooser& chooser = program.QuickKeyChooserWindow;
    QWidget* list = binding.widgetFor(chooser.File2);
    ASSERT_TRUE(chooser.Visible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_GE(chooser.File2.ListIndex(), 0);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(chooser.Visible());
    EXPECT_FALSE(list->window()->isVisible());
    EXPECT_EQ(prefs.F1Person(2).Caption, "Cid");

    app.dispatch([&prefs] { prefs.FButton(2).click(); });
    binding.sync();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(binding.widgetFor(chooser.OKbutton), Qt::Key_Space);
    EXPECT_FALSE(chooser.Visible());
    EXPECT_NE(prefs.F1Person(2).Caption, "Cid");
}

// Without its statistics the program must not be used: the missing-statistics window keeps the
// main window from taking input until the program ends.
TEST_F(AnalysisWindows, TheMissingStatisticsWindowIsModal) {
    folder.write("Ann.txt", "x");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start()));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    app.dispatch(
        [this] { analysis::LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis"); });
    binding.sync();
    QWidget* noMedian = binding.widgetFor(program.NoMedianWindow);
    ASSERT_TRUE(noMedian->isVisible());
    EXPECT_EQ(noMedian->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(noMedian->windowType(), Qt::Dialog);
    EXPECT_EQ(noMedian->parentWidget(), binding.widgetFor(program.MainWindow));
    EXPECT_EQ(QApplication::activeModalWidget(), noMedian);
    // The event loop is the program's own: showing the window did not wait for it to close.
    EXPECT_FALSE(app.ended());
    app.dispatch([this] { program.NoMedianWindow.quitButton.click(); });
    binding.sync();
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A description from the data shows as typed in the photo's tool tip, never as markup.
TEST_F(AnalysisWindows, ToolTipsShowDescriptionsAsText) {
    start();
    const std::string description = "<h1><font color=red>Dancer</font></h1>";
    program.MainWindow.face1Photo.ToolTipText = description;
    binding.sync();
    const QString tip = binding.widgetFor(program.MainWindow.face1Photo)->toolTip();
    EXPECT_EQ(tip.indexOf("<h1>"), -1) << tip.toStdString();
    QTextDocument shown;
    shown.setHtml(tip);
    EXPECT_EQ(shown.toPlainText().toStdString(), description);
}

// Tab goes along the results window's row of buttons from left to right.
TEST_F(AnalysisWindows, TabGoesAlongTheResultsButtonsLeftToRight) {
    start();
    app.dispatch([this] { program.ResultsWindow.Show(); });
    binding.sync();

    std::vector<QWidget*> row;
    for (const forms::Control* button :
         {&program.ResultsWindow.ResPrefs, &program.ResultsWindow.ViewButton,
          &program.ResultsWindow.cancelButton}) {
        row.push_back(binding.widgetFor(*button));
    }
    ASSERT_LT(row[0]->x(), row[1]->x());
    ASSERT_LT(row[1]->x(), row[2]->x());
    EXPECT_EQ(row[0]->nextInFocusChain(), row[1]);
    EXPECT_EQ(row[1]->nextInFocusChain(), row[2]);
}

// Each report style shows its own preview, drawn in the colours of its page.
TEST_F(AnalysisWindows, EveryReportStyleShowsItsOwnPreview) {
    start();
    analysis::Results& results = program.ResultsWindow;
    // No run has left a height list to sort.
    program.HeightsSorted = true;
    app.dispatch([&results] { results.Show(); });
    binding.sync();

    const std::pair<forms::OptionButton*, QColor> styles[] = {
        {&results.Style1, QColor(255, 204, 0)},   {&results.Style2, QColor(236, 241, 250)},
        {&results.Style3, QColor(255, 153, 255)}, {&results.Style4, QColor(51, 204, 255)},
        {&results.Style5, QColor(0, 0, 153)},     {&results.Style6, QColor(153, 0, 153)}};
    const forms::Image* previews[6] = {&results.style1Preview, &results.style2Preview,
                                       &results.style3Preview, &results.style4Preview,
                                       &results.style5Preview, &results.style6Preview};
    for (std::size_t k = 0; k < 6; ++k) {
        app.dispatch([option = styles[k].first] { option->setValue(true); });
        binding.sync();
        for (std::size_t other = 0; other < 6; ++other) {
            EXPECT_EQ(binding.widgetFor(*previews[other])->isVisible(), other == k) << k << other;
        }
        const QImage shown = binding.widgetFor(*previews[k])->grab().toImage();
        int matching = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                matching += shown.pixelColor(x, y) == styles[k].second ? 1 : 0;
            }
        }
        EXPECT_GT(matching, 20) << "style " << k + 1;
    }
    EXPECT_TRUE(platform.errors.empty());
}
