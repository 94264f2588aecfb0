#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "tests/analysis/program_fixture.h"
#include "tests/support/tidy_layout.h"

using forms::ControlKind;

namespace {

void expectControls(const forms::Window& window,
                    const std::map<std::string, ControlKind>& expected) {
    EXPECT_EQ(window.controls().size(), expected.size()) << window.name();
    for (const auto& [key, kind] : expected) {
        const forms::Control* control = window.find(key);
        ASSERT_NE(control, nullptr) << key;
        EXPECT_EQ(control->kind(), kind) << key;
    }
}

std::string indexed(const std::string& name, int i) {
    return name + "(" + std::to_string(i) + ")";
}

struct SecondaryWindows : ProgramFixture {
    analysis::PlotterForm& plotter = program.PlotterWindow;
    analysis::Colours& colours = program.ColoursWindow;
    analysis::ListForm& editor = program.ListWindow;
};

}  // namespace

TEST_F(SecondaryWindows, PlotterControlsByNameAndKind) {
    std::map<std::string, ControlKind> expected{
        {"Picture1", ControlKind::PictureBox},  {"ButtonPanel", ControlKind::PictureBox},
        {"CheckBoxA", ControlKind::CheckBox},   {"CheckBoxB", ControlKind::CheckBox},
        {"CheckBoxC", ControlKind::CheckBox},   {"BlankPanel", ControlKind::Image},
        {"Option1", ControlKind::OptionButton}, {"Option2", ControlKind::OptionButton},
        {"Statsbox", ControlKind::TextBox},     {"EyeLevel", ControlKind::Line},
        {"ColourButton", ControlKind::Label},   {"OKbutton", ControlKind::Label},
        {"ProfileButton", ControlKind::Label},
    };
    for (const char* arrow : {"RedLeftArrow", "RedRightArrow", "BlueLeftArrow", "BlueRightArrow",
                              "GreenLeftArrow", "GreenRightArrow"}) {
        expected[arrow] = ControlKind::Image;
    }
    for (const char* label : {"Command1", "Command2", "Command3", "Command4", "Command5",
                              "TopLabel", "BottomLabel", "EyeLevelLabel", "NoseLabel"}) {
        expected[label] = ControlKind::Label;
    }
    for (int i = 0; i <= 9; ++i) {
        expected[indexed("QuickKey", i)] = ControlKind::Label;
    }
    for (int i = 0; i <= 10; ++i) {
        for (const char* set : {"RedLine", "BlueLine", "GreenLine"}) {
            expected[indexed(set, i)] = ControlKind::Line;
        }
    }
    for (const char* shape : {"Perimeter1", "Perimeter2", "Perimeter3"}) {
        expected[shape] = ControlKind::Shape;
    }
    for (const char* twin : {"", "b", "g"}) {
        for (const char* area : {"EyeArea1", "EyeArea2", "NoseArea1", "MouthArea1"}) {
            expected[std::string(area) + twin] = ControlKind::Shape;
        }
    }
    EXPECT_EQ(plotter.name(), "PlotterForm");
    expectControls(plotter, expected);
}

TEST_F(SecondaryWindows, PlotterDesign) {
    EXPECT_EQ(plotter.CheckBoxA.Value(), 1);
    EXPECT_EQ(plotter.CheckBoxB.Value(), 1);
    EXPECT_EQ(plotter.CheckBoxC.Value(), 0);
    EXPECT_FALSE(plotter.shadedBoxes.Value());
    EXPECT_TRUE(plotter.unshadedBoxes.Value());
    EXPECT_EQ(plotter.RedLeftArrow.Picture(), "design:left");
    EXPECT_EQ(plotter.GreenRightArrow.Picture(), "design:right");
    EXPECT_TRUE(plotter.Statsbox.MultiLine);
    EXPECT_TRUE(plotter.Statsbox.Locked);
    // Once shown, the faces' items have one colour each, unshaded.
    plotter.Show();
    EXPECT_EQ(plotter.RedLine(10).BorderColor, plotter.CheckBoxA.ForeColor);
    EXPECT_EQ(plotter.MouthArea1b.FillColor, plotter.CheckBoxB.ForeColor);
    EXPECT_EQ(plotter.GreenLine(0).BorderColor, plotter.CheckBoxC.ForeColor);
    EXPECT_NE(plotter.CheckBoxA.ForeColor, plotter.CheckBoxB.ForeColor);
    EXPECT_EQ(plotter.Perimeter2.FillStyle, forms::kFillTransparent);
}

