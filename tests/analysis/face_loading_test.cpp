#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "analysis/engine/face_loading.h"
#include "common/text/cp1252.h"
#include "tests/analysis/program_fixture.h"

using analysis::LoadFirstFace;
using analysis::LoadSecondFace;

namespace {

struct FaceLoading : ProgramFixture {
    void SetUp() override {
        ProgramFixture::SetUp();
        writeStatistics();
        folder.write("Missing.jpg", sample::jpeg());
        writeFace("Ann", "Singer, British (Portrait only)",
                  {"172#", "~ 255~ 32768~ 8421504~", "[http://example.org/ann]",
                   "\xA3"
                   "412\xA3"});
        writeFace("Bob", "Actor", {"~ 1~ 2~ 3~"});
    }

    void writeFace(const std::string& name, const std::string& info,
                   const std::vector<std::string>& trailer = {}) const {
        folder.write(name + ".txt", sample::face(name, info, trailer));
        for (int view = 0; view <= 4; ++view) {
            folder.write(name + std::to_string(view) + ".jpg", sample::jpeg());
        }
    }

    // A face file cut off in its angles: the fixed part cannot be read.
    void writeBrokenFace(const std::string& name) const {
        auto lines = sample::faceLines(name, "Broken");
        lines.resize(70);
        folder.write(name + ".txt", sample::joinLines(lines));
        folder.write(name + "1.jpg", sample::jpeg());
        folder.write(name + "3.jpg", sample::jpeg());
    }

    bool statisticsMissingShown() const { return program.NoMedianWindow.Visible(); }

    void expectTransparent(std::initializer_list<forms::Shape*> swatches) const {
        for (const forms::Shape* swatch : swatches) {
            EXPECT_EQ(swatch->FillStyle, forms::kFillTransparent) << swatch->name();
        }
    }
};

}  // namespace

TEST_F(FaceLoading, FirstFaceFillsSlotDisplayAndStatistics) {
    LoadFirstFace(program, "Ann.txt");
    const auto& face = program.Face1;
    EXPECT_TRUE(face.Loaded);
    EXPECT_EQ(face.FaceName, "Ann");
    EXPECT_EQ(face.FaceInfo, "Singer, British (Portrait only)");
    EXPECT_EQ(face.Coords[47], 9999);
    EXPECT_EQ(face.Coords[53], 101);
    EXPECT_EQ(face.Angles[21], -11);
    EXPECT_EQ(face.FaceHeight, 172);
    EXPECT_EQ(face.ColourLine, "~ 255~ 32768~ 8421504~");

    EXPECT_EQ(window.Person1.Caption, "Ann");
    EXPECT_EQ(window.face1Photo.Picture(), folder.file("Ann3.jpg"));
    EXPECT_EQ(window.face1Photo.ToolTipText, face.FaceInfo);
    EXPECT_TRUE(window.URL1.Visible);
    EXPECT_EQ(window.URL1.ToolTipText, "http://example.org/ann");
    EXPECT_EQ(window.Face1Colour1.FillStyle, forms::kFillSolid);
    EXPECT_EQ(window.Face1Colour1.FillColor, 255);
    EXPECT_EQ(window.Face1Colour2.FillColor, 32768);
    EXPECT_EQ(window.Face1Colour3.FillColor, 8421504);
    EXPECT_EQ(window.FC1.ToolTipText, "Hair = FF");
    EXPECT_EQ(window.FC2.ToolTipText, "Eyes = 8000");
    EXPECT_EQ(window.FC3.ToolTipText, "Skin = 808080");

    EXPECT_EQ(program.Statistics.MedianCoords[55], sample::kMedianBase + 101);
    EXPECT_FALSE(statisticsMissingShown());
    EXPECT_FALSE(program.Face2.Loaded);
}

TEST_F(FaceLoading, TagAndColourWordsFollowTheChosenLanguage) {
    program.Words.PortraitOnlyText = "Solo ritratto";
    program.Words.HairWord = "Capelli";
    LoadFirstFace(program, "Ann.txt");
    EXPECT_EQ(program.Face1.FaceInfo, "Singer, British (Solo ritratto)");
    EXPECT_EQ(window.FC1.ToolTipText, "Capelli = FF");
}

