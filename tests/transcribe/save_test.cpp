#include <gtest/gtest.h>

#include <filesystem>

#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "tests/transcribe/hand_face.h"
#include "tests/transcribe/wizard_fixture.h"

namespace {

constexpr std::array<int, 10> kNoAngles{};

// Types the details, picks Photoshop, the hand face's points, no angles, and stops on the save
// step with the folder box on folder.
void typeFaceUpToSave(Wizard& wizard, const std::string& name, const std::string& folder,
                      const std::string& hair = "") {
    wizard.type(wizard.initial.NameBox, name);
    wizard.type(wizard.initial.JobBox, "Singer");
    wizard.click(wizard.initial.photoshopButton);
    wizard.type(wizard.colours.HairInputBox, hair);
    wizard.click(wizard.colours.ForwardButton);
    for (const auto& [x, y] : kHandPoints) {
        wizard.point(x, y);
    }
    for (int step = 21; step <= 30; ++step) {
        wizard.forward();
    }
    wizard.app.dispatch([&wizard, &folder] { wizard.steps.Dir1.setPath(folder); });
    ASSERT_EQ(wizard.steps.GoForward.Caption, "Save");
}

void save(Wizard& wizard) {
    wizard.forward();
}

}  // namespace

TEST(Save, TrimmedNameNamesTheFileAndIsItsFirstLine) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    typeFaceUpToSave(wizard, "  Jane Doe  ", out);
    save(wizard);
    EXPECT_TRUE(wizard.app.ended());
    EXPECT_TRUE(wizard.platform.errors.empty());
    // A face saved is no work lost: the wizard ends without a question.
    EXPECT_TRUE(wizard.platform.questions.empty());
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Jane Doe.txt")),
              handFaceFile("Jane Doe", "Singer", kNoAngles, {}));
}

TEST(Save, FileNameIsWrittenInUtf8) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    typeFaceUpToSave(wizard, "Jos\xE9", out);
    save(wizard);
    ASSERT_TRUE(wizard.app.ended());
    EXPECT_TRUE(std::filesystem::exists(wizard.folder.path() / "out" / "Jos\xC3\xA9.txt"));
}

// Only spaces are trimmed from a name that is kept: a no-break space stays part of it.
TEST(Save, ANameKeepsItsNoBreakSpaces) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    typeFaceUpToSave(wizard, " \xA0Jane\xA0 ", out);
    save(wizard);
    ASSERT_TRUE(wizard.app.ended());
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "\xA0Jane\xA0.txt")),
              handFaceFile("\xA0Jane\xA0", "Singer", kNoAngles, {}));
}

TEST(Save, TrailerLinesOnlyWithTheirValues) {
    {
        // An eye colour without a hair colour writes no colour line; a height of no number
        // writes no height line and raises no error.
        Wizard wizard;
        wizard.type(wizard.initial.HeightBox, "tall");
        wizard.click(wizard.initial.photoshopButton);
        wizard.type(wizard.colours.EyeInputBox, "336699");
        wizard.click(wizard.colours.ForwardButton);
        for (const auto& [x, y] : kHandPoints) {
            wizard.point(x, y);
        }
        for (int step = 21; step <= 31; ++step) {
            wizard.forward();
        }
        EXPECT_TRUE(wizard.app.ended());
        EXPECT_TRUE(wizard.platform.errors.empty());
        EXPECT_EQ(wizard.steps.Dir1.Path(), wizard.folder.text());  // no data folder there
        EXPECT_EQ(wizard.folder.read("NewSampleFace.txt"),
                  handFaceFile("NewSampleFace", "Model", kNoAngles, {}));
    }
    {
        Wizard wizard;
        wizard.type(wizard.initial.HeightBox, "172");
        wizard.type(wizard.initial.URLbox, "www.example.com/jane");
        const std::string data = wizard.folder.subfolder("Sample data");
        wizard.click(wizard.initial.photoshopButton);
        wizard.type(wizard.colours.HairInputBox, "zz");
        wizard.click(wizard.colours.ForwardButton);
        EXPECT_EQ(wizard.steps.Dir1.Path(), data);
        for (const auto& [x, y] : kHandPoints) {
            wizard.point(x, y);
        }
        for (int step = 21; step <= 31; ++step) {
            wizard.forward();
        }
        ASSERT_TRUE(wizard.app.ended());
        EXPECT_EQ(common::readWholeFile(common::joinPath(data, "NewSampleFace.txt")),
                  handFaceFile("NewSampleFace", "Model", kNoAngles,
                               {"172#", "~ 0~ 0~ 0~", "[www.example.com/jane]",
                                "\xA3"
                                "200\xA3"}));
    }
}

