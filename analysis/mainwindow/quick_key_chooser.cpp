#include "analysis/mainwindow/quick_key_chooser.h"

#include <string>

#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/program.h"

namespace analysis {

namespace {

constexpr std::size_t kExtensionLength = 4;  // ".txt"

}  // namespace

QuickKeyChooser::QuickKeyChooser(AnalysisProgram& program)
    : Window(program.app(), "PrefsLoader"), program_(program) {
    Caption = "Select face";
    functionKeyLabel.Caption = "Function Key :";
    functionKeyLabel.FontBold = true;
    becomesLabel.Caption = "becomes...";
    File2.setPattern("*.txt");
    OKbutton.Caption = "OK";
    // Escape leaves the key as it was; only OK or a double click assigns the highlighted face.
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

}  // namespace analysis
