#include "vismaker/window/statistics_window.h"

#include "common/forms/application.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace vismaker {

StatisticsWindow::StatisticsWindow(forms::Application& app) : Window(app, "Form1") {
    File1.setPattern("*.txt");
    LogBox.MultiLine = true;
    LogBox.FixedPitch = true;
    // The log reports what the folder holds; it is saved as the run wrote it.
    LogBox.Locked = true;
    LogBox.Visible = false;
    SaveLog.Visible = false;
    for (forms::TextBox* scratch :
         {&SingersBox, &ActressesBox, &ModelBox, &FileLoadsHere, &FileGoesHere}) {
        scratch->Visible = false;
    }
    FileGoesHere.setText("Text1");
    layOut();
    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onChange = [this] { Dir1_Change(); };
    selectAllButton.onClick = [this] { selectAllButton_Click(); };
    SaveLog.onClick = [this] { SaveLog_Click(); };
}

// The words are read before anything shows; the folder boxes open on the sample data below the
// start folder, or stay in the start folder without it.
void StatisticsWindow::Form_Load() {
    Caption = "Tovrel - Vismaker Module v1.85";
    Texts = loadTexts(app().startFolder());
    caption();
    FaceLimits = Limits{};
    try {
        Dir1.setPath(common::joinPath(app().startFolder(), "Sample data"));
    } catch (const common::Error&) {
    }
    Dir1_Change();
}

void StatisticsWindow::caption() {
    browseHeading.Caption = Texts.BrowseHeadingCaption;
    selectAllButton.Caption = Texts.SelectAllCaption;
    SaveLog.Caption = Texts.SaveLogCaption;
    ShowPicsTick.Caption = Texts.ShowPicsCaption;
}

void StatisticsWindow::Form_Unload() {
    app().End();
}

// A drive that cannot be read leaves the folder where it was.
void StatisticsWindow::Drive1_Change() {
    try {
        Dir1.setPath(Drive1.Drive());
    } catch (const common::Error&) {
    }
}

void StatisticsWindow::Dir1_Change() {
    File1.setPath(Dir1.Path());
}

}  // namespace vismaker
