#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "analysis/mainwindow/prefs_storage.h"
#include "tests/analysis/program_fixture.h"
#include "tests/support/tidy_layout.h"

using forms::ControlKind;

namespace {

struct PrefsWindows : ProgramFixture {
    analysis::PrefsForm& prefs = program.PrefsWindow;
    analysis::QuickKeyChooser& loader = program.QuickKeyChooserWindow;
};

}  // namespace

TEST_F(PrefsWindows, EveryControlByNameAndKind) {
    std::map<std::string, ControlKind> expected{
        {"PrefsFrame", ControlKind::Frame},           {"FKeysFrame", ControlKind::Frame},
        {"UnitsImperial", ControlKind::OptionButton}, {"UnitsMetric", ControlKind::OptionButton},
        {"AutoTopTen", ControlKind::CheckBox},        {"Command1", ControlKind::CommandButton},
    };
    for (const char* slider : {"EyeSlider", "NoseSlider", "MouthSlider", "JawlineSlider",
                               "ProfileSlider", "ColourationSlider", "FaceSlider"}) {
        expected[slider] = ControlKind::Slider;
    }
    for (int i = 1; i <= 10; ++i) {
        expected["Label" + std::to_string(i)] = ControlKind::Label;
    }
    for (int i = 0; i <= 10; ++i) {
        expected["FButton(" + std::to_string(i) + ")"] = ControlKind::CommandButton;
        expected["F1Person(" + std::to_string(i) + ")"] = ControlKind::Label;
    }
    EXPECT_EQ(prefs.name(), "PrefsForm");
    EXPECT_EQ(prefs.controls().size(), expected.size());
    for (const auto& [key, kind] : expected) {
        const forms::Control* control = prefs.find(key);
        ASSERT_NE(control, nullptr) << key;
        EXPECT_EQ(control->kind(), kind) << key;
    }

    EXPECT_EQ(loader.name(), "PrefsLoader");
    EXPECT_EQ(loader.controls().size(), 4u);
    EXPECT_EQ(loader.find("Label1")->kind(), ControlKind::Label);
    EXPECT_EQ(loader.find("Label2")->kind(), ControlKind::Label);
    EXPECT_EQ(loader.find("File2")->kind(), ControlKind::FileListBox);
    EXPECT_EQ(loader.find("OKbutton")->kind(), ControlKind::CommandButton);
}

TEST(PrefsDesign, BeforeStartUp) {
    TempFolder folder;
    common::RecordingPlatform platform;
    forms::Application app{platform, folder.text()};
    analysis::AnalysisProgram program(app);
    const analysis::PrefsForm& prefs = program.PrefsWindow;
    for (const forms::Slider* slider :
         {&prefs.EyeSlider, &prefs.NoseSlider, &prefs.MouthSlider, &prefs.JawlineSlider,
          &prefs.ProfileSlider, &prefs.ColourationSlider, &prefs.FaceSlider}) {
        EXPECT_TRUE(slider->Min == 0 && slider->Max == 20 && slider->SmallChange == 1 &&
                    slider->LargeChange == 5 && slider->TickFrequency == 1 && slider->Value() == 0)
            << slider->key();
    }
    EXPECT_TRUE(prefs.UnitsMetric.Value());
    EXPECT_EQ(prefs.AutoTopTen.Value(), 0);
    for (int key = 1; key <= 10; ++key) {
        EXPECT_EQ(prefs.FButton(key).Caption, "F" + std::to_string(key));
        EXPECT_EQ(prefs.F1Person(key).Caption, "");
    }
    EXPECT_EQ(prefs.FButton(0).Caption, "F1");
    EXPECT_FALSE(prefs.FButton(0).Visible);
    EXPECT_FALSE(prefs.F1Person(0).Visible);

    const analysis::QuickKeyChooser& loader = program.QuickKeyChooserWindow;
    EXPECT_EQ(loader.Caption, "Select face");
    EXPECT_EQ(loader.functionKeyLabel.Caption, "Function Key :");
    EXPECT_EQ(loader.File2.Pattern(), "*.txt");
    EXPECT_EQ(program.QuickKeyIndex, 1);
}

