#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/text/cp1252.h"
#include "tests/analysis/program_fixture.h"

namespace {

// The data folder is the start folder: the program starts without Sample data.
struct ListEditor : ProgramFixture {
    analysis::ListForm& editor = program.ListWindow;

    analysis::ListForm& open() {
        window.ListsButton.click();
        window.ListEditButton.click();
        return editor;
    }

    static void choose(forms::FileListBox& box, const std::string& name) {
        for (int i = 0; i < box.ListCount(); ++i) {
            if (box.List(i) == name) {
                box.setListIndex(i);
                return;
            }
        }
        FAIL() << name << " is not listed in " << box.key();
    }

    void add(const std::string& face) {
        choose(editor.Files2Choose, face);
        editor.addFaceButton.click();
    }

    void saveAs(const std::string& name) {
        editor.FileBeingEdited.setText(name);
        editor.ListSaveButton.click();
    }

    void load(const std::string& name) {
        editor.File2Copy.setListIndex(-1);
        choose(editor.File2Copy, name);
    }

    void writeFaces() const {
        for (const char* face : {"Ann.txt", "Bob.txt", "Cid.txt", "Dee.txt", "Eve.txt"}) {
            folder.write(face, "x");
        }
    }
};

}  // namespace

TEST_F(ListEditor, OpensOnTheDataFolderAndIsNotThereBefore) {
    EXPECT_FALSE(editor.Loaded());
    writeFaces();
    folder.write("Old.lst", "Ann.txt\r\n99999\r\n");
    open();
    EXPECT_TRUE(editor.Visible());
    EXPECT_EQ(app.activeWindow(), &editor);
    EXPECT_EQ(editor.Files2Choose.Path(), window.Dir1.Path());
    EXPECT_EQ(editor.File2Copy.Path(), window.Dir1.Path());
    EXPECT_EQ(editor.Files2Choose.ListCount(), 5);
    ASSERT_EQ(editor.File2Copy.ListCount(), 1);
    EXPECT_EQ(editor.File2Copy.List(0), "Old.lst");
}

TEST_F(ListEditor, TwoNamesSavedAndLoadedAgain) {
    writeFaces();
    open();
    add("Ann.txt");
    add("Bob.txt");
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nBob.txt\r\n");
    saveAs("Two.lst");
    EXPECT_EQ(folder.read("Two.lst"), "Ann.txt\r\nBob.txt\r\n99999\r\n");
    EXPECT_TRUE(platform.errors.empty());
    // The list box shows the new list at once.
    ASSERT_EQ(editor.File2Copy.ListCount(), 1);

    editor.ListInPlay.setText("");
    editor.FileBeingEdited.setText("");
    load("Two.lst");
    EXPECT_EQ(editor.FileBeingEdited.Text(), "Two.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nBob.txt\r\n");
}

