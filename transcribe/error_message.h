#pragma once

#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace transcribe {

// Says why the face could not be scaled; nothing was written.
class ErrorMessage : public forms::Window {
  public:
    explicit ErrorMessage(forms::Application& app);

    forms::Label Errorlabel{*this, "Errorlabel"};
    forms::CommandButton OKbutton{*this, "OKbutton"};

    void OKbutton_Click() { Hide(); }
};

}  // namespace transcribe