TEST_F(SecondaryWindows, PlotterLayout) {
    EXPECT_EQ(plotter.Width, 1180 * 15);
    EXPECT_EQ(plotter.Height, 367 * 15);
    plotter.BlankPanel.Visible = true;
    testsupport::expectTidyLayout(
        plotter, {.meantToOverlap = {{"BlankPanel", "Option1"}, {"BlankPanel", "Option2"}}});
    // The blank panel covers the fill styles, which the profile has no use for.
    for (const forms::OptionButton* option : {&plotter.shadedBoxes, &plotter.unshadedBoxes}) {
        EXPECT_TRUE(testsupport::overlap(plotter.BlankPanel, *option));
    }
    // The panels stand side by side right of the canvas the views draw on (9,200 by 5,500
    // twips), which is as tall as the window.
    EXPECT_GE(plotter.facesPanel.Left, 9200);
    EXPECT_GE(plotter.Height, 5500);
    EXPECT_EQ(plotter.facesPanel.Left + plotter.facesPanel.Width, plotter.ButtonPanel.Left);
    EXPECT_EQ(plotter.ButtonPanel.Left + plotter.ButtonPanel.Width, plotter.Width);
    EXPECT_EQ(plotter.ButtonPanel.Top + plotter.ButtonPanel.Height, plotter.Height);
    for (const char* inPicture : {"CheckBoxA", "CheckBoxC", "RedLeftArrow", "GreenRightArrow",
                                  "BlankPanel", "ColourButton", "Option1", "Option2"}) {
        EXPECT_EQ(plotter.find(inPicture)->Container, &plotter.facesPanel) << inPicture;
    }
    for (const char* inPanel :
         {"Statsbox", "Command1", "Command5", "ProfileButton", "QuickKey(4)", "OKbutton"}) {
        EXPECT_EQ(plotter.find(inPanel)->Container, &plotter.ButtonPanel) << inPanel;
    }
    // Quick keys: 0 to 4 left to right above 5 to 9.
    for (int key = 0; key <= 9; ++key) {
        const auto& k = plotter.QuickKey(key);
        EXPECT_EQ(k.Top, plotter.QuickKey(key < 5 ? 0 : 5).Top) << key;
        if (key % 5 != 0) {
            EXPECT_GT(k.Left, plotter.QuickKey(key - 1).Left) << key;
        }
    }
    EXPECT_GT(plotter.QuickKey(5).Top, plotter.QuickKey(4).Top);
    EXPECT_EQ(plotter.QuickKey(5).Left, plotter.QuickKey(0).Left);
    // The canvas labels stand on the canvas, left of the panels.
    for (const forms::Label* label :
         {&plotter.TopLabel, &plotter.BottomLabel, &plotter.EyeLevelLabel, &plotter.NoseLabel}) {
        EXPECT_EQ(label->Container, nullptr);
        EXPECT_LE(label->Left + label->Width, plotter.facesPanel.Left) << label->key();
    }
}

TEST_F(SecondaryWindows, PlotterBackHidesAndKeepsItsState) {
    plotter.Show();
    plotter.CheckBoxC.setValue(1);
    plotter.OKbutton.click();
    EXPECT_FALSE(plotter.Visible());
    EXPECT_EQ(plotter.CheckBoxC.Value(), 1);
}

