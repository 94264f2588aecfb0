// Saves under a hostile file system: a full disk (a file-size limit in a child process, which
// holds for root too), a folder that takes no file, named pipes and symbolic links under the
// names the programs write, odd names. Every case states what must hold afterwards: the old file
// whole byte for byte, the failure reported with the file's name, no temporary left, no hang.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/engine/comparison/comparison.h"
#include "analysis/engine/comparison/result_files.h"
#include "analysis/mainwindow/prefs_storage.h"
#include "common/files/safe_save.h"
#include "common/files/text_file.h"
#include "common/text/error.h"
#include "tests/analysis/comparison/comparison_fixture.h"
#include "tests/vismaker/vismaker_fixture.h"
#include "vismaker/stats/vis_files.h"

namespace fs = std::filesystem;

namespace {

constexpr unsigned kHangSeconds = 10;

struct ChildOutcome {
    bool exited = false;  // false: killed, a hang ended by the alarm among them
    int code = -1;        // 0: the body returned, 1: an exception left it
    std::string report;   // what the body returned, or the exception's message
};

// Runs body in a child process with files limited to fileSizeLimit bytes (a write past it fails
// with "File too large" as on a full disk) and an alarm that ends a child that hangs. The
// file-size signal is ignored, or with defaultSignal left at its default, which kills a process
// that writes past the limit unless the save code prevents it.
ChildOutcome inChild(const std::function<std::string()>& body, rlim_t fileSizeLimit = RLIM_INFINITY,
                     bool defaultSignal = false) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::alarm(kHangSeconds);
        ::signal(SIGXFSZ, defaultSignal ? SIG_DFL : SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string report;
        int code = 0;
        try {
            report = body();
        } catch (const std::exception& e) {
            report = e.what();
            code = 1;
        }
        const ssize_t written = ::write(pipeEnds[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? code : 3);
    }
    ::close(pipeEnds[1]);
    ChildOutcome outcome;
    char chunk[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], chunk, sizeof chunk)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        outcome.report.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    outcome.exited = WIFEXITED(status);
    outcome.code = outcome.exited ? WEXITSTATUS(status) : -1;
    return outcome;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Temporaries begin with "."; the folders here hold no other such file.
// Temporaries are hidden files; the data folder's lock file is the one hidden file meant to stay.
bool noTemporaryIn(const fs::path& folder) {
    const auto names = namesIn(folder);
    return std::none_of(names.begin(), names.end(), [](const std::string& n) {
        return n.starts_with(".") && n != ".analysis.lock";
    });
}

bool mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

void makeFifo(const TempFolder& folder, const std::string& name) {
    ASSERT_EQ(::mkfifo(folder.file(name).c_str(), 0644), 0);
}

const std::string kOld = "old content that must survive\r\n99999\r\n";

}  // namespace

// ---- The save itself ----

TEST(SafeSave, FullDiskLeavesTheOldFileWholeAndNamesFileAndReason) {
    TempFolder folder;
    folder.write("Prefs.prf", kOld);
    const ChildOutcome outcome = inChild(
        [&] {
            common::writeWholeFile(folder.file("Prefs.prf"), std::string(5000, 'n'));
            return std::string("saved");
        },
        1000);
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(mentions(outcome.report, folder.file("Prefs.prf"))) << outcome.report;
    EXPECT_TRUE(mentions(outcome.report, "File too large")) << outcome.report;
    EXPECT_EQ(folder.read("Prefs.prf"), kOld);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"Prefs.prf"});
}

