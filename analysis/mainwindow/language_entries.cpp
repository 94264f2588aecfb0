#include "analysis/mainwindow/language_entries.h"

#include <algorithm>
#include <string>

#include "analysis/program.h"

namespace analysis {

namespace {

using common::language::StringEntries;
using common::language::StringFileForm;

// The block form reads no further than this entry.
constexpr int kLastBlockEntry = 97;

// One string file being given out: entry 83 waits for 84, the preferences help being both.
class EntryTable {
  public:
    EntryTable(AnalysisProgram& program, StringFileForm form)
        : p_(program), w_(program.Words), block_(form == StringFileForm::Block) {}

    void apply(int number, const std::string& s) {
        if (number <= 30) {
            applyMainWindowEntry(number, s);
        } else if (number <= 68) {
            applyPlotterEntry(number, s);
        } else {
            applyLaterEntry(number, s);
        }
    }

  private:
    void applyMainWindowEntry(int number, const std::string& s) {
        Analysis& main = p_.MainWindow;
        switch (number) {
            case 1:
                main.Caption = s;
                break;
            case 2:
                w_.ViewFullLength = s;
                break;
            case 3:
                w_.ViewPortrait = s;
                break;
            case 4:
                w_.ViewProfile = s;
                p_.PrefsWindow.profileSliderLabel.Caption = s;
                p_.PlotterWindow.ProfileButton.ToolTipText = s;
                p_.ResultsWindow.Style6.Caption = s;
                break;
            case 5:
                w_.ViewTypical = s;
                break;
            case 6:
                w_.ViewAlternative = s;
                break;
            case 7:
                w_.FacesWord = block_ ? std::string(" faces") : s;
                break;
            case 8:
                w_.NoDataText = s;
                break;
            case 9:
                main.browseHeading.Caption = s;
                break;
            case 10:
                main.CurrentProgress.Caption = s;
                break;
            case 11:
                main.ProgressLabel.Caption = s;
                break;
            case 12:
                main.selectFace1.Caption = s + (block_ ? " 1" : "1");
                main.selectFace2.Caption = s + (block_ ? " 2" : "2");
                p_.QuickKeyChooserWindow.setTitleWords(block_ ? std::string("Quick Keys") : s);
                break;
            case 13:
                p_.PrefsWindow.Caption = s;
                break;
            case 14:
                main.PrefButton.Caption = s;
                p_.ResultsWindow.ResPrefs.Caption = main.PrefButton.Caption;
                break;
            case 15:
                main.PlotterButton.Caption = s;
                p_.PlotterWindow.Caption = block_ ? std::string("Plotter") : s;
                break;
            case 16:
                main.CompButton.Caption = s;
                break;
            case 17:
                main.OutputButton.Caption = s;
                break;
            case 18:
                main.QuitButton.Caption = s;
                break;
            case 19:
                main.HelpButton.Caption = s;
                break;
            case 20:
                w_.FirstPlacePrefix = s;
                break;
            case 21:
                w_.SecondPlacePrefix = s;
                break;
            case 22:
                w_.ThirdPlacePrefix = s;
                break;
            case 23:
                w_.NeedThreeFacesText = s;
                break;
            case 24:
                main.Allbutton.Caption = s;
                break;
            case 25:
                main.ListsButton.Caption = s;
                break;
            case 26:
                main.CompListButton.Caption = s;
                break;
            case 27:
                main.ListEditButton.Caption = s;
                break;
            case 28:
                w_.PortraitOnlyText = s;
                break;
            case 30:
                p_.ListWindow.Caption = block_ ? std::string("List Editor") : s;
                break;
            default:
                break;
        }
    }

    // A plotter button's tool tip follows its word in the text form only.
    void viewButtonTip(forms::Label& button, const std::string& s) {
        if (!block_) {
            button.ToolTipText = s;
        }
    }