TEST_F(ListEditor, ShorterListReplacesALongerFile) {
    writeFaces();
    folder.write("Five.lst", "Ann.txt\r\nBob.txt\r\nCid.txt\r\nDee.txt\r\nEve.txt\r\n99999\r\n");
    open();
    load("Five.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nBob.txt\r\nCid.txt\r\nDee.txt\r\nEve.txt\r\n");
    editor.ListInPlay.setText("Cid.txt\r\n");
    editor.ListSaveButton.click();
    EXPECT_EQ(folder.read("Five.lst"), "Cid.txt\r\n99999\r\n");
    load("Five.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "Cid.txt\r\n");
}

// A list ends at its line "99999" and nowhere else: a face named "Agent 9999" stays listed.
TEST_F(ListEditor, LoadingStopsOnlyAtTheExactEndLine) {
    folder.write("Odd.lst", "Ann.txt\r\nFace9999.txt\r\nBob.txt\r\n99999\r\nCid.txt\r\n");
    // Files edited on Linux end their lines with LF alone; hand-made lists may lack the end line
    // or hold lines without ".txt", which the editor keeps as they are.
    folder.write("Unix.lst", "Ann.txt\nnotes\n\nBob.txt\n99999\n");
    folder.write("Bare.lst", "Ann.txt\r\nBob.txt");
    folder.write("Empty.lst", "");
    open();
    load("Odd.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nFace9999.txt\r\nBob.txt\r\n");
    load("Unix.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nnotes\r\n\r\nBob.txt\r\n");
    load("Bare.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nBob.txt\r\n");
    load("Empty.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "");
    EXPECT_EQ(editor.FileBeingEdited.Text(), "Empty.lst");
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(ListEditor, AListOpenedAndSavedUnchangedKeepsEveryFace) {
    const std::string list = "Ann.txt\r\nAgent 9999.txt\r\nBob.txt\r\n99999\r\n";
    folder.write("Agents.lst", list);
    open();
    load("Agents.lst");
    editor.ListSaveButton.click();
    EXPECT_EQ(folder.read("Agents.lst"), list);
}

TEST_F(ListEditor, EmptyListAndUnendedLastLine) {
    open();
    saveAs("None.lst");
    EXPECT_EQ(folder.read("None.lst"), "99999\r\n");
    // A last name typed without its line end gets one: it never runs into the end line.
    editor.ListInPlay.setText("Ann.txt\r\nBob.txt");
    saveAs("Joined.lst");
    EXPECT_EQ(folder.read("Joined.lst"), "Ann.txt\r\nBob.txt\r\n99999\r\n");
    load("Joined.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nBob.txt\r\n");
}

// Every line is saved with CR LF: lone LFs (a box or a paste that gave them) become CR LF, and
// blank lines stay where they are.
TEST_F(ListEditor, EveryLineIsSavedWithCrLf) {
    open();
    editor.ListInPlay.setText("Ann Lee.txt\nBob.txt\r\n\n\nAva Novak.txt");
    saveAs("Mixed.lst");
    EXPECT_EQ(folder.read("Mixed.lst"),
              "Ann Lee.txt\r\nBob.txt\r\n\r\n\r\nAva Novak.txt\r\n99999\r\n");
    // Loaded again, the list ends at its end line and names no garbled face.
    load("Mixed.lst");
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann Lee.txt\r\nBob.txt\r\n\r\n\r\nAva Novak.txt\r\n");
    saveAs("Mixed.lst");
    EXPECT_EQ(folder.read("Mixed.lst"),
              "Ann Lee.txt\r\nBob.txt\r\n\r\n\r\nAva Novak.txt\r\n99999\r\n")
        << "saving a loaded list unchanged keeps it byte for byte";
}

TEST_F(ListEditor, TheListNameIsTrimmedAndAnEmptyOneIsAnswered) {
    open();
    editor.ListInPlay.setText("Ann.txt\r\n");
    for (const std::string blank : {"", "   "}) {
        platform.errors.clear();
        saveAs(blank);
        EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "[" << blank << "]";
        ASSERT_EQ(platform.errors.size(), 1u) << "[" << blank << "]";
        EXPECT_NE(platform.errors[0].find("name"), std::string::npos);
    }
    platform.errors.clear();
    saveAs("  Week 12  ");
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(folder.read("Week 12.lst"), "Ann.txt\r\n99999\r\n");
    EXPECT_EQ(editor.FileBeingEdited.Text(), "Week 12.lst");
}

TEST_F(ListEditor, NamesGetTheListEnding) {
    open();
    editor.ListInPlay.setText("Ann.txt\r\n");
    // Saved with ".lst", so the list boxes show it.
    saveAs("Mine");
    EXPECT_EQ(folder.read("Mine.lst"), "Ann.txt\r\n99999\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Mine"));
    EXPECT_EQ(editor.FileBeingEdited.Text(), "Mine.lst");
    ASSERT_EQ(editor.File2Copy.ListCount(), 1);
    EXPECT_EQ(editor.File2Copy.List(0), "Mine.lst");
    EXPECT_TRUE(platform.questions.empty()) << "a new list replaces nothing";
}

TEST_F(ListEditor, ReplacingAListIsAskedFirst) {
    folder.write("Two.lst", "Ann.txt\r\nBob.txt\r\n99999\r\n");
    open();
    editor.ListInPlay.setText("Cid.txt\r\n");
    platform.answerYes = false;
    saveAs("Two");
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_NE(platform.questions[0].find("Two.lst"), std::string::npos);
    EXPECT_EQ(folder.read("Two.lst"), "Ann.txt\r\nBob.txt\r\n99999\r\n");
    platform.answerYes = true;
    saveAs("Two.lst");
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(folder.read("Two.lst"), "Cid.txt\r\n99999\r\n");
}

// Choosing the list already chosen loads it again, edits thrown away.
TEST_F(ListEditor, ClickingTheChosenListReloadsIt) {
    folder.write("Two.lst", "Ann.txt\r\nBob.txt\r\n99999\r\n");
    open();
    load("Two.lst");
    editor.ListInPlay.setText("Changed\r\n");
    editor.File2Copy.clickEntry(editor.File2Copy.ListIndex());
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nBob.txt\r\n");
}

TEST_F(ListEditor, NamesLeadingOutOfTheDataFolderAreRefused) {
    const std::string sub = folder.subfolder("Sub");
    const std::filesystem::path outside = folder.path().parent_path() / "Escaped.lst";
    std::filesystem::remove(outside);
    open();
    editor.ListInPlay.setText("Ann.txt\r\n");
    for (const char* name :
         {"../Escaped.lst", "Sub/Inside.lst", "/tmp/Escaped.lst", "Sub\\Inside.lst", "..", "."}) {
        platform.errors.clear();
        saveAs(name);
        ASSERT_EQ(platform.errors.size(), 1u) << name;
        EXPECT_NE(platform.errors[0].find(name), std::string::npos) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(outside));
    EXPECT_TRUE(std::filesystem::is_empty(common::toPath(sub)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
    // A name that merely holds dots is a plain file name.
    platform.errors.clear();
    saveAs("A.b..lst");
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(folder.read("A.b..lst"), "Ann.txt\r\n99999\r\n");
}

TEST_F(ListEditor, FailuresAreReportedAndLeaveTheEditorAsItWas) {
    folder.subfolder("Taken.lst");
    folder.write("Gone.lst", "Ann.txt\r\n99999\r\n");
    open();
    editor.ListInPlay.setText("Bob.txt\r\n");
    saveAs("Taken.lst");
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("could not be saved"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "Taken.lst"));

    // A list deleted after it was listed cannot be read.
    std::filesystem::remove(folder.path() / "Gone.lst");
    load("Gone.lst");
    ASSERT_EQ(platform.errors.size(), 2u);
    EXPECT_NE(platform.errors[1].find("Gone.lst"), std::string::npos);
    EXPECT_EQ(editor.ListInPlay.Text(), "Bob.txt\r\n");
    EXPECT_EQ(editor.FileBeingEdited.Text(), "Taken.lst");
}

// A list that cannot be saved is named readably in a data folder of any name: a folder name
// Windows-1252 cannot hold as it stands, one held in Windows-1252 converted.
TEST_F(ListEditor, AListThatCannotBeSavedIsNamedReadablyInAFolderOfAnyName) {
    const std::string people = "\xD0\x9B\xD0\xB8\xD1\x86\xD0\xB0";
    std::filesystem::create_directories(folder.path() / people / "Zo\xC3\xAB" / "Taken.lst");
    open();
    editor.File2Copy.setPath(folder.file(people + "/Zo\xEB"));
    editor.ListInPlay.setText("Bob.txt\r\n");
    saveAs("Taken.lst");
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0], "The list could not be saved to " +
                                      common::cp1252ToUtf8(folder.text()) + "/" + people +
                                      "/Zo\xC3\xAB/Taken.lst: Is a directory");
}

TEST_F(ListEditor, NothingChosenAddsOrLoadsNothing) {
    writeFaces();
    open();
    editor.ListInPlay.setText("Ann.txt\r\n");
    editor.FileBeingEdited.setText("Kept.lst");
    editor.addFaceButton.click();
    editor.File2Copy.click();
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\n");
    EXPECT_EQ(editor.FileBeingEdited.Text(), "Kept.lst");
    // A double click on a face adds it.
    choose(editor.Files2Choose, "Eve.txt");
    editor.Files2Choose.dblClick();
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\nEve.txt\r\n");
}

TEST_F(ListEditor, OkHidesAndTheMainWindowListsTheNewList) {
    open();
    saveAs("New.lst");
    EXPECT_EQ(window.ListFiles.ListCount(), 0);
    editor.OKbutton.click();
    EXPECT_FALSE(editor.Visible());
    ASSERT_EQ(window.ListFiles.ListCount(), 1);
    EXPECT_EQ(window.ListFiles.List(0), "New.lst");
}

TEST_F(ListEditor, TextsAreKeptAndTheBoxesFollowTheDataFolder) {
    writeFaces();
    open();
    add("Ann.txt");
    editor.FileBeingEdited.setText("Draft.lst");
    editor.OKbutton.click();

    const std::string other = folder.subfolder("Other");
    folder.write("Other/Zed.txt", "x");
    folder.write("Other/Zed.lst", "Zed.txt\r\n99999\r\n");
    window.Dir1.setPath(other);
    window.ListEditButton.click();
    EXPECT_EQ(editor.ListInPlay.Text(), "Ann.txt\r\n");
    EXPECT_EQ(editor.FileBeingEdited.Text(), "Draft.lst");
    EXPECT_EQ(editor.File2Copy.Path(), other);
    EXPECT_EQ(editor.Files2Choose.Path(), other);
    ASSERT_EQ(editor.Files2Choose.ListCount(), 1);
    EXPECT_EQ(editor.Files2Choose.List(0), "Zed.txt");
    // The list is saved where the editor's lists are.
    editor.ListSaveButton.click();
    EXPECT_EQ(folder.read("Other/Draft.lst"), "Ann.txt\r\n99999\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Draft.lst"));
}

