#include "transcribe/input_window.h"

#include <filesystem>

#include "common/facefile/face_file_writer.h"
#include "common/files/text_file.h"
#include "common/forms/application.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/strings.h"
#include "transcribe/entry_rules.h"
#include "transcribe/layout.h"
#include "transcribe/program.h"

namespace transcribe {

namespace {

constexpr int kLastStep = 30;
constexpr int kFirstAngleStep = 21;

bool isAngleStep(int step) {
    return step >= kFirstAngleStep && step <= kLastStep;
}

std::string guidePictureName(int step) {
    return "design:guide-" + std::to_string(step);
}

}  // namespace

Inputwindow::Inputwindow(TranscribeProgram& program)
    : Window(program.app(), "Inputwindow"), program_(program) {
    Width = pixels(600);
    Height = pixels(520);
    place(Description, 16, 12, 568, 48);
    Description.FontBold = true;
    for (int i = Picture1.first(); i <= Picture1.last(); ++i) {
        forms::PictureBox& picture = Picture1(i);
        place(picture, 16, 68, 300, 380);
        picture.BackColor = forms::kWhite;
        picture.ForeColor = common::RGB(200, 0, 0);
        picture.Visible = false;
        picture.setDesignPicture(guidePictureName(i + 1));
    }
    place(LabelX, 340, 82, 40, 22);
    place(Xpos, 384, 80, 110, 24);
    place(LabelY, 340, 116, 40, 22);
    place(Ypos, 384, 114, 110, 24);
    place(Label3, 340, 166, 40, 22);
    place(Anglebox, 384, 164, 110, 24);
    LabelX.Caption = "X";
    LabelY.Caption = "Y";
    Label3.Caption = "Angle";
    Xpos.onChange = [this] { Xpos_Change(); };
    Ypos.onChange = [this] { Ypos_Change(); };
    Anglebox.onChange = [this] { Anglebox_Change(); };
    // A value typed over the one shown is still the user's: a Paint Shop Pro "0" is 90.
    Xpos.ChangeOnEveryEdit = true;
    Ypos.ChangeOnEveryEdit = true;
    Anglebox.ChangeOnEveryEdit = true;
    program.refuseForeignText(Xpos, "X");
    program.refuseForeignText(Ypos, "Y");
    program.refuseForeignText(Anglebox, "Angle");

    place(Savelabel, 16, 68, 568, 40);
    place(Dir1, 16, 112, 280, 336);
    place(File1, 304, 112, 280, 336);
    Savelabel.Visible = false;
    Dir1.Visible = false;
    File1.Visible = false;
    File1.setPattern("*.txt");
    Dir1.onChange = [this] { Dir1_Change(); };

    place(QuitButton, 16, 470, 200, 34);
    place(GoBack, 404, 470, 84, 34);
    place(GoForward, 500, 470, 84, 34);
    QuitButton.Caption = "Quit without saving";
    GoBack.Caption = "<<";
    GoForward.Caption = ">>";
    QuitButton.onClick = [this] { QuitButton_Click(); };
    GoBack.onClick = [this] { GoBack_Click(); };
    GoForward.onClick = [this] { GoForward_Click(); };
    pos.Visible = false;
}

int Inputwindow::step() const {
    return static_cast<int>(common::Val(pos.Text()));
}

void Inputwindow::setStep(int step) {
    pos.setText(common::plain(step));
}

void Inputwindow::fill(forms::TextBox& box, std::string text) {
    filling_ = true;
    box.setText(std::move(text));
    filling_ = false;
}

void Inputwindow::Form_Load() {
    // The data folder beside the program, or the start folder when there is none.
    try {
        Dir1.setPath(common::joinPath(app().startFolder(), "Sample data"));
    } catch (const common::Error&) {
        Dir1.setPath(app().startFolder());
    }
    StartSteps();
}

void Inputwindow::Form_Unload() {
    app().End();
}

void Inputwindow::StartSteps() {
    HideStepPictures();
    Description.Visible = true;
    setStep(1);
    program_.ScaleDistance = 9999;
    Description.Caption = program_.Words.StepCaptions[0];
    ShowStep();
}

void Inputwindow::HideStepPictures() {
    for (int i = Picture1.first(); i <= Picture1.last(); ++i) {
        Picture1(i).Visible = false;
    }
}

void Inputwindow::Dir1_Change() {
    File1.setPath(Dir1.Path());
}

void Inputwindow::storePoint(std::string_view text, int element) {
    const std::optional<std::int16_t> magnitude = pointMagnitude(text);
    if (!magnitude || typedNumber(text) == 0.0) {
        app().platform().beep();
        return;
    }
    program_.PointCoords[static_cast<std::size_t>(element)] = *magnitude;
}

void Inputwindow::Xpos_Change() {
    const int current = step();
    if (filling_ || !Xpos.Enabled || current >= 31 || current < 1) {
        return;
    }
    if (isAngleStep(current)) {
        if (program_.MSPaintMode != 0) {
            AngleFromDeltas();
        }
        return;
    }
    xTyped_[static_cast<std::size_t>(current - 1)] = true;
    // The eyebrow's top and the nose tip lie straight above later points: their X prefills
    // those steps (even as 0) until the user types one there.
    if (current == 3 || current == 4) {
        const std::optional<std::int16_t> magnitude = pointMagnitude(Xpos.Text());
        if (magnitude) {
            const auto follow = [this, &magnitude](int follower) {
                if (!xTyped(follower)) {
                    program_.PointCoords[static_cast<std::size_t>(2 * follower - 2)] = *magnitude;
                }
            };
            if (current == 3) {
                follow(12);
            } else {
                follow(16);
                follow(17);
            }
        }
    }
    storePoint(Xpos.Text(), 2 * current - 2);
}

void Inputwindow::Ypos_Change() {
    const int current = step();
    if (filling_ || !Ypos.Enabled || current >= 31 || current < 1) {
        return;
    }
    if (isAngleStep(current)) {
        if (program_.MSPaintMode != 0) {
            AngleFromDeltas();
        }
        return;
    }
    storePoint(Ypos.Text(), 2 * current - 1);
}

void Inputwindow::Anglebox_Change() {
    const int current = step();
    if (filling_ || !Anglebox.Enabled || !isAngleStep(current)) {
        return;
    }
    std::optional<std::int16_t> angle;
    if (program_.PaintShopProMode) {
        angle = convertPspAngle(Anglebox.Text());
    } else if (program_.PhotoshopMode || program_.IllustratorMode) {
        angle = typedAngle(Anglebox.Text());
    } else {
        return;  // Paint angles come from the deltas
    }
    if (!angle) {
        app().platform().beep();
        return;
    }
    program_.StepAngles[static_cast<std::size_t>(current - kFirstAngleStep)] = *angle;
}

void Inputwindow::AngleFromDeltas() {
    const std::optional<double> dX = typedNumber(Xpos.Text());
    const std::optional<double> dY = typedNumber(Ypos.Text());
    const std::optional<std::int16_t> angle =
        dX && dY ? angleFromDeltas(*dX, *dY) : std::optional<std::int16_t>();
    if (!angle) {
        app().platform().beep();
        return;
    }
    fill(Anglebox, common::plain(*angle));
    program_.StepAngles[static_cast<std::size_t>(step() - kFirstAngleStep)] = *angle;
}

// Every typed change is stored as it is typed, so moving on commits nothing more: a value shown
// again is never converted a second time.
void Inputwindow::GoForward_Click() {
    int current = step();
    if (current > kLastStep) {
        switch (SaveFaceFile()) {
            case SaveOutcome::Saved:
            case SaveOutcome::WriteFailed:  // stays on the save step to choose another folder
                return;
            case SaveOutcome::ScalingFailed:
                // The measurements need mending: back to the first step, every value kept.
                setStep(2);
                GoBack_Click();
                return;
        }
    }
    ++current;
    setStep(current);
    if (current < kLastStep) {
        GoForward.Caption = ">>";
    } else if (current == kLastStep) {
        GoForward.Caption = program_.Words.DoneWord;
    } else {
        ShowSaveStep();
    }
    ShowStep();
}

void Inputwindow::GoBack_Click() {
    const int current = step() - 1;
    setStep(current);
    if (current < kLastStep) {
        GoForward.Caption = ">>";
    } else if (current == kLastStep) {
        GoForward.Caption = program_.Words.DoneWord;
    }
    if (current <= 0) {
        BackToColours();
    }
    ShowStep();
}

void Inputwindow::BackToColours() {
    program_.ColourForm.Show();
    Hide();
    setStep(1);
}

void Inputwindow::QuitButton_Click() {
    app().End();
}

void Inputwindow::ShowStep() {
    LabelX.Caption = "X";
    LabelY.Caption = "Y";
    const int current = step();
    if (current > kLastStep || current < 1) {
        return;
    }
    HideStepPictures();
    GoBack.Visible = true;
    GoForward.Visible = true;
    QuitButton.Visible = true;
    Dir1.Visible = false;
    File1.Visible = false;
    Savelabel.Visible = false;
    showMeasurementBoxes(true);
    const WizardWords& words = program_.Words;
    Caption = words.PointWord + " " + common::plain(current);
    const std::string& stepCaption = words.StepCaptions[static_cast<std::size_t>(current - 1)];
    Description.Caption = stepCaption;
    if (!isAngleStep(current)) {
        fill(Xpos, common::plain(program_.PointCoords[static_cast<std::size_t>(2 * current - 2)]));
        fill(Ypos, common::plain(program_.PointCoords[static_cast<std::size_t>(2 * current - 1)]));
    } else {
        Description.Caption = words.AnglePrefix + stepCaption;
    }
    Picture1(current - 1).Visible = true;
    const bool angleStep = isAngleStep(current);
    Anglebox.Enabled = angleStep;
    Label3.Enabled = angleStep;
    Xpos.Enabled = !angleStep;
    LabelX.Enabled = !angleStep;
    Ypos.Enabled = !angleStep;
    LabelY.Enabled = !angleStep;
    if (angleStep) {
        fill(Anglebox,
             common::plain(
                 program_.StepAngles[static_cast<std::size_t>(current - kFirstAngleStep)]));
        if (program_.MSPaintMode != 0) {
            ShowDeltaInputs();
        }
    }
    // The next value is typed at once, without reaching for the mouse.
    (angleStep && program_.MSPaintMode == 0 ? Anglebox : Xpos).SetFocus();
}

void Inputwindow::showMeasurementBoxes(bool visible) {
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &LabelX, &Xpos, &LabelY, &Ypos, &Label3, &Anglebox}) {
        control->Visible = visible;
    }
}

