#include "analysis/mainwindow/analysis_window.h"
#include "analysis/program.h"
#include "common/text/convert.h"

namespace analysis {

// A face saved or removed meanwhile (by the wizard, or copied in by hand) shows as it is now; the
// selected face stays selected while it is still listed.
void Analysis::refreshFaceList() {
    File1.Refresh();
    showFaceCount();
}

// The face list's tool tip tells how many faces it holds.
void Analysis::showFaceCount() {
    File1.ToolTipText = common::Str(File1.ListCount()) + program_.Words.FacesWord;
}

// A run over the whole folder needs three faces besides face 1.
void Analysis::judgeFolderRun() {
    if (File1.ListCount() < 4) {
        CompButton.ToolTipText = program_.Words.NeedThreeFacesText;
        CompButton.Enabled = false;
    } else if (!program_.FaceFile1.empty()) {
        CompButton.Enabled = true;
    }
}

}  // namespace analysis
