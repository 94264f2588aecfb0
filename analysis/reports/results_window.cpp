#include "analysis/reports/results_window.h"

#include "analysis/mainwindow/pixel_layout.h"

namespace analysis {

Results::Results(forms::Application& app) : forms::Window(app, "Results") {
    Caption = "Results";
    Frame1.Caption = "Results style";
    Style1.Caption = "3 best matches in detail";
    Style2.Caption = "All matches, sorted by result";
    Style3.Caption = "Feature match only";
    Style4.Caption = "Height";
    Style5.Caption = "Colouration";
    Style6.Caption = "Profile";
    WebLinkCheck.Caption = "With Web Links?";
    ViewButton.Caption = "View";
    Command1.Caption = "Cancel";
    ResPrefs.Caption = "Preferences";
    HiddenResults.Visible = false;
    HiddenResults.MultiLine = true;
    const char* previews[6] = {"design:report1", "design:report2", "design:report3",
                               "design:report4", "design:report5", "design:report6"};
    forms::Image* images[6] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6};
    for (int i = 0; i < 6; ++i) {
        images[i]->setDesignPicture(previews[i]);
        images[i]->Visible = i == 0;
    }
    Command1.onClick = [this] { Command1_Click(); };
    Command1.Cancel = true;
    layOut();
}

void Results::Command1_Click() {
    Hide();
}

void Results::layOut() {
    Width = pixels(560);
    Height = pixels(330);
    place(Label1, 16, 12, 528, 36);
    place(Frame1, 16, 56, 280, 212);
    forms::OptionButton* styles[6] = {&Style1, &Style2, &Style3, &Style4, &Style5, &Style6};
    for (int i = 0; i < 6; ++i) {
        styles[i]->Container = &Frame1;
        place(*styles[i], 12, 24 + 30 * i, 256, 24);
    }
    for (forms::Image* image : {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6}) {
        place(*image, 312, 56, 232, 176);
    }
    place(WebLinkCheck, 312, 244, 232, 24);
    place(ResPrefs, 16, 284, 160, 30);
    place(ViewButton, 296, 284, 120, 30);
    place(Command1, 424, 284, 120, 30);
}

}  // namespace analysis
