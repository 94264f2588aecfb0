#pragma once

#include <string>
#include <string_view>

#include "common/forms/controls.h"
#include "common/forms/list_boxes.h"
#include "common/forms/window.h"

namespace analysis {

class AnalysisProgram;

// The list editor: builds a list of face data files of the data folder, one name a line, and
// saves it as a list file ending at its "99999" line; an existing list can be loaded and edited.
class ListForm : public forms::Window {
  public:
    explicit ListForm(AnalysisProgram& program);

    // The list being edited comes first, so it has the focus when the editor opens; the user
    // may type in it too.
    forms::Label ListInstructions{*this, "ListInstructions"};
    forms::TextBox ListInPlay{*this, "ListInPlay"};

    // The face files to add from.
    forms::CommandButton addFaceButton{*this, "Command1"};
    forms::FileListBox Files2Choose{*this, "Files2Choose"};

    // The list files of the data folder, and the name to save under.
    forms::Label ChooseListLabel{*this, "ChooseListLabel"};
    forms::FileListBox File2Copy{*this, "File2Copy"};
    forms::TextBox FileBeingEdited{*this, "FileBeingEdited"};
    forms::CommandButton ListSaveButton{*this, "ListSaveButton"};

    forms::CommandButton OKbutton{*this, "OKbutton"};

    void addFaceButton_Click();
    void File2Copy_Click();
    void ListSaveButton_Click();
    void OKbutton_Click();

  protected:
    void Form_Load() override;
    void Form_Unload() override;

  private:
    void layOut();
    std::string listPath(std::string_view name) const;

    AnalysisProgram& program_;
};

}  // namespace analysis
