#pragma once

#include "common/forms/controls.h"
#include "common/forms/list_boxes.h"
#include "common/forms/window.h"

namespace analysis {

class AnalysisProgram;

// The quick-key chooser: picks the face data file whose face a quick key of the preferences
// window loads. AssignQuickKey says which key and opens it on the data folder.
class QuickKeyChooser : public forms::Window {
  public:
    explicit QuickKeyChooser(AnalysisProgram& program);

    forms::Label functionKeyLabel{*this, "Label1"};
    forms::Label becomesLabel{*this, "Label2"};
    forms::FileListBox File2{*this, "File2"};
    forms::CommandButton OKbutton{*this, "OKbutton"};

    void OKbutton_Click();

  private:
    AnalysisProgram& program_;
};

}  // namespace analysis
