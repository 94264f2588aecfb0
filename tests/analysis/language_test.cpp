#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "analysis/mainwindow/prefs_storage.h"
#include "analysis/program.h"
#include "common/headless/recording_platform.h"
#include "tests/common/string_files.h"
#include "tests/common/temp_folder.h"

namespace {

// The word of entry n in the test's text-form file: recognisable, with a letter beyond ASCII.
std::string textWord(int n) {
    return "W\xE9rt" + std::to_string(n);
}

// A text-form file of the given number of lines, each holding its entry's word.
std::string textFile(int lines) {
    std::string file;
    for (int n = 1; n <= lines; ++n) {
        file += textWord(n) + "\r\n";
    }
    return file;
}

// The word of entry n in the test's block-form file: Cyrillic, the number, then Chinese.
std::u16string blockWord(int n) {
    std::u16string word = u"\u0421\u043B\u043E\u0432\u043E";
    for (const char c : std::to_string(n)) {
        word += static_cast<char16_t>(c);
    }
    return word + u"\u5B57";
}
std::string blockWordUtf8(int n) {
    return "\xD0\xA1\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xBE" + std::to_string(n) + "\xE5\xAD\x97";
}

// A block-form file: the little-endian mark, a title line, then every entry up to the last
// one given ended by CR LF, padded with blanks to the block's 6000 characters (or cut short).
std::string blockFile(int entries, std::size_t units = 6000) {
    std::u16string text = u"Title: \u0420\u0443\u0441\u0441\u043A\u0438\u0439\r\n";
    for (int n = 1; n <= entries; ++n) {
        text += blockWord(n) + u"\r\n";
    }
    return blockStringFile(text, units);
}

// A program started in a folder that holds the given language.txt and string file.
struct LanguageFixture : ::testing::Test {
    TempFolder folder;
    common::RecordingPlatform platform;
    forms::Application app{platform, folder.text()};
    std::unique_ptr<analysis::AnalysisProgram> started;