TEST_F(FaceLoading, SecondFaceShowsPortraitView) {
    window.View2.Caption = "Typical";
    LoadSecondFace(program, "Bob.txt");
    EXPECT_TRUE(program.Face2.Loaded);
    EXPECT_EQ(program.Face2.FaceName, "Bob");
    EXPECT_EQ(window.Person2.Caption, "Bob");
    EXPECT_EQ(window.View2.Caption, "Portrait");
    EXPECT_EQ(window.face2Photo.Picture(), folder.file("Bob1.jpg"));
    EXPECT_FALSE(window.URL2.Visible);
    EXPECT_EQ(window.Face2Colour3.FillColor, 3);
    EXPECT_EQ(window.FC3B.ToolTipText, "Skin = 3");
    EXPECT_EQ(program.Statistics.UpperCoords[1], sample::kUpperBase + 1);
    EXPECT_EQ(program.Face1.FaceName, "");
}

TEST_F(FaceLoading, LaterLoadReplacesTrailerValuesAndKeepsElementsBeyondTheFile) {
    LoadFirstFace(program, "Ann.txt");
    for (int i = 95; i <= 100; ++i) {
        program.Face1.Coords[i] = static_cast<std::int16_t>(i);
    }
    window.FC1.ToolTipText = "old";
    writeFace("Cid", "Dancer", {"~ too~ few~"});
    LoadFirstFace(program, "Cid.txt");
    EXPECT_EQ(program.Face1.FaceName, "Cid");
    EXPECT_EQ(program.Face1.FaceHeight, 0);
    EXPECT_FALSE(window.URL1.Visible);
    EXPECT_EQ(window.URL1.ToolTipText, "");
    EXPECT_EQ(program.Face1.ColourLine, "~ too~ few~");
    expectTransparent({&window.Face1Colour1, &window.Face1Colour2, &window.Face1Colour3});
    EXPECT_EQ(window.FC1.ToolTipText, "old");
    for (int i = 95; i <= 100; ++i) {
        EXPECT_EQ(program.Face1.Coords[i], i);
    }
}

TEST_F(FaceLoading, FirstFaceWithoutPhotoStillLoads) {
    folder.write("Ann3.jpg", "not a picture");
    LoadFirstFace(program, "Ann.txt");
    EXPECT_EQ(window.face1Photo.Picture(), folder.file("Missing.jpg"));
    EXPECT_EQ(program.Face1.FaceName, "Ann");
    EXPECT_EQ(window.Person1.Caption, "Ann");

    // Missing.jpg gone too: the box keeps what it showed, and no error escapes.
    std::filesystem::remove(folder.path() / "Missing.jpg");
    std::filesystem::remove(folder.path() / "Bob3.jpg");
    LoadFirstFace(program, "Bob.txt");
    EXPECT_EQ(window.face1Photo.Picture(), folder.file("Missing.jpg"));
    EXPECT_EQ(program.Face1.FaceName, "Bob");
    EXPECT_TRUE(platform.errors.empty());
}

namespace {

// What the main window shows of one face, to tell that a failed load changed none of it.
struct FaceOnScreen {
    std::string caption, photo, photoTip, view, link;
    bool linkShown;
    std::vector<std::pair<int, std::int32_t>> swatches;
    std::vector<std::string> swatchTips;
    bool operator==(const FaceOnScreen&) const = default;
};

FaceOnScreen onScreen(const analysis::Analysis& w, int face) {
    const bool one = face == 1;
    FaceOnScreen shown{one ? w.Person1.Caption : w.Person2.Caption,
                       one ? w.face1Photo.Picture() : w.face2Photo.Picture(),
                       one ? w.face1Photo.ToolTipText : w.face2Photo.ToolTipText,
                       one ? w.View1.Caption : w.View2.Caption,
                       one ? w.URL1.ToolTipText : w.URL2.ToolTipText,
                       one ? w.URL1.Visible : w.URL2.Visible,
                       {},
                       {}};
    for (const forms::Shape* swatch :
         one ? std::array{&w.Face1Colour1, &w.Face1Colour2, &w.Face1Colour3}
             : std::array{&w.Face2Colour1, &w.Face2Colour2, &w.Face2Colour3}) {
        shown.swatches.emplace_back(swatch->FillStyle, swatch->FillColor);
    }
    for (const forms::Label* label :
         one ? std::array{&w.FC1, &w.FC2, &w.FC3} : std::array{&w.FC1B, &w.FC2B, &w.FC3B}) {
        shown.swatchTips.push_back(label->ToolTipText);
    }
    return shown;
}

}  // namespace

