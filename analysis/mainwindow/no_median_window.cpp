#include "analysis/mainwindow/no_median_window.h"

#include "analysis/mainwindow/pixel_layout.h"
#include "common/forms/application.h"

namespace analysis {

NoMedian::NoMedian(forms::Application& app) : Window(app, "NoMedian") {
    Caption = "ERROR";
    Width = pixels(500);
    Height = pixels(200);
    place(Label1, 16, 16, 468, 112);
    Label1.FontSize = 10;
    place(Command1, 16, 144, 468, 40);
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
