#include "vismaker/window/form1.h"

#include "common/forms/application.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace vismaker {

Form1::Form1(forms::Application& app) : Window(app, "Form1") {
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
    Command1.onClick = [this] { Command1_Click(); };
    SaveLog.onClick = [this] { SaveLog_Click(); };
}

// The words are read before anything shows; the folder boxes open on the sample data below the
// start folder, or stay in the start folder without it.
void Form1::Form_Load() {
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

void Form1::caption() {
    Label1.Caption = Texts.Label1Caption;
    Command1.Caption = Texts.Command1Caption;
    SaveLog.Caption = Texts.SaveLogCaption;
    ShowPicsTick.Caption = Texts.ShowPicsCaption;
}

void Form1::Form_Unload() {
    app().End();
}

// A drive that cannot be read leaves the folder where it was.
void Form1::Drive1_Change() {
    try {
        Dir1.setPath(Drive1.Drive());
    } catch (const common::Error&) {
    }
}

void Form1::Dir1_Change() {
    File1.setPath(Dir1.Path());
}

}  // namespace vismaker