TEST(Save, ChinLevelWithTheEyeWritesNothingAndTheRetryScalesOnce) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    wizard.click(wizard.initial.photoshopButton);
    wizard.click(wizard.colours.ForwardButton);
    wizard.point("100", "400");  // the chin typed level with the eye edge
    for (std::size_t i = 1; i < kHandPoints.size(); ++i) {
        wizard.point(kHandPoints[i].first, kHandPoints[i].second);
    }
    for (int step = 21; step <= 30; ++step) {
        wizard.forward();
    }
    wizard.app.dispatch([&wizard, &out] { wizard.steps.Dir1.setPath(out); });
    const transcribe::RawPoints raw = wizard.program.PointCoords;
    save(wizard);
    EXPECT_FALSE(wizard.app.ended());
    EXPECT_TRUE(wizard.program.ErrorForm.Visible());
    EXPECT_EQ(wizard.program.ErrorForm.Errorlabel.Caption, "Division by zero");
    EXPECT_EQ(wizard.program.ScaleDistance, 0);
    EXPECT_TRUE(std::filesystem::is_empty(wizard.folder.path() / "out"));
    // Back at step 1 with every value as typed.
    EXPECT_EQ(wizard.steps.step(), 1);
    EXPECT_EQ(wizard.steps.GoForward.Caption, ">>");
    EXPECT_TRUE(wizard.steps.GoBack.Visible);
    EXPECT_FALSE(wizard.steps.Dir1.Visible);
    EXPECT_TRUE(wizard.steps.Description.Visible);
    EXPECT_EQ(wizard.program.PointCoords, raw);
    wizard.click(wizard.program.ErrorForm.OKbutton);
    EXPECT_FALSE(wizard.program.ErrorForm.Visible());

    wizard.type(wizard.steps.Ypos, "600");
    for (int step = 1; step <= 31; ++step) {
        wizard.forward();
    }
    ASSERT_TRUE(wizard.app.ended());
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "NewSampleFace.txt")),
              handFaceFile("NewSampleFace", "Model", kNoAngles, {}));
}

TEST(Save, APointBeyondTheFileFieldsIsNamedAndNothingIsWritten) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    wizard.click(wizard.initial.photoshopButton);
    wizard.click(wizard.colours.ForwardButton);
    wizard.point("100", "600");
    wizard.point("60", "599");  // D = 1: every point is scaled by 1000
    wizard.point("70", "599");
    for (int step = 4; step <= 31; ++step) {
        wizard.forward();
    }
    EXPECT_FALSE(wizard.app.ended());
    EXPECT_TRUE(wizard.program.ErrorForm.Visible());
    EXPECT_EQ(wizard.program.ErrorForm.Errorlabel.Caption.rfind("Point 1 ", 0), 0u);
    EXPECT_EQ(wizard.program.ScaleDistance, 1);
    EXPECT_EQ(wizard.x(1), 100);
    EXPECT_EQ(wizard.steps.step(), 1);
    EXPECT_FALSE(std::filesystem::exists(wizard.folder.path() / "NewSampleFace.txt"));
}

