#pragma once

#include <string>

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

    // The words of the title, before the key the chooser sets: "Select face (F4)".
    void setTitleWords(std::string words);
    void nameKey(int key);

    void OKbutton_Click();

  private:
    void File2_KeyDown(int keyCode);

    AnalysisProgram& program_;
    std::string titleWords_;
};

}  // namespace analysis