// A face that cannot be read is reported once, and its slot, everything shown of it and the
// statistics stay with the earlier face: no name is shown with another face's data or picture.
// A hidden file is no face, readable or not.
TEST_F(FaceLoading, UnreadableFaceIsReportedAndKeepsTheEarlierFace) {
    LoadFirstFace(program, "Ann.txt");
    LoadSecondFace(program, "Bob.txt");
    window.View1.Caption = "Profile";
    const analysis::FaceSlot first = program.Face1;
    const analysis::FaceSlot second = program.Face2;
    const FaceOnScreen firstShown = onScreen(window, 1);
    const FaceOnScreen secondShown = onScreen(window, 2);
    ASSERT_TRUE(firstShown.linkShown);
    const analysis::FaceStatistics statistics = program.Statistics;
    std::filesystem::remove(folder.path() / "Median.vis");
    writeBrokenFace("Dee");
    folder.subfolder("Folder.txt");
    folder.write(".Ann.txt", sample::face("Ann", "Singer"));
    for (const char* name : {"Dee.txt", "Nobody.txt", "Folder.txt", ".Ann.txt"}) {
        SCOPED_TRACE(name);
        platform.errors.clear();
        EXPECT_FALSE(LoadFirstFace(program, name));
        EXPECT_FALSE(LoadSecondFace(program, name));
        ASSERT_EQ(platform.errors.size(), 2u) << "once for each load";
        EXPECT_NE(platform.errors[0].find(name), std::string::npos);
        EXPECT_EQ(platform.errors[0], platform.errors[1]);
        for (const auto& [slot, before] :
             {std::pair{&program.Face1, &first}, std::pair{&program.Face2, &second}}) {
            EXPECT_EQ(slot->Loaded, before->Loaded);
            EXPECT_EQ(slot->FaceName, before->FaceName);
            EXPECT_EQ(slot->FaceInfo, before->FaceInfo);
            EXPECT_EQ(slot->Coords, before->Coords);
            EXPECT_EQ(slot->Angles, before->Angles);
            EXPECT_EQ(slot->FaceHeight, before->FaceHeight);
            EXPECT_EQ(slot->ColourLine, before->ColourLine);
        }
        EXPECT_TRUE(onScreen(window, 1) == firstShown);
        EXPECT_TRUE(onScreen(window, 2) == secondShown);
        EXPECT_EQ(program.FaceFile1, "Ann.txt");
        EXPECT_EQ(program.FaceFile2, "Bob.txt");
    }
    EXPECT_EQ(platform.errors[0],
              "The face file .Ann.txt could not be read: a face name "
              "beginning with \".\" names no face file of the data folder");
    EXPECT_EQ(program.Statistics.MedianCoords, statistics.MedianCoords);
    EXPECT_FALSE(statisticsMissingShown()) << "the loads stopped before the statistics";
}

// A slot that held no face still holds none after a load that fails.
TEST_F(FaceLoading, AFailedLoadLeavesAnEmptySlotEmpty) {
    const FaceOnScreen firstShown = onScreen(window, 1);
    const FaceOnScreen secondShown = onScreen(window, 2);
    EXPECT_FALSE(LoadFirstFace(program, "Nobody.txt"));
    EXPECT_FALSE(LoadSecondFace(program, "Nobody.txt"));
    EXPECT_FALSE(program.Face1.Loaded);
    EXPECT_FALSE(program.Face2.Loaded);
    EXPECT_TRUE(onScreen(window, 1) == firstShown);
    EXPECT_TRUE(onScreen(window, 2) == secondShown);
    EXPECT_EQ(platform.errors.size(), 2u);
}

