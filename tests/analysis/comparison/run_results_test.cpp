#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "analysis/engine/comparison/data_folder_lock.h"
#include "tests/analysis/comparison/comparison_fixture.h"

// What the user sees of a comparison's results: Output Results and the places belong to the last
// completed run of face 1 as shown, a View writes its pages from that run's lists only, and two
// programs on one data folder never spoil each other's lists.

using namespace comparison;

namespace {

std::vector<Face> fiveFaces() {
    std::vector<Face> faces;
    const char* names[5] = {"Anna", "Bea", "Cleo", "Dora", "Eve"};
    for (int i = 0; i < 5; ++i) {
        Face f{wizardFace(names[i], 10 * i), i % 2 == 0, 10 * i};
        f.wizard.heightText = std::to_string(160 + i);
        f.wizard.colours = common::FaceColours{0x101010 * (i + 1), 0x202020, 0x303030};
        faces.push_back(f);
    }
    return faces;
}

constexpr const char* kPages[] = {"Results_1.htm", "Results_2.htm", "Results_3.htm",
                                  "Results_Profile.htm"};
constexpr const char* kViewLists[] = {"Results2.tmp", "Results2b.tmp", "ProfileResults.tmp"};

struct RunResults : ComparisonFixture {
    analysis::Results& results = program.ResultsWindow;

    void SetUp() override { writeFaces(fiveFaces()); }

    void view() {
        app.dispatch([this] { results.ViewButton_Click(); });
    }
    void chooseFirst(const std::string& fileName) {
        for (int i = 0; i < window.File1.ListCount(); ++i) {
            if (window.File1.List(i) == fileName) {
                window.File1.setListIndex(i);
            }
        }
        app.dispatch([this] { window.selectFace1_Click(); });
    }
    // Every file of the folder a View writes or reads, by name.
    std::map<std::string, std::string> viewFiles() const {
        std::map<std::string, std::string> files;
        for (const char* name : kPages) {
            files[name] = read(name);
        }
        for (const char* name : kViewLists) {
            files[name] = read(name);
        }
        return files;
    }
    bool placesShown() const {
        return window.FirstPlace.Visible && window.SecondPlace.Visible &&
               window.ThirdPlace.Visible && window.FirstHotArea.Visible &&
               window.SecondHotArea.Visible && window.ThirdHotArea.Visible;
    }
    bool placesHidden() const {
        return !window.FirstPlace.Visible && !window.SecondPlace.Visible &&
               !window.ThirdPlace.Visible && !window.FirstHotArea.Visible &&
               !window.SecondHotArea.Visible && !window.ThirdHotArea.Visible;
    }
};

}  // namespace

TEST_F(RunResults, OutputResultsWaitsForARunThatCompletes) {
    program.start();
    EXPECT_FALSE(window.OutputButton.Enabled) << "no run yet: no results to show";
    EXPECT_TRUE(placesHidden());
    startAndSelect("Cleo.txt");
    EXPECT_FALSE(window.OutputButton.Enabled);
    // A View pressed without a completed run writes nothing and says so.
    view();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("run a comparison"), std::string::npos) << platform.errors[0];
    EXPECT_FALSE(common::fileExists(folder.file("Results_1.htm")));

    // A run that fails does not enable it.
    std::filesystem::create_directory(folder.path() / "Results_4.htm");
    run();
    EXPECT_EQ(platform.errors.size(), 2u);
    EXPECT_FALSE(window.OutputButton.Enabled);
    EXPECT_FALSE(common::fileExists(folder.file("Results.tmp")));

    std::filesystem::remove(folder.path() / "Results_4.htm");
    run();
    EXPECT_TRUE(window.OutputButton.Enabled);
    EXPECT_TRUE(placesShown());
}

