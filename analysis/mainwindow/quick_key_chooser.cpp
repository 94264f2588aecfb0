#include "analysis/mainwindow/quick_key_chooser.h"

#include <string>
#include <utility>

#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/program.h"
#include "common/text/convert.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

constexpr std::size_t kExtensionLength = 4;  // ".txt"
constexpr int kKeyReturn = 13;

}  // namespace

QuickKeyChooser::QuickKeyChooser(AnalysisProgram& program)
    : Window(program.app(), "PrefsLoader"), program_(program) {
    setTitleWords("Select face");
    functionKeyLabel.Caption = "Function Key :";
    functionKeyLabel.FontBold = true;
    becomesLabel.Caption = "becomes...";
    File2.setPattern("*.txt");
    OKbutton.Caption = "OK";
    // Escape leaves the key as it was; only OK, Return or a double click assigns the highlighted
    // face.
    EscapeCloses = true;

    Width = pixels(320);
    Height = pixels(360);
    place(functionKeyLabel, 16, 16, 288, 20);
    place(becomesLabel, 16, 40, 288, 20);
    place(File2, 16, 68, 288, 228);
    place(OKbutton, 200, 312, 104, 32);

    OKbutton.onClick = [this] { OKbutton_Click(); };
    // A double click on a face chooses it, as a file dialog does.
    File2.onDblClick = [this] { OKbutton_Click(); };
    File2.onKeyDown = [this](int keyCode) { File2_KeyDown(keyCode); };
}

// Until a key is set the title is the words alone.
void QuickKeyChooser::setTitleWords(std::string words) {
    titleWords_ = std::move(words);
    Caption = titleWords_;
}

// The title names the key, so a chooser that another quick-key button takes over says so.
void QuickKeyChooser::nameKey(int key) {
    Caption = common::Trim(titleWords_) + " (F" + common::plain(key) + ")";
}

// Without a chosen file there is no name to cut the ".txt" from: the quick key keeps its face.
void QuickKeyChooser::OKbutton_Click() {
    const std::string file = File2.FileName();
    if (file.size() >= kExtensionLength) {
        program_.PrefsWindow.F1Person(program_.QuickKeyIndex).Caption =
            file.substr(0, file.size() - kExtensionLength);
    }
    Hide();
}

void QuickKeyChooser::File2_KeyDown(int keyCode) {
    if (keyCode == kKeyReturn) {
        OKbutton_Click();
    }
}

}  // namespace analysis
