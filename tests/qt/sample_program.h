#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "common/forms/application.h"
#include "common/forms/control_array.h"
#include "common/forms/controls.h"
#include "common/forms/list_boxes.h"
#include "common/forms/window.h"
#include "common/qt/qt_binding.h"
#include "common/qt/qt_platform.h"
#include "tests/common/temp_folder.h"

// A platform whose error and question boxes only record the message, so no modal box waits in a
// test.
class QuietPlatform : public qtui::QtPlatform {
  public:
    std::vector<std::string> errors;
    std::vector<QWidget*> errorParents;
    std::vector<std::string> questions;
    std::vector<QWidget*> questionParents;
    bool answerYes = false;

  protected:
    void showError(QWidget* parent, const QString& message) override {
        errors.push_back(message.toStdString());
        errorParents.push_back(parent);
    }
    bool askQuestion(QWidget* parent, const QString& question) override {
        questions.push_back(question.toStdString());
        questionParents.push_back(parent);
        return answerYes;
    }
};

// A window with one control of every kind; its handlers write what ran into log.
class SampleWindow : public forms::Window {
  public:
    explicit SampleWindow(forms::Application& app) : Window(app, "Sample") {
        Caption = "Faces \xA3 1";
        Width = 9000;
        Height = 6000;
        place(Title, 120, 120, 3000, 300);
        place(LinkLabel, 3300, 120, 1500, 300);
        place(CompButton, 5000, 120, 1500, 400);
        place(Group, 120, 600, 3000, 1500);
        place(OptionA, 120, 300, 1500, 300);
        place(OptionB, 120, 700, 1500, 300);
        place(Name, 3300, 600, 2000, 300);
        place(Notes, 3300, 1000, 2000, 900);
        place(Tick, 5500, 600, 1500, 300);
        place(Photo, 120, 2200, 1500, 1500);
        place(Board, 1800, 2200, 1500, 1500);
        place(Blob, 3500, 2200, 1500, 1200);
        place(Drive1, 5200, 2200, 1800, 300);
        place(Dir1, 5200, 2600, 1800, 1200);
        place(File1, 7100, 600, 1800, 3200);
        place(Weight, 120, 4000, 3000, 500);
        place(Broken, 3300, 4000, 1500, 400);
        Title.Caption =
            "Price \xA3"
            "5";
        LinkLabel.Caption = "Web page";
        LinkLabel.ButtonLike = true;
        Group.Caption = "Side";
        Tick.Caption = "Profile";
        OptionA.Caption = "Left";
        OptionB.Caption = "Right";
        OptionA.Container = &Group;
        OptionB.Container = &Group;
        Notes.MultiLine = true;
        Rule.X1 = 3500;
        Rule.Y1 = 3600;
        Rule.X2 = 5000;
        Rule.Y2 = 3600;
        Rule.BorderColor = 0x00FF00;
        Rule.BorderWidth = 3;
        Blob.Kind = forms::ShapeKind::Oval;
        Blob.FillStyle = forms::kFillDiagonalCross;
        Blob.FillColor = 0x0000FF;
        Blob.BorderColor = 0xFF0000;
        Board.BackColor = forms::kWhite;
        Weight.Max = 20;
        Weight.setValue(10);

        LinkLabel.onClick = [this] { log.push_back("LinkLabel_Click"); };
        LinkLabel.onDblClick = [this] { log.push_back("LinkLabel_DblClick"); };
        CompButton.onClick = [this] { log.push_back("CompButton_Click"); };
        Name.onChange = [this] { log.push_back("Name_Change:" + Name.Text()); };
        Notes.onChange = [this] { log.push_back("Notes_Change"); };
        Tick.onClick = [this] { log.push_back("Tick_Click"); };
        OptionB.onClick = [this] { log.push_back("OptionB_Click"); };
        Photo.onClick = [this] { log.push_back("Photo_Click"); };
        Weight.onChange = [this] {
            log.push_back("Weight_Change:" + std::to_string(Weight.Value()));
        };
        Weight.onClick = [this] { log.push_back("Weight_Click"); };
        Dir1.onChange = [this] { log.push_back("Dir1_Change"); };
        File1.onClick = [this] { log.push_back("File1_Click:" + File1.FileName()); };
        File1.onDblClick = [this] { log.push_back("File1_DblClick"); };
        File1.onKeyDown = [this](int code) {
            log.push_back("File1_KeyDown:" + std::to_string(code));
        };
        Broken.onClick = [] { throw common::Error(common::ErrorCode::Overflow); };
    }