// A run that fails after a completed run and its View: the places, the best matches, the pages
// and the lists stay those of the completed run, and the next View opens them as they are.
TEST_F(RunResults, AFailedRunLeavesTheLastCompletedRunAsItWas) {
    startAndSelect("Anna.txt");
    run();
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    const auto files = viewFiles();
    const std::string first = window.FirstPlace.Caption;
    const analysis::BestByFeature best = program.Best;
    ASSERT_GT(best.eyes.score, 0);
    ASSERT_NE(files.at("Results_2.htm").find("Bea"), std::string::npos);

    // Other weights would give other scores, but the run fails.
    setAllSliders(5);
    std::filesystem::remove(folder.path() / "Results_4.htm");
    std::filesystem::create_directory(folder.path() / "Results_4.htm");
    run();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_TRUE(window.OutputButton.Enabled);
    EXPECT_TRUE(placesShown());
    EXPECT_EQ(window.FirstPlace.Caption, first);
    EXPECT_EQ(program.Best.eyes.name, best.eyes.name);
    EXPECT_EQ(program.Best.eyes.score, best.eyes.score);
    EXPECT_EQ(program.Best.mouth.score, best.mouth.score);
    EXPECT_EQ(program.PagesBuilt, -1);

    view();
    EXPECT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(viewFiles(), files) << "the pages of the completed run, not an emptied list";
    EXPECT_EQ(platform.openedDocuments.back(), folder.file("Results_1.htm"));
}

// A run shows each candidate it reads as face 2, by its portrait; one that fails leaves the last
// candidate there, its view caption, globe and photo's description with it, never those of the
// face 2 shown before the run.
TEST_F(RunResults, AFailedRunLeavesFaceTwoWithItsOwnAddressAndDescription) {
    std::vector<Face> faces = fiveFaces();
    faces[1].wizard.webAddress = "www.example.org/bea";
    faces[1].wizard.description = "Singer, Welsh";
    writeFaces(faces);
    // The last face of the folder cannot be read: Eve is the last candidate shown.
    folder.write("Zoe.txt", "Zoe\r\n");
    folder.write("Zoe1.jpg", "\xFF\xD8\xFF");
    startAndSelect("Anna.txt");
    for (int i = 0; i < window.File1.ListCount(); ++i) {
        if (window.File1.List(i) == "Bea.txt") {
            window.File1.setListIndex(i);
        }
    }
    app.dispatch([this] { window.selectFace2_Click(); });
    ASSERT_EQ(window.Person2.Caption, "Bea");
    ASSERT_TRUE(window.URL2.Visible);
    ASSERT_NE(window.face2Photo.ToolTipText.find("Singer, Welsh"), std::string::npos);
    app.dispatch([this] { window.face2NextView_Click(); });
    ASSERT_EQ(window.View2.Caption, program.Words.ViewProfile);

    std::filesystem::create_directory(folder.path() / "Results_4.htm");
    run();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(window.Person2.Caption, "Eve");
    EXPECT_TRUE(window.face2Photo.Picture().ends_with("Eve1.jpg")) << window.face2Photo.Picture();
    EXPECT_EQ(window.View2.Caption, program.Words.ViewPortrait) << "a run shows the portraits";
    EXPECT_TRUE(window.face2Photo.ToolTipText.starts_with("Model, British"))
        << window.face2Photo.ToolTipText;
    EXPECT_FALSE(window.URL2.Visible);
    window.URL2.click();
    EXPECT_TRUE(platform.openedAddresses.empty()) << platform.openedAddresses.front();
}

