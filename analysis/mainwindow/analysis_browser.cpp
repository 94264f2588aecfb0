#include "analysis/mainwindow/analysis_window.h"

#include "analysis/engine/face_loading.h"
#include "analysis/engine/photos.h"
#include "analysis/program.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace analysis {

// A drive that cannot be read leaves the folder where it was.
void Analysis::Drive1_Change() {
    try {
        Dir1.setPath(Drive1.Drive());
    } catch (const common::Error&) {
    }
}

void Analysis::Dir1_Change() {
    File1.setPath(Dir1.Path());
    ListFiles.setPath(Dir1.Path());
    File1.ToolTipText = common::Str(File1.ListCount()) + program_.Words.FacesWord;
}

namespace {
bool faceOneChosen(const Analysis& window, const UiWords& words) {
    return window.Person1.Caption != words.NoDataText;
}
}  // namespace

void Analysis::Allbutton_Click() {
    ListEditButton.Enabled = false;
    File1.Visible = true;
    ListFiles.Visible = false;
    CompListButton.Enabled = false;
    if (faceOneChosen(*this, program_.Words)) {
        CompButton.Enabled = true;
    }
}

void Analysis::ListsButton_Click() {
    ListEditButton.Enabled = true;
    File1.Visible = false;
    CompButton.Enabled = false;
    ListFiles.Visible = true;
}

void Analysis::ListFiles_Click() {
    if (faceOneChosen(*this, program_.Words)) {
        CompListButton.Enabled = true;
    }
}

// Once face 1 is chosen the data folder stays as it is for the rest of the run of the program.
void Analysis::Command1_Click() {
    const std::string fileName = File1.FileName();
    if (fileName.empty()) {
        return;
    }
    Dir1.Enabled = false;
    Drive1.Enabled = false;
    Command5.Enabled = true;
    View1.Caption = program_.Words.ViewTypical;
    if (File1.ListCount() < 4) {
        CompButton.ToolTipText = program_.Words.NeedThreeFacesText;
    } else {
        CompButton.Enabled = true;
    }
    PlotterButton.Enabled = true;
    URL1.Visible = true;
    LoadFirstFace(program_, fileName);
}

void Analysis::File1_DblClick() {
    Command1_Click();
}

void Analysis::Command4_Click() {
    if (File1.ListCount() < 4) {
        CompButton.ToolTipText = program_.Words.NeedThreeFacesText;
    }
    const std::string fileName = File1.FileName();
    if (!fileName.empty()) {
        Command6.Enabled = true;
        URL2.Visible = true;
    }
    LoadSecondFace(program_, fileName);
}

// F1 to F10 load the face of that quick key as face 2.
void Analysis::File1_KeyDown(int keyCode) {
    if (keyCode < forms::kKeyF1 || keyCode > forms::kKeyF10) {
        return;
    }
    const std::string name = program_.PrefsWindow.F1Person(keyCode - forms::kKeyF1 + 1).Caption;
    if (name.empty()) {
        return;
    }
    LoadSecondFace(program_, name + ".txt");
    CompButton.Enabled = true;
}

void Analysis::hotArea(int place) {
    LoadSecondFace(program_, program_.Top.TopNames[static_cast<std::size_t>(place)] + ".txt");
    View2.Caption = program_.Words.ViewFullLength;
    Command6_Click();
}

void Analysis::FirstHotArea_Click() {
    hotArea(1);
}
void Analysis::SecondHotArea_Click() {
    hotArea(2);
}
void Analysis::ThirdHotArea_Click() {
    hotArea(3);
}

// The faces are reloaded from the data folder by their shown names.
void Analysis::SwapButton_Click() {
    const std::string old = Person1.Caption;
    Person1.Caption = Person2.Caption;
    LoadFirstFace(program_, Person2.Caption + ".txt");
    Person2.Caption = old;
    LoadSecondFace(program_, old + ".txt");
}

void Analysis::Command5_Click() {
    stepView(View1, Person1, Image1);
}
void Analysis::Command6_Click() {
    stepView(View2, Person2, Image2);
}

// The next view of the ring Full-length, Portrait, Profile, Typical, Alternative. Each word is
// tested against the unchanged caption in turn, so with two equal words the later one decides,
// and a caption that is none of them leaves no next view.
void Analysis::stepView(forms::Label& view, const forms::Label& person, forms::PictureBox& photo) {
    const UiWords& w = program_.Words;
    const std::string* ring[5] = {&w.ViewFullLength, &w.ViewPortrait, &w.ViewProfile,
                                  &w.ViewTypical, &w.ViewAlternative};
    std::string next;
    for (int i = 0; i < 5; ++i) {
        if (view.Caption == *ring[i]) {
            next = *ring[(i + 1) % 5];
        }
    }
    std::string suffix;
    for (int i = 0; i < 5; ++i) {
        if (!next.empty() && next == *ring[i]) {
            suffix = std::to_string(i) + ".jpg";
        }
    }
    view.Caption = next;
    showPhoto(photo, Dir1.Path(), person.Caption + suffix);
}

}  // namespace analysis