    analysis::AnalysisProgram& start(const std::string& language, const std::string& fileName,
                                     const std::string& content) {
        folder.write("language.txt", language);
        if (!fileName.empty()) {
            folder.write(fileName, content);
        }
        started = std::make_unique<analysis::AnalysisProgram>(app);
        started->start();
        return *started;
    }
};

using Languages = LanguageFixture;

// Every caption, tool tip and word that entries 1 to 97 set in both forms.
void expectSharedEntries(const analysis::AnalysisProgram& p, std::string (*word)(int)) {
    const analysis::Analysis& main = p.MainWindow;
    const analysis::UiWords& w = p.Words;
    EXPECT_EQ(main.Caption, word(1));
    EXPECT_EQ(w.ViewFullLength, word(2));
    EXPECT_EQ(w.ViewPortrait, word(3));
    EXPECT_EQ(w.ViewProfile, word(4));
    EXPECT_EQ(p.PrefsWindow.profileSliderLabel.Caption, word(4));
    EXPECT_EQ(p.PlotterWindow.ProfileButton.ToolTipText, word(4));
    EXPECT_EQ(p.ResultsWindow.Style6.Caption, word(4));
    EXPECT_EQ(w.ViewTypical, word(5));
    EXPECT_EQ(w.ViewAlternative, word(6));
    EXPECT_EQ(w.NoDataText, word(8));
    EXPECT_EQ(main.browseHeading.Caption, word(9));
    EXPECT_EQ(main.CurrentProgress.Caption, word(10));
    EXPECT_EQ(main.ProgressLabel.Caption, word(11));
    EXPECT_EQ(p.PrefsWindow.Caption, word(13));
    EXPECT_EQ(main.PrefButton.Caption, word(14));
    EXPECT_EQ(p.ResultsWindow.ResPrefs.Caption, word(14));
    EXPECT_EQ(main.PlotterButton.Caption, word(15));
    EXPECT_EQ(main.CompButton.Caption, word(16));
    EXPECT_EQ(main.OutputButton.Caption, word(17));
    EXPECT_EQ(main.QuitButton.Caption, word(18));
    EXPECT_EQ(main.HelpButton.Caption, word(19));
    EXPECT_EQ(w.FirstPlacePrefix, word(20));
    EXPECT_EQ(w.SecondPlacePrefix, word(21));
    EXPECT_EQ(w.ThirdPlacePrefix, word(22));
    EXPECT_EQ(w.NeedThreeFacesText, word(23));
    EXPECT_EQ(main.Allbutton.Caption, word(24));
    EXPECT_EQ(main.ListsButton.Caption, word(25));
    EXPECT_EQ(main.CompListButton.Caption, word(26));
    EXPECT_EQ(main.ListEditButton.Caption, word(27));
    EXPECT_EQ(w.PortraitOnlyText, word(28));
    EXPECT_EQ(p.ListWindow.ListSaveButton.Caption, word(31));
    EXPECT_EQ(p.ListWindow.ChooseListLabel.Caption, word(32));
    EXPECT_EQ(p.ListWindow.ListInstructions.Caption, word(33));
    const analysis::PlotterForm& plotter = p.PlotterWindow;
    EXPECT_EQ(plotter.CheckBoxC.Caption, word(35));
    EXPECT_EQ(w.PercentOfAverageText, word(37));
    EXPECT_EQ(plotter.ColourButton.ToolTipText, word(38));
    EXPECT_EQ(plotter.OKbutton.ToolTipText, word(39));
    EXPECT_EQ(plotter.shadedBoxes.Caption, word(40));
    EXPECT_EQ(plotter.unshadedBoxes.Caption, word(41));
    EXPECT_EQ(w.FaceWord, word(42));
    EXPECT_EQ(w.EyesWord, word(43));
    EXPECT_EQ(p.PrefsWindow.eyeSliderLabel.Caption, word(43));
    EXPECT_EQ(w.NoseWord, word(44));
    EXPECT_EQ(p.PrefsWindow.noseSliderLabel.Caption, word(44));
    EXPECT_EQ(w.MouthWord, word(45));
    EXPECT_EQ(p.PrefsWindow.mouthSliderLabel.Caption, word(45));
    EXPECT_EQ(w.LayoutWord, word(46));
    EXPECT_EQ(w.JawlineWord, word(47));
    EXPECT_EQ(p.PrefsWindow.jawlineSliderLabel.Caption, word(47));
    EXPECT_EQ(w.FaceShapeWord, word(48));
    EXPECT_EQ(w.ShapeWord, word(49));
    EXPECT_EQ(w.SkinWord, word(50));
    EXPECT_EQ(w.HairWord, word(51));
    EXPECT_EQ(w.ShapeSquare, word(52));
    EXPECT_EQ(w.ShapeRound, word(53));
    EXPECT_EQ(w.ShapeLong, word(54));
    EXPECT_EQ(w.ShapeHeart, word(55));
    EXPECT_EQ(w.ShapeOval, word(56));
    EXPECT_EQ(plotter.NoseLabel.Caption, word(57));
    EXPECT_EQ(plotter.BottomLabel.Caption, word(58));
    EXPECT_EQ(plotter.EyeLevelLabel.Caption, word(59));
    EXPECT_EQ(plotter.TopLabel.Caption, word(60));
    EXPECT_EQ(w.WidthWord, word(61));
    EXPECT_EQ(w.HeightWord, word(62));
    EXPECT_EQ(w.InchesWord, word(63));
    EXPECT_EQ(w.FeetWord, word(64));
    EXPECT_EQ(w.UnknownWord, word(65));
    EXPECT_EQ(w.UnavailableText, word(66));
    EXPECT_EQ(p.ColoursWindow.bgButton1.Caption, word(68));
    EXPECT_EQ(w.ColoursWord, word(69));
    EXPECT_EQ(p.PrefsWindow.faceSliderLabel.Caption, word(76));
    EXPECT_EQ(p.PrefsWindow.colourationSliderLabel.Caption, word(77));
    EXPECT_EQ(p.ResultsWindow.Style5.Caption, word(77));  // 77 comes after 69
    EXPECT_EQ(p.PrefsWindow.moreImportantLabel.Caption, word(78));
    EXPECT_EQ(p.PrefsWindow.lessImportantLabel.Caption, word(79));
    EXPECT_EQ(p.PrefsWindow.weightsExplanation.Caption, word(83) + "\r\n\r\n" + word(84));
    EXPECT_EQ(p.PrefsWindow.AutoTopTen.Caption, word(85));
    EXPECT_EQ(w.ResultsTitleText, word(87));
    EXPECT_EQ(p.ResultsWindow.htmlNote.Caption, word(89));
    EXPECT_EQ(p.ResultsWindow.Style3.Caption, word(91));
    EXPECT_EQ(p.ResultsWindow.Style1.Caption, word(92));
    EXPECT_EQ(p.ResultsWindow.Style2.Caption, word(93));
    EXPECT_EQ(p.ResultsWindow.ViewButton.Caption, word(95));
    EXPECT_EQ(p.ResultsWindow.cancelButton.Caption, word(96));
    EXPECT_EQ(p.ResultsWindow.WebLinkCheck.Caption, word(97));
    // The captions start-up sets after the language take the new words (the start folder holds
    // two .txt files: language.txt and the string file).
    EXPECT_EQ(main.File1.ToolTipText, " 2" + w.FacesWord);
    EXPECT_EQ(p.ResultsWindow.Style4.Caption, word(62));
    EXPECT_EQ(main.View1.Caption, word(5));
    EXPECT_EQ(main.View2.Caption, word(5));
    EXPECT_EQ(main.Person1.Caption, word(8));
    EXPECT_EQ(main.Person2.Caption, word(8));
}

}  // namespace

