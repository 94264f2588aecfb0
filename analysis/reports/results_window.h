#pragma once

#include <functional>
#include <string>

#include "common/forms/control_array.h"
#include "common/forms/controls.h"
#include "common/forms/window.h"

namespace analysis {

class AnalysisProgram;

// The results window: six report styles, a preview of the chosen one, and the View button that
// writes the report pages once per comparison run and opens the chosen page in the web browser.
class Results : public forms::Window {
  public:
    explicit Results(AnalysisProgram& program);

    forms::Frame styleFrame{*this, "Frame1"};
    forms::OptionButton Style1{*this, "Style1"};
    forms::OptionButton Style2{*this, "Style2"};
    forms::OptionButton Style3{*this, "Style3"};
    forms::OptionButton Style4{*this, "Style4"};
    forms::OptionButton Style5{*this, "Style5"};
    forms::OptionButton Style6{*this, "Style6"};
    forms::Image style1Preview{*this, "Image1"};
    forms::Image style2Preview{*this, "Image2"};
    forms::Image style3Preview{*this, "Image3"};
    forms::Image style4Preview{*this, "Image4"};
    forms::Image style5Preview{*this, "Image5"};
    forms::Image style6Preview{*this, "Image6"};
    forms::Label htmlNote{*this, "Label1"};
    forms::CheckBox WebLinkCheck{*this, "WebLinkCheck"};
    // Left to right, as Tab goes.
    forms::CommandButton ResPrefs{*this, "ResPrefs"};
    forms::CommandButton ViewButton{*this, "ViewButton"};
    forms::CommandButton cancelButton{*this, "Command1"};
    // Scratch text of the result sorting; never shown.
    forms::TextBox HiddenResults{*this, "HiddenResults"};

    // Each style shows its own preview; the heights style first sorts the heights of the run.
    void Style1_Click();
    void Style2_Click();
    void Style3_Click();
    void Style4_Click();
    void Style5_Click();
    void Style6_Click();
    void ViewButton_Click();
    void cancelButton_Click();

    // The page of the chosen style; Results_1.htm when none is chosen.
    std::string chosenPage() const;

  private:
    // Runs work on the run's lists; false when they were refused.
    bool onRunLists(const std::function<void()>& work);
    void layOut();
    void showPreview(int style);

    AnalysisProgram& program_;
};

}  // namespace analysis
