#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/engine/statistics_loading.h"
#include "common/files/text_file.h"
#include "common/text/error.h"
#include "tests/analysis/program_fixture.h"

using analysis::FaceStatistics;

namespace {

struct VisTexts {
    sample::VisValues upper = sample::visValues(sample::kUpperBase);
    sample::VisValues lower = sample::visValues(sample::kLowerBase);
    sample::VisValues median = sample::visValues(sample::kMedianBase);
    std::string lineEnd = "\r\n";

    std::string medianText() const { return sample::vis("Average face", median, true); }

    // Reads the three texts over statistics that hold 5 everywhere beforehand.
    FaceStatistics read(std::string medianOverride = {}) const {
        FaceStatistics s;
        for (auto* coords : {&s.UpperCoords, &s.LowerCoords, &s.MedianCoords}) {
            for (int i = 1; i <= 100; ++i) {
                (*coords)[i] = 5;
            }
        }
        for (auto* angles : {&s.UpperAngles, &s.LowerAngles, &s.MedianAngles}) {
            for (int i = 1; i <= 30; ++i) {
                (*angles)[i] = 5;
            }
        }
        auto u = reader(sample::vis("Max values", upper));
        auto l = reader(sample::vis("Min values", lower));
        auto m = reader(medianOverride.empty() ? medianText() : medianOverride);
        analysis::readStatistics(u, l, m, s);
        return s;
    }

    common::TextFileReader reader(std::string text) const {
        if (lineEnd != "\r\n") {
            std::string converted;
            for (char c : text) {
                if (c != '\r') {
                    converted += c;
                }
            }
            text = converted;
        }
        return common::TextFileReader::fromText(text);
    }
};

}  // namespace

TEST(StatisticsLoading, ShiftedLayoutWithUntouchedElements) {
    for (const char* end : {"\r\n", "\n"}) {
        VisTexts texts;
        texts.lineEnd = end;
        const FaceStatistics s = texts.read();
        const auto& m = texts.median;
        EXPECT_EQ(s.MedianCoords[1], m.profile[0]);
        EXPECT_EQ(s.MedianCoords[46], m.profile[45]);
        EXPECT_EQ(s.MedianCoords[47], 9999);
        for (int i = 48; i <= 52; ++i) {
            EXPECT_EQ(s.MedianCoords[i], 5) << i;
        }
        // The head line's words give 53 and 54; portrait point 1 sits at 55, 56.
        EXPECT_EQ(s.MedianCoords[53], 0);
        EXPECT_EQ(s.MedianCoords[54], 0);
        EXPECT_EQ(s.MedianCoords[55], m.portrait[0]);
        EXPECT_EQ(s.MedianCoords[56], m.portrait[1]);
        EXPECT_EQ(s.MedianCoords[94], m.portrait[39]);
        for (int i = 95; i <= 100; ++i) {
            EXPECT_EQ(s.MedianCoords[i], 5) << i;
        }
        EXPECT_EQ(s.MedianAngles[1], 0);
        EXPECT_EQ(s.MedianAngles[2], m.profileAngles[0]);
        EXPECT_EQ(s.MedianAngles[19], m.profileAngles[17]);
        EXPECT_EQ(s.MedianAngles[20], 0);
        EXPECT_EQ(s.MedianAngles[21], m.portraitAngles[0]);
        EXPECT_EQ(s.MedianAngles[29], m.portraitAngles[8]);
        EXPECT_EQ(s.MedianAngles[30], 5);

        EXPECT_EQ(s.UpperCoords[55], texts.upper.portrait[0]);
        EXPECT_EQ(s.LowerAngles[29], texts.lower.portraitAngles[8]);
    }
}

TEST(StatisticsLoading, ClampForCoordinatesOnly) {
    VisTexts texts;
    texts.median.profile[0] = 12000;
    texts.median.portrait[0] = 10000;
    texts.median.profileAngles[0] = 12000;
    const FaceStatistics s = texts.read();
    EXPECT_EQ(s.MedianCoords[1], 9999);
    EXPECT_EQ(s.MedianCoords[55], 9999);
    EXPECT_EQ(s.MedianAngles[2], 12000);

    texts.median.profile[0] = -40000;
    EXPECT_THROW(texts.read(), common::Error);
    texts.median.profile[0] = 1;
    texts.median.portraitAngles[0] = 40000;
    EXPECT_THROW(texts.read(), common::Error);
}