// A program that never set the signal's handling is not killed by the limit: the save fails and
// says so, as on a full disk, and so does an append to a log.
TEST(SafeSave, TheFileSizeLimitIsAFailedSaveNotADeath) {
    TempFolder folder;
    folder.write("Prefs.prf", kOld);
    folder.write("PictureLog.log", kOld);
    const ChildOutcome save = inChild(
        [&] {
            common::writeWholeFile(folder.file("Prefs.prf"), std::string(5000, 'n'));
            return std::string("saved");
        },
        300, true);
    ASSERT_TRUE(save.exited) << "killed";
    EXPECT_EQ(save.code, 1);
    EXPECT_TRUE(mentions(save.report, folder.file("Prefs.prf"))) << save.report;
    EXPECT_TRUE(mentions(save.report, "File too large")) << save.report;
    EXPECT_EQ(folder.read("Prefs.prf"), kOld);

    const ChildOutcome append = inChild(
        [&] {
            common::appendToFile(folder.file("PictureLog.log"), std::string(5000, 'n'));
            return std::string("appended");
        },
        300, true);
    ASSERT_TRUE(append.exited) << "killed";
    EXPECT_EQ(append.code, 1);
    EXPECT_TRUE(mentions(append.report, "File too large")) << append.report;
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"PictureLog.log", "Prefs.prf"}));
}

TEST(SafeSave, ALargeSaveFailingLateStillLeavesNothingBehind) {
    TempFolder folder;
    folder.write("big.lst", kOld);
    // Past the write buffer, so the failure comes while writing, not at the flush.
    const ChildOutcome outcome = inChild(
        [&] {
            common::PendingSave save(folder.file("big.lst"));
            for (int i = 0; i < 100; ++i) {
                save.write(std::string(10000, 'x'));
            }
            save.commit();
            return std::string("saved");
        },
        200000);
    EXPECT_EQ(outcome.code, 1);
    EXPECT_EQ(folder.read("big.lst"), kOld);
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

TEST(SafeSave, AFolderThatTakesNoFileIsReported) {
    TempFolder folder;
    folder.write("plain", "x");
    for (const std::string& path :
         {folder.file("absent/Prefs.prf"), folder.file("plain/Prefs.prf"), folder.text() + "/"}) {
        try {
            common::writeWholeFile(path, "x");
            ADD_FAILURE() << path << " saved";
        } catch (const common::Error& e) {
            EXPECT_TRUE(mentions(e.what(), path)) << e.what();
            EXPECT_EQ(e.code(), common::ErrorCode::PathFileAccess);
        }
    }
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"plain"});
}

// Permission bits do not stop root, so a child run by root first becomes an ordinary user.
TEST(SafeSave, ReadOnlyFolderLeavesTheOldFileAndIsReported) {
    TempFolder folder;
    const std::string sub = folder.subfolder("locked");
    const std::string list = common::joinPath(sub, "Favourites.lst");
    common::writeWholeFile(list, kOld);
    fs::permissions(common::toPath(sub), fs::perms::owner_read | fs::perms::owner_exec |
                                             fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
    const ChildOutcome outcome = inChild([&] {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            return std::string("still root");
        }
        common::writeWholeFile(list, "new");
        return std::string("saved");
    });
    fs::permissions(common::toPath(sub), fs::perms::owner_all);
    if (outcome.report == "still root") {
        GTEST_SKIP() << "root cannot become an ordinary user here";
    }
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(mentions(outcome.report, list)) << outcome.report;
    EXPECT_TRUE(mentions(outcome.report, "Permission denied")) << outcome.report;
    EXPECT_EQ(common::readWholeFile(list), kOld);
    EXPECT_TRUE(noTemporaryIn(common::toPath(sub)));
}

TEST(SafeSave, ALinkUnderTheNameIsReplacedAndItsTargetNeverWritten) {
    TempFolder folder;
    TempFolder outside;
    outside.write("precious.txt", kOld);
    fs::create_symlink(outside.path() / "precious.txt", folder.path() / "Results.tmp");
    fs::create_symlink(outside.path() / "nothing.txt", folder.path() / "Prefs.prf");
    common::writeWholeFile(folder.file("Results.tmp"), "new\r\n");
    common::writeWholeFile(folder.file("Prefs.prf"), "new\r\n");
    EXPECT_EQ(outside.read("precious.txt"), kOld);
    EXPECT_EQ(namesIn(outside.path()), std::vector<std::string>{"precious.txt"})
        << "a dangling link made no file at its target";
    for (const char* name : {"Results.tmp", "Prefs.prf"}) {
        EXPECT_FALSE(fs::is_symlink(folder.path() / name));
        EXPECT_EQ(folder.read(name), "new\r\n");
    }
}