    void applyPlotterEntry(int number, const std::string& s) {
        PlotterForm& plotter = p_.PlotterWindow;
        PrefsForm& prefs = p_.PrefsWindow;
        switch (number) {
            case 31:
                p_.ListWindow.ListSaveButton.Caption = s;
                break;
            case 32:
                p_.ListWindow.ChooseListLabel.Caption = s;
                break;
            case 33:
                p_.ListWindow.ListInstructions.Caption = s;
                break;
            case 35:
                plotter.CheckBoxC.Caption = s;
                break;
            case 37:
                w_.PercentOfAverageText = s;
                break;
            case 38:
                plotter.ColourButton.ToolTipText = s;
                break;
            case 39:
                plotter.OKbutton.ToolTipText = s;
                break;
            case 40:
                plotter.shadedBoxes.Caption = s;
                break;
            case 41:
                plotter.unshadedBoxes.Caption = s;
                break;
            case 42:
                w_.FaceWord = s;
                break;
            case 43:
                w_.EyesWord = s;
                viewButtonTip(plotter.eyesViewButton, s);
                prefs.eyeSliderLabel.Caption = s;
                break;
            case 44:
                w_.NoseWord = s;
                viewButtonTip(plotter.noseViewButton, s);
                prefs.noseSliderLabel.Caption = s;
                break;
            case 45:
                w_.MouthWord = s;
                viewButtonTip(plotter.mouthViewButton, s);
                prefs.mouthSliderLabel.Caption = s;
                break;
            case 46:
                w_.LayoutWord = s;
                viewButtonTip(plotter.layoutViewButton, s);
                break;
            case 47:
                w_.JawlineWord = s;
                prefs.jawlineSliderLabel.Caption = s;
                break;
            case 48:
                w_.FaceShapeWord = s;
                viewButtonTip(plotter.faceShapeViewButton, s);
                break;
            case 49:
                w_.ShapeWord = s;
                break;
            case 50:
                w_.SkinWord = s;
                break;
            case 51:
                w_.HairWord = s;
                break;
            case 52:
                w_.ShapeSquare = s;
                break;
            case 53:
                w_.ShapeRound = s;
                break;
            case 54:
                w_.ShapeLong = s;
                break;
            case 55:
                w_.ShapeHeart = s;
                break;
            case 56:
                w_.ShapeOval = s;
                break;
            case 57:
                plotter.NoseLabel.Caption = s;
                break;
            case 58:
                plotter.BottomLabel.Caption = s;
                break;
            case 59:
                plotter.EyeLevelLabel.Caption = s;
                break;
            case 60:
                plotter.TopLabel.Caption = s;
                break;
            case 61:
                w_.WidthWord = s;
                break;
            case 62:
                w_.HeightWord = s;
                break;
            case 63:
                w_.InchesWord = s;
                break;
            case 64:
                w_.FeetWord = s;
                break;
            case 65:
                w_.UnknownWord = s;
                break;
            case 66:
                w_.UnavailableText = s;
                break;
            case 68:
                p_.ColoursWindow.bgButton1.Caption = s;
                break;
            default:
                break;
        }
    }

    void applyLaterEntry(int number, const std::string& s) {
        if (number <= 90) {
            applyPrefsAndColoursEntry(number, s);
        } else {
            applyResultsAndTextOnlyEntry(number, s);
        }
    }

