#include "analysis/mainwindow/no_median_window.h"

#include "analysis/mainwindow/pixel_layout.h"
#include "common/forms/application.h"

namespace analysis {

NoMedian::NoMedian(forms::Application& app) : Window(app, "NoMedian") {
    Caption = "ERROR";
    Modal = true;
    Width = pixels(500);
    Height = pixels(280);
    place(missingFileMessage, 16, 16, 468, 112);
    missingFileMessage.FontSize = 10;
    place(Problem, 16, 136, 468, 72);
    place(quitButton, 16, 224, 468, 40);
    quitButton.Caption = "Quit";
    quitButton.onClick = [this] { quitButton_Click(); };
}

// Nothing is saved: the program cannot go on without its statistics.
void NoMedian::quitButton_Click() {
    app().End();
}

void NoMedian::Form_Unload() {
    app().End();
}

}  // namespace analysis