// A View that fails part-way leaves the next View to write every page, and the lists, exactly as
// one untroubled View after the run would.
TEST_F(RunResults, AViewAfterAFailedViewWritesWhatAnUntroubledViewWrites) {
    startAndSelect("Cleo.txt");
    run();
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    const auto untroubled = viewFiles();
    ASSERT_NE(untroubled.at("Results_2.htm").find("Anna"), std::string::npos);

    for (const char* blocked : kPages) {
        SCOPED_TRACE(blocked);
        run();
        for (const char* page : kPages) {
            std::filesystem::remove(folder.path() / page);
        }
        std::filesystem::create_directory(folder.path() / blocked);
        const std::size_t errors = platform.errors.size();
        view();
        ASSERT_EQ(platform.errors.size(), errors + 1);
        EXPECT_NE(platform.errors.back().find(blocked), std::string::npos)
            << platform.errors.back();
        EXPECT_EQ(program.PagesBuilt, 0);

        std::filesystem::remove(folder.path() / blocked);
        view();
        ASSERT_EQ(platform.errors.size(), errors + 1) << platform.errors.back();
        EXPECT_EQ(viewFiles(), untroubled);
        // And once written, a further View leaves everything as it is.
        view();
        EXPECT_EQ(viewFiles(), untroubled);
    }
}

// The new face 1 has no results yet: the places and the pages of the last run belong to another.
TEST_F(RunResults, LoadingAnotherFaceOneWithdrawsTheResults) {
    startAndSelect("Cleo.txt");
    run();
    ASSERT_TRUE(window.OutputButton.Enabled);
    window.OutputButton.click();
    ASSERT_TRUE(results.Visible());

    // The same file again keeps them.
    chooseFirst("Cleo.txt");
    EXPECT_TRUE(window.OutputButton.Enabled);
    EXPECT_TRUE(placesShown());

    // Another file withdraws them, the open results window with them.
    chooseFirst("Bea.txt");
    ASSERT_EQ(window.Person1.Caption, "Bea");
    EXPECT_FALSE(window.OutputButton.Enabled);
    EXPECT_TRUE(placesHidden());
    EXPECT_FALSE(results.Visible());
    view();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(read("Results_1.htm"), "") << "no page names Bea over Cleo's matches";
    EXPECT_EQ(read("Results_2.htm"), "");

    // A face that cannot be read changes nothing, nor does it give the results back.
    folder.write("Broken.txt", "Broken\r\n");
    window.File1.Refresh();
    chooseFirst("Broken.txt");
    EXPECT_EQ(window.Person1.Caption, "Bea");

    run();
    EXPECT_TRUE(window.OutputButton.Enabled);
    EXPECT_TRUE(placesShown());
    view();
    EXPECT_NE(read("Results_1.htm").find("Comparison results for Bea"), std::string::npos);
}

TEST_F(RunResults, ASwapWithdrawsTheResults) {
    startAndSelect("Cleo.txt");
    run();
    ASSERT_NE(window.Person2.Caption, "Cleo");
    app.dispatch([this] { window.SwapButton_Click(); });
    EXPECT_NE(window.Person1.Caption, "Cleo");
    EXPECT_FALSE(window.OutputButton.Enabled);
    EXPECT_TRUE(placesHidden());
}

// Another program holding the data folder: a run, a View and the heights sort each say so and
// change nothing.
TEST_F(RunResults, ASecondHolderOfTheFolderIsRefusedAndChangesNothing) {
    startAndSelect("Cleo.txt");
    run();
    ASSERT_TRUE(common::fileExists(folder.file(".analysis.lock")));
    const std::string lists = read("Results.tmp") + read("Results2.tmp") +
                              read("HeightResults.tmp") + read("ProfileResults.tmp");
    const std::string first = window.FirstPlace.Caption;
    {
        const common::FolderLock other(folder.text(), ".analysis.lock");
        ASSERT_EQ(other.state(), common::FolderLock::State::Held);
        view();
        app.dispatch([this] { results.Style4.setValue(true); });
        run();
        ASSERT_EQ(platform.errors.size(), 3u);
        for (const std::string& error : platform.errors) {
            EXPECT_EQ(error, analysis::FolderInUse(folder.text()).what());
        }
        EXPECT_NE(platform.errors[0].find("in use by another comparison"), std::string::npos);
        EXPECT_EQ(read("Results.tmp") + read("Results2.tmp") + read("HeightResults.tmp") +
                      read("ProfileResults.tmp"),
                  lists);
        EXPECT_EQ(read("Results_1.htm"), "") << "as the run emptied it";
        EXPECT_FALSE(program.HeightsSorted);
        EXPECT_TRUE(window.OutputButton.Enabled);
        EXPECT_TRUE(placesShown());
        EXPECT_EQ(window.FirstPlace.Caption, first);
        EXPECT_TRUE(platform.openedDocuments.empty());
    }
    // Once the other has let go, the folder is this program's again, and the View sorts the
    // heights the refused choice left unsorted; the lock file stays.
    view();
    EXPECT_EQ(platform.errors.size(), 3u);
    EXPECT_TRUE(program.HeightsSorted);
    EXPECT_TRUE(read("HeightResults.tmp").ends_with("\r\n99999"));
    EXPECT_EQ(platform.openedDocuments,
              std::vector<std::string>{folder.file("Results_Heights.htm")});
    EXPECT_TRUE(common::fileExists(folder.file(".analysis.lock")));
}