// A list saved under a name beginning with "." would be hidden from every list box.
TEST_F(ListEditor, ANameBeginningWithADotIsRefusedInWords) {
    open();
    editor.ListInPlay.setText("Ann.txt\r\n");
    for (const char* name : {".Hidden", "  .Hidden.lst", ".lst", "..Two"}) {
        platform.errors.clear();
        saveAs(name);
        ASSERT_EQ(platform.errors.size(), 1u) << name;
        EXPECT_NE(platform.errors[0].find("begins with \".\""), std::string::npos) << name;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(ListEditor, ReturnInTheNameBoxSavesTheList) {
    open();
    editor.ListInPlay.setText("Ann.txt\r\n");
    editor.FileBeingEdited.setText("Typed");
    ASSERT_TRUE(editor.FileBeingEdited.onReturn);
    app.dispatch([this] { editor.FileBeingEdited.onReturn(); });
    EXPECT_EQ(folder.read("Typed.lst"), "Ann.txt\r\n99999\r\n");
    EXPECT_EQ(editor.FileBeingEdited.Text(), "Typed.lst");
    ASSERT_EQ(editor.File2Copy.ListCount(), 1);
}

// The main window's lists are those in the folder: "Lists" reads them again, and so does closing
// the editor by its title bar as by OK (which Escape presses).
TEST_F(ListEditor, TheMainWindowListsTheListsAsTheyAreInTheFolder) {
    window.ListsButton.click();
    EXPECT_EQ(window.ListFiles.ListCount(), 0);
    folder.write("Copied.lst", "Ann.txt\r\n99999\r\n");
    window.ListsButton.click();
    ASSERT_EQ(window.ListFiles.ListCount(), 1);
    EXPECT_EQ(window.ListFiles.List(0), "Copied.lst");

    open();
    saveAs("New.lst");
    EXPECT_EQ(window.ListFiles.ListCount(), 1);
    editor.userClose();
    EXPECT_FALSE(editor.Visible());
    ASSERT_EQ(window.ListFiles.ListCount(), 2);
    EXPECT_EQ(window.ListFiles.List(1), "New.lst");
    EXPECT_TRUE(editor.OKbutton.Cancel);
}
