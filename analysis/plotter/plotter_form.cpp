#include "analysis/plotter/plotter_form.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/plotter/plot_colours.h"
#include "analysis/program.h"
#include "common/text/convert.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

constexpr int kQuickKeysPerRow = 5;
constexpr int kCanvasPixels = 620;
constexpr int kPanelPixels = 280;
constexpr int kCanvasLabelHeight = 255;
constexpr int kLinesPerFace = 11;

// The design colours of the three faces; the load and every activation put the plot colours
// over them.
constexpr std::int32_t kColourA = kDesignColourA;
constexpr std::int32_t kColourB = kDesignColourB;
constexpr std::int32_t kColourC = kDesignColourC;

void makeButton(forms::Label& label, std::string caption) {
    label.Caption = std::move(caption);
    label.ButtonLike = true;
    label.TextAlign = forms::Alignment::Center;
}

// The views place, size and show what they draw; until then an item waits unseen at (0, 0).
void designShape(forms::Shape& shape, forms::ShapeKind kind, std::int32_t colour) {
    shape.Kind = kind;
    shape.BorderColor = colour;
    shape.FillColor = colour;
    shape.FillStyle = forms::kFillTransparent;
    shape.BorderWidth = 2;
}

void placeTwips(forms::Label& label, int left, int top, int width) {
    label.Left = left;
    label.Top = top;
    label.Width = width;
    label.Height = kCanvasLabelHeight;
}

void designLines(const forms::ControlArray<forms::Line>& lines, std::int32_t colour) {
    for (int i = 0; i < kLinesPerFace; ++i) {
        lines(i).BorderColor = colour;
        lines(i).BorderWidth = 2;
    }
}

}  // namespace

PlotterForm::PlotterForm(AnalysisProgram& program)
    : Window(program.app(), "PlotterForm"), program_(program) {
    setDesign();
    designCanvas();
    layOut();
    connectEvents();
    OKbutton.Cancel = true;
}

void PlotterForm::connectEvents() {
    CheckBoxA.onClick = [this] { CheckBoxA_Click(); };
    CheckBoxB.onClick = [this] { CheckBoxB_Click(); };
    CheckBoxC.onClick = [this] { CheckBoxC_Click(); };
    shadedBoxes.onClick = [this] { shadedBoxes_Click(); };
    unshadedBoxes.onClick = [this] { unshadedBoxes_Click(); };
    ColourButton.onClick = [this] { ColourButton_Click(); };
    OKbutton.onClick = [this] { OKbutton_Click(); };
    eyesViewButton.onClick = [this] { pressView(&PlotterForm::eyesViewButton_Click); };
    noseViewButton.onClick = [this] { pressView(&PlotterForm::noseViewButton_Click); };
    mouthViewButton.onClick = [this] { pressView(&PlotterForm::mouthViewButton_Click); };
    layoutViewButton.onClick = [this] { pressView(&PlotterForm::layoutViewButton_Click); };
    faceShapeViewButton.onClick = [this] { pressView(&PlotterForm::faceShapeViewButton_Click); };
    ProfileButton.onClick = [this] { pressView(&PlotterForm::ProfileButton_Click); };
    RedLeftArrow.onClick = [this] { RedLeftArrow_Click(); };
    RedRightArrow.onClick = [this] { RedRightArrow_Click(); };
    BlueLeftArrow.onClick = [this] { BlueLeftArrow_Click(); };
    BlueRightArrow.onClick = [this] { BlueRightArrow_Click(); };
    GreenLeftArrow.onClick = [this] { GreenLeftArrow_Click(); };
    GreenRightArrow.onClick = [this] { GreenRightArrow_Click(); };
    // A quick second click on an arrow comes as a double click: it moves the profile again.
    for (forms::Image* arrow : {&RedLeftArrow, &RedRightArrow, &BlueLeftArrow, &BlueRightArrow,
                                &GreenLeftArrow, &GreenRightArrow}) {
        arrow->onDblClick = arrow->onClick;
    }
    for (int key = QuickKey.first(); key <= QuickKey.last(); ++key) {
        QuickKey(key).onClick = [this, key] { QuickKey_Click(key); };
    }
}

void PlotterForm::setDesign() {
    Caption = "Plotter";
    // The main window takes this icon as its own when the program starts.
    Icon = "design:plotter";
    BackColor = forms::kWhite;

    for (forms::PictureBox* panel : {&facesPanel, &ButtonPanel}) {
        panel->setDesignPicture("design:panel");
    }
    CheckBoxA.setValue(1);
    CheckBoxB.setValue(1);
    CheckBoxC.Caption = "Database Average";
    CheckBoxA.ForeColor = kColourA;
    CheckBoxB.ForeColor = kColourB;
    CheckBoxC.ForeColor = kColourC;
    const std::pair<forms::Image*, std::int32_t> leftArrows[] = {
        {&RedLeftArrow, kColourA}, {&BlueLeftArrow, kColourB}, {&GreenLeftArrow, kColourC}};
    const std::pair<forms::Image*, std::int32_t> rightArrows[] = {
        {&RedRightArrow, kColourA}, {&BlueRightArrow, kColourB}, {&GreenRightArrow, kColourC}};
    for (const auto& [arrow, colour] : leftArrows) {
        arrow->setDesignPicture("design:left");
        arrow->ForeColor = colour;
    }
    for (const auto& [arrow, colour] : rightArrows) {
        arrow->setDesignPicture("design:right");
        arrow->ForeColor = colour;
    }
    makeButton(ColourButton, "Colours");
    shadedBoxes.Caption = "Shaded Boxes";
    unshadedBoxes.Caption = "Unshaded Boxes";
    unshadedBoxes.setValue(true);
    BlankPanel.setDesignPicture("design:panel");
    BlankPanel.Visible = false;

    Statsbox.MultiLine = true;
    Statsbox.VerticalScrollBar = true;
    Statsbox.Locked = true;
    makeButton(eyesViewButton, "Eyes");
    makeButton(noseViewButton, "Nose");
    makeButton(mouthViewButton, "Mouth");
    makeButton(layoutViewButton, "Layout");
    makeButton(faceShapeViewButton, "Shape");
    makeButton(ProfileButton, "Profile");
    // The keys load the faces of the preferences' quick keys F1 to F10.
    for (int key = QuickKey.first(); key <= QuickKey.last(); ++key) {
        makeButton(QuickKey(key), "F" + common::plain(key + 1));
    }
    makeButton(OKbutton, "Back");
}