// Two programs on one folder: the second one's run replaces the lists, so the first one's View
// refuses them instead of writing its face's page over the other face's matches (or opening the
// pages the other writes), and leaves them whole for the program whose run they are.
TEST_F(RunResults, AViewRefusesListsAnotherProgramsRunReplaced) {
    startAndSelect("Cleo.txt");
    run();
    view();
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    ASSERT_EQ(platform.openedDocuments.size(), 1u);

    CaptionRecorder otherPlatform;
    forms::Application otherApp{otherPlatform, folder.text()};
    analysis::AnalysisProgram other{otherApp};
    other.start();
    for (int i = 0; i < other.MainWindow.File1.ListCount(); ++i) {
        if (other.MainWindow.File1.List(i) == "Bea.txt") {
            other.MainWindow.File1.setListIndex(i);
        }
    }
    other.MainWindow.selectFace1_Click();
    otherApp.dispatch([&other] { other.MainWindow.CompButton_Click(); });
    ASSERT_TRUE(otherPlatform.errors.empty()) << otherPlatform.errors.front();
    const std::string theirs = read("Results2.tmp");

    window.OutputButton.click();
    view();
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("has changed since this program's comparison"),
              std::string::npos)
        << platform.errors[0];
    EXPECT_EQ(read("Results2.tmp"), theirs) << "not used up";
    EXPECT_EQ(read("Results_1.htm"), "") << "as the other's run emptied it";
    EXPECT_FALSE(window.OutputButton.Enabled);
    EXPECT_FALSE(results.Visible());
    EXPECT_EQ(platform.openedDocuments.size(), 1u);
    // The heights sort refuses them as well, and a View stays refused until the next run.
    app.dispatch([this] { results.Style4.setValue(true); });
    view();
    EXPECT_EQ(platform.errors.size(), 3u);
    EXPECT_FALSE(program.HeightsSorted);

    otherApp.dispatch([&other] { other.ResultsWindow.ViewButton_Click(); });
    ASSERT_TRUE(otherPlatform.errors.empty()) << otherPlatform.errors.front();
    EXPECT_NE(read("Results_1.htm").find("Comparison results for Bea"), std::string::npos);
    EXPECT_NE(read("Results_2.htm").find("Cleo"), std::string::npos);

    run();
    EXPECT_TRUE(window.OutputButton.Enabled);
    view();
    EXPECT_EQ(platform.errors.size(), 3u);
    EXPECT_NE(read("Results_1.htm").find("Comparison results for Cleo"), std::string::npos);
}

namespace {

// A platform that, whenever a message opens, looks whether the data folder is free.
class LockProbe : public CaptionRecorder {
  public:
    explicit LockProbe(const TempFolder& folder) : folder_(folder) {}
    void reportError(std::string_view message) override {
        CaptionRecorder::reportError(message);
        probe();
    }
    void showNotice(std::string_view message) override {
        CaptionRecorder::showNotice(message);
        probe();
    }
    std::vector<bool> freeAtMessage;

  private:
    void probe() {
        const common::FolderLock lock(folder_.text(), ".analysis.lock");
        freeAtMessage.push_back(lock.state() == common::FolderLock::State::Held);
    }
    const TempFolder& folder_;
};

}  // namespace