TEST_F(Languages, TextFormSetsEveryEntry) {
    const analysis::AnalysisProgram& p = start("4\r\n", "AnalysisStrings_de.txt", textFile(110));
    expectSharedEntries(p, textWord);
    EXPECT_EQ(p.Words.FacesWord, textWord(7));
    EXPECT_EQ(p.MainWindow.File1.ToolTipText, " 2" + textWord(7));
    EXPECT_EQ(p.MainWindow.selectFace1.Caption, textWord(12) + "1");
    EXPECT_EQ(p.MainWindow.selectFace2.Caption, textWord(12) + "2");
    EXPECT_EQ(p.QuickKeyChooserWindow.Caption, textWord(12));
    EXPECT_EQ(p.PlotterWindow.Caption, textWord(15));
    EXPECT_EQ(p.ListWindow.Caption, textWord(30));
    const analysis::PlotterForm& plotter = p.PlotterWindow;
    EXPECT_EQ(plotter.eyesViewButton.ToolTipText, textWord(43));
    EXPECT_EQ(plotter.noseViewButton.ToolTipText, textWord(44));
    EXPECT_EQ(plotter.mouthViewButton.ToolTipText, textWord(45));
    EXPECT_EQ(plotter.layoutViewButton.ToolTipText, textWord(46));
    EXPECT_EQ(plotter.faceShapeViewButton.ToolTipText, textWord(48));
    const analysis::Colours& colours = p.ColoursWindow;
    EXPECT_EQ(colours.Caption, textWord(70));
    EXPECT_EQ(colours.ColourA.ToolTipText, textWord(70) + " A");
    EXPECT_EQ(colours.ColourB.ToolTipText, textWord(70) + " B");
    EXPECT_EQ(colours.ColourC.ToolTipText, textWord(70) + " C");
    EXPECT_EQ(colours.RGBlabel.Caption, textWord(71));
    EXPECT_EQ(colours.RedSlider.ToolTipText, textWord(72));
    EXPECT_EQ(colours.GreenSlider.ToolTipText, textWord(73));
    EXPECT_EQ(colours.BlueSlider.ToolTipText, textWord(74));
    EXPECT_EQ(p.PrefsWindow.PrefsFrame.Caption, textWord(80));
    EXPECT_EQ(p.PrefsWindow.UnitsMetric.Caption, textWord(81) + " (cm)");
    EXPECT_EQ(p.PrefsWindow.UnitsImperial.Caption, textWord(82));
    EXPECT_EQ(p.ResultsWindow.Caption, textWord(88));
    EXPECT_EQ(p.ResultsWindow.styleFrame.Caption, textWord(90));
    EXPECT_EQ(p.Words.FooterFaceWord, textWord(101));
    EXPECT_EQ(p.Words.SamplesWord, textWord(102));
    EXPECT_EQ(p.NoMedianWindow.quitButton.Caption, textWord(105));
    EXPECT_EQ(p.NoMedianWindow.missingFileMessage.Caption, textWord(106));
    EXPECT_EQ(p.NoMedianWindow.Caption, textWord(107));
    EXPECT_EQ(p.QuickKeyChooserWindow.functionKeyLabel.Caption, textWord(109) + "F");
    EXPECT_EQ(p.QuickKeyChooserWindow.becomesLabel.Caption, textWord(110));
    EXPECT_FALSE(p.Words.WordsInUtf8);
}

