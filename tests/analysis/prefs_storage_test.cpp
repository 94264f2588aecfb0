#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/mainwindow/prefs_storage.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/headless/recording_platform.h"
#include "common/text/cp1252.h"
#include "tests/analysis/sample_files.h"
#include "tests/common/temp_folder.h"

namespace {

std::string golden(const std::string& name) {
    return common::readWholeFile(common::joinPath(TEST_DATA_DIR "/prefs", name));
}

// One run of the program in a start folder, from start-up on.
struct Session {
    explicit Session(const TempFolder& folder) : Session(folder.text()) {}
    explicit Session(const std::string& start) : app(platform, start), program(app) {
        program.start();
    }

    common::RecordingPlatform platform;
    forms::Application app;
    analysis::AnalysisProgram program;
    analysis::PrefsForm& prefs = program.PrefsWindow;

    std::array<forms::Slider*, 7> sliders() const {
        return {&prefs.EyeSlider,     &prefs.NoseSlider,    &prefs.MouthSlider,
                &prefs.JawlineSlider, &prefs.ProfileSlider, &prefs.ColourationSlider,
                &prefs.FaceSlider};
    }
    std::array<int, 7> weights() const {
        std::array<int, 7> values{};
        std::ranges::transform(sliders(), values.begin(), &forms::Slider::Value);
        return values;
    }
    std::array<std::int32_t, 4> colours() const {
        return {program.PlotBackgroundColour, program.PlotColourA, program.PlotColourB,
                program.PlotColourC};
    }
    std::vector<std::string> quickKeys() const {
        std::vector<std::string> names;
        for (int key = 1; key <= 10; ++key) {
            names.push_back(prefs.F1Person(key).Caption);
        }
        return names;
    }
};

const std::array<int, 7> kGoldenWeights{10, 0, 20, 5, 7, 13, 8};
const std::array<std::int32_t, 4> kGoldenColours{12632256, 255, 16711680, 32768};
// "Ren\351e": the accented e is byte E9 of Windows-1252.
const std::vector<std::string> kGoldenNames{"Bob", "Mary-Jane", "Ren\351e", "",    "Ann Lee",
                                            "Cid", "Dee",       "Eve",      "Fay", "Gus"};
// Without Prefs.prf every feature counts fully.
const std::array<int, 7> kDesignWeights{20, 20, 20, 20, 20, 20, 20};
const std::array<std::int32_t, 4> kDesignColours{0xFFFFFF, 0x0000FF, 0xFF0000, 0x00A000};

void expectGoldenSettings(const Session& run) {
    EXPECT_EQ(run.weights(), kGoldenWeights);
    EXPECT_EQ(run.colours(), kGoldenColours);
    EXPECT_EQ(run.prefs.AutoTopTen.Value(), 1);
    EXPECT_EQ(run.program.ImperialUnits, -1);
    EXPECT_TRUE(run.prefs.UnitsImperial.Value());
    EXPECT_FALSE(run.prefs.UnitsMetric.Value());
    EXPECT_EQ(run.quickKeys(), kGoldenNames);
}

void expectDesignSettings(const Session& run) {
    EXPECT_EQ(run.weights(), kDesignWeights);
    EXPECT_EQ(run.colours(), kDesignColours);
    EXPECT_EQ(run.prefs.AutoTopTen.Value(), 0);
    EXPECT_EQ(run.program.ImperialUnits, 0);
    EXPECT_TRUE(run.prefs.UnitsMetric.Value());
    EXPECT_FALSE(run.prefs.UnitsImperial.Value());
    EXPECT_EQ(run.quickKeys(), std::vector<std::string>(10));
}

// The lines of the hand-made golden file, without their line ends.
std::vector<std::string> goldenLines() {
    const std::string text = golden("Prefs.prf");
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

void writePrefs(const TempFolder& folder, const std::vector<std::string>& lines) {
    folder.write("Prefs.prf", sample::joinLines(lines));
}

}  // namespace

TEST(PrefsSaving, QuittingWritesTheCurrentSettingsByteForByte) {
    TempFolder folder;
    Session run(folder);
    for (std::size_t i = 0; i < kGoldenWeights.size(); ++i) {
        run.sliders()[i]->setValue(kGoldenWeights[i]);
    }
    run.program.PlotBackgroundColour = kGoldenColours[0];
    run.program.PlotColourA = kGoldenColours[1];
    run.program.PlotColourB = kGoldenColours[2];
    run.program.PlotColourC = kGoldenColours[3];
    run.prefs.AutoTopTen.setValue(1);
    run.prefs.UnitsImperial.setValue(true);
    for (int key = 1; key <= 10; ++key) {
        run.prefs.F1Person(key).Caption = kGoldenNames[static_cast<std::size_t>(key - 1)];
    }
    run.program.MainWindow.QuitButton.click();
    EXPECT_TRUE(run.app.ended());
    EXPECT_EQ(folder.read("Prefs.prf"), golden("Prefs.prf"));
}

TEST(PrefsSaving, WithoutAFileTheDesignValuesAreUsedAndWritten) {
    TempFolder folder;
    Session run(folder);
    expectDesignSettings(run);
    EXPECT_TRUE(run.platform.errors.empty()) << "a missing file is no fault";
    run.program.MainWindow.userClose();
    EXPECT_TRUE(run.app.ended());
    EXPECT_EQ(folder.read("Prefs.prf"), golden("design.prf"));
}

TEST(PrefsSaving, TheMissingStatisticsButtonEndsWithoutSaving) {
    TempFolder folder;
    Session run(folder);
    run.program.NoMedianWindow.quitButton.click();
    EXPECT_TRUE(run.app.ended());
    EXPECT_FALSE(common::fileExists(folder.file("Prefs.prf")));
}

TEST(PrefsSaving, AStartFolderThatCannotTakeTheFileIsReportedAndTheProgramStillEnds) {
    TempFolder folder;
    // A folder in the file's place cannot be written, whoever runs the tests.
    folder.subfolder("Prefs.prf");
    Session run(folder);
    expectDesignSettings(run);
    ASSERT_EQ(run.platform.errors.size(), 1u);
    EXPECT_TRUE(run.platform.errors[0].starts_with("The preferences could not be read from " +
                                                   folder.file("Prefs.prf") + ": "));
    run.program.MainWindow.QuitButton.click();
    EXPECT_TRUE(run.app.ended());
    EXPECT_TRUE(run.platform.ended);
    ASSERT_EQ(run.platform.errors.size(), 2u);
    EXPECT_EQ(run.platform.errors[1], "The preferences could not be saved to " +
                                          folder.file("Prefs.prf") + ": Is a directory");
}

// The file is named readably in a start folder of any name: a folder name Windows-1252 cannot
// hold as it stands, one held in Windows-1252 converted, the whole message UTF-8.
TEST(PrefsSaving, TheFileIsNamedReadablyInAStartFolderOfAnyName) {
    TempFolder folder;
    const std::string people = "\xD0\x9B\xD0\xB8\xD1\x86\xD0\xB0";
    std::filesystem::create_directories(folder.path() / people / "Zo\xC3\xAB" / "Prefs.prf");
    const std::string shown =
        common::cp1252ToUtf8(folder.text()) + "/" + people + "/Zo\xC3\xAB/Prefs.prf";
    Session run(folder.file(people + "/Zo\xEB"));
    ASSERT_EQ(run.platform.errors.size(), 1u);
    EXPECT_TRUE(run.platform.errors[0].starts_with("The preferences could not be read from " +
                                                   shown + ": "))
        << run.platform.errors[0];
    run.program.MainWindow.QuitButton.click();
    ASSERT_EQ(run.platform.errors.size(), 2u);
    EXPECT_EQ(run.platform.errors[1],
              "The preferences could not be saved to " + shown + ": Is a directory");
}

TEST(PrefsSaving, SavesInTheStartFolderWhereverTheBrowserHasMoved) {
    TempFolder folder;
    const std::string data = folder.subfolder("Sample data");
    Session run(folder);
    ASSERT_EQ(run.program.MainWindow.Dir1.Path(), data);
    run.prefs.NoseSlider.setValue(4);
    run.program.MainWindow.QuitButton.click();
    EXPECT_FALSE(common::fileExists(common::joinPath(data, "Prefs.prf")));
    EXPECT_TRUE(folder.read("Prefs.prf").starts_with(" 20\r\n 4\r\n"));
}

// CR LF as written here, LF from Linux editors; line 25 is never read, and a hand-edited file may
// lack the last line end.
TEST(PrefsLoading, StartUpShowsTheStoredSettingsWhateverTheLineEnds) {
    const std::string written = golden("Prefs.prf");
    for (const std::string& text :
         {written, sample::joinLines(goldenLines(), "\n"), written.substr(0, written.size() - 4)}) {
        TempFolder folder;
        folder.write("Prefs.prf", text);
        Session run(folder);
        expectGoldenSettings(run);
        EXPECT_FALSE(run.prefs.Visible());
    }
}

TEST(PrefsLoading, OnlyExactCapitalsSwitchQuickKeysAndImperialUnitsOn) {
    std::vector<std::string> lines = goldenLines();
    lines[11] = "a";
    lines[12] = "i";
    TempFolder folder;
    writePrefs(folder, lines);
    Session run(folder);
    EXPECT_EQ(run.prefs.AutoTopTen.Value(), 0);
    EXPECT_EQ(run.program.ImperialUnits, 0);
    EXPECT_TRUE(run.prefs.UnitsMetric.Value());
    EXPECT_FALSE(run.prefs.UnitsImperial.Value());
    // The rest of the file still counts.
    EXPECT_EQ(run.weights(), kGoldenWeights);
    EXPECT_EQ(run.quickKeys(), kGoldenNames);
}

TEST(PrefsLoading, NumbersAroundBlanksAndFractionsAreRead) {
    std::vector<std::string> lines = goldenLines();
    lines[0] = "3  ";
    lines[1] = "+4";
    lines[2] = " 2.5";
    lines[7] = "  65280  ";
    lines[8] = "-1";
    TempFolder folder;
    writePrefs(folder, lines);
    Session run(folder);
    EXPECT_EQ(run.prefs.EyeSlider.Value(), 3);
    EXPECT_EQ(run.prefs.NoseSlider.Value(), 4);
    EXPECT_EQ(run.prefs.MouthSlider.Value(), 2);  // ties to the even neighbour
    EXPECT_EQ(run.program.PlotBackgroundColour, 65280);
    EXPECT_EQ(run.program.PlotColourA, -1);
}

// A damaged line costs its own setting and nothing else; the user hears of it once.
TEST(PrefsLoading, ADamagedLineFallsBackAloneAndIsReportedOnce) {
    struct Damage {
        const char* what;
        std::size_t line;  // 0-based
        std::string text;
        bool damaged;
    };
    const std::vector<Damage> damages{
        {"weight not a number", 0, "ten", true},
        {"weight with trailing letters", 1, "12ab", true},
        {"empty weight", 3, "", true},
        {"weight above 20", 2, " 21", true},
        {"weight below 0", 4, "-1", true},
        {"weight too large to store", 6, " 99999", true},
        {"weight beyond any number", 5, "3E2680", true},
        {"colour beyond any number", 9, "1E999", true},
        {"colour too large", 10, " 99999999999", true},
        // Colours are read as far as they are a number.
        {"colour not a number", 8, "red", false},
        {"colour without digits", 9, "-", false},
        {"colour with two points", 7, "1.2.3", false},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        std::vector<std::string> lines = goldenLines();
        lines[damage.line] = damage.text;
        TempFolder folder;
        writePrefs(folder, lines);
        Session run(folder);
        std::array<int, 7> weights = kGoldenWeights;
        std::array<std::int32_t, 4> colours = kGoldenColours;
        if (damage.line < 7) {
            weights[damage.line] = 20;
        } else if (damage.damaged) {
            colours[damage.line - 7] = kDesignColours[damage.line - 7];
        } else {
            colours[damage.line - 7] = damage.text == "1.2.3" ? 1 : 0;
        }
        EXPECT_EQ(run.weights(), weights);
        EXPECT_EQ(run.colours(), colours);
        EXPECT_EQ(run.quickKeys(), kGoldenNames);
        EXPECT_EQ(run.prefs.AutoTopTen.Value(), 1);
        EXPECT_EQ(run.program.ImperialUnits, -1);
        if (damage.damaged) {
            ASSERT_EQ(run.platform.errors.size(), 1u);
            EXPECT_NE(run.platform.errors[0].find(folder.file("Prefs.prf")), std::string::npos);
            EXPECT_NE(run.platform.errors[0].find("line " + std::to_string(damage.line + 1)),
                      std::string::npos);
        } else {
            EXPECT_TRUE(run.platform.errors.empty());
        }
    }
}

// A short file keeps what it holds; only line 25, never read, may be missing unnoticed.
TEST(PrefsLoading, AShortFileKeepsTheLinesItHolds) {
    for (std::size_t count : {0u, 7u, 13u, 22u, 24u}) {
        SCOPED_TRACE("file of " + std::to_string(count) + " lines");
        std::vector<std::string> lines = goldenLines();
        lines.resize(count);
        TempFolder folder;
        writePrefs(folder, lines);
        Session run(folder);
        EXPECT_EQ(run.weights(), count >= 7 ? kGoldenWeights : kDesignWeights);
        EXPECT_EQ(run.colours(), count >= 11 ? kGoldenColours : kDesignColours);
        EXPECT_EQ(run.prefs.AutoTopTen.Value(), count >= 12 ? 1 : 0);
        EXPECT_EQ(run.program.ImperialUnits, count >= 13 ? -1 : 0);
        std::vector<std::string> keys(10);
        for (std::size_t key = 0; key < 10 && 14 + key < count; ++key) {
            keys[key] = kGoldenNames[key];
        }
        EXPECT_EQ(run.quickKeys(), keys);
        ASSERT_EQ(run.platform.errors.size(), count >= 24 ? 0u : 1u);
        if (count == 22) {
            EXPECT_NE(run.platform.errors[0].find("lines 23, 24"), std::string::npos);
        }
    }
}

// Quitting after a damaged start keeps the good settings with the fallen-back ones.
TEST(PrefsLoading, QuittingAfterADamagedStartSavesTheSettingsAsTheyStand) {
    std::vector<std::string> lines = goldenLines();
    lines[1] = "lots";
    TempFolder folder;
    writePrefs(folder, lines);
    Session run(folder);
    run.program.MainWindow.QuitButton.click();
    std::vector<std::string> expected = goldenLines();
    expected[1] = " 20";
    EXPECT_EQ(folder.read("Prefs.prf"), sample::joinLines(expected));
}

TEST(PrefsRoundTrip, SavedSettingsComeBackAtTheNextStart) {
    TempFolder folder;
    folder.write("Prefs.prf", golden("Prefs.prf"));
    {
        Session first(folder);
        first.prefs.ColourationSlider.setValue(0);
        first.prefs.FaceSlider.setValue(20);
        first.prefs.AutoTopTen.setValue(0);
        first.prefs.UnitsMetric.setValue(true);
        // A shorter name must not leave the end of the longer one behind.
        first.prefs.F1Person(2).Caption = "Mj";
        first.program.PlotColourC = 0x123456;
        first.program.MainWindow.QuitButton.click();
    }
    const std::string saved = folder.read("Prefs.prf");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 25);

    Session second(folder);
    EXPECT_EQ(second.weights(), (std::array<int, 7>{10, 0, 20, 5, 7, 0, 20}));
    EXPECT_EQ(second.program.PlotColourC, 0x123456);
    EXPECT_EQ(second.prefs.AutoTopTen.Value(), 0);
    EXPECT_EQ(second.program.ImperialUnits, 0);
    EXPECT_EQ(second.prefs.F1Person(2).Caption, "Mj");
    second.program.MainWindow.QuitButton.click();
    EXPECT_EQ(folder.read("Prefs.prf"), saved);
}