TEST(Save, AFolderThatCannotBeWrittenIsReportedAndEveryValueKept) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    typeFaceUpToSave(wizard, "Jane", out, "FF8000");
    // A folder holds the file's name: the rename into place fails.
    wizard.folder.subfolder("out/Jane.txt");
    const transcribe::RawPoints raw = wizard.program.PointCoords;
    wizard.platform.choiceAnswers = {0};  // Replace
    save(wizard);
    EXPECT_FALSE(wizard.app.ended());
    ASSERT_EQ(wizard.platform.errors.size(), 1u);
    EXPECT_NE(wizard.platform.errors[0].find("Jane.txt"), std::string::npos);
    EXPECT_NE(wizard.platform.errors[0].find("choose another folder"), std::string::npos);
    EXPECT_EQ(wizard.program.PointCoords, raw);
    EXPECT_EQ(wizard.steps.GoForward.Caption, "Save");
    EXPECT_TRUE(wizard.steps.Dir1.Visible);
    EXPECT_TRUE(std::filesystem::is_directory(wizard.folder.path() / "out" / "Jane.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(wizard.folder.path() / "out"),
                            std::filesystem::directory_iterator()),
              1);

    std::filesystem::remove(wizard.folder.path() / "out" / "Jane.txt");
    save(wizard);
    ASSERT_TRUE(wizard.app.ended());
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Jane.txt")),
              handFaceFile("Jane", "Singer", kNoAngles, {"~ 33023~ 0~ 0~"}));
}

// The first window refuses such a value; should one reach the save all the same, the message
// says what is wrong with it, and no other folder is offered as the cure.
TEST(Save, AValueTheFileCannotHoldIsNamedAndNothingIsWritten) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    typeFaceUpToSave(wizard, "Jane", out);
    wizard.app.dispatch([&wizard] { wizard.initial.URLbox.setText("www.example.org\r\nmore"); });
    save(wizard);
    EXPECT_FALSE(wizard.app.ended());
    ASSERT_EQ(wizard.platform.errors.size(), 1u);
    EXPECT_EQ(wizard.platform.errors[0], "The face data file " + common::cp1252ToUtf8(out) +
                                             "/Jane.txt could not be saved: web address holds a "
                                             "line end. Nothing was written; every value is kept.");
    EXPECT_TRUE(std::filesystem::is_empty(wizard.folder.path() / "out"));
    EXPECT_EQ(wizard.steps.GoForward.Caption, "Save");
}

TEST(Save, AnOlderLongerFileIsReplacedWhole) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    common::writeWholeFile(common::joinPath(out, "Jane.txt"), std::string(20000, 'x'));
    typeFaceUpToSave(wizard, "Jane", out);
    wizard.platform.choiceAnswers = {0};  // Replace
    save(wizard);
    ASSERT_TRUE(wizard.app.ended());
    EXPECT_EQ(wizard.platform.questions, std::vector<std::string>{"Jane.txt exists already."});
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Jane.txt")),
              handFaceFile("Jane", "Singer", kNoAngles, {}));
}

TEST(Save, ALinkUnderTheFileNameIsReplacedNotFollowed) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    wizard.folder.write("elsewhere.txt", "keep me");
    std::filesystem::create_symlink(wizard.folder.path() / "elsewhere.txt",
                                    wizard.folder.path() / "out" / "Jane.txt");
    typeFaceUpToSave(wizard, "Jane", out);
    wizard.platform.choiceAnswers = {0};  // Replace
    save(wizard);
    ASSERT_TRUE(wizard.app.ended());
    EXPECT_FALSE(std::filesystem::is_symlink(wizard.folder.path() / "out" / "Jane.txt"));
    EXPECT_EQ(wizard.folder.read("elsewhere.txt"), "keep me");
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Jane.txt")),
              handFaceFile("Jane", "Singer", kNoAngles, {}));
}