TEST(SafeSave, ANamedPipeUnderTheNameIsReplacedWithoutWaiting) {
    TempFolder folder;
    for (const char* name : {"Results.tmp", "Prefs.prf", "Upper.vis"}) {
        makeFifo(folder, name);
    }
    const ChildOutcome outcome = inChild([&] {
        for (const char* name : {"Results.tmp", "Prefs.prf", "Upper.vis"}) {
            common::writeWholeFile(folder.file(name), "new\r\n");
        }
        return std::string("saved");
    });
    ASSERT_TRUE(outcome.exited) << "the save hung on a pipe";
    EXPECT_EQ(outcome.report, "saved");
    for (const char* name : {"Results.tmp", "Prefs.prf", "Upper.vis"}) {
        EXPECT_TRUE(fs::is_regular_file(folder.path() / name));
        EXPECT_EQ(folder.read(name), "new\r\n");
    }
}

TEST(SafeSave, AFolderUnderTheNameIsReportedAndLeftAlone) {
    TempFolder folder;
    folder.subfolder("Median.vis");
    EXPECT_THROW(common::writeWholeFile(folder.file("Median.vis"), "x"), common::Error);
    EXPECT_TRUE(fs::is_directory(folder.path() / "Median.vis"));
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

TEST(SafeSave, OddNamesSaveUnderExactlyTheirName) {
    TempFolder folder;
    const std::vector<std::string> names = {
        "Zo\xEB \x80\x9F\xFF.lst",  // Windows-1252 letters with no ASCII form
        std::string(255, 'a'),      // the longest name a folder takes
        " leading and trailing ",   // blanks kept
        "-dash;semi'quote\"",       // characters a shell would take apart
    };
    for (const std::string& name : names) {
        common::writeWholeFile(folder.file(name), "v1");
        common::writeWholeFile(folder.file(name), "v2");
        EXPECT_EQ(folder.read(name), "v2") << name;
    }
    EXPECT_EQ(namesIn(folder.path()).size(), names.size());
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

TEST(SafeSave, AReplacedFileKeepsItsPermissions) {
    TempFolder folder;
    folder.write("Prefs.prf", kOld);
    fs::permissions(folder.path() / "Prefs.prf",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    folder.write("Prefs.prf", "new");
    EXPECT_EQ(fs::status(folder.path() / "Prefs.prf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SafeSave, ASaveNeverCommittedLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    folder.write("Results.tmp", kOld);
    {
        common::PendingSave save(folder.file("Results.tmp"));
        save.write("half a list");
        save.finish();
        EXPECT_EQ(namesIn(folder.path()).size(), 2u) << "written aside";
    }
    EXPECT_EQ(folder.read("Results.tmp"), kOld);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"Results.tmp"});
}

TEST(SafeSave, AppendingNeverWaitsOnAPipe) {
    TempFolder folder;
    makeFifo(folder, "log.txt");
    const ChildOutcome outcome = inChild([&] {
        common::appendToFile(folder.file("log.txt"), "line");
        return std::string("appended");
    });
    ASSERT_TRUE(outcome.exited) << "the append hung on a pipe";
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(mentions(outcome.report, "log.txt")) << outcome.report;
}

// ---- Files saved as one unit ----

TEST(SafeSave, AUnitFailingOnItsLastFileLeavesEveryOldFile) {
    TempFolder folder;
    for (const char* name : {"a", "b", "c"}) {
        folder.write(name, kOld);
    }
    const ChildOutcome outcome = inChild(
        [&] {
            const std::string a = folder.file("a"), b = folder.file("b"), c = folder.file("c");
            const std::string longer(50, 'c');
            const common::FileContent unit[] = {{a, "short"}, {b, "short"}, {c, longer}};
            common::saveFilesTogether(unit);
            return std::string("saved");
        },
        20);
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(mentions(outcome.report, folder.file("c"))) << outcome.report;
    for (const char* name : {"a", "b", "c"}) {
        EXPECT_EQ(folder.read(name), kOld) << name;
    }
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

TEST(SafeSave, AUnitWithAFolderUnderOneNameReplacesNone) {
    TempFolder folder;
    folder.write("a", kOld);
    folder.subfolder("b");
    const std::string a = folder.file("a"), b = folder.file("b");
    const common::FileContent unit[] = {{a, "new"}, {b, "new"}};
    EXPECT_THROW(common::saveFilesTogether(unit), common::Error);
    EXPECT_EQ(folder.read("a"), kOld);
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

// ---- The programs' saves ----

TEST(ProgramSaves, StatisticsFailingOnMedianLeaveAllThreeOldFiles) {
    TempFolder folder;
    for (const char* name : {"Upper.vis", "Lower.vis", "Median.vis"}) {
        folder.write(name, kOld + name);
    }
    // With every value 0 the three bodies are alike and Median.vis, quoted under its longer
    // head, is the longest: a limit just past the other two fails on it alone.
    const vismaker::VisFiles set = vismaker::BuildVisFiles(vismaker::Limits{}, 3);
    ASSERT_EQ(set.upper.size(), set.lower.size());
    ASSERT_GT(set.median.size(), set.upper.size() + 3);
    const ChildOutcome outcome = inChild(
        [&] {
            vismaker::WriteVisFiles(folder.text(), vismaker::Limits{}, 3);
            return std::string("saved");
        },
        set.upper.size() + 3);
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(mentions(outcome.report, "Median.vis")) << outcome.report;
    for (const char* name : {"Upper.vis", "Lower.vis", "Median.vis"}) {
        EXPECT_EQ(folder.read(name), kOld + name) << name;
    }
    EXPECT_TRUE(noTemporaryIn(folder.path()));

    // Over pipes and links the three are saved whole.
    fs::remove(folder.path() / "Upper.vis");
    makeFifo(folder, "Upper.vis");
    fs::remove(folder.path() / "Lower.vis");
    fs::create_symlink(folder.path() / "Median.vis", folder.path() / "Lower.vis");
    const ChildOutcome again = inChild([&] {
        vismaker::WriteVisFiles(folder.text(), vismaker::Limits{}, 3);
        return std::string("saved");
    });
    ASSERT_TRUE(again.exited) << "the save hung on a pipe";
    EXPECT_EQ(again.report, "saved");
    EXPECT_EQ(folder.read("Upper.vis"), set.upper);
    EXPECT_FALSE(fs::is_symlink(folder.path() / "Lower.vis"));
    EXPECT_EQ(folder.read("Lower.vis"), set.lower);
    EXPECT_EQ(folder.read("Median.vis"), set.median);
}

// The statistics builder names the file it could not write and why, for the statistics and for
// the log and lists alike.
TEST(ProgramSaves, VismakerOnAFullDiskNamesTheFileAndWhy) {
    TempFolder start;
    TempFolder data;
    writeHandWorkedFolder(data);
    const ChildOutcome run = inChild(
        [&] {
            FreshVismaker program(start.text());
            program.open(data.text());
            program.press();
            return program.window.statusMessage.Caption;
        },
        10);
    EXPECT_EQ(run.report, "ERROR! The statistics files could not be written: " +
                              data.file("Upper.vis") + ": File too large");
    EXPECT_TRUE(noTemporaryIn(data.path()));

    FreshVismaker program(start.text());
    program.open(data.text());
    program.press();
    ASSERT_TRUE(program.finished());
    const ChildOutcome save = inChild(
        [&] {
            program.save();
            return program.platform.errors.empty() ? std::string("saved")
                                                   : program.platform.errors.front();
        },
        10);
    EXPECT_EQ(save.report, "The picture log and the lists could not be saved: " +
                               data.file("PictureLog.log") + ": File too large");
    EXPECT_FALSE(exists(data, "PictureLog.log"));
    EXPECT_TRUE(noTemporaryIn(data.path()));
}

struct ProgramSavesFixture : comparison::ComparisonFixture {
    std::vector<comparison::Face> fiveFaces() const {
        std::vector<comparison::Face> faces;
        const char* names[5] = {"Anna", "Bea", "Cleo", "Dora", "Eve"};
        for (int i = 0; i < 5; ++i) {
            comparison::Face f{comparison::wizardFace(names[i], 10 * i), false, 10 * i};
            f.wizard.heightText = std::to_string(160 + i);
            f.wizard.colours = common::FaceColours{0x101010 * (i + 1), 0x202020, 0x303030};
            faces.push_back(f);
        }
        return faces;
    }
    static constexpr const char* kLists[] = {"Results.tmp", "Results2.tmp", "HeightResults.tmp",
                                             "ColourResults.tmp", "ProfileResults.tmp"};
    void writeOldLists() const {
        for (const char* name : kLists) {
            folder.write(name, kOld + name);
        }
    }
    void expectOldLists() const {
        for (const char* name : kLists) {
            EXPECT_EQ(read(name), kOld + name) << name;
        }
    }
};

TEST_F(ProgramSavesFixture, PrefsSaveOnAFullDiskKeepsTheOldFileAndSaysWhich) {
    program.start();
    folder.write("Prefs.prf", kOld);
    const ChildOutcome outcome = inChild(
        [&] {
            analysis::SavePrefs(program);
            return joined(platform.errors);
        },
        10);
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0) << "reported, not thrown";
    EXPECT_TRUE(mentions(outcome.report, folder.file("Prefs.prf"))) << outcome.report;
    EXPECT_TRUE(mentions(outcome.report, "File too large")) << "the reason, not only a number";
    EXPECT_EQ(read("Prefs.prf"), kOld);
    EXPECT_TRUE(noTemporaryIn(folder.path()));

    makeFifo(folder, "Prefs.prf.pipe");
    fs::rename(folder.path() / "Prefs.prf.pipe", folder.path() / "Prefs.prf");
    const ChildOutcome overPipe = inChild([&] {
        analysis::SavePrefs(program);
        return joined(platform.errors);
    });
    ASSERT_TRUE(overPipe.exited) << "the save hung on a pipe";
    EXPECT_EQ(overPipe.report, "");
    EXPECT_TRUE(fs::is_regular_file(folder.path() / "Prefs.prf"));
}

TEST_F(ProgramSavesFixture, ListSaveOnAFullDiskKeepsTheOldListAndSaysWhich) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    folder.write("Mine.lst", kOld);
    window.ListsButton.click();
    window.ListEditButton.click();
    analysis::ListForm& editor = program.ListWindow;
    editor.ListInPlay.setText(std::string(3000, 'A') + ".txt\r\n");
    editor.FileBeingEdited.setText("Mine.lst");
    const ChildOutcome outcome = inChild(
        [&] {
            editor.ListSaveButton.click();
            return joined(platform.errors);
        },
        1024);
    ASSERT_TRUE(outcome.exited);
    EXPECT_TRUE(mentions(outcome.report, folder.file("Mine.lst"))) << outcome.report;
    EXPECT_EQ(read("Mine.lst"), kOld);
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

TEST_F(ProgramSavesFixture, AFailedRunLeavesTheLastRunsListsWhole) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    writeOldLists();
    // The emptied pages fit; the lists of five faces do not.
    const ChildOutcome outcome = inChild(
        [&] {
            app.dispatch([&] { window.CompButton_Click(); });
            return joined(platform.errors);
        },
        200);
    ASSERT_TRUE(outcome.exited);
    EXPECT_TRUE(mentions(outcome.report, "File too large")) << outcome.report;
    expectOldLists();
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

TEST_F(ProgramSavesFixture, AnInterruptedRunLeavesTheLastRunsListsWhole) {
    writeOldLists();
    {
        analysis::ResultFiles files(folder.text());
        files.appendResults("record\r\n");
        files.appendColour("colour\r\n");
    }
    expectOldLists();
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

TEST_F(ProgramSavesFixture, ListsUnderLinksAndPipesAreReplacedNeverFollowed) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    TempFolder outside;
    outside.write("precious.txt", kOld);
    fs::create_symlink(outside.path() / "precious.txt", folder.path() / "Results.tmp");
    fs::create_symlink(outside.path() / "gone.txt", folder.path() / "Results2.tmp");
    makeFifo(folder, "HeightResults.tmp");
    makeFifo(folder, "ColourResults.tmp");
    makeFifo(folder, "Results_1.htm");
    const ChildOutcome outcome = inChild([&] {
        app.dispatch([&] { window.CompButton_Click(); });
        return joined(platform.errors) + read("Results.tmp");
    });
    ASSERT_TRUE(outcome.exited) << "the run hung on a pipe";
    EXPECT_TRUE(outcome.report.ends_with("\r\n99999\r\n")) << outcome.report;
    EXPECT_EQ(outside.read("precious.txt"), kOld);
    EXPECT_EQ(namesIn(outside.path()), std::vector<std::string>{"precious.txt"});
    for (const char* name : kLists) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.path() / name))) << name;
    }
    EXPECT_EQ(read("Results_1.htm"), "");
}