TEST(StatisticsLoading, ShortFileKeepsWhatWasStored) {
    VisTexts texts;
    // Median.vis ends after its profile line and the empty line after it.
    std::string shortMedian = texts.medianText();
    for (int line = 0; line < 6; ++line) {
        shortMedian.erase(0, shortMedian.find("\r\n") + 2);
    }
    const std::string full = texts.medianText();
    const std::string head = full.substr(0, full.size() - shortMedian.size());

    FaceStatistics s;
    s.MedianCoords[53] = 5;
    s.UpperCoords[53] = 5;
    auto u = texts.reader(sample::vis("Max values", texts.upper));
    auto l = texts.reader(sample::vis("Min values", texts.lower));
    auto m = texts.reader(head);
    EXPECT_THROW(analysis::readStatistics(u, l, m, s), common::Error);
    EXPECT_EQ(s.MedianCoords[1], texts.median.profile[0]);
    EXPECT_EQ(s.UpperCoords[53], 0);  // read in step just before the median failed
    EXPECT_EQ(s.MedianCoords[53], 5);
}

namespace {
using LoadVisFiles = ProgramFixture;
}

TEST_F(LoadVisFiles, ReadsTheDataFolder) {
    writeStatistics();
    analysis::LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    EXPECT_EQ(program.Statistics.LowerCoords[2], sample::kLowerBase + 2);
    EXPECT_EQ(program.Statistics.MedianAngles[21], -(sample::kMedianBase + 301));
    EXPECT_FALSE(program.NoMedianWindow.Visible());
}

TEST_F(LoadVisFiles, MissingFileShowsTheMissingStatisticsWindow) {
    writeStatistics();
    std::filesystem::remove(folder.path() / "Median.vis");
    analysis::LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    EXPECT_TRUE(program.NoMedianWindow.Visible());
    EXPECT_EQ(program.NoMedianWindow.Caption, "Error: A .vis file is missing!");
    EXPECT_EQ(program.NoMedianWindow.Problem.Caption, folder.file("Median.vis") + " is missing.");
    // The three files are opened before any is read.
    EXPECT_EQ(program.Statistics.UpperCoords[1], 0);
    EXPECT_FALSE(app.ended());
    EXPECT_TRUE(platform.errors.empty());

    program.NoMedianWindow.quitButton.click();
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(platform.ended);
}

// Without statistics every score would be made against an average face of zeros.
TEST_F(LoadVisFiles, ClosingTheMissingStatisticsWindowEndsTheProgramWithoutSaving) {
    analysis::LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    ASSERT_TRUE(program.NoMedianWindow.Visible());
    program.NoMedianWindow.userClose();
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(platform.ended);
    EXPECT_FALSE(common::fileExists(folder.file("Prefs.prf")));
}

// The window says which file is wrong and how; a cut-short file is damaged, not missing.
TEST_F(LoadVisFiles, TheWindowNamesTheDamagedFileAndWhy) {
    writeStatistics();
    const std::string median = folder.read("Median.vis");
    folder.write("Median.vis", median.substr(0, median.size() / 2));
    analysis::LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    ASSERT_TRUE(program.NoMedianWindow.Visible());
    EXPECT_EQ(program.NoMedianWindow.Problem.Caption,
              folder.file("Median.vis") + " is damaged: it ends too early.");

    program.NoMedianWindow.Hide();
    writeStatistics();
    std::string lower = folder.read("Lower.vis");
    // An angle of -70000 does not fit 16 bits.
    lower.replace(lower.find(std::to_string(sample::kLowerBase + 201)), 4, "70000");
    folder.write("Lower.vis", lower);
    analysis::LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    ASSERT_TRUE(program.NoMedianWindow.Visible());
    EXPECT_EQ(program.NoMedianWindow.Problem.Caption,
              folder.file("Lower.vis") + " is damaged: it holds a value out of range.");

    program.NoMedianWindow.Hide();
    writeStatistics();
    std::filesystem::remove(folder.path() / "Upper.vis");
    std::filesystem::create_directory(folder.path() / "Upper.vis");
    analysis::LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    ASSERT_TRUE(program.NoMedianWindow.Visible());
    EXPECT_TRUE(program.NoMedianWindow.Problem.Caption.starts_with(folder.file("Upper.vis") +
                                                                   " cannot be read: "))
        << program.NoMedianWindow.Problem.Caption;
}

// Files of two statistics runs (a run cut short between its renames) are damaged as a set: the
// window names all three with the faces count each was made from.
TEST_F(LoadVisFiles, FilesOfDifferentRunsAreDamagedAndAllThreeNamed) {
    writeStatistics();
    std::string median = folder.read("Median.vis");
    median.replace(median.find("from 3 faces"), 12, "from 12 faces");
    folder.write("Median.vis", median);
    analysis::LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    ASSERT_TRUE(program.NoMedianWindow.Visible());
    EXPECT_EQ(program.NoMedianWindow.Problem.Caption,
              "The statistics files in " + folder.text() +
                  " are damaged: they come from different runs (Upper.vis: 3 faces, Lower.vis: 3 "
                  "faces, Median.vis: 12 faces).");
    EXPECT_FALSE(app.ended());
}

TEST_F(LoadVisFiles, TheMissingStatisticsWindowIsModal) {
    EXPECT_TRUE(program.NoMedianWindow.Modal);
    EXPECT_FALSE(program.MainWindow.Modal);
}
