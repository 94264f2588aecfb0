#include "bench/canvas_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "bench/headless_analysis.h"
#include "common/text/convert.h"
#include "tests/common/temp_folder.h"
#include "tools/face_generator/face_database.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::size_t countStarting(const std::vector<std::string>& lines, const std::string& start) {
    std::size_t count = 0;
    for (const std::string& line : lines) {
        count += line.starts_with(start) ? 1 : 0;
    }
    return count;
}

}  // namespace

// What plot_view prints after choosing two faces of a generated database and pressing Plotter
// and the face-shape button: every item once, in the agreed form.
TEST(CanvasListing, EveryItemOnceInTheAgreedForm) {
    TempFolder start;
    TempFolder data;
    const auto faces = facegen::generateFaces(6, 11);
    facegen::writeDatabase(data.text(), faces, facegen::Pictures::Placeholders);
    facegen::HeadlessAnalysis session(start.text());
    session.openFolder(data.text());
    ASSERT_TRUE(session.chooseFirstFace(common::faceFileName(faces[0].face.name)));
    ASSERT_TRUE(session.chooseSecondFace(common::faceFileName(faces[1].face.name)));
    EXPECT_EQ(session.program.MainWindow.Person2.Caption, faces[1].face.name);
    analysis::PlotterForm& plotter = session.program.PlotterWindow;
    session.app.dispatch([&] {
        session.program.MainWindow.PlotterButton.click();
        plotter.faceShapeViewButton.click();
    });
    ASSERT_FALSE(session.failed()) << session.platform.errors.front();

    const auto lines = linesOf(facegen::canvasListing(session.program));
    EXPECT_EQ(lines.size(), 34U + 15U + 4U + 1U + 3U);
    EXPECT_EQ(countStarting(lines, "line RedLine("), 11U);
    EXPECT_EQ(countStarting(lines, "line BlueLine("), 11U);
    EXPECT_EQ(countStarting(lines, "line GreenLine("), 11U);
    EXPECT_EQ(countStarting(lines, "shape "), 15U);
    EXPECT_EQ(countStarting(lines, "label "), 4U);
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("line RedLine(10) 0 0 0 0 255 0"));
    EXPECT_TRUE(has("line EyeLevel 250 1400 7000 1400 8421504 1"));
    EXPECT_TRUE(has("shape EyeArea1g 9999 9999 0 0 40960 40960 1 0"));
    const forms::Shape& outline = plotter.Perimeter2;
    EXPECT_TRUE(has("shape Perimeter2 " + common::plain(outline.Left) + " " +
                    common::plain(outline.Top) + " " + common::plain(outline.Width) + " " +
                    common::plain(outline.Height) + " 16711680 16711680 1 1"));
    EXPECT_TRUE(has("label BottomLabel 6720 4920 1 --- Bottom of chin"));
    EXPECT_TRUE(has("label NoseLabel 4080 240 0 Line of Symmetry"));
    // The panel on one line: CR and LF written as \r and \n.
    std::string escaped;
    for (char c : plotter.Statsbox.Text()) {
        escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    ASSERT_TRUE(escaped.starts_with("% of average\\r\\n\\r\\nFACE A : \\r\\n"));
    EXPECT_TRUE(has("text Statsbox " + escaped));
    EXPECT_TRUE(has("state ViewMode 5"));
    EXPECT_TRUE(has("state FaceShapeA " + session.program.Plotter.FaceShapeA));
    EXPECT_TRUE(has("state FaceShapeB " + session.program.Plotter.FaceShapeB));
}

// Plotter words from a block-form string file are UTF-8 in any script and print as they are; an
// 8-bit caption is printed in UTF-8.
TEST(CanvasListing, WordsInUtf8PrintAsTheyAreAndEightBitTextIsConverted) {
    TempFolder start;
    TempFolder data;
    const auto faces = facegen::generateFaces(4, 5);
    facegen::writeDatabase(data.text(), faces, facegen::Pictures::Placeholders);
    facegen::HeadlessAnalysis session(start.text());
    session.openFolder(data.text());
    analysis::PlotterForm& plotter = session.program.PlotterWindow;
    session.app.dispatch([&] {
        session.program.MainWindow.PlotterButton.click();
        plotter.faceShapeViewButton.click();
    });
    plotter.NoseLabel.Caption = "\xD0\x9B\xD0\xB8\xD0\xBD\xD0\xB8\xD1\x8F";  // "Линия"
    plotter.BottomLabel.Caption = "Zo\xEB";
    const auto lines = linesOf(facegen::canvasListing(session.program));
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("label NoseLabel 4080 240 0 \xD0\x9B\xD0\xB8\xD0\xBD\xD0\xB8\xD1\x8F"));
    EXPECT_TRUE(has("label BottomLabel 6720 4920 1 Zo\xC3\xAB"));
}
