#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/mainwindow/prefs_storage.h"
#include "analysis/plotter/plot_colours.h"
#include "tests/analysis/plotter/plotter_fixture.h"

namespace {

int red(std::int32_t colour) {
    return colour & 0xFF;
}

// Prefs.prf with the given plot colours (background, A, B, C) and design settings otherwise.
std::string prefsText(const std::vector<std::string>& colours) {
    std::string text;
    for (int i = 0; i < 7; ++i) {
        text += " 10\r\n";
    }
    for (const std::string& colour : colours) {
        text += colour + "\r\n";
    }
    text += "O\r\nM\r\n\r\n";
    for (int i = 0; i < 10; ++i) {
        text += "\r\n";
    }
    return text + "\r\n";
}

struct PlotColours : PlotterFixture {
    analysis::Colours& colours = program.ColoursWindow;

    // The plotter's bands from the top: one colour per band.
    std::vector<std::int32_t> bandColours() const {
        std::vector<std::int32_t> bands;
        for (const auto& rect : plotter.surface()) {
            bands.push_back(rect.colour);
        }
        return bands;
    }
    void mix(int r, int g, int b) {
        colours.RedSlider.setValue(r);
        colours.GreenSlider.setValue(g);
        colours.BlueSlider.setValue(b);
    }
    void restartWithPrefs(const std::vector<std::string>& lines) {
        folder.write("Prefs.prf", prefsText(lines));
        analysis::LoadPrefs(program);
    }
};

TEST_F(PlotColours, SlidersMixSixteenStepsAComponent) {
    mix(15, 15, 15);
    EXPECT_EQ(colours.ChosenColour.FillColor, 16777215);
    mix(0, 0, 0);
    EXPECT_EQ(colours.ChosenColour.FillColor, 0);
    mix(15, 0, 0);
    EXPECT_EQ(colours.ChosenColour.FillColor, 255);
    mix(1, 2, 3);
    EXPECT_EQ(colours.ChosenColour.FillColor, 17 + 256 * 34 + 65536 * 51);
    EXPECT_EQ(colours.ChosenColour.FillColor, 3351057);
    EXPECT_EQ(state.ChosenRed, 17);
    EXPECT_EQ(state.ChosenGreen, 256 * 34);
    EXPECT_EQ(state.ChosenBlue, 65536 * 51);
}

// The chooser loads at start-up before the preferences are read: its swatch holds colour A as
// it stood then, 0, whatever Prefs.prf gives.
TEST_F(PlotColours, SwatchStartsBlackAndTheButtonsAssignIt) {
    EXPECT_TRUE(colours.Loaded());
    EXPECT_EQ(colours.ChosenColour.FillColor, 0);
    EXPECT_EQ(colours.GreenSlider.Value(), 15);
    EXPECT_EQ(program.PlotColourA, analysis::kDesignColourA);
    plotter.Show();
    plotter.ColourButton.click();
    EXPECT_TRUE(colours.Visible());
    EXPECT_EQ(colours.ChosenColour.FillColor, 0);
    // Pressing B at once gives face B that colour, hidden or shown.
    plotter.CheckBoxB.userClick();
    colours.ColourB.click();
    EXPECT_EQ(program.PlotColourB, 0);
    EXPECT_EQ(plotter.CheckBoxB.ForeColor, 0);
    for (forms::Shape* shape : faceShapes(plotter.faceB())) {
        EXPECT_EQ(shape->BorderColor, 0) << shape->key();
        EXPECT_EQ(shape->FillColor, 0) << shape->key();
    }
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(plotter.BlueLine(i).BorderColor, 0);
    }
    // A and C take a mix; the other faces keep theirs.
    mix(1, 2, 3);
    colours.ColourC.click();
    EXPECT_EQ(program.PlotColourC, 3351057);
    EXPECT_EQ(plotter.Perimeter3.BorderColor, 3351057);
    EXPECT_EQ(plotter.MouthArea1g.FillColor, 3351057);
    EXPECT_EQ(plotter.GreenLine(4).BorderColor, 3351057);
    EXPECT_EQ(plotter.CheckBoxC.ForeColor, 3351057);
    EXPECT_EQ(plotter.CheckBoxA.ForeColor, analysis::kDesignColourA);
    mix(15, 0, 0);
    colours.ColourA.click();
    EXPECT_EQ(plotter.EyeArea2.FillColor, 255);
    EXPECT_EQ(plotter.RedLine(0).BorderColor, 255);
    EXPECT_EQ(plotter.CheckBoxB.ForeColor, 0);

    colours.okButton.click();
    EXPECT_FALSE(colours.Visible());
    plotter.ColourButton.click();
    EXPECT_EQ(colours.ChosenColour.FillColor, 255);
    colours.userClose();
    EXPECT_FALSE(colours.Visible());
    EXPECT_FALSE(app.ended());
}

TEST_F(PlotColours, BackgroundButtonRepaintsAtOnce) {
    mix(0, 0, 0);
    colours.bgButton1.click();
    EXPECT_EQ(program.PlotBackgroundColour, 0);
    const auto bands = bandColours();
    ASSERT_EQ(bands.size(), 110U);
    // Black at the top, each band lighter by 50 x 255 / 5505 a component, kept in single
    // precision and summed band by band.
    const std::vector<int> expectedRed{0, 2, 5, 7, 9};
    for (std::size_t k = 0; k < expectedRed.size(); ++k) {
        EXPECT_EQ(bands[k], common::RGB(expectedRed[k], expectedRed[k], expectedRed[k])) << k;
    }
    EXPECT_EQ(bands[50], common::RGB(116, 116, 116));
    EXPECT_EQ(bands[109], common::RGB(252, 252, 252));
    // Bands at y = 0, 50, ..., 5450, each from y - 1 to y + 50 across the whole width.
    const auto& surface = plotter.surface();
    for (std::size_t k = 0; k < surface.size(); ++k) {
        const int y = 50 * static_cast<int>(k);
        EXPECT_EQ(surface[k].x1, -1);
        EXPECT_EQ(surface[k].y1, y - 1);
        EXPECT_EQ(surface[k].x2, plotter.ScaleWidth());
        EXPECT_EQ(surface[k].y2, y + 50);
    }
}