// A face file of a data folder named in characters Windows-1252 lacks is named readably: the
// folder as it stands, the face's name held in Windows-1252 converted, so the whole message is
// UTF-8.
TEST_F(FaceLoading, AnUnreadableFaceIsNamedReadablyInAFolderOfAnyName) {
    const std::string faces = "\xD0\x9B\xD0\xB8\xD1\x86\xD0\xB0";
    std::filesystem::create_directories(folder.path() / faces / "Zo\xC3\xAB.txt");
    window.Dir1.setPath(folder.file(faces));
    ASSERT_EQ(window.Dir1.Path(), folder.file(faces));
    platform.errors.clear();
    EXPECT_FALSE(LoadFirstFace(program, "Zo\xEB.txt"));
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0],
              "The face file " + common::cp1252ToUtf8(folder.text()) + "/" + faces +
                  "/Zo\xC3\xAB.txt could not be read: it is a folder, not a file that can be read");

    // Its statistics are named the same way when they are missing.
    const std::string zoe = folder.file(faces) + "/Zo\xEB";
    std::filesystem::create_directories(folder.path() / faces / "Zo\xC3\xAB");
    common::writeWholeFile(common::joinPath(zoe, "Ann.txt"), sample::face("Ann", "Singer"));
    window.Dir1.setPath(zoe);
    EXPECT_TRUE(LoadFirstFace(program, "Ann.txt"));
    EXPECT_TRUE(statisticsMissingShown());
    EXPECT_EQ(
        program.NoMedianWindow.Problem.Caption,
        common::cp1252ToUtf8(folder.text()) + "/" + faces + "/Zo\xC3\xAB/Upper.vis is missing.");
}

// Face 2 without its Portrait photo loads as face 1 without its Typical photo does.
TEST_F(FaceLoading, SecondFaceWithoutItsPhotoStillLoads) {
    LoadSecondFace(program, "Bob.txt");
    writeFace("Eve", "Model", {"~ 7~ 8~ 9~"});
    std::filesystem::remove(folder.path() / "Eve1.jpg");
    window.View2.Caption = "Typical";
    EXPECT_TRUE(LoadSecondFace(program, "Eve.txt"));
    EXPECT_EQ(window.face2Photo.Picture(), folder.file("Missing.jpg"));
    EXPECT_EQ(window.View2.Caption, "Portrait");
    EXPECT_EQ(program.Face2.FaceName, "Eve");
    EXPECT_EQ(window.Person2.Caption, "Eve");
    EXPECT_EQ(window.Face2Colour1.FillColor, 7);
    EXPECT_TRUE(platform.errors.empty());
}

// The caption of an empty slot with ".txt" names no face: only the first step is made.
TEST_F(FaceLoading, TheEmptySlotsCaptionOnlyStartsTheSecondLoad) {
    LoadSecondFace(program, "Bob.txt");
    window.face2Photo.ClearPicture();
    window.View2.Caption = "Typical";
    program.Face2.Loaded = false;
    EXPECT_FALSE(LoadSecondFace(program, "No data has been loaded..txt"));
    EXPECT_TRUE(program.Face2.Loaded);
    EXPECT_EQ(window.View2.Caption, "Portrait");
    EXPECT_EQ(window.face2Photo.Picture(), folder.file("Missing.jpg"));
    EXPECT_EQ(program.Face2.FaceName, "Bob");
    EXPECT_EQ(program.Face2.ColourLine, "");
    EXPECT_EQ(window.Person2.Caption, "Bob");
    expectTransparent({&window.Face2Colour1, &window.Face2Colour2, &window.Face2Colour3});
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(FaceLoading, EmptyNameOnlyStartsTheLoad) {
    LoadFirstFace(program, "Ann.txt");
    LoadSecondFace(program, "Bob.txt");
    std::filesystem::remove(folder.path() / "Median.vis");
    LoadFirstFace(program, "");
    LoadSecondFace(program, "");
    EXPECT_EQ(program.Face1.ColourLine, "");
    EXPECT_EQ(program.Face2.ColourLine, "");
    expectTransparent({&window.Face1Colour1, &window.Face2Colour1});
    EXPECT_EQ(program.Face1.FaceName, "Ann");
    EXPECT_EQ(window.face2Photo.Picture(), folder.file("Bob1.jpg"));
    EXPECT_FALSE(statisticsMissingShown());
}

TEST_F(FaceLoading, BothLoadersEndWithTheStatistics) {
    std::filesystem::remove(folder.path() / "Median.vis");
    LoadFirstFace(program, "Ann.txt");
    EXPECT_TRUE(statisticsMissingShown());
    EXPECT_EQ(program.Face1.FaceName, "Ann");

    program.NoMedianWindow.Hide();
    LoadSecondFace(program, "Bob.txt");
    EXPECT_TRUE(statisticsMissingShown());
    EXPECT_FALSE(app.ended());
}
