#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/reports/report_steps.h"
#include "common/text/cp1252.h"
#include "common/text/utf8.h"
#include "tests/analysis/comparison/comparison_fixture.h"
#include "tests/common/string_files.h"

using namespace comparison;

namespace {

struct ResultsWindowTest : ComparisonFixture {
    analysis::Results& results = program.ResultsWindow;

    // Four faces, with web addresses and heights; Bea is face 1.
    void runOnFourFaces(bool webLinks = false) {
        std::vector<Face> faces;
        const char* names[4] = {"Anna Lee", "Bea", "O'Neill", "Dora"};
        for (int i = 0; i < 4; ++i) {
            Face f{wizardFace(names[i], 10 * i), false, 10 * i};
            f.wizard.heightText = std::to_string(190 - 10 * i);
            f.wizard.webAddress = i == 0 ? "www.anna.example" : "";
            faces.push_back(f);
        }
        writeFaces(faces);
        startAndSelect("Bea.txt");
        results.WebLinkCheck.setValue(webLinks ? 1 : 0);
        window.CompButton_Click();
    }

    void view() {
        app.dispatch([this] { results.ViewButton_Click(); });
    }
    void choose(forms::OptionButton& style) {
        app.dispatch([&style] { style.setValue(true); });
    }
    std::string page(const std::string& name) const { return read(name); }
};

std::string blanksAsPercent20(const std::string& name) {
    std::string out;
    for (const char c : name) {
        out += c == ' ' ? std::string("%20") : std::string(1, c);
    }
    return out;
}

TEST_F(ResultsWindowTest, ViewTwiceWritesThePagesOnceAndANewRunWritesThemAgain) {
    runOnFourFaces();
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_EQ(program.PagesBuilt, -1);
    for (const char* name : {"Results_1.htm", "Results_2.htm", "Results_3.htm",
                             "Results_Profile.htm", "Results2b.tmp"}) {
        EXPECT_TRUE(common::fileExists(folder.file(name))) << name;
    }
    EXPECT_NE(page("Results_1.htm").find("<title>Comparison results for Bea</title>"),
              std::string::npos);
    ASSERT_EQ(platform.openedDocuments.size(), 1u);
    EXPECT_EQ(platform.openedDocuments[0], folder.file("Results_1.htm"));

    folder.write("Results_1.htm", "kept");
    view();
    EXPECT_EQ(page("Results_1.htm"), "kept");
    EXPECT_EQ(platform.openedDocuments.size(), 2u);

    window.CompButton_Click();
    EXPECT_EQ(program.PagesBuilt, 0);
    view();
    EXPECT_NE(page("Results_1.htm"), "kept");
}

// A block-form language makes its words UTF-8, and with them every page it writes.
TEST_F(ResultsWindowTest, ABlockFormLanguageWritesUtf8Pages) {
    std::u16string block = u"\u0421\u043B\u043E\u0432\u0430\r\n";
    for (int entry = 1; entry <= 110; ++entry) {
        block += u"\u0421\u043B\u043E\u0432\u043E\r\n";
    }
    folder.write("language.txt", "9\r\n");
    folder.write("AnalysisStrings_ru.txt", blockStringFile(block, 6000));
    runOnFourFaces();
    ASSERT_TRUE(program.Words.WordsInUtf8);
    view();
    const std::string best = page("Results_1.htm");
    EXPECT_NE(best.find("charset=utf-8"), std::string::npos);
    EXPECT_EQ(best.find("iso-8859-1"), std::string::npos);
}

// A face whose name on disk Windows-1252 cannot hold has its name line in the same UTF-8: the
// pages of a block-form language show it as it stands beside a Windows-1252 name, converted,
// and name its pictures so that they are found.
TEST_F(ResultsWindowTest, ABlockFormLanguageShowsNamesBeyondWindows1252AsTheyStand) {
    std::u16string block = u"\u0421\u043B\u043E\u0432\u0430\r\n";
    for (int entry = 1; entry <= 110; ++entry) {
        block += u"\u0421\u043B\u043E\u0432\u043E\r\n";
    }
    folder.write("language.txt", "9\r\n");
    folder.write("AnalysisStrings_ru.txt", blockStringFile(block, 6000));
    const std::string ivan =
        "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2";
    std::vector<Face> faces;
    const std::string names[4] = {ivan, "Bea", "Zo\xEB", "Dora"};
    for (int i = 0; i < 4; ++i) {
        Face f{wizardFace(names[i], 10 * i), true, 10 * i};
        f.wizard.heightText = std::to_string(190 - 10 * i);
        faces.push_back(f);
    }
    writeFaces(faces);
    underUtf8Name(ivan);
    startAndSelect("Bea.txt");
    window.CompButton_Click();
    ASSERT_TRUE(program.Words.WordsInUtf8);
    choose(results.Style4);
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    for (const char* name :
         {"Results_1.htm", "Results_2.htm", "Results_3.htm", "Results_Heights.htm"}) {
        const std::string written = page(name);
        EXPECT_TRUE(common::isUtf8(written)) << name;
        EXPECT_NE(written.find(ivan), std::string::npos) << name;
        EXPECT_EQ(written.find(common::cp1252ToUtf8(ivan)), std::string::npos) << name;
        EXPECT_NE(written.find("Zo\xC3\xAB"), std::string::npos) << name;
    }
    EXPECT_NE(page("Results_1.htm").find("<img src='" + blanksAsPercent20(ivan) + "1.jpg'"),
              std::string::npos);
    // A height of 100 or more puts a blank before the name.
    EXPECT_NE(page("Results_Heights.htm").find("<img src=' " + ivan + "3.jpg'"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / (ivan + "3.jpg")));
}

TEST_F(ResultsWindowTest, TheChosenStyleOpensItsPage) {
    runOnFourFaces();
    const std::pair<forms::OptionButton*, const char*> styles[] = {
        {&results.Style2, "Results_2.htm"},       {&results.Style3, "Results_3.htm"},
        {&results.Style4, "Results_Heights.htm"}, {&results.Style5, "Results_Colours.htm"},
        {&results.Style6, "Results_Profile.htm"}, {&results.Style1, "Results_1.htm"}};
    for (const auto& [style, name] : styles) {
        choose(*style);
        view();
        EXPECT_EQ(platform.openedDocuments.back(), folder.file(name));
    }
    EXPECT_TRUE(results.style1Preview.Visible);
    EXPECT_FALSE(results.style4Preview.Visible);
}

// The heights page is written only when its style is the chosen one at the first View.
TEST_F(ResultsWindowTest, HeightsAreSortedOnceAndTheirPageWrittenWhenChosen) {
    runOnFourFaces();
    view();
    EXPECT_FALSE(common::fileExists(folder.file("Results_Heights.htm")));

    window.CompButton_Click();
    EXPECT_FALSE(program.HeightsSorted);
    choose(results.Style4);
    EXPECT_TRUE(results.style4Preview.Visible);
    EXPECT_TRUE(program.HeightsSorted);
    const std::string sorted = read("HeightResults.tmp");
    EXPECT_TRUE(sorted.starts_with("     \r\n 160# Dora [")) << sorted;
    EXPECT_TRUE(sorted.ends_with("\r\n99999"));

    folder.write("HeightResults.tmp",
                 "     \r\n 200# Late [x] ~\r\n 150# Early [x] ~\r\n99999\r\n");
    // Taken for the run's own list, as if the sort had left it so.
    program.Lists.recordRun(folder.text());
    choose(results.Style1);
    choose(results.Style4);
    EXPECT_EQ(read("HeightResults.tmp"),
              "     \r\n 200# Late [x] ~\r\n 150# Early [x] ~\r\n99999\r\n");
    view();
    EXPECT_NE(page("Results_Heights.htm").find(" Late - x</font>"), std::string::npos);
    EXPECT_EQ(platform.openedDocuments.back(), folder.file("Results_Heights.htm"));
}

// The box ticked before the run and at View: the best-three page links the best match.
TEST_F(ResultsWindowTest, WebLinksFollowTheBoxAndPicturesKeepTheirQuotes) {
    runOnFourFaces(true);
    choose(results.Style2);
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_NE(page("Results_1.htm")
                  .find("<a href='http://www.anna.example'><img "
                        "src='Anna%20Lee1.jpg'"),
              std::string::npos);
    EXPECT_NE(page("Results_2.htm").find("src='O&#39;Neill1.jpg'"), std::string::npos);
    EXPECT_EQ(page("Results_2.htm").find("Bea1.jpg"), std::string::npos) << "face 1 is left out";

    window.CompButton_Click();
    results.WebLinkCheck.setValue(0);
    view();
    for (const char* name : {"Results_1.htm", "Results_2.htm", "Results_3.htm"}) {
        EXPECT_EQ(page(name).find("<a href="), std::string::npos) << name;
    }
}

// The box as it stands at View decides the links of every page it writes, whatever it was during
// the run; a View with the other choice writes the pages again, the heights page an earlier View
// wrote included, and a View with the same choice leaves them.
TEST_F(ResultsWindowTest, TheBoxAtViewLinksEveryPageAlike) {
    const std::string anchor = "<a href='http://www.anna.example'>";
    runOnFourFaces(false);
    choose(results.Style4);
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_EQ(page("Results_Heights.htm").find("<a href="), std::string::npos);

    results.WebLinkCheck.setValue(1);
    choose(results.Style1);
    view();
    for (const char* name : {"Results_1.htm", "Results_2.htm", "Results_Heights.htm"}) {
        EXPECT_NE(page(name).find(anchor), std::string::npos) << name;
    }
    EXPECT_EQ(platform.openedDocuments.back(), folder.file("Results_1.htm"));

    folder.write("Results_1.htm", "kept");
    view();
    EXPECT_EQ(page("Results_1.htm"), "kept");

    results.WebLinkCheck.setValue(0);
    view();
    for (const char* name :
         {"Results_1.htm", "Results_2.htm", "Results_3.htm", "Results_Heights.htm"}) {
        EXPECT_EQ(page(name).find("<a href="), std::string::npos) << name;
    }
    EXPECT_NE(page("Results_1.htm").find("Anna%20Lee1.jpg"), std::string::npos);
}

// A missing list is reported by name; the pages of the last View stay whole, and the next View
// tries again.
TEST_F(ResultsWindowTest, AMissingListIsReportedAndNoPageIsSpoiled) {
    runOnFourFaces();
    folder.write("Results_1.htm", "last run");
    std::filesystem::remove(folder.path() / "Results2.tmp");
    view();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("Results2.tmp"), std::string::npos) << platform.errors[0];
    EXPECT_EQ(page("Results_1.htm"), "last run");
    EXPECT_EQ(program.PagesBuilt, 0);
    EXPECT_TRUE(platform.openedDocuments.empty());
}