    void applyPrefsAndColoursEntry(int number, const std::string& s) {
        Colours& colours = p_.ColoursWindow;
        PrefsForm& prefs = p_.PrefsWindow;
        Results& results = p_.ResultsWindow;
        // The colour chooser's texts and the units frame come from the text form only.
        if (block_ && ((number >= 70 && number <= 74) || (number >= 80 && number <= 82))) {
            return;
        }
        switch (number) {
            case 69:
                w_.ColoursWord = s;
                results.Style5.Caption = s;
                break;
            case 70:
                colours.Caption = s;
                colours.ColourA.ToolTipText = s + " A";
                colours.ColourB.ToolTipText = s + " B";
                colours.ColourC.ToolTipText = s + " C";
                break;
            case 71:
                colours.RGBlabel.Caption = s;
                break;
            case 72:
                colours.RedSlider.ToolTipText = s;
                break;
            case 73:
                colours.GreenSlider.ToolTipText = s;
                break;
            case 74:
                colours.BlueSlider.ToolTipText = s;
                break;
            case 76:
                prefs.faceSliderLabel.Caption = s;
                break;
            case 77:
                prefs.colourationSliderLabel.Caption = s;
                results.Style5.Caption = s;
                break;
            case 78:
                prefs.moreImportantLabel.Caption = s;
                break;
            case 79:
                prefs.lessImportantLabel.Caption = s;
                break;
            case 80:
                prefs.PrefsFrame.Caption = s;
                break;
            case 81:
                prefs.UnitsMetric.Caption = s + " (cm)";
                break;
            case 82:
                prefs.UnitsImperial.Caption = s;
                break;
            case 83:
                prefsHelpStart_ = s;
                break;
            case 84:
                prefs.weightsExplanation.Caption = prefsHelpStart_ + "\r\n\r\n" + s;
                break;
            case 85:
                prefs.AutoTopTen.Caption = s;
                break;
            case 87:
                w_.ResultsTitleText = s;
                break;
            case 88:
                results.Caption = block_ ? std::string("Results") : s;
                break;
            case 89:
                results.htmlNote.Caption = s;
                if (block_) {
                    results.styleFrame.Caption.clear();
                }
                break;
            case 90:
                if (!block_) {
                    results.styleFrame.Caption = s;
                }
                break;
            default:
                break;
        }
    }

    void applyResultsAndTextOnlyEntry(int number, const std::string& s) {
        Results& results = p_.ResultsWindow;
        switch (number) {
            case 91:
                results.Style3.Caption = s;
                break;
            case 92:
                results.Style1.Caption = s;
                break;
            case 93:
                results.Style2.Caption = s;
                break;
            case 95:
                results.ViewButton.Caption = s;
                break;
            case 96:
                results.cancelButton.Caption = s;
                break;
            case 97:
                results.WebLinkCheck.Caption = s;
                break;
            case 101:
                w_.FooterFaceWord = s;
                break;
            case 102:
                w_.SamplesWord = s;
                break;
            case 105:
                p_.NoMedianWindow.quitButton.Caption = s;
                break;
            case 106:
                p_.NoMedianWindow.missingFileMessage.Caption = s;
                break;
            case 107:
                p_.NoMedianWindow.Caption = s;
                break;
            case 109:
                p_.QuickKeyChooserWindow.functionKeyLabel.Caption = s + "F";
                break;
            case 110:
                p_.QuickKeyChooserWindow.becomesLabel.Caption = s;
                break;
            default:
                break;
        }
    }

    AnalysisProgram& p_;
    UiWords& w_;
    bool block_;
    std::string prefsHelpStart_;
};

}  // namespace

void applyAnalysisStrings(AnalysisProgram& program, const StringEntries& entries) {
    const bool block = entries.form() == StringFileForm::Block;
    EntryTable table(program, entries.form());
    if (block) {
        program.ResultsWindow.styleFrame.Caption.clear();
        program.Words.WordsInUtf8 = true;
    }
    const int last = block ? std::min(entries.count(), kLastBlockEntry) : entries.count();
    for (int number = 1; number <= last; ++number) {
        table.apply(number, std::string(*entries.entry(number)));
    }
}

void LoadAnalysisLanguage(AnalysisProgram& program) {
    if (const auto entries = common::language::loadStringEntries(program.app().startFolder(),
                                                                 kAnalysisStringFiles)) {
        applyAnalysisStrings(program, *entries);
    }
}

}  // namespace analysis