TEST_F(PrefsWindows, StartUpCaptionsInEnglishAndNothingShown) {
    EXPECT_EQ(prefs.Caption, "Preferences");
    EXPECT_EQ(prefs.faceSliderLabel.Caption, "Accuracy");
    EXPECT_EQ(prefs.jawlineSliderLabel.Caption, "Jawline");
    EXPECT_EQ(prefs.lessImportantLabel.Caption, "Less important");
    EXPECT_EQ(prefs.moreImportantLabel.Caption, "More important");
    EXPECT_EQ(prefs.weightsExplanation.Caption,
              "These settings allow the user to adjust relative importance levels of facial "
              "features during comparison. \r\n\r\nSliders can be adjusted to counteract the "
              "effect of data transcribed from imperfect photos. eg where the subject smiles, "
              "mouth is open etc");
    EXPECT_EQ(prefs.UnitsMetric.Caption, "Metric (cm)");
    EXPECT_EQ(prefs.PrefsFrame.Caption, "Unit of Measurement");
    EXPECT_FALSE(prefs.Visible());
    EXPECT_FALSE(loader.Visible());
}

TEST_F(PrefsWindows, LayoutIsTidy) {
    EXPECT_EQ(prefs.Width, 640 * 15);
    EXPECT_EQ(prefs.Height, 520 * 15);
    testsupport::expectTidyLayout(prefs);
    for (int key = 0; key <= 10; ++key) {
        EXPECT_EQ(prefs.FButton(key).Container, &prefs.FKeysFrame);
        EXPECT_EQ(prefs.F1Person(key).Container, &prefs.FKeysFrame);
    }
    EXPECT_EQ(prefs.UnitsImperial.Container, &prefs.PrefsFrame);
    EXPECT_EQ(prefs.UnitsMetric.Container, &prefs.PrefsFrame);
    testsupport::expectTidyLayout(loader);
}

TEST_F(PrefsWindows, PreferencesButtonShowsTheWindowAndOkHidesIt) {
    window.PrefButton.click();
    EXPECT_TRUE(prefs.Visible());
    EXPECT_EQ(app.activeWindow(), &prefs);
    prefs.EyeSlider.setValue(12);
    prefs.okButton.click();
    EXPECT_FALSE(prefs.Visible());
    // Nothing to undo or apply: the slider keeps its value.
    EXPECT_EQ(prefs.EyeSlider.Value(), 12);
}

TEST_F(PrefsWindows, UnitOptionsSetImperialUnits) {
    prefs.UnitsImperial.setValue(true);
    EXPECT_EQ(program.ImperialUnits, -1);
    EXPECT_FALSE(prefs.UnitsMetric.Value());
    prefs.UnitsMetric.setValue(true);
    EXPECT_EQ(program.ImperialUnits, 0);
    EXPECT_FALSE(prefs.UnitsImperial.Value());
}

TEST_F(PrefsWindows, QuickKeyButtonOpensTheChooserOnTheDataFolder) {
    const std::string other = folder.subfolder("Other");
    folder.write("Other/Ann.txt", "x");
    window.Dir1.setPath(other);
    prefs.Show();
    prefs.FButton(3).click();
    EXPECT_EQ(program.QuickKeyIndex, 3);
    EXPECT_EQ(loader.functionKeyLabel.Caption, "Function Key : F3");
    EXPECT_EQ(loader.Caption, "Select face (F3)");
    EXPECT_TRUE(loader.Visible());
    EXPECT_EQ(loader.File2.Path(), other);
    ASSERT_EQ(loader.File2.ListCount(), 1);
    EXPECT_EQ(loader.File2.List(0), "Ann.txt");
    // Another key's button while the chooser is open: it sets that key, and says so. The caption
    // is cut at its colon every time, so keys do not pile up.
    prefs.FButton(10).click();
    EXPECT_TRUE(loader.Visible());
    EXPECT_EQ(app.activeWindow(), &loader);
    EXPECT_EQ(loader.functionKeyLabel.Caption, "Function Key : F10");
    EXPECT_EQ(loader.Caption, "Select face (F10)");
    EXPECT_EQ(program.QuickKeyIndex, 10);
}