TEST(SaveOverAFace, CancelKeepsTheOldFileAndEveryValue) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    const std::string old = "Lars Wilson\r\nthe real one\r\n";
    common::writeWholeFile(common::joinPath(out, "Lars Wilson.txt"), old);
    typeFaceUpToSave(wizard, " Lars Wilson ", out);
    const transcribe::RawPoints raw = wizard.program.PointCoords;
    save(wizard);  // no answer given: Cancel
    EXPECT_EQ(wizard.platform.questions,
              std::vector<std::string>{"Lars Wilson.txt exists already."});
    EXPECT_FALSE(wizard.app.ended());
    EXPECT_TRUE(wizard.platform.errors.empty());
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Lars Wilson.txt")), old);
    EXPECT_EQ(wizard.program.PointCoords, raw);
    EXPECT_EQ(wizard.steps.GoForward.Caption, "Save");
    EXPECT_TRUE(wizard.steps.Dir1.Visible);
    // Another folder may be chosen, and the same values saved there.
    const std::string other = wizard.folder.subfolder("other");
    wizard.app.dispatch([&wizard, &other] { wizard.steps.Dir1.setPath(other); });
    save(wizard);
    ASSERT_TRUE(wizard.app.ended());
    EXPECT_EQ(common::readWholeFile(common::joinPath(other, "Lars Wilson.txt")),
              handFaceFile("Lars Wilson", "Singer", kNoAngles, {}));
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Lars Wilson.txt")), old);
}

TEST(SaveOverAFace, AnotherNameSavesUnderItAndAsksAgainWhenThatOneExistsToo) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    common::writeWholeFile(common::joinPath(out, "Lars Wilson.txt"), "first");
    common::writeWholeFile(common::joinPath(out, "Lars.txt"), "second");
    typeFaceUpToSave(wizard, "Lars Wilson", out);
    // Another name twice (the first taken too), then a name the first window refuses, then
    // a free one, given with blanks and a letter beyond ASCII.
    wizard.platform.choiceAnswers = {1, 1};
    wizard.platform.textAnswers = {"Lars", ".Lars", " Lars Wilsön "};
    save(wizard);
    ASSERT_TRUE(wizard.app.ended());
    EXPECT_EQ(
        wizard.platform.questions,
        (std::vector<std::string>{"Lars Wilson.txt exists already.",
                                  "Another name for this face:", "Lars.txt exists already.",
                                  "Another name for this face:", "Another name for this face:"}));
    ASSERT_EQ(wizard.platform.errors.size(), 1u);
    EXPECT_NE(wizard.platform.errors[0].find("cannot begin with \".\""), std::string::npos);
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Lars Wilson.txt")), "first");
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Lars.txt")), "second");
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Lars Wils\xF6n.txt")),
              handFaceFile("Lars Wils\xF6n", "Singer", kNoAngles, {}));
}

TEST(SaveOverAFace, CancellingTheNameQuestionStaysOnTheSaveStep) {
    Wizard wizard;
    const std::string out = wizard.folder.subfolder("out");
    common::writeWholeFile(common::joinPath(out, "Jane.txt"), "old");
    typeFaceUpToSave(wizard, "Jane", out);
    wizard.platform.choiceAnswers = {1};  // Another name, then no name given
    save(wizard);
    EXPECT_FALSE(wizard.app.ended());
    EXPECT_EQ(common::readWholeFile(common::joinPath(out, "Jane.txt")), "old");
    EXPECT_EQ(wizard.steps.GoForward.Caption, "Save");
    // A name with no Windows-1252 form is refused like a typed one.
    wizard.platform.choiceAnswers = {1};
    wizard.platform.textAnswers = {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"};
    save(wizard);
    EXPECT_FALSE(wizard.app.ended());
    ASSERT_EQ(wizard.platform.errors.size(), 1u);
    EXPECT_NE(wizard.platform.errors[0].find("Windows-1252"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(wizard.folder.path() / "out"),
                            std::filesystem::directory_iterator()),
              1);
}
