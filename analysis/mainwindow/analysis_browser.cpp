#include "analysis/mainwindow/analysis_window.h"

#include "analysis/engine/face_loading.h"
#include "analysis/engine/photos.h"
#include "analysis/program.h"
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
    showFaceCount();
}

namespace {
constexpr int kKeyReturn = 13;

// The comparisons need face 1: without it a run would rank a face of nothing.
bool faceOneChosen(const AnalysisProgram& program) {
    return !program.FaceFile1.empty();
}
}  // namespace

void Analysis::Allbutton_Click() {
    refreshFaceList();
    ListEditButton.Enabled = false;
    File1.Visible = true;
    ListFiles.Visible = false;
    CompListButton.Enabled = false;
    if (faceOneChosen(program_)) {
        CompButton.Enabled = true;
    }
}

// The lists are shown as they are in the folder now, one saved meanwhile included.
void Analysis::ListsButton_Click() {
    ListFiles.Refresh();
    ListEditButton.Enabled = true;
    File1.Visible = false;
    CompButton.Enabled = false;
    ListFiles.Visible = true;
}

void Analysis::ListFiles_Click() {
    if (faceOneChosen(program_)) {
        CompListButton.Enabled = true;
    }
}

// Once face 1 is chosen the data folder stays as it is for the rest of the run of the program.
// A face that cannot be read changes nothing here: face 1 stays as it was.
void Analysis::selectFace1_Click() {
    const std::string fileName = File1.FileName();
    if (fileName.empty() || !LoadFirstFace(program_, fileName)) {
        return;
    }
    Dir1.Enabled = false;
    Drive1.Enabled = false;
    face1NextView.Enabled = true;
    View1.Caption = program_.Words.ViewTypical;
    if (File1.ListCount() < 4) {
        CompButton.ToolTipText = program_.Words.NeedThreeFacesText;
    } else {
        CompButton.Enabled = true;
    }
    PlotterButton.Enabled = true;
}

void Analysis::File1_DblClick() {
    selectFace1_Click();
}

void Analysis::selectFace2_Click() {
    if (File1.ListCount() < 4) {
        CompButton.ToolTipText = program_.Words.NeedThreeFacesText;
    }
    if (LoadSecondFace(program_, File1.FileName())) {
        face2NextView.Enabled = true;
    }
}

// Return selects face 1 as a double click does; F1 to F10 load the face of that quick key as
// face 2.
void Analysis::File1_KeyDown(int keyCode) {
    if (keyCode == kKeyReturn) {
        File1_DblClick();
        return;
    }
    if (keyCode < forms::kKeyF1 || keyCode > forms::kKeyF10) {
        return;
    }
    const std::string name = program_.PrefsWindow.F1Person(keyCode - forms::kKeyF1 + 1).Caption;
    if (name.empty()) {
        return;
    }
    LoadSecondFace(program_, name + ".txt");
    if (faceOneChosen(program_)) {
        CompButton.Enabled = true;
    }
}

// A place the last run did not fill names no face.
void Analysis::hotArea(int place) {
    if (!program_.Top.filled(static_cast<std::size_t>(place))) {
        return;
    }
    if (!LoadSecondFace(program_,
                        program_.Top.TopNames[static_cast<std::size_t>(place)] + ".txt")) {
        return;
    }
    View2.Caption = program_.Words.ViewFullLength;
    face2NextView_Click();
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

// The faces are reloaded from the files they came from, each showing its loader's view. Both
// faces must be there; face 1 that cannot be read stops the swap before face 2 changes.
void Analysis::SwapButton_Click() {
    const std::string first = program_.FaceFile1;
    const std::string second = program_.FaceFile2;
    if (first.empty() || second.empty()) {
        return;
    }
    if (LoadFirstFace(program_, second)) {
        LoadSecondFace(program_, first);
    }
}

void Analysis::face1NextView_Click() {
    stepView(View1, program_.FaceFile1, face1Photo);
}
void Analysis::face2NextView_Click() {
    stepView(View2, program_.FaceFile2, face2Photo);
}

// The next view of the ring Full-length, Portrait, Profile, Typical, Alternative. Each word is
// tested against the unchanged caption in turn, so with two equal words the later one decides,
// and a caption that is none of them leaves no next view. The photos are named after the face's
// file, which may differ from the name the face file gives.
void Analysis::stepView(forms::Label& view, std::string_view faceFile, forms::PictureBox& photo) {
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
    const std::string stem(faceFile.substr(0, faceFile.size() < 4 ? 0 : faceFile.size() - 4));
    showPhoto(photo, Dir1.Path(), stem + suffix);
}

}  // namespace analysis
