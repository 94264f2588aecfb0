#include "transcribe/colour_window.h"

#include "common/forms/application.h"
#include "transcribe/colour_parsing.h"
#include "transcribe/layout.h"
#include "transcribe/program.h"

namespace transcribe {

namespace {

void placeRow(forms::Label& label, forms::TextBox& box, forms::Shape& swatch, int top) {
    place(label, 16, top + 4, 80, 22);
    place(box, 100, top + 2, 180, 24);
    place(swatch, 296, top, 108, 30);
    // A swatch never touched reads 0 and shows an empty well.
    swatch.Well = true;
    swatch.FillColor = 0;
    swatch.FillStyle = forms::kFillTransparent;
}

}  // namespace

ColourWindow::ColourWindow(TranscribeProgram& program)
    : Window(program.app(), "ColourWindow"), program_(program) {
    Caption = "Colours";
    Width = pixels(420);
    Height = pixels(256);
    place(ColourInstructions, 16, 12, 388, 60);
    ColourInstructions.Caption =
        "Enter the hexadecimal RGB colour values here. Use the eyedropper tool on 3x3 setting "
        "for best results. (MS Paint, enter comma-separated r,g,b)";
    placeRow(HairLabel, HairInputBox, HairColourBox, 80);
    placeRow(EyeLabel, EyeInputBox, EyeColourBox, 120);
    placeRow(SkinLabel, SkinInputBox, SkinColourBox, 160);
    HairLabel.Caption = "Hair";
    EyeLabel.Caption = "Eyes";
    SkinLabel.Caption = "Skin";
    HairInputBox.onChange = [this] { HairInputBox_Change(); };
    EyeInputBox.onChange = [this] { EyeInputBox_Change(); };
    SkinInputBox.onChange = [this] { SkinInputBox_Change(); };
    program.refuseForeignText(HairInputBox, "Hair");
    program.refuseForeignText(EyeInputBox, "Eyes");
    program.refuseForeignText(SkinInputBox, "Skin");
    for (forms::TextBox* box : {&HairInputBox, &EyeInputBox, &SkinInputBox}) {
        program.countEdits(*box);
    }
    place(ForwardButton, 324, 208, 80, 32);
    ForwardButton.Caption = ">>";
    ForwardButton.onClick = [this] { ForwardButton_Click(); };
}

void ColourWindow::showColour(const forms::TextBox& box, forms::Shape& swatch) {
    swatch.FillColor = parseColour(box.Text(), program_.MSPaintMode != 0);
    swatch.FillStyle = forms::kFillSolid;
}

void ColourWindow::ForwardButton_Click() {
    program_.goneOn();
    program_.InputForm.Show();
    Hide();
}

bool ColourWindow::Form_QueryUnload() {
    return program_.quitConfirmed();
}

void ColourWindow::Form_Unload() {
    app().End();
}

}  // namespace transcribe