// The chooser's title names its key after the language's words.
TEST_F(Languages, TheQuickKeyChooserNamesItsKeyAfterTheLanguagesWords) {
    analysis::AnalysisProgram& p = start("4\r\n", "AnalysisStrings_de.txt", textFile(110));
    analysis::AssignQuickKey(p, 3);
    EXPECT_EQ(p.QuickKeyChooserWindow.Caption, textWord(12) + " (F3)");
    analysis::AnalysisProgram& block = start("9\r\n", "AnalysisStrings_ru.txt", blockFile(110));
    analysis::AssignQuickKey(block, 10);
    EXPECT_EQ(block.QuickKeyChooserWindow.Caption, "Quick Keys (F10)");
}

TEST_F(Languages, BlockFormSetsItsEntriesAndKeepsItsExceptions) {
    const analysis::AnalysisProgram& p = start("9\r\n", "AnalysisStrings_ru.txt", blockFile(110));
    expectSharedEntries(p, blockWordUtf8);
    EXPECT_TRUE(p.Words.WordsInUtf8);
    EXPECT_EQ(p.Words.FacesWord, " faces");
    EXPECT_EQ(p.MainWindow.File1.ToolTipText, " 2 faces");
    EXPECT_EQ(p.MainWindow.selectFace1.Caption, blockWordUtf8(12) + " 1");
    EXPECT_EQ(p.MainWindow.selectFace2.Caption, blockWordUtf8(12) + " 2");
    EXPECT_EQ(p.QuickKeyChooserWindow.Caption, "Quick Keys");
    EXPECT_EQ(p.PlotterWindow.Caption, "Plotter");
    EXPECT_EQ(p.ListWindow.Caption, "List Editor");
    EXPECT_EQ(p.ResultsWindow.Caption, "Results");
    EXPECT_EQ(p.ResultsWindow.styleFrame.Caption, "");
    // The view buttons' tool tips keep their start-up texts.
    EXPECT_EQ(p.PlotterWindow.eyesViewButton.ToolTipText, "Eyes");
    EXPECT_EQ(p.PlotterWindow.noseViewButton.ToolTipText, "Nose");
    EXPECT_EQ(p.PlotterWindow.mouthViewButton.ToolTipText, "Mouth");
    EXPECT_EQ(p.PlotterWindow.layoutViewButton.ToolTipText, "Layout");
    EXPECT_EQ(p.PlotterWindow.faceShapeViewButton.ToolTipText, "Face Shape");
    // The colour chooser and the units frame keep their texts.
    EXPECT_EQ(p.ColoursWindow.Caption, "Colours");
    EXPECT_EQ(p.ColoursWindow.ColourA.ToolTipText, "Set colour A");
    EXPECT_EQ(p.ColoursWindow.RGBlabel.Caption, "  R        G         B");
    EXPECT_EQ(p.ColoursWindow.RedSlider.ToolTipText, "Red");
    EXPECT_EQ(p.PrefsWindow.PrefsFrame.Caption, "Unit of Measurement");
    EXPECT_EQ(p.PrefsWindow.UnitsMetric.Caption, "Metric (cm)");
    EXPECT_EQ(p.PrefsWindow.UnitsImperial.Caption, "Imperial");
    // Entries past 97 are not read.
    EXPECT_EQ(p.Words.SamplesWord, " samples. ");
    EXPECT_EQ(p.Words.FooterFaceWord, "");
    EXPECT_EQ(p.NoMedianWindow.Caption, "Error: A .vis file is missing!");
    EXPECT_EQ(p.NoMedianWindow.quitButton.Caption,
              "Quit the Analysis Module and run the Vismaker Module");
    EXPECT_TRUE(
        p.NoMedianWindow.missingFileMessage.Caption.starts_with("The Analysis module cannot"));
    EXPECT_EQ(p.QuickKeyChooserWindow.functionKeyLabel.Caption, "Function Key :");
    EXPECT_EQ(p.QuickKeyChooserWindow.becomesLabel.Caption, "becomes...");
}

TEST_F(Languages, EveryBlockLanguageUsesTheBlockRules) {
    const analysis::AnalysisProgram& p = start("12\r\n", "AnalysisStrings_th.txt", blockFile(50));
    EXPECT_EQ(p.Words.EyesWord, blockWordUtf8(43));
    EXPECT_EQ(p.PlotterWindow.eyesViewButton.ToolTipText, "Eyes");
    EXPECT_EQ(p.PlotterWindow.faceShapeViewButton.ToolTipText, "Face Shape");
    // Entries the block does not reach stay English; the results frame is emptied all the same.
    EXPECT_EQ(p.Words.HeightWord, "Height");
    EXPECT_EQ(p.ResultsWindow.htmlNote.Caption.substr(0, 15), "Results are in ");
    EXPECT_EQ(p.ResultsWindow.styleFrame.Caption, "");
}

