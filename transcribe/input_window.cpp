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
#include "transcribe/name_rules.h"
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
    Width = pixels(700);
    Height = pixels(520);
    place(Description, 16, 12, 668, 48);
    Description.FontBold = true;
    for (int i = guidePicture.first(); i <= guidePicture.last(); ++i) {
        forms::PictureBox& picture = guidePicture(i);
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
    place(angleLabel, 340, 166, 40, 22);
    place(Anglebox, 384, 164, 110, 24);
    place(KeptX, 502, 82, 182, 22);
    place(KeptY, 502, 116, 182, 22);
    place(KeptAngle, 502, 166, 182, 22);
    for (forms::Label* kept : {&KeptX, &KeptY, &KeptAngle}) {
        kept->ForeColor = common::RGB(192, 0, 0);
    }
    LabelX.Caption = "X";
    LabelY.Caption = "Y";
    angleLabel.Caption = "Angle";
    Xpos.onChange = [this] { Xpos_Change(); };
    Ypos.onChange = [this] { Ypos_Change(); };
    Anglebox.onChange = [this] { Anglebox_Change(); };
    // A value typed over the one shown is still the user's: a Paint Shop Pro "0" is 90.
    Xpos.ChangeOnEveryEdit = true;
    Ypos.ChangeOnEveryEdit = true;
    Anglebox.ChangeOnEveryEdit = true;
    // Return goes from X to Y, and from a step's last box on to the next step.
    Xpos.onReturn = [this] {
        if (Ypos.Enabled && Ypos.Visible) {
            Ypos.SetFocus();
            Ypos.SelectAll();
        }
    };
    Ypos.onReturn = [this] { GoForward.click(); };
    Anglebox.onReturn = [this] { GoForward.click(); };
    program.refuseForeignText(Xpos, "X");
    program.refuseForeignText(Ypos, "Y");
    program.refuseForeignText(Anglebox, "Angle");
    for (forms::TextBox* box : {&Xpos, &Ypos, &Anglebox}) {
        program.countEdits(*box);
    }

    place(Savelabel, 16, 68, 668, 40);
    place(Dir1, 16, 112, 330, 336);
    place(File1, 354, 112, 330, 336);
    Savelabel.Visible = false;
    Dir1.Visible = false;
    File1.Visible = false;
    File1.setPattern("*.txt");
    Dir1.onChange = [this] { Dir1_Change(); };

    place(QuitButton, 16, 470, 200, 34);
    place(GoBack, 504, 470, 84, 34);
    place(GoForward, 600, 470, 84, 34);
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

bool Inputwindow::Form_QueryUnload() {
    return program_.quitConfirmed();
}

void Inputwindow::Form_Unload() {
    app().End();
}

void Inputwindow::StartSteps() {
    HideStepPictures();
    setStep(1);
    program_.ScaleDistance = 9999;
    Description.Caption = program_.Words.StepCaptions[0];
    ShowStep();
}

void Inputwindow::HideStepPictures() {
    for (int i = guidePicture.first(); i <= guidePicture.last(); ++i) {
        guidePicture(i).Visible = false;
    }
}

void Inputwindow::Dir1_Change() {
    File1.setPath(Dir1.Path());
}

void Inputwindow::storePoint(std::string_view text, int element, forms::Label& kept) {
    std::int16_t& stored = program_.PointCoords[static_cast<std::size_t>(element)];
    const std::optional<std::int16_t> magnitude = pointMagnitude(text);
    if (!magnitude || typedNumber(text) == 0.0) {
        app().platform().beep();
        kept.Caption = keptValueWords(text, stored);
        return;
    }
    kept.Caption.clear();
    stored = *magnitude;
}

void Inputwindow::clearKeptWords() {
    for (forms::Label* kept : {&KeptX, &KeptY, &KeptAngle}) {
        kept->Caption.clear();
    }
}

// A change to X or Y that stores no point: one the program made while filling the box, one
// outside the steps, or one at an angle step, where Paint's deltas give the angle.
bool Inputwindow::takenAsNoPoint(const forms::TextBox& box, forms::Label& kept) {
    const int current = step();
    if (filling_ || !box.Enabled || current >= 31 || current < 1) {
        return true;
    }
    if (isAngleStep(current)) {
        if (program_.MSPaintMode != 0) {
            AngleFromDeltas(box, kept);
        }
        return true;
    }
    return false;
}

void Inputwindow::Xpos_Change() {
    if (takenAsNoPoint(Xpos, KeptX)) {
        return;
    }
    const int current = step();
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
    storePoint(Xpos.Text(), 2 * current - 2, KeptX);
}

void Inputwindow::Ypos_Change() {
    if (takenAsNoPoint(Ypos, KeptY)) {
        return;
    }
    storePoint(Ypos.Text(), 2 * step() - 1, KeptY);
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
    std::int16_t& stored = program_.StepAngles[static_cast<std::size_t>(current - kFirstAngleStep)];
    if (!angle) {
        app().platform().beep();
        KeptAngle.Caption = keptValueWords(Anglebox.Text(), stored);
        return;
    }
    KeptAngle.Caption.clear();
    stored = *angle;
}

void Inputwindow::AngleFromDeltas(const forms::TextBox& typed, forms::Label& kept) {
    const std::optional<double> dX = typedNumber(Xpos.Text());
    const std::optional<double> dY = typedNumber(Ypos.Text());
    const std::optional<std::int16_t> angle =
        dX && dY ? angleFromDeltas(*dX, *dY) : std::optional<std::int16_t>();
    std::int16_t& stored = program_.StepAngles[static_cast<std::size_t>(step() - kFirstAngleStep)];
    if (!angle) {
        app().platform().beep();
        kept.Caption = "angle " + keptValueWords(typed.Text(), stored);
        return;
    }
    KeptX.Caption.clear();
    KeptY.Caption.clear();
    fill(Anglebox, common::plain(*angle));
    stored = *angle;
}

// Every typed change is stored as it is typed, so moving on commits nothing more: a value shown
// again is never converted a second time.
void Inputwindow::GoForward_Click() {
    program_.goneOn();
    int current = step();
    if (current > kLastStep) {
        switch (SaveFaceFile()) {
            case SaveOutcome::Saved:
            case SaveOutcome::WriteFailed:  // stays on the save step, every value kept
            case SaveOutcome::Cancelled:
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
    if (program_.quitConfirmed()) {
        app().End();
    }
}

void Inputwindow::ShowStep() {
    place(KeptX, 502, 82, 182, 22);
    place(KeptY, 502, 116, 182, 22);
    place(KeptAngle, 502, 166, 182, 22);
    for (forms::Label* kept : {&KeptX, &KeptY, &KeptAngle}) {
        kept->ForeColor = common::RGB(192, 0, 0);
    }
    LabelX.Caption = "X";
    LabelY.Caption = "Y";
    const int current = step();
    if (current > kLastStep || current < 1) {
        return;
    }
    HideStepPictures();
    clearKeptWords();
    Description.Visible = true;
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
    guidePicture(current - 1).Visible = true;
    const bool angleStep = isAngleStep(current);
    Anglebox.Enabled = angleStep;
    angleLabel.Enabled = angleStep;
    Xpos.Enabled = !angleStep;
    LabelX.Enabled = !angleStep;
    Ypos.Enabled = !angleStep;
    LabelY.Enabled = !angleStep;
    // A Paint angle is reckoned from the deltas: its box shows it and takes no typing.
    const bool reckoned = angleStep && program_.MSPaintMode != 0;
    Anglebox.Locked = reckoned;
    Anglebox.TabStop = !reckoned;
    if (angleStep) {
        fill(Anglebox,
             common::plain(
                 program_.StepAngles[static_cast<std::size_t>(current - kFirstAngleStep)]));
        if (reckoned) {
            ShowDeltaInputs();
        }
    }
    // The next value is typed at once, without reaching for the mouse, and replaces the one
    // shown.
    forms::TextBox& first = angleStep && !reckoned ? Anglebox : Xpos;
    first.SetFocus();
    first.SelectAll();
}

void Inputwindow::showMeasurementBoxes(bool visible) {
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &LabelX, &Xpos, &LabelY, &Ypos, &angleLabel, &Anglebox}) {
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
    // The last angle's measuring text says nothing about where to save.
    Description.Visible = false;
    HideStepPictures();
    Dir1.Visible = true;
    File1.Visible = true;
    Savelabel.Visible = true;
    GoBack.Visible = false;
    QuitButton.Visible = false;
    // The measurement boxes take nothing on the save step, where the folder boxes stand.
    showMeasurementBoxes(false);
    clearKeptWords();
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
    const std::optional<std::string> name = freeFaceName(face.name);
    if (!name) {
        return SaveOutcome::Cancelled;
    }
    face.name = *name;
    // The name box shows the name saved under, also when the save fails and the user stays.
    program_.InitialForm.NameBox.setText(*name);
    std::string path = Dir1.Path();
    try {
        path = common::joinPath(Dir1.Path(), common::faceFileName(face.name));
        common::writeFaceFile(Dir1.Path(), face);
    } catch (const common::Error& error) {
        const std::string failed =
            "The face data file " + common::heldToUtf8(path) + " could not be saved: ";
        // A value the file cannot hold is refused before anything is written, and no other
        // folder would mend it.
        if (error.code() == common::ErrorCode::InvalidPropertyValue) {
            app().platform().reportError(failed + error.detail() +
                                         ". Nothing was written; every value is kept.");
        } else {
            app().platform().reportError(failed + error.reason() +
                                         ". Every value is kept: choose another folder.");
            File1.Refresh();
        }
        return SaveOutcome::WriteFailed;
    }
    app().End();
    return SaveOutcome::Saved;
}

std::optional<std::string> Inputwindow::freeFaceName(std::string name) {
    static const std::array<std::string, 3> kAnswers{"Replace", "Another name", "Cancel"};
    std::error_code ignored;
    while (std::filesystem::exists(
        common::toPath(common::joinPath(Dir1.Path(), common::faceFileName(name))), ignored)) {
        switch (
            app().platform().askChoice(common::faceFileName(name) + " exists already.", kAnswers)) {
            case 0:
                return name;
            case 1: {
                std::optional<std::string> other = askOtherName(name);
                if (!other) {
                    return std::nullopt;
                }
                name = std::move(*other);
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return name;
}

std::optional<std::string> Inputwindow::askOtherName(const std::string& current) {
    for (;;) {
        const std::optional<std::string> typed =
            app().platform().askText("Another name for this face:", current);
        if (!typed) {
            return std::nullopt;
        }
        const std::optional<std::string> name = common::utf8AsCp1252(*typed);
        const std::optional<std::string> refusal =
            name ? nameRefusal(*name) : std::string(kUnheldNameWords);
        if (!refusal) {
            return common::Trim(*name);
        }
        app().platform().reportError(*refusal);
    }
}

}  // namespace transcribe
