#include "analysis/mainwindow/no_median_window.h"

#include "analysis/mainwindow/pixel_layout.h"
#include "common/forms/application.h"

namespace analysis {

NoMedian::NoMedian(forms::Application& app) : Window(app, "NoMedian") {
    Caption = "ERROR";
    Modal = true;
    Width = pixels(500);
    Height = pixels(280);
    place(Label1, 16, 16, 468, 112);
    Label1.FontSize = 10;
    place(Problem, 16, 136, 468, 72);
    place(Command1, 16, 224, 468, 40);
    Command1.Caption = "Quit";
    Command1.onClick = [this] { Command1_Click(); };
}

// Nothing is saved: the program cannot go on without its statistics.
void NoMedian::Command1_Click() {
    app().End();
}

void NoMedian::Form_Unload() {
    app().End();
}

}  // namespace analysis
