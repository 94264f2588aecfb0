#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <map>
#include <string>

#include "analysis/engine/face_loading.h"
#include "common/text/convert.h"

#include "tests/analysis/plotter/plotter_fixture.h"

// A plotter that is opened, shown again or clicked back into after face 1 or face 2 changed
// draws the view last pressed again for the faces now loaded.

namespace {

using Picture = std::map<std::string, std::string>;

std::string joined(std::initializer_list<long long> values) {
    std::string text;
    for (long long value : values) {
        text += std::to_string(value) + " ";
    }
    return text;
}

// Every item of the plotter window, canvas and panels, by key, with all a view can set on it.
Picture pictureOf(const analysis::PlotterForm& plotter, const analysis::PlotterState& state) {
    Picture picture;
    for (const forms::Control* control : plotter.controls()) {
        std::string& text = picture[control->key()];
        text = joined({control->Left, control->Top, control->Width, control->Height,
                       control->Visible, control->ForeColor});
        if (const auto* line = dynamic_cast<const forms::Line*>(control)) {
            text += joined({line->X1, line->Y1, line->X2, line->Y2, line->BorderColor});
        } else if (const auto* shape = dynamic_cast<const forms::Shape*>(control)) {
            text += joined({shape->BorderColor, shape->FillColor, shape->FillStyle});
        } else if (const auto* label = dynamic_cast<const forms::Label*>(control)) {
            text += label->Caption;
        } else if (const auto* check = dynamic_cast<const forms::CheckBox*>(control)) {
            text += check->Caption + " " + std::to_string(check->Value());
        } else if (const auto* box = dynamic_cast<const forms::TextBox*>(control)) {
            text += box->Text();
        }
    }
    picture["state"] =
        joined({state.ViewMode, state.ProfileShiftA, state.ProfileShiftB, state.ProfileShiftC}) +
        state.FaceShapeA + " " + state.FaceShapeB;
    return picture;
}

// The keys of the items that differ, or "" when the pictures are equal.
std::string differences(const Picture& one, const Picture& other) {
    std::string keys;
    for (const auto& [key, text] : one) {
        if (other.at(key) != text) {
            keys += key + " ";
        }
    }
    return keys;
}

// A wizard-made face whose profile and portrait points spread `spread` twips apart, so that two
// faces of different spread look different in every view.
std::string spreadFace(const std::string& name, int spread, const std::string& heightLine) {
    auto lines = sample::faceLines(name, "Actor", {heightLine});
    for (int k = 1; k <= 23; ++k) {
        lines[static_cast<std::size_t>(3 + k)] =
            common::plain(40 + spread * k) + "," + common::plain(20 * k + spread);
    }
    for (int k = 1; k <= 20; ++k) {
        lines[static_cast<std::size_t>(29 + k)] =
            common::plain(300 + spread * k) + "," + common::plain(400 + 3 * spread * k);
    }
    return sample::joinLines(lines);
}

struct Replot : PlotterFixture {
    void SetUp() override {
        PlotterFixture::SetUp();
        writeStatistics();
        folder.write("Ann.txt", spreadFace("Ann", 4, "170#"));
        folder.write("Bob.txt", spreadFace("Bob", 6, "183#"));
        folder.write("Gus.txt", spreadFace("Gus", 9, "150#"));
        window.Dir1.setPath(window.Dir1.Path());
        ASSERT_TRUE(analysis::LoadFirstFace(program, "Ann.txt"));
        ASSERT_TRUE(analysis::LoadSecondFace(program, "Bob.txt"));
    }

    Picture picture() const { return pictureOf(plotter, state); }
    // What the plotter shows, then whether pressing the view's button now changes any of it.
    std::string changedByPressing(forms::Label& button) {
        const Picture shown = picture();
        button.click();
        return differences(shown, picture());
    }

