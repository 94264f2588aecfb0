#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/forms/controls.h"
#include "common/forms/list_boxes.h"
#include "common/forms/window.h"

namespace analysis {

class AnalysisProgram;

// The main window: the face browser on the left, the two faces side by side with their photos,
// views, colour swatches and web links, the three best matches, the comparison buttons and their
// progress, and the way to the other windows along the bottom.
class Analysis : public forms::Window {
  public:
    explicit Analysis(AnalysisProgram& program);

    // Face browser.
    forms::Label browseHeading{*this, "Label1"};
    forms::DriveListBox Drive1{*this, "Drive1"};
    forms::DirListBox Dir1{*this, "Dir1"};
    forms::FileListBox File1{*this, "File1"};
    forms::FileListBox ListFiles{*this, "ListFiles"};
    forms::Label Allbutton{*this, "Allbutton"};
    forms::Label ListsButton{*this, "ListsButton"};
    forms::Label ListEditButton{*this, "ListEditButton"};
    forms::Label selectFace1{*this, "Command1"};
    forms::Label selectFace2{*this, "Command4"};

    // The two faces. Swatches come before the labels over them, places before their hot areas,
    // so the clickable label lies on top.
    forms::Label Person1{*this, "Person1"};
    forms::Label Person2{*this, "Person2"};
    forms::PictureBox face1Photo{*this, "Image1"};
    forms::PictureBox face2Photo{*this, "Image2"};
    forms::Label SwapButton{*this, "SwapButton"};
    forms::Label View1{*this, "View1"};
    forms::Label View2{*this, "View2"};
    forms::Image face1NextView{*this, "Command5"};
    forms::Image face2NextView{*this, "Command6"};
    forms::Image URL1{*this, "URL1"};
    forms::Image URL2{*this, "URL2"};
    forms::Shape Face1Colour1{*this, "Face1Colour1"};
    forms::Shape Face1Colour2{*this, "Face1Colour2"};
    forms::Shape Face1Colour3{*this, "Face1Colour3"};
    forms::Shape Face2Colour1{*this, "Face2Colour1"};
    forms::Shape Face2Colour2{*this, "Face2Colour2"};
    forms::Shape Face2Colour3{*this, "Face2Colour3"};
    forms::Label FC1{*this, "FC1"};
    forms::Label FC2{*this, "FC2"};
    forms::Label FC3{*this, "FC3"};
    forms::Label FC1B{*this, "FC1B"};
    forms::Label FC2B{*this, "FC2B"};
    forms::Label FC3B{*this, "FC3B"};

    // Best matches of the last comparison.
    forms::Label FirstPlace{*this, "FirstPlace"};
    forms::Label SecondPlace{*this, "SecondPlace"};
    forms::Label ThirdPlace{*this, "ThirdPlace"};
    forms::Label FirstHotArea{*this, "FirstHotArea"};
    forms::Label SecondHotArea{*this, "SecondHotArea"};
    forms::Label ThirdHotArea{*this, "ThirdHotArea"};

    // Comparisons and their progress.
    forms::Label CompButton{*this, "CompButton"};
    forms::Label CompListButton{*this, "CompListButton"};
    forms::Label ProgressLabel{*this, "ProgressLabel"};
    forms::Label CurrentTotal{*this, "CurrentTotal"};
    forms::Label CurrentProgress{*this, "CurrentProgress"};
    forms::Label CurrentSubtotal{*this, "CurrentSubtotal"};
    // The faces of the list the last Compare with List ran over, one a line, with their count as
    // its tool tip; never shown.
    forms::TextBox SecretListBox{*this, "SecretListBox"};

    // Navigation.
    forms::Label OutputButton{*this, "OutputButton"};
    forms::Label PlotterButton{*this, "PlotterButton"};
    forms::Label PrefButton{*this, "PrefButton"};
    forms::Label HelpButton{*this, "HelpButton"};
    forms::Label QuitButton{*this, "QuitButton"};

    // Decoration.
    forms::PictureBox browserDivider{*this, "Picture1"};
    forms::PictureBox TabPicture{*this, "TabPicture"};
    forms::PictureBox Blankbit{*this, "Blankbit"};

    void Drive1_Change();
    void Dir1_Change();
    void QuitButton_Click();
    void PrefButton_Click();

    // Face browser, face selection and photo views.
    void Allbutton_Click();
    void ListsButton_Click();
    void ListFiles_Click();
    void selectFace1_Click();
    void File1_DblClick();
    void selectFace2_Click();
    void File1_KeyDown(int keyCode);
    void FirstHotArea_Click();
    void SecondHotArea_Click();
    void ThirdHotArea_Click();
    void SwapButton_Click();
    void face1NextView_Click();
    void face2NextView_Click();

    // Comparison runs over the folder and over the selected list.
    void CompButton_Click();
    void CompListButton_Click();
    // Reads the face list from the data folder again.
    void refreshFaceList();

    // Navigation to the other windows, the help page and the faces' web links.
    void OutputButton_Click();
    void PlotterButton_Click();
    void ListEditButton_Click();
    void HelpButton_Click();
    void URL1_Click();
    void URL2_Click();

    // The results of the last completed run no longer belong to what is shown: Output Results
    // and View are closed until the next run completes. Withdrawing them also hides the three
    // places and their hot areas (face 1 is another face now) and sets the progress back to 0%.
    void disableResults();
    void withdrawResults();

  protected:
    void Form_Load() override;
    void Form_Unload() override;

  private:
    void hotArea(int place);
    void stepView(forms::Label& view, std::string_view faceFile, forms::PictureBox& photo);
    void runComparison(const std::vector<std::string>& candidates,
                       const std::vector<std::string_view>& pages,
                       const std::function<std::string(int)>& progress);
    void showPlaces();
    void showFaceCount();
    // Enables Run Comparisons by the face list as it stands.
    void judgeFolderRun();

    void setDesign();
    void layOut();
    void wireHandlers();
    void quit();

    // Start-up, in its order.
    void startInFaceListMode();
    void captionMainWindow();
    void captionMissingStatisticsWindow();
    void openSampleData();
    void showEmptyFaces();

    AnalysisProgram& program_;
};

}  // namespace analysis
