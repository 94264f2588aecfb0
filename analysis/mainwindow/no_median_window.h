#pragma once

#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace analysis {

// Shown when a statistics file is missing or cannot be read; its only way on ends the program.
// It is modal: the main window cannot be used behind it. Under its own text it names the file
// and what is wrong with it.
class NoMedian : public forms::Window {
  public:
    explicit NoMedian(forms::Application& app);

    forms::Label missingFileMessage{*this, "Label1"};
    forms::Label Problem{*this, "Problem"};
    forms::CommandButton quitButton{*this, "Command1"};

    void quitButton_Click();

  protected:
    // Closing by the title bar ends the program like the button: without statistics every
    // score would be made against an average face of zeros.
    void Form_Unload() override;
};

}  // namespace analysis