TEST_F(ResultsWindowTest, APageThatCannotBeWrittenIsReportedByName) {
    runOnFourFaces();
    std::filesystem::create_directory(folder.path() / "Results_Profile.htm");
    view();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("Results_Profile.htm"), std::string::npos)
        << platform.errors[0];
    EXPECT_EQ(program.PagesBuilt, 0);
    EXPECT_FALSE(platform.busy) << "the hourglass is put back";
}

// Marks of the lists and of HTML in a name or description: every page still lists the face
// whole, with its picture.
TEST_F(ResultsWindowTest, NamesHoldingMarksAndHtmlCharactersKeepTheirPages) {
    std::vector<Face> faces;
    const char* names[3] = {"Tom <Jr> & $Cash ~Co", "Bea", "Cleo"};
    for (int i = 0; i < 3; ++i) {
        Face f{wizardFace(names[i], 10 * i, "A 'quote' & <b> {x} [y]"), i == 0, 10 * i};
        f.wizard.heightText = "170";
        f.wizard.webAddress = "www.tom.example/~tom";
        faces.push_back(f);
    }
    writeFaces(faces);
    startAndSelect("Bea.txt");
    results.WebLinkCheck.setValue(1);
    window.CompButton_Click();
    choose(results.Style4);
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_NE(page("Results_2.htm")
                  .find("<a href='http://www.tom.example/~tom'><img "
                        "src='Tom%20&lt;Jr>%20&%20$Cash%20~Co1.jpg'"),
              std::string::npos);
    EXPECT_NE(page("Results_2.htm").find("Tom &lt;Jr> & $Cash ~Co  - A 'quote' & &lt;b> {x} [y] "),
              std::string::npos);
    EXPECT_NE(page("Results_Heights.htm").find(" Tom &lt;Jr> & $Cash ~Co - A 'quote' & &lt;b> "),
              std::string::npos);
    EXPECT_NE(page("Results_1.htm").find("A 'quote' &amp; &lt;b> {x} [y]"), std::string::npos);
}