TEST_F(PlotColours, BackgroundComponentsDropToMultiplesOfSixteen) {
    struct Case {
        std::int32_t colour;
        std::int32_t top;
        std::int32_t last;
    };
    const Case cases[] = {
        {16777215, common::RGB(240, 240, 240), common::RGB(255, 255, 255)},
        {common::RGB(86, 52, 18), common::RGB(80, 48, 16), -1},
        // A hand-edited colour beyond 24 bits is split by its low 24 bits.
        {-1, common::RGB(240, 240, 240), common::RGB(255, 255, 255)},
        {0x7F000000 + common::RGB(86, 52, 18), common::RGB(80, 48, 16), -1},
    };
    for (const Case& c : cases) {
        program.PlotBackgroundColour = c.colour;
        analysis::PaintPlotterBackground(program);
        const auto bands = bandColours();
        ASSERT_EQ(bands.size(), 110U);
        EXPECT_EQ(bands.front(), c.top) << c.colour;
        if (c.last >= 0) {
            EXPECT_EQ(bands.back(), c.last) << c.colour;
        }
        EXPECT_EQ(program.PlotBackgroundColour, c.colour);
    }
    // Items keep a plot colour as stored.
    program.PlotColourA = -1;
    analysis::ApplyColourA(program);
    EXPECT_EQ(plotter.CheckBoxA.ForeColor, -1);
    EXPECT_EQ(plotter.Perimeter1.BorderColor, -1);
}

TEST_F(PlotColours, PreferencesPaintTheBackgroundOnEveryPath) {
    // No Prefs.prf (the fixture's start): the design white paper, lowered to 240.
    EXPECT_EQ(program.PlotBackgroundColour, analysis::kDesignBackgroundColour);
    ASSERT_FALSE(bandColours().empty());
    EXPECT_EQ(bandColours().front(), common::RGB(240, 240, 240));

    restartWithPrefs({" 4227327", " 255", " 16711680", " 32768"});
    EXPECT_EQ(program.PlotBackgroundColour, 4227327);
    // 4227327 is red 255, green 128, blue 64: lowered to 240, 128, 64.
    EXPECT_EQ(bandColours().front(), common::RGB(240, 128, 64));

    // A colour line is read for its number: no number is black.
    restartWithPrefs({"x", " 255", " 16711680", " 32768"});
    EXPECT_EQ(program.PlotBackgroundColour, 0);
    EXPECT_EQ(bandColours().front(), 0);
    // A file that ends before its colours: the design colours, painted all the same.
    folder.write("Prefs.prf", " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n");
    analysis::LoadPrefs(program);
    EXPECT_EQ(program.PlotBackgroundColour, analysis::kDesignBackgroundColour);
    EXPECT_EQ(program.PlotColourC, analysis::kDesignColourC);
    EXPECT_EQ(bandColours().front(), common::RGB(240, 240, 240));
    EXPECT_EQ(bandColours().size(), 110U);
    platform.errors.clear();
    // A colour outside 24 bits is kept as it stands in memory and painted by its low bits.
    restartWithPrefs({" 33554432", " -5", " 16711680", " 32768"});
    EXPECT_EQ(program.PlotBackgroundColour, 33554432);
    EXPECT_EQ(program.PlotColourA, -5);
    EXPECT_EQ(bandColours().front(), 0);
}

TEST(DrawGradient, DivisorsAreClampedAndAnEmptyWindowIsLeftUnpainted) {
    common::RecordingPlatform platform;
    forms::Application app(platform, ".");
    forms::Window surface(app, "Surface");
    surface.Width = 1000;
    surface.Height = 1000;
    std::int16_t redDivisor = 0;
    std::int16_t greenDivisor = 25;
    std::int16_t blueDivisor = 2;
    analysis::DrawGradient(surface, 200, 200, 200, 255, 100, 0, 250, 2, redDivisor, greenDivisor,
                           blueDivisor);
    EXPECT_EQ(redDivisor, 1);
    EXPECT_EQ(greenDivisor, 20);
    EXPECT_EQ(blueDivisor, 2);
    ASSERT_EQ(surface.surface().size(), 3U);
    EXPECT_EQ(surface.surface()[0].colour, common::RGB(200, 10, 100));
    // The band's bottom is y + step / heightDivisor.
    EXPECT_EQ(surface.surface()[1].y1, 99);
    EXPECT_EQ(surface.surface()[1].y2, 150);
    // 100 x 55 / 1000 = 5.5 a band: 205.5 rounds to the even 206, 211 exactly.
    EXPECT_EQ(red(surface.surface()[1].colour), 206);
    EXPECT_EQ(red(surface.surface()[2].colour), 211);
    // A negative step walks upwards and stops below lastY.
    surface.ClearSurface();
    analysis::DrawGradient(surface, 0, 0, 0, 255, -100, 250, 0, 1, redDivisor, greenDivisor,
                           blueDivisor);
    ASSERT_EQ(surface.surface().size(), 3U);
    EXPECT_EQ(surface.surface()[2].y1, 49);

    surface.ClearSurface();
    surface.Height = 0;
    analysis::DrawGradient(surface, 0, 0, 0, 255, 50, 0, 5450, 1, redDivisor, greenDivisor,
                           blueDivisor);
    EXPECT_TRUE(surface.surface().empty());
}

}  // namespace
