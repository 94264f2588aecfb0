#include "analysis/mainwindow/analysis_window.h"

#include <string>

#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/mainwindow/prefs_storage.h"
#include "analysis/program.h"
#include "common/forms/application.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

void makeButton(forms::Label& label, std::string caption, std::string toolTip) {
    label.Caption = std::move(caption);
    label.ToolTipText = std::move(toolTip);
    label.ButtonLike = true;
    label.TextAlign = forms::Alignment::Center;
}

void makeSwatch(forms::Shape& swatch) {
    swatch.Kind = forms::ShapeKind::Rectangle;
    swatch.BorderColor = common::RGB(128, 128, 128);
    swatch.FillStyle = forms::kFillTransparent;
    swatch.Well = true;
}

void makePlace(forms::Label& place, std::string caption) {
    place.Caption = std::move(caption);
    place.Opaque = true;
    place.BackColor = forms::kWhite;
    place.FontSize = 10;
}

}  // namespace

Analysis::Analysis(AnalysisProgram& program)
    : Window(program.app(), "Analysis"), program_(program) {
    setDesign();
    layOut();
    wireHandlers();
}

void Analysis::setDesign() {
    Caption = "Analysis";
    Width = pixels(1000);
    Height = pixels(700);

    browseHeading.FontBold = true;
    File1.setPattern("*.txt");
    File1.ToolTipText = "0 files";
    ListFiles.setPattern("*.lst");
    ListFiles.Visible = false;
    makeButton(Allbutton, "All", "Show the face files of the folder");
    makeButton(ListsButton, "Lists", "Show the list files of the folder");
    makeButton(ListEditButton, "Edit", "Edit the face lists of the folder");
    makeButton(selectFace1, "Select Face 1", "Load the selected face as face 1");
    makeButton(selectFace2, "Select Face 2", "Load the selected face as face 2");
    makeButton(SwapButton, "\xAB\xBB", "Swap face 1 and face 2");

    for (forms::Label* person : {&Person1, &Person2}) {
        person->FontSize = 11;
        person->FontBold = true;
        person->TextAlign = forms::Alignment::Center;
    }
    for (forms::PictureBox* photo : {&face1Photo, &face2Photo}) {
        photo->Border = true;
        photo->BackColor = forms::kWhite;
    }
    for (forms::Label* view : {&View1, &View2}) {
        view->TextAlign = forms::Alignment::Right;
    }
    // The view steps wait for a face to step through.
    for (forms::Image* step : {&face1NextView, &face2NextView}) {
        step->setDesignPicture("design:next");
        step->ToolTipText = "Next view";
        step->Enabled = false;
    }
    // A link shows only for a face with a web address.
    for (forms::Image* link : {&URL1, &URL2}) {
        link->setDesignPicture("design:link");
        link->Visible = false;
    }
    for (forms::Shape* swatch : {&Face1Colour1, &Face1Colour2, &Face1Colour3, &Face2Colour1,
                                 &Face2Colour2, &Face2Colour3}) {
        makeSwatch(*swatch);
    }

    makePlace(FirstPlace, "1 first place");
    makePlace(SecondPlace, "2 second place");
    makePlace(ThirdPlace, "3 third place");
    for (forms::Label* hotArea : {&FirstHotArea, &SecondHotArea, &ThirdHotArea}) {
        hotArea->ToolTipText = "Show this match as face 2";
    }
    // Only a completed comparison has matches to show.
    for (forms::Label* shown :
         {&FirstPlace, &SecondPlace, &ThirdPlace, &FirstHotArea, &SecondHotArea, &ThirdHotArea}) {
        shown->Visible = false;
    }

    // The comparisons and the plotter wait for a face to work on.
    makeButton(CompButton, "Run Comparisons", "Compare face 1 with every face of the folder");
    makeButton(CompListButton, "Compare with List",
               "Compare face 1 with the faces of the selected list");
    CompButton.Enabled = false;
    CompListButton.Enabled = false;
    CurrentTotal.Caption = "0%";
    CurrentSubtotal.Caption = "0%";
    CurrentTotal.TextAlign = forms::Alignment::Right;
    CurrentSubtotal.TextAlign = forms::Alignment::Right;
    SecretListBox.MultiLine = true;
    SecretListBox.Visible = false;

    makeButton(OutputButton, "Results", "Show the results of the last comparison");
    makeButton(PlotterButton, "Plotter", "Draw the faces over one another");
    makeButton(PrefButton, "Preferences", "Feature weights, units and quick keys");
    makeButton(HelpButton, "Help", "Open the online help");
    makeButton(QuitButton, "Quit", "Quit the program");
    PlotterButton.Enabled = false;
    // Only a completed comparison has results to show.
    OutputButton.Enabled = false;

    for (forms::PictureBox* decoration : {&browserDivider, &TabPicture, &Blankbit}) {
        decoration->setDesignPicture("design:panel");
    }
}

void Analysis::wireHandlers() {
    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onChange = [this] { Dir1_Change(); };
    QuitButton.onClick = [this] { QuitButton_Click(); };
    PrefButton.onClick = [this] { PrefButton_Click(); };
    Allbutton.onClick = [this] { Allbutton_Click(); };
    ListsButton.onClick = [this] { ListsButton_Click(); };
    ListFiles.onClick = [this] { ListFiles_Click(); };
    selectFace1.onClick = [this] { selectFace1_Click(); };
    File1.onDblClick = [this] { File1_DblClick(); };
    selectFace2.onClick = [this] { selectFace2_Click(); };
    File1.onKeyDown = [this](int keyCode) { File1_KeyDown(keyCode); };
    FirstHotArea.onClick = [this] { FirstHotArea_Click(); };
    SecondHotArea.onClick = [this] { SecondHotArea_Click(); };
    ThirdHotArea.onClick = [this] { ThirdHotArea_Click(); };
    SwapButton.onClick = [this] { SwapButton_Click(); };
    face1NextView.onClick = [this] { face1NextView_Click(); };
    face2NextView.onClick = [this] { face2NextView_Click(); };
    CompButton.onClick = [this] { CompButton_Click(); };
    CompListButton.onClick = [this] { CompListButton_Click(); };
    OutputButton.onClick = [this] { OutputButton_Click(); };
    PlotterButton.onClick = [this] { PlotterButton_Click(); };
    ListEditButton.onClick = [this] { ListEditButton_Click(); };
    HelpButton.onClick = [this] { HelpButton_Click(); };
    URL1.onClick = [this] { URL1_Click(); };
    URL2.onClick = [this] { URL2_Click(); };
}

void Analysis::QuitButton_Click() {
    quit();
}

void Analysis::Form_Unload() {
    quit();
}

// Both ways out of the main window end here, so whatever must be kept is saved in one place.
void Analysis::quit() {
    SavePrefs(program_);
    app().End();
}

void Analysis::PrefButton_Click() {
    program_.PrefsWindow.Show();
}

}  // namespace analysis
