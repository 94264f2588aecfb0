#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "analysis/plotter/plot_figures.h"

#include "tests/analysis/plotter/plotter_fixture.h"

namespace {

int ToTwipsOf(double value) {
    return analysis::ToTwips(value);
}

using Plotter = PlotterFixture;

// The load runs at start-up, before any face, word or preference exists.
TEST_F(Plotter, LoadLeavesFaceShapeViewUnshadedWithFaceCHidden) {
    EXPECT_TRUE(plotter.Loaded());
    EXPECT_FALSE(plotter.Visible());
    // Start-up creates every secondary window but the list editor and the quick-key chooser.
    for (const forms::Window* other : std::initializer_list<const forms::Window*>{
             &program.ColoursWindow, &program.PrefsWindow, &program.ResultsWindow,
             &program.NoMedianWindow}) {
        EXPECT_TRUE(other->Loaded()) << other->name();
        EXPECT_FALSE(other->Visible()) << other->name();
    }
    EXPECT_EQ(state.ViewMode, 5);
    EXPECT_TRUE(plotter.unshadedBoxes.Value());
    EXPECT_FALSE(plotter.shadedBoxes.Value());
    for (const auto& face : {plotter.faceA(), plotter.faceB(), plotter.faceC()}) {
        for (forms::Shape* shape : faceShapes(face)) {
            EXPECT_EQ(shape->FillStyle, forms::kFillTransparent) << shape->key();
            // Only face C starts hidden.
            EXPECT_EQ(shape->Visible, &face.check != &plotter.CheckBoxC) << shape->key();
        }
    }
    EXPECT_EQ(plotter.CheckBoxA.Value(), 1);
    EXPECT_EQ(plotter.CheckBoxB.Value(), 1);
    EXPECT_EQ(plotter.CheckBoxC.Value(), 0);
    // The face-shape view hides every face line at the origin and shows the eye line.
    for (forms::Line* line : faceLines()) {
        EXPECT_FALSE(line->Visible) << line->key();
        EXPECT_EQ(endsOf(*line), (Ends{0, 0, 0, 0})) << line->key();
    }
    EXPECT_EQ(endsOf(plotter.EyeLevel), (Ends{250, 1400, 7000, 1400}));
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    for (forms::Shape* shape : featureShapes()) {
        EXPECT_EQ(boundsOf(*shape), (Bounds{9999, 9999, 0, 0})) << shape->key();
    }
    // No face yet: every outline is empty on the chin line at the axis.
    for (forms::Shape* outline : {&plotter.Perimeter1, &plotter.Perimeter2, &plotter.Perimeter3}) {
        EXPECT_EQ(boundsOf(*outline), (Bounds{4000, 5000, 0, 0})) << outline->key();
    }
    EXPECT_TRUE(plotter.TopLabel.Visible);
    EXPECT_TRUE(plotter.BottomLabel.Visible);
    EXPECT_TRUE(plotter.EyeLevelLabel.Visible);
    EXPECT_FALSE(plotter.NoseLabel.Visible);
    EXPECT_FALSE(plotter.BlankPanel.Visible);
    // The words were still empty: the panel holds the empty heading and its empty line.
    EXPECT_EQ(plotter.Statsbox.Text(), "\r\n\r\n");
    EXPECT_EQ(plotter.CheckBoxA.Caption, "");
    EXPECT_EQ(state.FaceShapeA, "");
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(Plotter, ShowingRunsActivateWithColoursCaptionsAndHeights) {
    window.PlotterButton_Click();
    EXPECT_TRUE(plotter.Visible());
    EXPECT_EQ(plotter.Statsbox.Text(), "Height = unknown\r\nHeight = unknown\r\n");
    EXPECT_EQ(plotter.CheckBoxA.Caption, "No data has been loaded.");
    EXPECT_EQ(plotter.CheckBoxB.Caption, "No data has been loaded.");
    EXPECT_EQ(state.ViewMode, 5);

    // Back from the colour chooser: the colours are applied again and the heights rewritten.
    program.PlotColourB = 0x123456;
    program.Face2.FaceHeight = 170;
    plotter.Statsbox.setText("figures of a view");
    program.ColoursWindow.Show();
    EXPECT_EQ(plotter.CheckBoxB.ForeColor, 0xFF0000);
    plotter.Show();
    EXPECT_EQ(plotter.CheckBoxB.ForeColor, 0x123456);
    for (forms::Shape* shape : faceShapes(plotter.faceB())) {
        EXPECT_EQ(shape->BorderColor, 0x123456);
        EXPECT_EQ(shape->FillColor, 0x123456);
    }
    EXPECT_EQ(plotter.BlueLine(10).BorderColor, 0x123456);
    EXPECT_EQ(plotter.Statsbox.Text(), "Height = unknown\r\nHeight =  170cm\r\n");

    // Becoming active again without another window of the program in between runs nothing.
    plotter.Statsbox.setText("figures of a view");
    plotter.activate();
    EXPECT_EQ(plotter.Statsbox.Text(), "figures of a view");

    plotter.OKbutton_Click();
    EXPECT_FALSE(plotter.Visible());
    EXPECT_EQ(state.ViewMode, 5);
    plotter.Show();
    plotter.userClose();
    EXPECT_FALSE(plotter.Visible());
    EXPECT_FALSE(app.ended());
}

TEST_F(Plotter, HeightsInCentimetresOrFeetAndInches) {
    struct Case {
        std::int16_t height;
        std::int16_t imperial;
        const char* text;
    };
    const Case cases[] = {
        {170, 0, " 170cm"},  {170, -1, " 5ft  7in"}, {182, -1, " 5ft  12in"},
        {0, 0, "unknown"},   {0, -1, "unknown"},     {-5, 0, "unknown"},
        {-5, -1, "unknown"}, {1, -1, " 0ft  0in"},   {32767, 0, " 32767cm"},
    };
    for (const Case& c : cases) {
        program.Face1.FaceHeight = c.height;
        program.Face2.FaceHeight = 160;
        program.ImperialUnits = c.imperial;
        plotter.Statsbox.setText("old text");
        plotter.ShowHeights();
        const std::string second = c.imperial != 0 ? " 5ft  3in" : " 160cm";
        EXPECT_EQ(plotter.Statsbox.Text(),
                  std::string("Height = ") + c.text + "\r\nHeight = " + second + "\r\n")
            << c.height;
    }
}

TEST_F(Plotter, CheckBoxesShowAndHideTheirFaceWhereItWas) {
    plotter.CheckBoxA.userClick();
    for (forms::Shape* shape : faceShapes(plotter.faceA())) {
        EXPECT_FALSE(shape->Visible);
    }
    for (int i = 0; i <= 10; ++i) {
        plotter.RedLine(i).Visible = true;
        plotter.GreenLine(i).X1 = 100 + i;
    }
    plotter.CheckBoxA.setValue(0);  // no change, no click
    EXPECT_TRUE(plotter.RedLine(3).Visible);
    plotter.CheckBoxA.userClick();
    plotter.CheckBoxA.userClick();
    for (int i = 0; i <= 10; ++i) {
        EXPECT_FALSE(plotter.RedLine(i).Visible);
    }
    // Face C appears where the last view put it.
    plotter.Perimeter3.Left = 1234;
    plotter.CheckBoxC.userClick();
    for (forms::Shape* shape : faceShapes(plotter.faceC())) {
        EXPECT_TRUE(shape->Visible);
    }
    for (int i = 0; i <= 10; ++i) {
        EXPECT_TRUE(plotter.GreenLine(i).Visible);
        EXPECT_EQ(plotter.GreenLine(i).X1, 100 + i);
    }
    EXPECT_EQ(plotter.Perimeter3.Left, 1234);
    // Face B is untouched throughout.
    for (forms::Shape* shape : faceShapes(plotter.faceB())) {
        EXPECT_TRUE(shape->Visible);
    }
}

TEST_F(Plotter, ShadedBoxesHatchEachFaceItsOwnWay) {
    plotter.shadedBoxes.setValue(true);
    EXPECT_FALSE(plotter.unshadedBoxes.Value());
    const std::pair<analysis::PlotFace, int> expected[] = {
        {plotter.faceA(), forms::kFillUpwardDiagonal},
        {plotter.faceB(), forms::kFillDiagonalCross},
        {plotter.faceC(), forms::kFillDownwardDiagonal}};
    for (const auto& [face, style] : expected) {
        for (forms::Shape* shape : faceShapes(face)) {
            EXPECT_EQ(shape->FillStyle, style) << shape->key();
            // Hatched in the face's own colour.
            EXPECT_EQ(shape->FillColor, face.check.ForeColor) << shape->key();
        }
    }
    plotter.unshadedBoxes.setValue(true);
    for (const auto& face : {plotter.faceA(), plotter.faceB(), plotter.faceC()}) {
        for (forms::Shape* shape : faceShapes(face)) {
            EXPECT_EQ(shape->FillStyle, forms::kFillTransparent);
        }
    }
}

// Every item set apart, so that a procedure touching more or less than its part shows.
struct Clearing : PlotterFixture {
    void SetUp() override {
        PlotterFixture::SetUp();
        int n = 1;
        for (forms::Line* line : lines()) {
            line->X1 = n++;
            line->Y1 = n++;
            line->X2 = n++;
            line->Y2 = n++;
            line->Visible = true;
        }
        for (forms::Shape* shape : shapes()) {
            shape->Left = n++;
            shape->Top = n++;
            shape->Width = n++;
            shape->Height = n++;
            shape->Visible = true;
        }
        for (forms::Label* label : labels()) {
            label->Visible = true;
        }
        before = snapshot();
    }
    std::vector<forms::Line*> lines() const {
        auto all = faceLines();
        all.push_back(&plotter.EyeLevel);
        return all;
    }
    std::vector<forms::Shape*> shapes() const {
        auto all = featureShapes();
        all.insert(all.end(), {&plotter.Perimeter1, &plotter.Perimeter2, &plotter.Perimeter3});
        return all;
    }
    std::vector<forms::Label*> labels() const {
        return {&plotter.TopLabel, &plotter.BottomLabel, &plotter.EyeLevelLabel,
                &plotter.NoseLabel};
    }
    struct Snapshot {
        std::map<std::string, Ends> lineEnds;
        std::map<std::string, Bounds> shapeBounds;
        std::map<std::string, bool> visible;
    };
    Snapshot snapshot() const {
        Snapshot s;
        for (forms::Line* line : lines()) {
            s.lineEnds[line->key()] = endsOf(*line);
            s.visible[line->key()] = line->Visible;
        }
        for (forms::Shape* shape : shapes()) {
            s.shapeBounds[shape->key()] = boundsOf(*shape);
            s.visible[shape->key()] = shape->Visible;
        }
        for (forms::Label* label : labels()) {
            s.visible[label->key()] = label->Visible;
        }
        return s;
    }
    // What changed since SetUp, by item.
    Snapshot changes() const {
        const Snapshot now = snapshot();
        Snapshot changed;
        for (const auto& [key, ends] : now.lineEnds) {
            if (!(before.lineEnds.at(key) == ends)) {
                changed.lineEnds[key] = ends;
            }
        }
        for (const auto& [key, bounds] : now.shapeBounds) {
            if (!(before.shapeBounds.at(key) == bounds)) {
                changed.shapeBounds[key] = bounds;
            }
        }
        for (const auto& [key, shown] : now.visible) {
            if (before.visible.at(key) != shown) {
                changed.visible[key] = shown;
            }
        }
        return changed;
    }
    Snapshot before;
};

TEST_F(Clearing, ResetPlotLinesZeroesTheFaceLinesOnly) {
    plotter.ResetPlotLines();
    const Snapshot changed = changes();
    EXPECT_EQ(changed.lineEnds.size(), 33U);
    for (const auto& [key, ends] : changed.lineEnds) {
        EXPECT_EQ(ends, (Ends{0, 0, 0, 0})) << key;
    }
    EXPECT_FALSE(changed.lineEnds.contains("EyeLevel"));
    EXPECT_TRUE(changed.shapeBounds.empty());
    EXPECT_TRUE(changed.visible.empty());
}

TEST_F(Clearing, HidePlotLinesParksEyeLevelWithoutHidingIt) {
    plotter.HidePlotLines();
    const Snapshot changed = changes();
    EXPECT_EQ(changed.lineEnds.size(), 1U);
    EXPECT_EQ(changed.lineEnds.at("EyeLevel"), (Ends{9999, 9999, 9999, 9999}));
    EXPECT_EQ(changed.visible.size(), 33U);
    for (const auto& [key, shown] : changed.visible) {
        EXPECT_FALSE(shown) << key;
    }
    EXPECT_TRUE(plotter.EyeLevel.Visible);
    EXPECT_TRUE(changed.shapeBounds.empty());
}

TEST_F(Clearing, HideFeatureShapesParksTwelveShapesAndHidesNoseLabel) {
    plotter.HideFeatureShapes();
    const Snapshot changed = changes();
    EXPECT_EQ(changed.shapeBounds.size(), 12U);
    for (const auto& [key, bounds] : changed.shapeBounds) {
        EXPECT_EQ(bounds, (Bounds{9999, 9999, 0, 0})) << key;
        EXPECT_FALSE(key.starts_with("Perimeter")) << key;
    }
    EXPECT_EQ(changed.visible.size(), 1U);
    EXPECT_FALSE(changed.visible.at("NoseLabel"));
    EXPECT_TRUE(changed.lineEnds.empty());
}

TEST_F(Clearing, HideLabelsAndPerimetersHidesEyeLevelWithoutMovingIt) {
    plotter.HideLabelsAndPerimeters();
    const Snapshot changed = changes();
    EXPECT_EQ(changed.shapeBounds.size(), 3U);
    for (const auto& [key, bounds] : changed.shapeBounds) {
        EXPECT_TRUE(key.starts_with("Perimeter")) << key;
        EXPECT_EQ(bounds, (Bounds{0, 0, 0, 0})) << key;
    }
    const std::map<std::string, bool> hidden{
        {"TopLabel", false}, {"BottomLabel", false}, {"EyeLevelLabel", false}, {"EyeLevel", false}};
    EXPECT_EQ(changed.visible, hidden);
    EXPECT_TRUE(changed.lineEnds.empty());
}

TEST_F(Plotter, ReplotRunsTheViewViewModeNamesAndNothingElse) {
    setOutline(program.Face1, 600, 150, 1100);
    setAverageOutline(590, 160, 1150);
    for (std::int16_t mode : {0, 7, -1}) {
        state.ViewMode = mode;
        plotter.ReplotCurrentView();
        EXPECT_EQ(boundsOf(plotter.Perimeter1), (Bounds{4000, 5000, 0, 0})) << mode;
        EXPECT_EQ(state.ViewMode, mode);
    }
    state.ViewMode = 5;
    plotter.ReplotCurrentView();
    EXPECT_EQ(boundsOf(plotter.Perimeter1), (Bounds{2380, 1040, 3240, 3960}));
}

TEST_F(Plotter, QuickKeyLoadsFaceTwoAndRedrawsTheView) {
    writeStatistics();
    folder.write("Bob.txt", sample::face("Bob", "Actor", {"183#"}));
    folder.write("Gus.txt", sample::face("Gus", "Actor", {"150#"}));
    window.Dir1.setPath(window.Dir1.Path());
    program.PrefsWindow.F1Person(1).Caption = "Bob";
    program.PrefsWindow.F1Person(10).Caption = "Gus";
    window.PlotterButton_Click();

    plotter.QuickKey(0).click();
    EXPECT_EQ(program.Face2.FaceName, "Bob");
    EXPECT_EQ(window.Person2.Caption, "Bob");
    // The face-shape view runs again after the heights and writes its own figures.
    EXPECT_EQ(state.ViewMode, 5);
    EXPECT_EQ(plotter.Statsbox.Text().substr(0, 16), "% of average\r\n\r\n");
    EXPECT_NE(plotter.Statsbox.Text().find("FACE B : "), std::string::npos);
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Bob");
    // Sample points 4 and 5 of a face slot lie at x 104 and 105: a width of -2 drawn as 2.
    EXPECT_EQ(boundsOf(plotter.Perimeter2),
              (Bounds{4004, ToTwipsOf(1400 - 3.6 * (203 - 1000)), 7, ToTwipsOf(3.6 * 203)}));

    plotter.QuickKey(9).click();
    EXPECT_EQ(program.Face2.FaceName, "Gus");

    // A key without a name does nothing at all.
    plotter.Statsbox.setText("kept");
    plotter.QuickKey(4).click();
    EXPECT_EQ(program.Face2.FaceName, "Gus");
    EXPECT_EQ(plotter.Statsbox.Text(), "kept");
    EXPECT_TRUE(platform.errors.empty());

    // A name without a readable file follows the loader's own failure path, then the heights and
    // the view run on the face 2 that stays.
    program.PrefsWindow.F1Person(5).Caption = "Nobody";
    plotter.QuickKey(4).click();
    EXPECT_EQ(platform.errors.size(), 1U);
    EXPECT_EQ(program.Face2.FaceName, "Gus");
    EXPECT_NE(plotter.Statsbox.Text().find("FACE B : "), std::string::npos);
}

}  // namespace