TEST(RunResultsLock, TheFolderIsLetGoBeforeAnyMessageOpens) {
    TempFolder folder;
    LockProbe platform(folder);
    forms::Application app{platform, folder.text()};
    analysis::AnalysisProgram program{app};
    // The faces come from the fixture's writer.
    struct Writer : ComparisonFixture {
        void TestBody() override {}
    };
    {
        Writer writer;
        writer.writeFaces(fiveFaces());
        for (const auto& entry : std::filesystem::directory_iterator(writer.folder.path())) {
            std::filesystem::copy(entry.path(), folder.path() / entry.path().filename());
        }
    }
    folder.write("Damaged.txt", "Damaged\r\n");
    program.start();
    analysis::Analysis& window = program.MainWindow;
    window.File1.Refresh();
    for (int i = 0; i < window.File1.ListCount(); ++i) {
        if (window.File1.List(i) == "Cleo.txt") {
            window.File1.setListIndex(i);
        }
    }
    window.selectFace1_Click();
    app.dispatch([&window] { window.CompButton_Click(); });
    ASSERT_EQ(platform.notices.size(), 1u);
    // A page in the way of the View, then lists another program replaced.
    std::filesystem::create_directory(folder.path() / "Results_Profile.htm");
    app.dispatch([&program] { program.ResultsWindow.ViewButton_Click(); });
    folder.write("Results.tmp", "99999\r\n");
    app.dispatch([&program] { program.ResultsWindow.ViewButton_Click(); });
    EXPECT_EQ(platform.errors.size(), 2u);
    EXPECT_EQ(platform.freeAtMessage, (std::vector<bool>{true, true, true}));
}

// Names from a list file, a name line or a quick key name files of the data folder only.
TEST_F(RunResults, AListEntryWithAPathIsNotComparedButLeftOut) {
    const std::string self = common::fromPath(folder.path().filename());
    folder.subfolder("secret");
    folder.write("secret/secret.txt", read("Eve.txt"));
    startAndSelect("Cleo.txt");
    runList("../secret/secret.txt\r\nsecret/secret.txt\r\n../" + self +
            "/Eve.txt\r\nsecret\\secret.txt\r\n..txt\r\nBea.txt\r\n99999\r\n");
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    const std::string list = read("Results.tmp");
    EXPECT_TRUE(list.starts_with("Bea -")) << list;
    EXPECT_EQ(list.find("Eve"), std::string::npos) << list;
    EXPECT_EQ(window.FirstPlace.Caption.substr(0, 10), "1st : Bea ");
    ASSERT_EQ(platform.notices.size(), 1u);
    const std::string& notice = platform.notices[0];
    EXPECT_TRUE(notice.starts_with("5 faces could not be read and were left out")) << notice;
    EXPECT_NE(notice.find("\n../secret/secret.txt: a face name holding \"/\" or \"\\\" names no "
                          "face file of the data folder"),
              std::string::npos)
        << notice;
    EXPECT_NE(notice.find("\nsecret\\secret.txt: "), std::string::npos) << notice;
    EXPECT_NE(notice.find("\n..txt: the face name \".\" or \"..\""), std::string::npos) << notice;
}

TEST_F(RunResults, ANameLineWithAPathLoadsNoFaceFromElsewhere) {
    auto faces = fiveFaces();
    folder.subfolder("secret");
    std::string text = common::faceFileText(faces[1].wizard);
    folder.write("secret/x.txt", text);
    // Bea's file names her "../secret/x": she ranks first under that name.
    text.replace(0, 3, "../secret/x");
    folder.write("Bea.txt", text);
    startAndSelect("Anna.txt");
    run();
    ASSERT_EQ(program.Top.TopNames[1], "../secret/x");
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0],
              "The face file ../secret/x.txt could not be read: a face name holding \"/\" or "
              "\"\\\" names no face file of the data folder");
    EXPECT_NE(window.Person2.Caption, "../secret/x");

    app.dispatch([this] { window.FirstHotArea_Click(); });
    EXPECT_EQ(platform.errors.size(), 2u);
    EXPECT_NE(window.Person2.Caption, "../secret/x");

    program.PrefsWindow.F1Person(3).Caption = "..";
    app.dispatch([this] { window.File1_KeyDown(forms::kKeyF1 + 2); });
    ASSERT_EQ(platform.errors.size(), 3u);
    EXPECT_NE(platform.errors[2].find("\".\" or \"..\""), std::string::npos) << platform.errors[2];
}

