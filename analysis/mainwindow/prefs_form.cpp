#include "analysis/mainwindow/prefs_form.h"

#include <string>
#include <utility>

#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/mainwindow/prefs_storage.h"
#include "analysis/mainwindow/ui_words.h"
#include "analysis/program.h"
#include "common/text/convert.h"

namespace analysis {

namespace {

constexpr int kQuickKeys = 10;

}  // namespace

PrefsForm::PrefsForm(AnalysisProgram& program)
    : Window(program.app(), "PrefsForm"), program_(program) {
    setDesign();
    layOut();
    wireHandlers();
}

void PrefsForm::setDesign() {
    Caption = "Preferences";
    lessImportantLabel.Caption = "Less Important";
    moreImportantLabel.Caption = "More Important";
    moreImportantLabel.TextAlign = forms::Alignment::Right;
    eyeSliderLabel.Caption = "Eyes";
    noseSliderLabel.Caption = "Nose";
    mouthSliderLabel.Caption = "Mouth";
    faceSliderLabel.Caption = "Accuracy";
    jawlineSliderLabel.Caption = "Jawline";
    colourationSliderLabel.Caption = "Colouration";
    profileSliderLabel.Caption = "Profile";
    for (forms::Slider* slider : {&EyeSlider, &NoseSlider, &MouthSlider, &JawlineSlider,
                                  &ProfileSlider, &ColourationSlider, &FaceSlider}) {
        slider->Min = 0;
        slider->Max = 20;
        slider->SmallChange = 1;
        slider->LargeChange = 5;
        slider->TickFrequency = 1;
    }

    PrefsFrame.Caption = "Unit of measurement";
    UnitsImperial.Caption = "Imperial";
    UnitsMetric.Caption = "Metrical";
    // Heights are in centimetres until the preferences say otherwise.
    UnitsMetric.setValue(true);

    FKeysFrame.Caption = "F1-F10";
    // No quick key has a face before the preferences are read: an empty key does nothing.
    for (int key = 0; key <= kQuickKeys; ++key) {
        FButton(key).Caption = "F" + common::plain(key == 0 ? 1 : key);
        F1Person(key).Opaque = true;
        F1Person(key).BackColor = forms::kWhite;
        F1Person(key).WordWrap = false;
    }
    FButton(0).Visible = false;
    F1Person(0).Visible = false;
    AutoTopTen.Caption = "Automatically use closest?";

    okButton.Caption = "OK";
    okButton.Cancel = true;
}

void PrefsForm::layOut() {
    Width = pixels(640);
    Height = pixels(520);

    // Weights on the left: the scale's two ends above a column of sliders, names beside them.
    place(lessImportantLabel, 120, 16, 104, 20);
    place(moreImportantLabel, 232, 16, 104, 20);
    const std::pair<forms::Label*, forms::Slider*> rows[] = {
        {&eyeSliderLabel, &EyeSlider},         {&noseSliderLabel, &NoseSlider},
        {&mouthSliderLabel, &MouthSlider},     {&jawlineSliderLabel, &JawlineSlider},
        {&profileSliderLabel, &ProfileSlider}, {&colourationSliderLabel, &ColourationSlider},
        {&faceSliderLabel, &FaceSlider},
    };
    int top = 40;
    for (const auto& [name, slider] : rows) {
        place(*name, 16, top + 8, 96, 20);
        place(*slider, 120, top, 216, 32);
        top += 36;
    }
    place(weightsExplanation, 16, 300, 320, 128);
    place(PrefsFrame, 16, 440, 320, 64);
    UnitsImperial.Container = &PrefsFrame;
    UnitsMetric.Container = &PrefsFrame;
    place(UnitsImperial, 12, 28, 130, 24);
    place(UnitsMetric, 150, 28, 160, 24);

    // Quick keys on the right, one row per key; the unused index 0 shares the first row.
    place(FKeysFrame, 352, 16, 272, 372);
    for (int key = 0; key <= kQuickKeys; ++key) {
        const int rowTop = 28 + 34 * (key == 0 ? 0 : key - 1);
        FButton(key).Container = &FKeysFrame;
        F1Person(key).Container = &FKeysFrame;
        place(FButton(key), 12, rowTop, 52, 28);
        place(F1Person(key), 72, rowTop + 4, 188, 20);
    }
    place(AutoTopTen, 352, 400, 272, 24);

    place(okButton, 520, 472, 104, 32);
}

void PrefsForm::wireHandlers() {
    okButton.onClick = [this] { okButton_Click(); };
    UnitsImperial.onClick = [this] { UnitsImperial_Click(); };
    UnitsMetric.onClick = [this] { UnitsMetric_Click(); };
    for (int key = 0; key <= kQuickKeys; ++key) {
        FButton(key).onClick = [this, key] { FButton_Click(key); };
    }
}

void PrefsForm::captionAtStartUp(const UiWords& words) {
    eyeSliderLabel.Caption = words.EyesWord;
    noseSliderLabel.Caption = words.NoseWord;
    mouthSliderLabel.Caption = words.MouthWord;
    faceSliderLabel.Caption = "Accuracy";
    jawlineSliderLabel.Caption = words.JawlineWord;
    lessImportantLabel.Caption = "Less important";
    moreImportantLabel.Caption = "More important";
    weightsExplanation.Caption =
        "These settings allow the user to adjust relative importance levels of facial features "
        "during comparison. \r\n\r\nSliders can be adjusted to counteract the effect of data "
        "transcribed from imperfect photos. eg where the subject smiles, mouth is open etc";
    UnitsMetric.Caption = "Metric (cm)";
    UnitsImperial.Caption = "Imperial";
    PrefsFrame.Caption = "Unit of Measurement";
    Caption = "Preferences";
}

// Nothing to apply: the comparison reads the sliders as they stand.
void PrefsForm::okButton_Click() {
    Hide();
}

void PrefsForm::UnitsImperial_Click() {
    program_.ImperialUnits = -1;
}

void PrefsForm::UnitsMetric_Click() {
    program_.ImperialUnits = 0;
}

void PrefsForm::FButton_Click(int index) {
    AssignQuickKey(program_, index);
}

}  // namespace analysis
