#include "analysis/mainwindow/analysis_window.h"

#include "analysis/program.h"
#include "common/text/convert.h"
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

}  // namespace analysis