// The notice names each face readably: a name held in Windows-1252 and one on disk in UTF-8
// that Windows-1252 cannot hold share it as UTF-8, neither converted twice.
TEST_F(RunResults, TheNoticeNamesFacesOfEveryKindReadably) {
    const std::string ivan = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";
    folder.write("Zo\xEB.txt", "Zo\xEB\r\nOnly two lines\r\n");
    std::ofstream(folder.path() / (ivan + ".txt"), std::ios::binary)
        << ivan << "\r\nOnly two lines\r\n";
    startAndSelect("Cleo.txt");
    run();
    ASSERT_EQ(platform.notices.size(), 1u);
    EXPECT_EQ(platform.notices[0],
              "2 faces could not be read and were left out of the comparison:\n"
              "Zo\xC3\xAB.txt: Input past end of file\n" +
                  ivan +
                  ".txt: Input past end of file\n"
                  "The results of the other faces stand.");
}

// Faces a run could not read are named once at its end; the results of the others stand.
TEST_F(RunResults, ARunSaysOnceWhichFacesItLeftOut) {
    folder.write("Damaged.txt", "Damaged\r\nOnly two lines\r\n");
    startAndSelect("Cleo.txt");
    run();
    EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
    ASSERT_EQ(platform.notices.size(), 1u);
    EXPECT_EQ(platform.notices[0],
              "1 face could not be read and was left out of the comparison:\n"
              "Damaged.txt: Input past end of file\n"
              "The results of the other faces stand.");
    EXPECT_TRUE(window.OutputButton.Enabled);
    EXPECT_TRUE(placesShown());

    // A list: entries naming no face, a folder named like a face; lines without ".txt" are no
    // entries and are not counted. Five are named, the rest counted.
    folder.subfolder("Folder.txt");
    runList(
        "Ghost1.txt\r\nnot a face\r\nFolder.txt\r\nGhost2.txt\r\nBea.txt\r\nGhost3.txt\r\n"
        "Ghost4.txt\r\nDamaged.txt\r\nGhost5.txt\r\nGhost6.txt\r\n99999\r\nGhost7.txt\r\n");
    ASSERT_EQ(platform.notices.size(), 2u);
    const std::string& notice = platform.notices[1];
    EXPECT_TRUE(
        notice.starts_with("8 faces could not be read and were left out of the "
                           "comparison:\nGhost1.txt: "))
        << notice;
    EXPECT_NE(notice.find("\nFolder.txt: "), std::string::npos) << notice;
    EXPECT_NE(notice.find("\nGhost4.txt: "), std::string::npos) << notice;
    EXPECT_EQ(notice.find("Damaged.txt"), std::string::npos) << "only the first five are named";
    EXPECT_TRUE(notice.ends_with("\n... and 3 more.\nThe results of the other faces stand."))
        << notice;
    EXPECT_EQ(notice.find("not a face"), std::string::npos);
    EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
    EXPECT_EQ(window.FirstPlace.Caption.substr(0, 10), "1st : Bea ");

    // A run that leaves nobody out says nothing.
    run();
    EXPECT_EQ(platform.notices.size(), 3u) << "Damaged.txt is still in the folder";
    std::filesystem::remove(folder.path() / "Damaged.txt");
    window.File1.Refresh();
    run();
    EXPECT_EQ(platform.notices.size(), 3u);
}