TEST_F(Languages, ShortFilesChangeWhatTheyReach) {
    // A text form that ends after entry 83 leaves the preferences help English.
    const analysis::AnalysisProgram& p = start("1\r\n", "AnalysisStrings_fr.txt", textFile(83));
    EXPECT_EQ(p.PrefsWindow.PrefsFrame.Caption, textWord(80));
    EXPECT_TRUE(
        p.PrefsWindow.weightsExplanation.Caption.starts_with("These settings allow the user"));
    EXPECT_EQ(p.PrefsWindow.AutoTopTen.Caption, "Automatically use closest?");
    EXPECT_EQ(p.ResultsWindow.styleFrame.Caption, "Results style");
    EXPECT_EQ(p.Words.SamplesWord, " samples. ");
}

TEST_F(Languages, ShortBlockChangesNothing) {
    const analysis::AnalysisProgram& p =
        start("13\r\n", "AnalysisStrings_cn.txt", blockFile(97, 5999));
    EXPECT_EQ(p.MainWindow.Caption, "Tovrel Suite - Analysis Module v4.05");
    EXPECT_EQ(p.ResultsWindow.styleFrame.Caption, "Results style");
    EXPECT_EQ(p.MainWindow.View1.Caption, "Typical");
    EXPECT_FALSE(p.Words.WordsInUtf8);
}

TEST_F(Languages, EmptyEntryEmptiesItsWord) {
    std::string file = textFile(2);
    file.insert(0, "Analyse\r\n\r\n");  // entries 1 and 2; the file's words follow from 3
    const analysis::AnalysisProgram& p = start("4.5\r\n", "AnalysisStrings_de.txt", file);
    EXPECT_EQ(p.MainWindow.Caption, "Analyse");
    EXPECT_EQ(p.Words.ViewFullLength, "");
    EXPECT_EQ(p.Words.ViewPortrait, textWord(1));
    EXPECT_EQ(p.Words.ViewTypical, "Typical");
}

TEST_F(Languages, EnglishStaysQuietlyOnEveryFailure) {
    struct Case {
        const char* language;
        const char* fileName;
    };
    for (const Case c :
         {Case{"", "AnalysisStrings_fr.txt"}, Case{"14\r\n", "AnalysisStrings_fr.txt"},
          Case{"Deutsch\r\n", "AnalysisStrings_de.txt"},
          Case{"99999\r\n", "AnalysisStrings_de.txt"}, Case{"5.5\r\n", "AnalysisStrings_nl.txt"},
          Case{"2\r\n", "AnalysisStrings_fr.txt"}}) {
        TempFolder own;
        common::RecordingPlatform quiet;
        forms::Application ownApp{quiet, own.text()};
        own.write("language.txt", c.language);
        own.write(c.fileName, textFile(110));
        analysis::AnalysisProgram p(ownApp);
        p.start();
        EXPECT_EQ(p.MainWindow.Caption, "Tovrel Suite - Analysis Module v4.05") << c.language;
        EXPECT_EQ(p.Words.FacesWord, " faces") << c.language;
        EXPECT_TRUE(quiet.errors.empty()) << c.language;
    }
}

// The language files are found in the start folder, not in the data folder below it, and a
// block saved with LF line ends keeps every letter of its entries.
TEST_F(Languages, FilesOfTheStartFolderWithLfLineEnds) {
    const std::string data = folder.subfolder("Sample data");
    common::writeWholeFile(common::joinPath(data, "language.txt"), "1\r\n");
    common::writeWholeFile(common::joinPath(data, "AnalysisStrings_fr.txt"), textFile(110));
    const analysis::AnalysisProgram& p =
        start("11\r\n", "AnalysisStrings_jp.txt",
              blockStringFile(u"Title\n\u65E5\u672C\n\u8868\u793A\r\n\n", 6000));
    EXPECT_EQ(p.MainWindow.Dir1.Path(), data);
    EXPECT_EQ(p.MainWindow.Caption, "\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(p.Words.ViewFullLength, "\xE8\xA1\xA8\xE7\xA4\xBA");
    EXPECT_EQ(p.Words.ViewPortrait, "");
    EXPECT_EQ(p.Words.ViewProfile, "Profile");
}