    forms::Label Title{*this, "Title"};
    forms::Label LinkLabel{*this, "LinkLabel"};
    forms::CommandButton CompButton{*this, "CompButton"};
    forms::Frame Group{*this, "Group"};
    forms::OptionButton OptionA{*this, "OptionA"};
    forms::OptionButton OptionB{*this, "OptionB"};
    forms::TextBox Name{*this, "Name"};
    forms::TextBox Notes{*this, "Notes"};
    forms::CheckBox Tick{*this, "Tick"};
    forms::Image Photo{*this, "Photo"};
    forms::PictureBox Board{*this, "Board"};
    forms::Line Rule{*this, "Rule"};
    forms::Shape Blob{*this, "Blob"};
    forms::DriveListBox Drive1{*this, "Drive1"};
    forms::DirListBox Dir1{*this, "Dir1"};
    forms::FileListBox File1{*this, "File1"};
    forms::Slider Weight{*this, "Weight"};
    forms::CommandButton Broken{*this, "Broken"};
    forms::ControlArray<forms::CommandButton> QuickKey{*this, "QuickKey", 0, 3};
    std::vector<std::string> log;
    int activations = 0;

  protected:
    void Form_Activate() override { ++activations; }

  private:
    static void place(forms::Control& control, int left, int top, int width, int height) {
        control.Left = left;
        control.Top = top;
        control.Width = width;
        control.Height = height;
    }
};

// A second, smaller window, so that closing one leaves the program running. Its Back label is
// the button Escape presses; its OK button is a plain one.
class OtherWindow : public forms::Window {
  public:
    explicit OtherWindow(forms::Application& app) : Window(app, "Other") {
        Caption = "Other";
        Width = 4500;
        Height = 3000;
        Back.Caption = "Back";
        Back.ButtonLike = true;
        Back.Cancel = true;
        Back.Left = 120;
        Back.Top = 2400;
        Back.Width = 1500;
        Back.Height = 400;
        Done.Caption = "OK";
        Done.Left = 1800;
        Done.Top = 2400;
        Done.Width = 1500;
        Done.Height = 400;
        Back.onClick = [this] {
            log.push_back("Back_Click");
            Hide();
        };
        Done.onClick = [this] {
            log.push_back("Done_Click");
            Hide();
        };
    }

    forms::Label Back{*this, "Back"};
    forms::CommandButton Done{*this, "Done"};
    std::vector<std::string> log;
    int unloads = 0;

  protected:
    void Form_Unload() override { ++unloads; }
};

// A start folder with three text files and two sub-folders, the sample window shown on it; the
// other window opens from it.
struct BindingFixture {
    BindingFixture() {
        folder.write("alpha.txt", "a");
        folder.write("beta.txt", "b");
        folder.write("gamma.txt", "c");
        folder.subfolder("Sample data");
        folder.subfolder("Zeta");
        window.File1.Refresh();
        other.Owner = &window;
        app.dispatch([this] { window.Show(); });
        binding.sync();
    }

    QWidget& top() { return *binding.widgetFor(window); }
    template <typename WidgetType>
    WidgetType& widget(const forms::Control& control) {
        return dynamic_cast<WidgetType&>(*binding.widgetFor(control));
    }

    TempFolder folder;
    QuietPlatform platform;
    forms::Application app{platform, folder.text()};
    SampleWindow window{app};
    OtherWindow other{app};
    qtui::QtBinding binding{app, platform};
};