TEST_F(PrefsWindows, QuickKeyCaptionIsCutAtItsFirstColon) {
    loader.functionKeyLabel.Caption = "Choose a face";
    analysis::AssignQuickKey(program, 3);
    EXPECT_EQ(loader.functionKeyLabel.Caption, " F3");
    loader.functionKeyLabel.Caption = "Taste: F: ";
    analysis::AssignQuickKey(program, 7);
    EXPECT_EQ(loader.functionKeyLabel.Caption, "Taste: F7");
}

TEST_F(PrefsWindows, ChoosingAFileGivesTheQuickKeyItsFace) {
    for (const char* name : {"Ann.txt", "Bob.txt", "Bob.lst"}) {
        folder.write(name, "x");
    }
    prefs.F1Person(3).Caption = "Cid";
    prefs.FButton(4).click();
    ASSERT_EQ(loader.File2.ListCount(), 2);
    ASSERT_EQ(loader.File2.List(1), "Bob.txt");
    loader.File2.setListIndex(1);
    loader.OKbutton.click();
    EXPECT_EQ(prefs.F1Person(4).Caption, "Bob");
    EXPECT_EQ(prefs.F1Person(3).Caption, "Cid");
    EXPECT_FALSE(loader.Visible());

    // A double click chooses as well.
    prefs.FButton(2).click();
    loader.File2.setListIndex(0);
    loader.File2.dblClick();
    EXPECT_EQ(prefs.F1Person(2).Caption, "Ann");
    EXPECT_FALSE(loader.Visible());
}

// Escape is not OK: the chooser has no cancel button for it to press, it closes as its title
// bar does and the key keeps its face, whatever was highlighted.
TEST_F(PrefsWindows, ClosingTheChooserKeepsTheQuickKey) {
    folder.write("Bob.txt", "x");
    prefs.F1Person(6).Caption = "Cid";
    prefs.FButton(6).click();
    loader.File2.setListIndex(0);
    EXPECT_FALSE(loader.OKbutton.Cancel);
    EXPECT_TRUE(loader.EscapeCloses);
    loader.userClose();
    EXPECT_FALSE(loader.Visible());
    EXPECT_EQ(prefs.F1Person(6).Caption, "Cid");
}

// Return in the list is OK: it assigns the highlighted face, or keeps the key with none; other
// keys only move in the list.
TEST_F(PrefsWindows, ReturnInTheChoosersListAssignsAsOkDoes) {
    folder.write("Ann.txt", "x");
    folder.write("Bob.txt", "x");
    prefs.F1Person(7).Caption = "Cid";
    prefs.FButton(7).click();
    loader.File2.setListIndex(1);
    loader.File2.keyDown(40);
    loader.File2.keyDown(32);
    EXPECT_TRUE(loader.Visible());
    EXPECT_EQ(prefs.F1Person(7).Caption, "Cid");
    loader.File2.keyDown(13);
    EXPECT_FALSE(loader.Visible());
    EXPECT_EQ(prefs.F1Person(7).Caption, "Bob");

    prefs.FButton(8).click();
    prefs.F1Person(8).Caption = "Dee";
    ASSERT_EQ(loader.File2.ListIndex(), -1);
    loader.File2.keyDown(13);
    EXPECT_FALSE(loader.Visible());
    EXPECT_EQ(prefs.F1Person(8).Caption, "Dee");
}

TEST_F(PrefsWindows, OkWithoutAChosenFileKeepsTheQuickKey) {
    folder.write("Bob.txt", "x");
    prefs.F1Person(5).Caption = "Cid";
    prefs.FButton(5).click();
    ASSERT_EQ(loader.File2.ListIndex(), -1);
    loader.OKbutton.click();
    EXPECT_EQ(prefs.F1Person(5).Caption, "Cid");
    EXPECT_FALSE(loader.Visible());
}