TEST_F(SecondaryWindows, ColoursControlsAndDesign) {
    std::map<std::string, ControlKind> expected{
        {"RGBlabel", ControlKind::Label},        {"RedSlider", ControlKind::Slider},
        {"GreenSlider", ControlKind::Slider},    {"BlueSlider", ControlKind::Slider},
        {"ColourA", ControlKind::CommandButton}, {"ColourB", ControlKind::CommandButton},
        {"ColourC", ControlKind::CommandButton}, {"bgButton1", ControlKind::CommandButton},
        {"ChosenColour", ControlKind::Shape},    {"Command1", ControlKind::CommandButton},
    };
    EXPECT_EQ(colours.name(), "Colours");
    expectControls(colours, expected);

    EXPECT_EQ(colours.RGBlabel.Caption, "  R        G         B");
    const std::pair<const forms::Slider*, int> sliders[] = {
        {&colours.RedSlider, 0}, {&colours.GreenSlider, 15}, {&colours.BlueSlider, 15}};
    for (const auto& [slider, value] : sliders) {
        EXPECT_TRUE(slider->Min == 0 && slider->Max == 15 && slider->Vertical) << slider->key();
        EXPECT_EQ(slider->Value(), value) << slider->key();
    }
    EXPECT_EQ(colours.ColourA.Caption, "A");
    EXPECT_EQ(colours.ColourB.Caption, "B");
    EXPECT_EQ(colours.ColourC.Caption, "C");
    EXPECT_EQ(colours.okButton.Caption, "OK");
    EXPECT_EQ(colours.ChosenColour.FillStyle, forms::kFillSolid);
    // The design swatch is cyan, but the chooser loads at start-up and takes colour A as the
    // plotter then holds it: 0, as no preference is read yet.
    EXPECT_EQ(colours.ChosenColour.FillColor, 0);
}

TEST_F(SecondaryWindows, ColoursLayoutAndOk) {
    EXPECT_LE(colours.Width, 240 * 15);
    EXPECT_GT(2 * colours.Height, 3 * colours.Width);
    testsupport::expectTidyLayout(colours);
    // Sliders side by side in the order red, green, blue, each with its button beneath.
    EXPECT_LT(colours.RedSlider.Left, colours.GreenSlider.Left);
    EXPECT_LT(colours.GreenSlider.Left, colours.BlueSlider.Left);
    const std::pair<const forms::Slider*, const forms::CommandButton*> columns[] = {
        {&colours.RedSlider, &colours.ColourA},
        {&colours.GreenSlider, &colours.ColourB},
        {&colours.BlueSlider, &colours.ColourC}};
    for (const auto& [slider, button] : columns) {
        EXPECT_EQ(button->Left, slider->Left) << button->key();
        EXPECT_GT(button->Top, slider->Top + slider->Height - 1) << button->key();
        EXPECT_GT(slider->Height, slider->Width) << slider->key();
    }
    EXPECT_GT(colours.bgButton1.Top, colours.ColourA.Top);
    EXPECT_GT(colours.ChosenColour.Top, colours.bgButton1.Top);
    EXPECT_GT(colours.okButton.Top, colours.ChosenColour.Top);

    colours.Show();
    colours.okButton.click();
    EXPECT_FALSE(colours.Visible());
}

TEST_F(SecondaryWindows, ListEditorControlsAndLayout) {
    const std::map<std::string, ControlKind> expected{
        {"Files2Choose", ControlKind::FileListBox}, {"Command1", ControlKind::CommandButton},
        {"ListInPlay", ControlKind::TextBox},       {"File2Copy", ControlKind::FileListBox},
        {"FileBeingEdited", ControlKind::TextBox},  {"ChooseListLabel", ControlKind::Label},
        {"ListInstructions", ControlKind::Label},   {"ListSaveButton", ControlKind::CommandButton},
        {"OKbutton", ControlKind::CommandButton},
    };
    EXPECT_EQ(editor.name(), "ListForm");
    expectControls(editor, expected);
    EXPECT_EQ(editor.Caption, "List Editor");
    EXPECT_EQ(editor.Files2Choose.Pattern(), "*.txt");
    EXPECT_EQ(editor.File2Copy.Pattern(), "*.lst");
    EXPECT_EQ(editor.addFaceButton.Caption, "<");
    EXPECT_TRUE(editor.ListInPlay.MultiLine);
    EXPECT_FALSE(editor.FileBeingEdited.MultiLine);
    EXPECT_EQ(editor.ChooseListLabel.Caption, "Lists:");
    EXPECT_EQ(editor.ListInstructions.Caption,
              "Double-click a face to add it to the list, then save the list under a name.");
    EXPECT_EQ(editor.ListSaveButton.Caption, "Save this list");
    EXPECT_EQ(editor.OKbutton.Caption, "OK");
    testsupport::expectTidyLayout(editor);
}