void Inputwindow::ShowDeltaInputs() {
    LabelX.Caption = "dX";
    LabelY.Caption = "dY";
    Xpos.Enabled = true;
    LabelX.Enabled = true;
    Ypos.Enabled = true;
    LabelY.Enabled = true;
}

void Inputwindow::ShowSaveStep() {
    const WizardWords& words = program_.Words;
    Caption = words.SaveAsWord;
    HideStepPictures();
    Dir1.Visible = true;
    File1.Visible = true;
    Savelabel.Visible = true;
    GoBack.Visible = false;
    QuitButton.Visible = false;
    // The measurement boxes take nothing on the save step, where the folder boxes stand.
    showMeasurementBoxes(false);
    GoForward.Caption = words.SaveWord;
}

Inputwindow::SaveOutcome Inputwindow::SaveFaceFile() {
    Dir1.Visible = true;
    File1.Visible = true;
    Savelabel.Visible = true;
    const Normalised scaled = normaliseCoordinates(program_.PointCoords);
    program_.ScaleDistance = scaled.distance;
    if (!scaled.ok) {
        ErrorMessage& error = program_.ErrorForm;
        error.Errorlabel.Caption =
            scaled.distance == 0
                ? program_.Words.DivisionWord
                : program_.Words.PointWord + " " + common::plain(scaled.badPoint) +
                      " lies too far out once the face is scaled. Check its X and Y, and the Y "
                      "of points 1 and 2.";
        error.Show();
        return SaveOutcome::ScalingFailed;
    }

    const InitialWindow& details = program_.InitialForm;
    const ColourWindow& colours = program_.ColourForm;
    common::WizardFace face;
    face.name = common::Trim(details.NameBox.Text());
    face.description = details.JobBox.Text();
    face.points = scaled.points;
    face.angles = program_.StepAngles;
    face.heightText = details.HeightBox.Text();
    if (!colours.HairInputBox.Text().empty()) {
        face.colours =
            common::FaceColours{colours.HairColourBox.FillColor, colours.EyeColourBox.FillColor,
                                colours.SkinColourBox.FillColor};
    }
    face.webAddress = details.URLbox.Text();
    face.scaleDistance = scaled.distance;
    std::string path = Dir1.Path();
    try {
        path = common::joinPath(Dir1.Path(), common::faceFileName(face.name));
        common::writeFaceFile(Dir1.Path(), face);
    } catch (const common::Error& error) {
        app().platform().reportError("The face data file " + path +
                                     " could not be saved: " + error.reason() +
                                     ". Every value is kept: choose another folder.");
        File1.Refresh();
        return SaveOutcome::WriteFailed;
    }
    app().End();
    return SaveOutcome::Saved;
}

}  // namespace transcribe