void PlotterForm::designCanvas() {
    TopLabel.Caption = "--- Top of eyebrows";
    BottomLabel.Caption = "--- Bottom of chin";
    EyeLevelLabel.Caption = "Eye level";
    NoseLabel.Caption = "Line of Symmetry";
    for (forms::Label* label : {&TopLabel, &BottomLabel, &EyeLevelLabel, &NoseLabel}) {
        label->WordWrap = false;
    }
    EyeLevel.BorderColor = common::RGB(128, 128, 128);
    EyeLevel.Style = forms::BorderStyle::Dot;

    designLines(RedLine, kColourA);
    designLines(BlueLine, kColourB);
    designLines(GreenLine, kColourC);

    using forms::ShapeKind;
    designShape(Perimeter1, ShapeKind::Oval, kColourA);
    designShape(Perimeter2, ShapeKind::Oval, kColourB);
    designShape(Perimeter3, ShapeKind::Oval, kColourC);
    const std::pair<forms::Shape*, std::int32_t> eyes[] = {
        {&EyeArea1, kColourA},  {&EyeArea2, kColourA},  {&EyeArea1b, kColourB},
        {&EyeArea2b, kColourB}, {&EyeArea1g, kColourC}, {&EyeArea2g, kColourC}};
    for (const auto& [eye, colour] : eyes) {
        designShape(*eye, ShapeKind::Oval, colour);
    }
    const std::pair<forms::Shape*, std::int32_t> boxes[] = {
        {&NoseArea1, kColourA},   {&MouthArea1, kColourA}, {&NoseArea1b, kColourB},
        {&MouthArea1b, kColourB}, {&NoseArea1g, kColourC}, {&MouthArea1g, kColourC}};
    for (const auto& [box, colour] : boxes) {
        designShape(*box, ShapeKind::Rectangle, colour);
    }
}

// The canvas is the window's left part, 620 by 367 pixels (9,300 by 5,505 twips), as tall as
// the painted background; the two panels stand side by side on its right, so nothing a view
// draws on the canvas lies under them.
void PlotterForm::layOut() {
    Width = pixels(kCanvasPixels + 2 * kPanelPixels);
    Height = pixels(367);

    place(facesPanel, kCanvasPixels, 0, kPanelPixels, 367);
    const std::pair<forms::CheckBox*, std::pair<forms::Image*, forms::Image*>> faces[] = {
        {&CheckBoxA, {&RedLeftArrow, &RedRightArrow}},
        {&CheckBoxB, {&BlueLeftArrow, &BlueRightArrow}},
        {&CheckBoxC, {&GreenLeftArrow, &GreenRightArrow}},
    };
    int top = 12;
    for (const auto& [check, arrows] : faces) {
        for (forms::Control* control :
             {static_cast<forms::Control*>(check), static_cast<forms::Control*>(arrows.first),
              static_cast<forms::Control*>(arrows.second)}) {
            control->Container = &facesPanel;
        }
        place(*check, 12, top, 182, 26);
        place(*arrows.first, 200, top, 30, 26);
        place(*arrows.second, 236, top, 30, 26);
        top += 32;
    }
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &ColourButton, &shadedBoxes, &unshadedBoxes, &BlankPanel}) {
        control->Container = &facesPanel;
    }
    place(ColourButton, 12, 114, 254, 30);
    place(shadedBoxes, 12, 156, 254, 24);
    place(unshadedBoxes, 12, 184, 254, 24);
    place(BlankPanel, 8, 152, 262, 60);

    place(ButtonPanel, kCanvasPixels + kPanelPixels, 0, kPanelPixels, 367);
    Statsbox.Container = &ButtonPanel;
    place(Statsbox, 12, 12, 256, 160);
    forms::Label* views[] = {&eyesViewButton,   &noseViewButton,      &mouthViewButton,
                             &layoutViewButton, &faceShapeViewButton, &ProfileButton};
    for (int i = 0; i < 6; ++i) {
        views[i]->Container = &ButtonPanel;
        place(*views[i], 12 + 87 * (i % 3), 182 + 34 * (i / 3), 82, 30);
    }
    for (int key = QuickKey.first(); key <= QuickKey.last(); ++key) {
        QuickKey(key).Container = &ButtonPanel;
        place(QuickKey(key), 12 + 52 * (key % kQuickKeysPerRow),
              256 + 32 * (key / kQuickKeysPerRow), 48, 28);
    }
    OKbutton.Container = &ButtonPanel;
    place(OKbutton, 164, 326, 104, 30);

    // The reference labels' places; the face-shape view points their dashes at its lines.
    placeTwips(TopLabel, 6720, 480, 2400);
    placeTwips(BottomLabel, 6720, 4920, 2400);
    placeTwips(EyeLevelLabel, 6960, 1320, 1800);
    placeTwips(NoseLabel, 4080, 240, 2400);
}

}  // namespace analysis