// A run that fails on a full disk is no run: the lists, the pages, the places and what the next
// View would write stay as the last completed run and its View left them.
TEST_F(ProgramSavesFixture, ARunFailingOnAFullDiskLeavesTheLastRunWhole) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    window.CompButton_Click();
    app.dispatch([&] { program.ResultsWindow.ViewButton_Click(); });
    ASSERT_TRUE(platform.errors.empty()) << platform.errors.front();
    std::vector<std::string> before;
    for (const char* name : {"Results.tmp", "Results2.tmp", "Results2b.tmp", "HeightResults.tmp",
                             "ColourResults.tmp", "ProfileResults.tmp", "Results_1.htm"}) {
        before.push_back(read(name));
    }
    const std::string ranked = read("ColourResults.tmp");
    ASSERT_GT(ranked.size(), 100u);
    const ChildOutcome outcome = inChild(
        [&] {
            app.dispatch([&] { window.CompButton_Click(); });
            return joined(platform.errors) + (program.PagesBuilt == -1 ? " built" : " again") +
                   (window.OutputButton.Enabled ? " enabled" : " disabled") +
                   (window.FirstPlace.Visible ? " shown" : " hidden");
        },
        ranked.size() / 2);
    ASSERT_TRUE(outcome.exited);
    EXPECT_TRUE(mentions(outcome.report, "File too large")) << outcome.report;
    EXPECT_TRUE(outcome.report.ends_with(" built enabled shown")) << outcome.report;
    std::size_t i = 0;
    for (const char* name : {"Results.tmp", "Results2.tmp", "Results2b.tmp", "HeightResults.tmp",
                             "ColourResults.tmp", "ProfileResults.tmp", "Results_1.htm"}) {
        EXPECT_EQ(read(name), before[i++]) << name;
    }
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}

// A page that no longer fits on the disk: the page of the last View stays whole, the failure
// names the page, and the next View writes the pages again.
TEST_F(ProgramSavesFixture, ReportPageOnAFullDiskKeepsTheLastPageAndSaysWhich) {
    writeFaces(fiveFaces());
    startAndSelect("Cleo.txt");
    window.CompButton_Click();
    ASSERT_TRUE(platform.errors.empty());
    folder.write("Results_1.htm", kOld);
    const ChildOutcome outcome = inChild(
        [&] {
            app.dispatch([&] { program.ResultsWindow.ViewButton_Click(); });
            return joined(platform.errors) + (program.PagesBuilt == 0 ? " again" : " built");
        },
        2000);
    ASSERT_TRUE(outcome.exited);
    EXPECT_TRUE(mentions(outcome.report, folder.file("Results_1.htm"))) << outcome.report;
    EXPECT_TRUE(outcome.report.ends_with(" again")) << outcome.report;
    EXPECT_EQ(read("Results_1.htm"), kOld);
    EXPECT_TRUE(noTemporaryIn(folder.path()));
}
