#include <gtest/gtest.h>

#include <string>

#include "tests/analysis/program_fixture.h"

namespace {

using Navigation = ProgramFixture;

}  // namespace

TEST_F(Navigation, OutputResultsAlwaysClosesTheFourLimitedStyles) {
    analysis::Results& results = program.ResultsWindow;
    window.OutputButton.click();
    EXPECT_TRUE(results.Visible());
    EXPECT_EQ(app.activeWindow(), &results);
    // A comparison enables colours and profiles; the next opening closes them again.
    results.Command1.click();
    results.Style5.Enabled = true;
    results.Style6.Enabled = true;
    window.OutputButton.click();
    EXPECT_TRUE(results.Visible());
    for (const forms::OptionButton* style :
         {&results.Style3, &results.Style4, &results.Style5, &results.Style6}) {
        EXPECT_FALSE(style->Enabled) << style->key();
    }
    EXPECT_TRUE(results.Style1.Enabled);
    EXPECT_TRUE(results.Style2.Enabled);
}

TEST_F(Navigation, PlotterOpensWithUnshiftedProfilesAndTheFacesNames) {
    analysis::PlotterForm& plotter = program.PlotterWindow;
    window.Person1.Caption = "Ann";
    program.Plotter.ProfileShiftA = 150;
    program.Plotter.ProfileShiftB = -50;
    program.Plotter.ProfileShiftC = 100;
    window.PlotterButton.click();
    EXPECT_TRUE(plotter.Visible());
    EXPECT_EQ(app.activeWindow(), &plotter);
    EXPECT_EQ(plotter.CheckBoxA.Caption, "Ann");
    EXPECT_EQ(plotter.CheckBoxB.Caption, "No data has been loaded.");
    EXPECT_EQ(program.Plotter.ProfileShiftA, 0);
    EXPECT_EQ(program.Plotter.ProfileShiftB, 0);
    EXPECT_EQ(program.Plotter.ProfileShiftC, 0);

    // Opening it again, shown or not, puts the profiles back once more.
    program.Plotter.ProfileShiftB = 50;
    window.Person2.Caption = "Bob";
    window.PlotterButton.click();
    EXPECT_EQ(program.Plotter.ProfileShiftB, 0);
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Bob");
}

TEST_F(Navigation, HelpOpensThePageBelowTheStartFolderOnlyWhenItIsThere) {
    window.HelpButton.click();
    EXPECT_TRUE(platform.openedDocuments.empty());
    EXPECT_TRUE(platform.errors.empty());

    folder.subfolder("help");
    folder.write("help/Online Help.htm", "<html></html>");
    window.HelpButton.click();
    ASSERT_EQ(platform.openedDocuments.size(), 1u);
    EXPECT_EQ(platform.openedDocuments[0], folder.file("help/Online Help.htm"));
}

TEST(NavigationHelp, TheShippedHelpPageOpensFromTheSuiteFolder) {
    const std::filesystem::path suite = std::filesystem::path(TEST_DATA_DIR) / ".." / "..";
    common::RecordingPlatform platform;
    forms::Application app{platform, common::fromPath(std::filesystem::canonical(suite))};
    analysis::AnalysisProgram program(app);
    program.start();
    program.MainWindow.HelpButton.click();
    ASSERT_EQ(platform.openedDocuments.size(), 1u);
    const std::string page = common::readWholeFile(platform.openedDocuments[0]);
    EXPECT_NE(page.find("<html"), std::string::npos);
    EXPECT_NE(page.find("</html>"), std::string::npos);
}

TEST_F(Navigation, WebLinksOpenOnlyAnAddress) {
    window.URL1.Visible = true;
    window.URL1.click();
    window.URL1.ToolTipText = "   ";
    window.URL1.click();
    EXPECT_TRUE(platform.openedDocuments.empty());

    window.URL1.ToolTipText = "https://example.org/ann";
    window.URL1.click();
    window.URL2.ToolTipText = "www.example.org/bob";
    window.URL2.click();
    window.URL2.ToolTipText = " ftp://files.example.org ";
    window.URL2.click();
    // Addresses with a scheme of their own stand as they are.
    window.URL2.ToolTipText = "MailTo:ann@example.org";
    window.URL2.click();
    window.URL2.ToolTipText = "http://www.example.org/~ann";
    window.URL2.click();
    EXPECT_EQ(platform.openedDocuments,
              (std::vector<std::string>{"https://example.org/ann", "http://www.example.org/bob",
                                        "ftp://files.example.org", "MailTo:ann@example.org",
                                        "http://www.example.org/~ann"}));
}
