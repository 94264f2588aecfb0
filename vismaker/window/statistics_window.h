#pragma once

#include <string>
#include <string_view>

#include "common/forms/controls.h"
#include "common/forms/list_boxes.h"
#include "common/forms/window.h"
#include "vismaker/language/vismaker_texts.h"
#include "vismaker/run/picture_folder.h"
#include "vismaker/run/picture_log.h"
#include "vismaker/stats/face_values.h"
#include "vismaker/stats/limits.h"

namespace vismaker {

// The statistics builder's one window: the user picks a folder of face data files and presses
// "Select all"; every face is checked and read, the statistics files are written, and the window
// then offers the picture log and the category lists for saving, which ends the program.
class StatisticsWindow : public forms::Window {
  public:
    explicit StatisticsWindow(forms::Application& app);

    forms::Label browseHeading{*this, "Label1"};
    forms::DriveListBox Drive1{*this, "Drive1"};
    forms::DirListBox Dir1{*this, "Dir1"};
    forms::FileListBox File1{*this, "File1"};
    forms::CommandButton selectAllButton{*this, "Command1"};
    forms::CheckBox ShowPicsTick{*this, "ShowPicsTick"};
    forms::PictureBox PicField{*this, "PicField"};
    forms::Label statusMessage{*this, "Label2"};
    forms::Label progressLabel{*this, "Label3"};
    forms::TextBox LogBox{*this, "LogBox"};
    forms::CommandButton SaveLog{*this, "SaveLog"};
    // Hidden scratch boxes: the category lists, the current face's text, the text of Median.vis.
    forms::TextBox SingersBox{*this, "SingersBox"};
    forms::TextBox ActressesBox{*this, "ActressesBox"};
    forms::TextBox ModelBox{*this, "ModelBox"};
    forms::TextBox FileLoadsHere{*this, "FileLoadsHere"};
    forms::TextBox FileGoesHere{*this, "FileGoesHere"};

    VismakerTexts Texts;
    // The current face's measurements, and after a run that got to the statistics the midpoints;
    // never cleared, so a face that leaves a position unmeasured keeps what was there.
    FaceValues Values;
    // The limits over every face read since the program started, a run stopped by an error
    // included.
    Limits FaceLimits;
    bool ProfileFlag = false;
    bool UrlFlag = false;
    bool ColourFlag = false;
    bool HeightFlag = false;

    void Drive1_Change();
    void Dir1_Change();
    void selectAllButton_Click();
    void SaveLog_Click();

  protected:
    void Form_Load() override;
    // Closing the window ends the program.
    void Form_Unload() override;

  private:
    struct RunStopped {
        std::string caption;
    };

    void layOut();
    void caption();
    void readFaces(int count);
    void readFace(const PictureFolder& pictures, const std::string& entry,
                  const std::string& progress);
    void logFaceViews(const PictureFolder& pictures, std::string_view name, ViewsPresent views);
    void writeStatistics(int count);
    void showEndState();
    void showPortrait(std::string_view name);
    void stop(const RunStopped& stopped);

    // The texts the run builds, put into their boxes when it ends.
    std::string log_;
    std::string singers_;
    std::string actresses_;
    std::string models_;
};

}  // namespace vismaker