// Lists spoiled by hand: no end line, stray bytes, an empty file. The pages are written from
// what the lists hold and nothing stops.
TEST_F(ResultsWindowTest, DamagedListsGiveShortPagesNotAHang) {
    runOnFourFaces();
    folder.write("Results2.tmp", std::string("garbage\r\n\x00\xFF ^ ~[\r\n 50 Ann ^x", 28));
    folder.write("ProfileResults.tmp", "");
    folder.write("HeightResults.tmp", "#\r\n 2000# Big [x] ~\r\n");
    folder.write("ColourResults.tmp", "H E S [");
    // Taken for the run's own lists, as if a run had written them so.
    program.Lists.recordRun(folder.text());
    choose(results.Style4);
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_NE(page("Results_2.htm").find(">Ann  - x</td>"), std::string::npos);
    EXPECT_TRUE(page("Results_Profile.htm")
                    .ends_with("Bea.  1 samples. </font></p></body></html>\r\n\r\n"));
    EXPECT_EQ(read("HeightResults.tmp"), "#\r\n 2000# Big [x] ~\r\n99999");
}

// A height of 0 or less counts as none: it writes no height record.
TEST_F(ComparisonFixture, ANegativeHeightWritesNoHeightRecord) {
    std::vector<Face> faces;
    const char* names[3] = {"Anna", "Bea", "Cleo"};
    const char* heights[3] = {"-170", "0.4", ""};
    for (int i = 0; i < 3; ++i) {
        Face f{wizardFace(names[i], 10 * i), false, 10 * i};
        f.wizard.heightText = heights[i];
        faces.push_back(f);
    }
    writeFaces(faces);
    startAndSelect("Cleo.txt");
    window.CompButton_Click();
    const std::string list = read("HeightResults.tmp");
    EXPECT_EQ(list.find("Anna"), std::string::npos) << list;
    EXPECT_EQ(list.find("Bea"), std::string::npos) << list;

    analysis::SortHeightResults(program);
    EXPECT_EQ(read("HeightResults.tmp"), "\r\n99999");
}

}  // namespace
