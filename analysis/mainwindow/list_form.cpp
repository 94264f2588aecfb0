#include "analysis/mainwindow/list_form.h"

#include <filesystem>
#include <system_error>

#include "analysis/mainwindow/pixel_layout.h"
#include "analysis/program.h"
#include "common/files/list_file.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

constexpr std::string_view kListEnding = ".lst";

// A list is saved in the data folder and nowhere else: a name that holds a folder separator or
// names a folder itself is refused.
bool isPlainFileName(std::string_view name) {
    return name.find('/') == std::string_view::npos && name.find('\\') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos && name != "." && name != "..";
}

}  // namespace

ListForm::ListForm(AnalysisProgram& program)
    : Window(program.app(), "ListForm"), program_(program) {
    Caption = "List Editor";
    ChooseListLabel.Caption = "Lists:";
    ListInstructions.Caption =
        "Double-click a face to add it to the list, then save the list under a name.";
    File2Copy.setPattern("*.lst");
    ListSaveButton.Caption = "Save this list";
    ListInPlay.MultiLine = true;
    addFaceButton.Caption = "<";
    addFaceButton.ToolTipText = "Add the selected face to the list";
    Files2Choose.setPattern("*.txt");
    OKbutton.Caption = "OK";
    OKbutton.Cancel = true;
    layOut();

    addFaceButton.onClick = [this] { addFaceButton_Click(); };
    // A double click on a face adds it, as the button does.
    Files2Choose.onDblClick = [this] { addFaceButton_Click(); };
    File2Copy.onClick = [this] { File2Copy_Click(); };
    ListSaveButton.onClick = [this] { ListSaveButton_Click(); };
    FileBeingEdited.onReturn = [this] { ListSaveButton_Click(); };
    OKbutton.onClick = [this] { OKbutton_Click(); };
}

// Lists on the left, the list being edited in the middle, the faces to add on the right.
void ListForm::layOut() {
    Width = pixels(660);
    Height = pixels(420);
    place(ChooseListLabel, 16, 12, 150, 36);
    place(File2Copy, 16, 52, 150, 250);
    place(FileBeingEdited, 16, 312, 150, 26);
    place(ListSaveButton, 16, 346, 150, 30);
    place(ListInstructions, 182, 12, 462, 36);
    place(ListInPlay, 182, 52, 210, 324);
    place(addFaceButton, 404, 196, 36, 30);
    place(Files2Choose, 452, 52, 192, 324);
    place(OKbutton, 540, 382, 104, 30);
}

void ListForm::Form_Load() {
    Files2Choose.setPath(program_.MainWindow.Dir1.Path());
}

// Without a chosen face there is no name to add, and no empty line is added either.
void ListForm::addFaceButton_Click() {
    const std::string name = Files2Choose.FileName();
    if (name.empty()) {
        return;
    }
    ListInPlay.setText(ListInPlay.Text() + name + std::string(common::kCrLf));
}

// The list is read up to its end line; a list made by hand without one is read to its end. A
// list that cannot be read leaves the editor as it was.
void ListForm::File2Copy_Click() {
    const std::string name = File2Copy.FileName();
    if (name.empty()) {
        return;
    }
    std::string list;
    try {
        for (const std::string& line :
             common::readListFile(listPath(name), common::ListLines::Every)) {
            list += line;
            list += common::kCrLf;
        }
    } catch (const common::Error& error) {
        app().platform().reportError("The list " + common::heldToUtf8(name) +
                                     " could not be read: " + error.reason());
        return;
    }
    FileBeingEdited.setText(name);
    ListInPlay.setText(std::move(list));
}

// A list is saved as "<name>.lst", its blanks trimmed, so that it appears among the lists, and
// an existing list is replaced only when the user says so.
void ListForm::ListSaveButton_Click() {
    std::string name = common::Trim(FileBeingEdited.Text());
    if (name.empty()) {
        app().platform().reportError("The list was not saved: type a name for it first.");
        return;
    }
    if (!isPlainFileName(name)) {
        app().platform().reportError("The list was not saved: \"" + name +
                                     "\" is not a file name of the data folder.");
        return;
    }
    // Saved under such a name, the list would be a hidden file that no list box shows.
    if (name.starts_with('.')) {
        app().platform().reportError("The list was not saved: \"" + name +
                                     "\" begins with \".\", and a list so named is hidden "
                                     "from every list of lists.");
        return;
    }
    if (!name.ends_with(kListEnding)) {
        name += kListEnding;
    }
    if (name != FileBeingEdited.Text()) {
        FileBeingEdited.setText(name);
    }
    const std::string path = listPath(name);
    std::error_code absent;
    if (std::filesystem::exists(common::toPath(path), absent) &&
        !app().platform().askYesNo("The list " + common::heldToUtf8(name) +
                                   " exists already. Replace it?")) {
        return;
    }
    try {
        // Every line of the box is saved with CR LF (a lone LF becomes CR LF, the last name gets
        // its line end so it never runs into the end line); blank lines stay.
        common::writeWholeFile(path, common::listFileText(common::listLines(
                                         ListInPlay.Text(), common::ListLines::Every)));
    } catch (const common::Error& error) {
        app().platform().reportError("The list could not be saved to " + common::heldToUtf8(path) +
                                     ": " + error.reason());
    }
    File2Copy.Refresh();
}

// However the editor is closed, the main window lists the list files as they now are.
void ListForm::OKbutton_Click() {
    Hide();
    program_.MainWindow.ListFiles.Refresh();
}

void ListForm::Form_Unload() {
    program_.MainWindow.ListFiles.Refresh();
}

// The editor's data folder is the one its list box shows, so the list clicked is the list read.
std::string ListForm::listPath(std::string_view name) const {
    return common::joinPath(File2Copy.Path(), name);
}

}  // namespace analysis
