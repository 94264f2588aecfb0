#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/text/cp1252.h"
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
    results.cancelButton.click();
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

// A missing help page is told, with the full path it was looked for at.
TEST_F(Navigation, HelpOpensThePageBelowTheStartFolderAndSaysWhenItIsMissing) {
    window.HelpButton.click();
    EXPECT_TRUE(platform.openedDocuments.empty());
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find(folder.file("help/Online Help.htm") + " could not be opened"),
              std::string::npos)
        << platform.errors[0];

    platform.errors.clear();
    folder.subfolder("help");
    folder.write("help/Online Help.htm", "<html></html>");
    window.HelpButton.click();
    ASSERT_EQ(platform.openedDocuments.size(), 1u);
    EXPECT_EQ(platform.openedDocuments[0], folder.file("help/Online Help.htm"));
    EXPECT_TRUE(platform.errors.empty());
}

// The desktop's failure to open a page (no browser) reaches the user with the page's path.
TEST_F(Navigation, APageTheDesktopCannotOpenIsToldWithItsPath) {
    folder.subfolder("help");
    folder.write("help/Online Help.htm", "<html></html>");
    platform.openFailure = "no program to open it was found";
    window.HelpButton.click();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0], "The page " + folder.file("help/Online Help.htm") +
                                      " could not be opened: no program to open it was found. "
                                      "Open it in a web browser by hand.");
}

// A help page looked for in a folder of any name is named readably: a folder name Windows-1252
// cannot hold as it stands, one held in Windows-1252 converted.
TEST_F(Navigation, AMissingHelpPageIsNamedReadablyInAFolderOfAnyName) {
    const std::string people = "\xD0\x9B\xD0\xB8\xD1\x86\xD0\xB0";
    std::filesystem::create_directories(folder.path() / people / "Zo\xC3\xAB");
    program.AppPath = folder.file(people + "/Zo\xEB");
    window.HelpButton.click();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0], "The page " + common::cp1252ToUtf8(folder.text()) + "/" + people +
                                      "/Zo\xC3\xAB/help/Online Help.htm could not be opened: there "
                                      "is no such file.");
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
    EXPECT_TRUE(platform.openedAddresses.empty());
    EXPECT_TRUE(platform.errors.empty());

    window.URL1.ToolTipText = "https://example.org/ann";
    window.URL1.click();
    window.URL2.ToolTipText = "www.example.org/bob";
    window.URL2.click();
    // Blanks after an address are dropped; it is judged as the pages judge it.
    window.URL2.ToolTipText = "ftp://files.example.org  ";
    window.URL2.click();
    // Addresses with a scheme of their own stand as they are.
    window.URL2.ToolTipText = "MailTo:ann@example.org";
    window.URL2.click();
    window.URL2.ToolTipText = "http://www.example.org/~ann";
    window.URL2.click();
    // No scheme named: a digit after the ":" makes it a port.
    window.URL2.ToolTipText = "example.com:8080/me";
    window.URL2.click();
    window.URL2.ToolTipText = "localhost:3000";
    window.URL2.click();
    EXPECT_EQ(platform.openedAddresses,
              (std::vector<std::string>{"https://example.org/ann", "http://www.example.org/bob",
                                        "ftp://files.example.org", "MailTo:ann@example.org",
                                        "http://www.example.org/~ann", "http://example.com:8080/me",
                                        "http://localhost:3000"}));
    EXPECT_TRUE(platform.openedDocuments.empty());
    EXPECT_TRUE(platform.errors.empty());
}

// Only web and mail addresses are opened; any other the globe names and refuses. A blank in
// front names another scheme: the report pages write no link for it, and the globe opens nothing.
TEST_F(Navigation, TheGlobeOpensNothingButWebAndMailAddresses) {
    window.URL1.Visible = true;
    for (const std::string address :
         {"file:///etc/passwd", "javascript:alert(1)//http://x", "smb://server/share", "apt://sl",
          "FILE://localhost/etc/passwd", " http://x", "javascript:alert(1)",
          "javascript:", "data:text/html,x", "vbscript:x"}) {
        platform.errors.clear();
        window.URL1.ToolTipText = address;
        window.URL1.click();
        ASSERT_EQ(platform.errors.size(), 1u) << address;
        EXPECT_EQ(platform.errors[0],
                  "\"" + address + "\" is not a web address: it is not opened.");
    }
    EXPECT_TRUE(platform.openedAddresses.empty());
    EXPECT_TRUE(platform.openedDocuments.empty());
}

TEST_F(Navigation, AWebAddressTheDesktopCannotOpenIsToldWhole) {
    window.URL1.Visible = true;
    window.URL1.ToolTipText = "www.example.org/ann";
    platform.openFailure = "xdg-open failed with exit status 4";
    window.URL1.click();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("The web address http://www.example.org/ann could not be "
                                      "opened: xdg-open failed with exit status 4"),
              std::string::npos);
}
