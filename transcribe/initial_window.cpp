#include "transcribe/initial_window.h"

#include <utility>

#include "common/forms/application.h"
#include "common/text/cp1252.h"
#include "common/text/strings.h"
#include "transcribe/entry_rules.h"
#include "transcribe/layout.h"
#include "transcribe/name_rules.h"
#include "transcribe/program.h"
#include "transcribe/transcribe_strings.h"

namespace transcribe {

namespace {

// The boxes as messages name them.
constexpr std::string_view kJobBoxName = "Profession and nationality";
constexpr std::string_view kHeightBoxName = "Height";
constexpr std::string_view kUrlBoxName = "Website URL";

}  // namespace

InitialWindow::InitialWindow(TranscribeProgram& program)
    : Window(program.app(), "InitialWindow"), program_(program) {
    Width = pixels(560);
    Height = pixels(408);
    place(FirstLabel, 16, 12, 528, 72);
    place(NameLabel, 16, 94, 200, 22);
    place(NameBox, 224, 92, 320, 24);
    place(Joblabel, 16, 124, 200, 22);
    place(JobBox, 224, 122, 320, 24);
    place(HeightLabel, 16, 154, 200, 22);
    place(HeightBox, 224, 152, 80, 24);
    place(Imperial, 312, 154, 232, 22);
    place(URLlabel, 16, 184, 200, 22);
    place(URLbox, 224, 182, 320, 24);
    place(NoteLabel, 16, 218, 528, 48);
    place(LoadPhotoshop, 16, 272, 528, 36);
    place(photoshopButton, 16, 314, 260, 34);
    place(FireworksButton, 284, 314, 260, 34);
    place(PSPButton, 16, 356, 260, 34);
    place(IllustratorButton, 284, 356, 260, 34);
    NameBox.setText("NewSampleFace");
    JobBox.setText("Model");
    photoshopButton.Caption = "Photoshop, ImageReady >>";
    FireworksButton.Caption = "Microsoft Paint, Fireworks >>";
    PSPButton.Caption = "Paint Shop Pro >>";
    IllustratorButton.Caption = "Illustrator >>";
    HeightBox.onChange = [this] { HeightBox_Change(); };
    photoshopButton.onClick = [this] { photoshopButton_Click(); };
    FireworksButton.onClick = [this] { FireworksButton_Click(); };
    PSPButton.onClick = [this] { PSPButton_Click(); };
    IllustratorButton.onClick = [this] { IllustratorButton_Click(); };
    program.refuseForeignText(NameBox, "Name");
    program.refuseForeignText(JobBox, kJobBoxName);
    program.refuseForeignText(HeightBox, kHeightBoxName);
    program.refuseForeignText(URLbox, kUrlBoxName);
    for (forms::TextBox* box : {&NameBox, &JobBox, &HeightBox, &URLbox}) {
        program.countEdits(*box);
    }
}

void InitialWindow::Form_Load() {
    TranscribeProgram& program = program_;
    program.PhotoshopMode = false;
    program.IllustratorMode = false;
    program.PaintShopProMode = false;
    program.MSPaintMode = 0;
    program.Words = WizardWords{};
    program.Words.StepCaptions = englishStepCaptions();

    Caption = "Tovrel - Data Transcription Module v1.26";
    FirstLabel.Caption =
        "To create new face data for Tovrel, you need to fill in all the fields requested by "
        "this wizard. Afterwards, you will be prompted to save the new text file as 'this "
        "name.txt'. Remember to only use the left half of the face. There are 30 fields to "
        "complete.";
    NameLabel.Caption = "Name (must be unique) :";
    Joblabel.Caption = "Profession and nationality :";
    HeightLabel.Caption = "Height in cm :";
    URLlabel.Caption = "Website URL   http://";
    NoteLabel.Caption =
        "NOTE: If you make a mistake, you can go back at any point. Numbers must be less than "
        "9999. All numbers should be rounded to the nearest integer.";
    LoadPhotoshop.Caption =
        "Fill in the fields above and launch your paint package. When it has loaded press >>";
    program.InputForm.QuitButton.Caption = "Quit without saving";
    program.InputForm.Savelabel.Caption =
        "Choose the folder to save this data alongside your other Tovrel sample data.";
    HeightBox.setText("0");
    program.ScaleDistance = 9999;

    LoadTranscribeLanguage(program);
    // The name is typed at once and replaces the one offered, as in every step.
    NameBox.SetFocus();
    NameBox.SelectAll();

    program.InputForm.Caption = program.Words.PointWord + " 1";
    program.InputForm.Description.Caption = program.Words.StepCaptions[0];
}

bool InitialWindow::Form_QueryUnload() {
    return program_.quitConfirmed();
}

void InitialWindow::Form_Unload() {
    app().End();
}

void InitialWindow::HeightBox_Change() {
    if (const auto echo =
            imperialEcho(HeightBox.Text(), program_.Words.FtWord, program_.Words.InchesWord)) {
        Imperial.Caption = *echo;
    }
}

void InitialWindow::offerName(std::string_view words) {
    if (const auto name = common::utf8AsCp1252(words)) {
        unheldName_.clear();
        NameBox.setText(*name);
    } else {
        unheldName_ = words;
        NameBox.setText(unheldName_);
    }
}

bool InitialWindow::detailsAccepted() {
    program_.goneOn();
    std::optional<std::string> refusal;
    if (!unheldName_.empty() && NameBox.Text() == unheldName_) {
        refusal = std::string(kUnheldNameWords);
    } else {
        refusal = nameRefusal(NameBox.Text());
    }
    const std::pair<const forms::TextBox*, std::string_view> lines[] = {
        {&JobBox, kJobBoxName}, {&HeightBox, kHeightBoxName}, {&URLbox, kUrlBoxName}};
    for (const auto& [box, boxName] : lines) {
        if (!refusal) {
            refusal = lineBreakRefusal(box->Text(), boxName);
        }
    }
    if (!refusal) {
        refusal = heightRefusal(HeightBox.Text());
    }
    if (refusal) {
        app().platform().reportError(*refusal);
        return false;
    }
    return true;
}

void InitialWindow::goOn() {
    program_.ColourForm.Show();
    Hide();
}

void InitialWindow::photoshopButton_Click() {
    if (detailsAccepted()) {
        program_.PhotoshopMode = true;
        goOn();
    }
}

void InitialWindow::FireworksButton_Click() {
    if (detailsAccepted()) {
        program_.MSPaintMode = -1;
        // Room for three numbers of up to three digits and two commas.
        ColourWindow& colours = program_.ColourForm;
        colours.HairInputBox.MaxLength = 11;
        colours.EyeInputBox.MaxLength = 11;
        colours.SkinInputBox.MaxLength = 11;
        goOn();
    }
}

void InitialWindow::PSPButton_Click() {
    if (detailsAccepted()) {
        program_.PaintShopProMode = true;
        goOn();
    }
}

void InitialWindow::IllustratorButton_Click() {
    if (detailsAccepted()) {
        program_.IllustratorMode = true;
        goOn();
    }
}

}  // namespace transcribe
