#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <regex>

#include "analysis/reports/results_window.h"
#include "common/headless/recording_platform.h"
#include "common/text/cp1252.h"
#include "tests/app/sample_database_fixture.h"

namespace {

struct ReportsOnSampleDatabase : ::testing::Test {
    common::RecordingPlatform platform;
    forms::Application app{platform, SampleDatabase::folder().text()};
    analysis::AnalysisProgram program{app};
    analysis::Analysis& window = program.MainWindow;
    analysis::Results& results = program.ResultsWindow;

    void SetUp() override { program.start(); }

    void runAndView(forms::OptionButton& style) {
        app.dispatch([this] { window.CompButton_Click(); });
        app.dispatch([&style] { style.setValue(true); });
        app.dispatch([this] { results.ViewButton_Click(); });
    }

    std::string folder() const { return window.Dir1.Path(); }
};

// A page's picture names as the browser takes them: "%20" a blank, "&#39;" a quote, blanks
// around the name dropped.
std::string pictureFile(std::string name) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"%20", " "},
                                   std::pair<std::string, std::string>{"&#39;", "'"}}) {
        for (std::size_t at = name.find(from); at != std::string::npos;
             at = name.find(from, at + to.size())) {
            name.replace(at, from.size(), to);
        }
    }
    return common::Trim(name);
}

// Every page of a run on the sample database, with web links: each picture it names is there.
TEST_F(ReportsOnSampleDatabase, EveryPageNamesOnlyPicturesThatExist) {
    const int face1 = indexOf(window.File1, "Ava Cohen.txt");
    ASSERT_GE(face1, 0);
    window.File1.setListIndex(face1);
    window.File1_DblClick();
    results.WebLinkCheck.setValue(1);
    for (forms::OptionButton* style : {&results.Style4, &results.Style5}) {
        style->Enabled = true;
        runAndView(*style);
        ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    }

    const std::regex picture("(?:src|background)='([^']*)'");
    for (const char* name : {"Results_1.htm", "Results_2.htm", "Results_3.htm",
                             "Results_Heights.htm", "Results_Colours.htm", "Results_Profile.htm"}) {
        const std::string page = common::readWholeFile(common::joinPath(folder(), name));
        int pictures = 0;
        for (std::sregex_iterator it(page.begin(), page.end(), picture), end; it != end; ++it) {
            const std::string file = pictureFile((*it)[1]);
            EXPECT_TRUE(common::fileExists(common::joinPath(folder(), file)))
                << name << " names " << file;
            ++pictures;
        }
        EXPECT_GT(pictures, 2) << name;
        EXPECT_TRUE(page.ends_with("</body></html>\r\n") ||
                    page.ends_with("</body></html>\r\n\r\n"))
            << name;
    }
    // Addresses that name their scheme are not given a second one.
    EXPECT_EQ(
        common::readWholeFile(common::joinPath(folder(), "Results_2.htm")).find("http://http"),
        std::string::npos);
}

// The three pictures the pages name are real GIF files Qt reads back.
TEST_F(ReportsOnSampleDatabase, PagePicturesAreGifFiles) {
    const std::pair<const char*, int> pictures[] = {
        {"Resultsbg2.gif", 64}, {"Resultsbg3.gif", 64}, {"stars.gif", 20}};
    for (const auto& [name, size] : pictures) {
        const QString path =
            QString::fromStdString(common::cp1252ToUtf8(common::joinPath(folder(), name)));
        QImage image;
        ASSERT_TRUE(image.load(path, "GIF")) << name;
        EXPECT_EQ(image.width(), size) << name;
        EXPECT_EQ(image.height(), size) << name;
    }
    QImage stars(
        QString::fromStdString(common::cp1252ToUtf8(common::joinPath(folder(), "stars.gif"))));
    EXPECT_EQ(stars.pixelColor(10, 10), QColor(255, 204, 0)) << "a gold star in the middle";
    EXPECT_EQ(stars.pixelColor(0, 0), QColor(20, 34, 96));
}

}  // namespace