    const std::string heights = "Height =  170cm\r\nHeight =  183cm\r\n";
};

TEST_F(Replot, ReopeningAfterAnotherFaceTwoDrawsThePressedViewForIt) {
    forms::Label* const buttons[] = {&plotter.eyesViewButton,      &plotter.noseViewButton,
                                     &plotter.mouthViewButton,     &plotter.layoutViewButton,
                                     &plotter.faceShapeViewButton, &plotter.ProfileButton};
    for (forms::Label* button : buttons) {
        ASSERT_TRUE(analysis::LoadSecondFace(program, "Bob.txt"));
        window.PlotterButton_Click();
        button->click();
        const Picture bobs = picture();
        plotter.OKbutton.click();

        ASSERT_TRUE(analysis::LoadSecondFace(program, "Gus.txt"));
        window.PlotterButton_Click();
        EXPECT_NE(differences(bobs, picture()), "") << button->Caption;
        EXPECT_EQ(plotter.CheckBoxB.Caption, "Gus");
        EXPECT_EQ(changedByPressing(*button), "") << button->Caption;
        plotter.OKbutton.click();
    }
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(Replot, AFirstOpeningShowsTheStartUpDrawingUntilAViewIsPressed) {
    const analysis::PlotFace faces[] = {plotter.faceA(), plotter.faceB()};
    window.PlotterButton_Click();
    // The face-shape view drawn at start-up, before any face: outlines empty at the axis.
    for (const analysis::PlotFace& face : faces) {
        EXPECT_EQ(boundsOf(face.outline), (Bounds{4000, 5000, 0, 0})) << face.outline.key();
    }
    EXPECT_EQ(plotter.Statsbox.Text(), heights);
    EXPECT_EQ(plotter.CheckBoxA.Caption, "Ann");

    // Opened again for another face 2 with no view pressed meanwhile: the same drawing.
    plotter.OKbutton.click();
    ASSERT_TRUE(analysis::LoadSecondFace(program, "Gus.txt"));
    window.PlotterButton_Click();
    for (const analysis::PlotFace& face : faces) {
        EXPECT_EQ(boundsOf(face.outline), (Bounds{4000, 5000, 0, 0})) << face.outline.key();
    }
    EXPECT_EQ(plotter.Statsbox.Text(), "Height =  170cm\r\nHeight =  150cm\r\n");
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Gus");
}

TEST_F(Replot, NothingRedrawnWhileTheFacesAreTheOnesDrawn) {
    window.PlotterButton_Click();
    plotter.noseViewButton.click();
    const Picture nose = picture();
    plotter.OKbutton.click();
    window.PlotterButton_Click();
    // Only the panel's figures give way to the heights, as at every showing.
    EXPECT_EQ(differences(nose, picture()), "Statsbox ");
    EXPECT_EQ(plotter.Statsbox.Text(), heights);

    // Another face 2 and back again, and a visit to the colour chooser: still the same faces.
    plotter.OKbutton.click();
    ASSERT_TRUE(analysis::LoadSecondFace(program, "Gus.txt"));
    ASSERT_TRUE(analysis::LoadSecondFace(program, "Bob.txt"));
    window.PlotterButton_Click();
    EXPECT_EQ(differences(nose, picture()), "Statsbox ");
    plotter.ColourButton.click();
    plotter.Show();
    EXPECT_EQ(differences(nose, picture()), "Statsbox ");
}

TEST_F(Replot, ClickingBackIntoAnOpenPlotterAfterAnotherFaceOneRedraws) {
    window.PlotterButton_Click();
    plotter.mouthViewButton.click();
    const Picture anns = picture();

    window.activate();
    ASSERT_TRUE(analysis::LoadFirstFace(program, "Gus.txt"));
    plotter.activate();
    EXPECT_EQ(plotter.CheckBoxA.Caption, "Gus");
    EXPECT_NE(differences(anns, picture()), "");
    EXPECT_EQ(changedByPressing(plotter.mouthViewButton), "");

    // Shown again from the colour chooser after another face 2.
    plotter.ColourButton.click();
    ASSERT_TRUE(analysis::LoadSecondFace(program, "Ann.txt"));
    plotter.Show();
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Ann");
    EXPECT_EQ(changedByPressing(plotter.mouthViewButton), "");
}

// The Plotter button zeroes the shifts before the redraw, so a reopened profile is unshifted;
// clicking back into the open plotter keeps them, as pressing Profile then would.
TEST_F(Replot, TheProfileIsRedrawnWithTheShiftsAsTheyStand) {
    window.PlotterButton_Click();
    plotter.ProfileButton.click();
    const int startA = plotter.RedLine(0).X1;
    plotter.RedRightArrow.click();
    plotter.RedRightArrow.click();
    plotter.OKbutton.click();
    ASSERT_TRUE(analysis::LoadSecondFace(program, "Gus.txt"));
    window.PlotterButton_Click();
    EXPECT_EQ(state.ProfileShiftA, 0);
    EXPECT_EQ(plotter.RedLine(0).X1, startA);
    EXPECT_EQ(changedByPressing(plotter.ProfileButton), "");

    plotter.RedRightArrow.click();
    window.activate();
    ASSERT_TRUE(analysis::LoadSecondFace(program, "Bob.txt"));
    plotter.activate();
    EXPECT_EQ(state.ProfileShiftA, 50);
    EXPECT_EQ(plotter.RedLine(0).X1, startA + 50);
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Bob");
    EXPECT_EQ(changedByPressing(plotter.ProfileButton), "");
}

// A quick key draws the view again for its face, and that drawing too is redrawn later.
TEST_F(Replot, AQuickKeysRedrawCountsAsAPressedView) {
    program.PrefsWindow.F1Person(2).Caption = "Gus";
    window.PlotterButton_Click();
    plotter.QuickKey(1).click();
    EXPECT_EQ(plotter.CheckBoxB.Caption, "Gus");
    plotter.OKbutton.click();

    ASSERT_TRUE(analysis::LoadSecondFace(program, "Bob.txt"));
    window.PlotterButton_Click();
    EXPECT_EQ(state.ViewMode, 5);
    EXPECT_NE(plotter.Statsbox.Text(), heights);
    EXPECT_EQ(changedByPressing(plotter.faceShapeViewButton), "");
}

}  // namespace
