#include <gtest/gtest.h>

#include <filesystem>

#include "common/files/text_file.h"
#include "tests/common/temp_folder.h"
#include "tests/transcribe/hand_face.h"
#include "tools/transcribe_replay/wizard_replay.h"

namespace {

// The hand face's points as the replay's JSON list, numbers and texts mixed.
std::string handPointsJson() {
    std::string json = "[";
    for (const auto& [x, y] : kHandPoints) {
        json += std::string(json.size() > 1 ? "," : "") + "[\"" + x + "\"," + y + "]";
    }
    return json + "]";
}

struct Replayed {
    tools::ReplayOutcome outcome;
    std::string file;
    bool emptyFolder = false;
};

Replayed replay(const std::string& json, const std::string& fileName = "Jane Doe.txt") {
    TempFolder folder;
    const std::string out = folder.subfolder("out");
    Replayed result{tools::replayWizard(json, out, folder.text()), {}};
    if (result.outcome.exitCode == 0) {
        result.file = common::readWholeFile(common::joinPath(out, fileName));
    }
    result.emptyFolder = std::filesystem::is_empty(folder.path() / "out");
    return result;
}

std::string input(const std::string& mode, const std::string& colours, const std::string& angles) {
    return R"({"mode": ")" + mode +
           R"(", "name": " Jane Doe ", "description": "Singer, British", "height": "172",
             "url": "www.example.com", "colours": )" +
           colours + R"(, "points": )" + handPointsJson() + R"(, "angles": )" + angles + "}";
}

const std::initializer_list<std::string> kTrailer = {"172#", "~ 33023~ 10053171~ 9482464~",
                                                     "[www.example.com]",
                                                     "\xA3"
                                                     "200\xA3"};

}  // namespace

TEST(Replay, EachModeWritesTheFileWorkedByHand) {
    const std::string hexColours = R"({"hair": "FF8000", "eyes": "336699", "skin": "e0b090"})";
    {
        const Replayed photoshop =
            replay(input("photoshop", hexColours,
                         R"(["35", "20", 15.5, 10, "5", "40", " 30 ", "12.5", "-8", "70"])"));
        ASSERT_EQ(photoshop.outcome.exitCode, 0) << photoshop.outcome.message;
        EXPECT_EQ(photoshop.file, handFaceFile("Jane Doe", "Singer, British",
                                               {35, 20, 16, 10, 5, 40, 30, 12, 8, 70}, kTrailer));
    }
    {
        const Replayed illustrator =
            replay(input("illustrator", hexColours,
                         R"(["35", "-20", "15.5", 10, "5", "40", "30", "12.5", "8", "70"])"));
        ASSERT_EQ(illustrator.outcome.exitCode, 0) << illustrator.outcome.message;
        EXPECT_EQ(illustrator.file, handFaceFile("Jane Doe", "Singer, British",
                                                 {35, 20, 16, 10, 5, 40, 30, 12, 8, 70}, kTrailer));
    }
    {
        // "0" is typed over the "0" the box shows: still converted, to 90.
        const Replayed psp =
            replay(input("paintshoppro", hexColours,
                         R"(["125", "110", "90", "0", "270", "135", "45", "300", 100, "160"])"));
        ASSERT_EQ(psp.outcome.exitCode, 0) << psp.outcome.message;
        EXPECT_EQ(psp.file, handFaceFile("Jane Doe", "Singer, British",
                                         {35, 20, 0, 90, 0, 45, 135, 30, 10, 70}, kTrailer));
    }
    {
        const Replayed paint = replay(
            input("mspaint", R"({"hair": "255,128,0", "eyes": "300,-1,98.5", "skin": "12,34,56"})",
                  R"([[10, 10], [10, -10], [0, 5], [0, 0], [20, 0], [-10, 10], [100, 36], [3, 4],
                [4, 3], ["1", "0.5"]])"));
        ASSERT_EQ(paint.outcome.exitCode, 0) << paint.outcome.message;
        EXPECT_EQ(
            paint.file,
            handFaceFile("Jane Doe", "Singer, British", {45, 135, 90, 0, 0, 135, 20, 53, 37, 27},
                         {"172#", "~ 33023~ 6422783~ 3678732~", "[www.example.com]",
                          "\xA3"
                          "200\xA3"}));
    }
}

TEST(Replay, LeftOutFieldsKeepTheStartTexts) {
    const Replayed bare =
        replay(R"({"mode": "photoshop", "points": )" + handPointsJson() + "}", "NewSampleFace.txt");
    ASSERT_EQ(bare.outcome.exitCode, 0) << bare.outcome.message;
    EXPECT_EQ(bare.file, handFaceFile("NewSampleFace", "Model", {}, {}));
}

TEST(Replay, PaintColourBoxesTakeElevenCharacters) {
    const Replayed paint = replay(R"({"mode": "mspaint", "colours": {"hair": "255,255,2550"},
                                      "points": )" +
                                      handPointsJson() + "}",
                                  "NewSampleFace.txt");
    ASSERT_EQ(paint.outcome.exitCode, 0) << paint.outcome.message;
    EXPECT_EQ(paint.file, handFaceFile("NewSampleFace", "Model", {}, {"~ 16777215~ 0~ 0~"}));
}

TEST(Replay, RefusalsExitWithTheirMessage) {
    const tools::ReplayOutcome levelChin =
        replay(R"({"mode": "photoshop", "points": [[1, 5], [2, 5]]})").outcome;
    EXPECT_EQ(levelChin.exitCode, 1);
    EXPECT_EQ(levelChin.message, "Division by zero");

    const tools::ReplayOutcome slash =
        replay(R"({"mode": "photoshop", "name": "a/b", "points": [[1, 5], [2, 4]]})").outcome;
    EXPECT_EQ(slash.exitCode, 1);
    EXPECT_NE(slash.message.find("name"), std::string::npos);

    const tools::ReplayOutcome greek =
        replay(R"({"mode": "photoshop", "description": "\u03a9mega"})").outcome;
    EXPECT_EQ(greek.exitCode, 1);
    EXPECT_NE(greek.message.find("Profession and nationality"), std::string::npos);

    // Values the face file cannot hold are refused before the save, which writes nothing; no
    // other folder would mend them.
    for (const char* field : {R"("description": "Singer\nBritish")",
                              R"("url": "www.example.com\r\nx")", R"("name": "\u00a0\u00a0")"}) {
        const Replayed unheld = replay(R"({"mode": "photoshop", )" + std::string(field) +
                                       R"(, "points": )" + handPointsJson() + "}");
        EXPECT_EQ(unheld.outcome.exitCode, 1) << field;
        EXPECT_FALSE(unheld.outcome.message.empty()) << field;
        EXPECT_EQ(unheld.outcome.message.find("choose another folder"), std::string::npos) << field;
        EXPECT_TRUE(unheld.emptyFolder) << field;
    }

    TempFolder folder;
    const tools::ReplayOutcome noFolder =
        tools::replayWizard(R"({"mode": "photoshop", "points": [[1, 5], [2, 4]]})",
                            folder.file("missing"), folder.text());
    EXPECT_EQ(noFolder.exitCode, 1);
}

TEST(Replay, UnusableInputExitsWithTwo) {
    for (const char* json : {"", "{", "[]", R"({"mode": "gimp"})", R"({"name": "x"})",
                             R"({"mode": "photoshop", "points": [[1, 2, 3]]})",
                             R"({"mode": "photoshop", "points": [{"x": 1}]})",
                             R"({"mode": "photoshop", "height": true})"}) {
        EXPECT_EQ(replay(json).outcome.exitCode, 2) << json;
    }
}

namespace {

// Replays the bare face into a folder already holding "NewSampleFace.txt", with extra JSON
// fields; the outcome and the folder's files by name.
struct OverAFace {
    TempFolder folder;
    std::string out = folder.subfolder("out");
    tools::ReplayOutcome outcome;

    explicit OverAFace(const std::string& fields) {
        common::writeWholeFile(common::joinPath(out, "NewSampleFace.txt"), "the old face\r\n");
        outcome = tools::replayWizard(
            R"({"mode": "photoshop", "points": )" + handPointsJson() + fields + "}", out,
            folder.text());
    }
    std::string read(const std::string& name) const {
        return common::readWholeFile(common::joinPath(out, name));
    }
    bool has(const std::string& name) const {
        return std::filesystem::exists(common::toPath(common::joinPath(out, name)));
    }
};

}  // namespace

TEST(ReplayOverAFace, WithoutAnAnswerNothingIsWrittenAndTheQuestionIsTheMessage) {
    for (const char* fields : {"", R"(, "replace": false)", R"(, "rename_to": null)"}) {
        const OverAFace replay(fields);
        EXPECT_EQ(replay.outcome.exitCode, 1) << fields;
        EXPECT_EQ(replay.outcome.message, "NewSampleFace.txt exists already.");
        EXPECT_EQ(replay.read("NewSampleFace.txt"), "the old face\r\n");
    }
}

TEST(ReplayOverAFace, ReplaceAnswersReplace) {
    const OverAFace replay(R"(, "replace": true)");
    ASSERT_EQ(replay.outcome.exitCode, 0) << replay.outcome.message;
    EXPECT_EQ(replay.read("NewSampleFace.txt"), handFaceFile("NewSampleFace", "Model", {}, {}));
}

TEST(ReplayOverAFace, RenameToAnswersAnotherName) {
    const OverAFace replay(R"(, "rename_to": "Zo\u00eb Other")");
    ASSERT_EQ(replay.outcome.exitCode, 0) << replay.outcome.message;
    EXPECT_EQ(replay.read("NewSampleFace.txt"), "the old face\r\n");
    EXPECT_EQ(replay.read("Zo\xEB Other.txt"), handFaceFile("Zo\xEB Other", "Model", {}, {}));

    // A name the first window refuses, or one that exists too, ends in Cancel: exit 1.
    const OverAFace hidden(R"(, "rename_to": ".hidden")");
    EXPECT_EQ(hidden.outcome.exitCode, 1);
    EXPECT_NE(hidden.outcome.message.find("cannot begin with"), std::string::npos);
    EXPECT_FALSE(hidden.has(".hidden.txt"));
    const OverAFace same(R"(, "rename_to": "NewSampleFace")");
    EXPECT_EQ(same.outcome.exitCode, 1);
    EXPECT_EQ(same.outcome.message, "NewSampleFace.txt exists already.");
    EXPECT_EQ(same.read("NewSampleFace.txt"), "the old face\r\n");
}

TEST(ReplayOverAFace, TheAnswersAreCheckedAndUnusedForANewFace) {
    for (const char* fields : {R"(, "replace": "yes")", R"(, "rename_to": 5)",
                               R"(, "replace": true, "rename_to": "Other")"}) {
        EXPECT_EQ(OverAFace(fields).outcome.exitCode, 2) << fields;
    }
    // A face saved into a folder without it asks nothing.
    const Replayed fresh =
        replay(R"({"mode": "photoshop", "replace": true, "points": )" + handPointsJson() + "}",
               "NewSampleFace.txt");
    EXPECT_EQ(fresh.outcome.exitCode, 0) << fresh.outcome.message;
}

// A save that fails names the file in UTF-8 part by part: a folder name Windows-1252 cannot hold
// as it stands, the face's name converted.
TEST(ReplayOverAFace, AFailedSaveNamesItsFileReadably) {
    TempFolder folder;
    const std::string faces = "\xD0\x9B\xD0\xB8\xD1\x86\xD0\xB0";
    std::filesystem::create_directories(folder.path() / faces / "Zo\xC3\xAB.txt");
    const tools::ReplayOutcome outcome = tools::replayWizard(
        R"({"mode": "photoshop", "name": "Zo\u00eb", "replace": true, "points": )" +
            handPointsJson() + "}",
        folder.text() + "/" + faces, folder.text());
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.message, "The face data file " + common::cp1252ToUtf8(folder.text()) + "/" +
                                   faces +
                                   "/Zo\xC3\xAB.txt could not be saved: Is a directory. Every "
                                   "value is kept: choose another folder.");
}

TEST(ReplayColours, AHexColourWithItsHashIsStoredWhole) {
    const Replayed hashed = replay(R"({"mode": "photoshop", "colours": {"hair": "#3B6EA5"},
                                       "points": )" +
                                       handPointsJson() + "}",
                                   "NewSampleFace.txt");
    ASSERT_EQ(hashed.outcome.exitCode, 0) << hashed.outcome.message;
    EXPECT_EQ(hashed.file,
              handFaceFile("NewSampleFace", "Model", {},
                           {"~ " + std::to_string(0x3B + 256 * 0x6E + 65536 * 0xA5) + "~ 0~ 0~"}));
}

TEST(ReplayHeight, AHeightTheAnalysisCannotReadIsRefused) {
    const Replayed tall =
        replay(R"({"mode": "photoshop", "height": "999999", "points": )" + handPointsJson() + "}");
    EXPECT_EQ(tall.outcome.exitCode, 1);
    EXPECT_NE(tall.outcome.message.find("999999"), std::string::npos);
}

// A typed value the wizard does not store is no failure, as ">>" goes on for a user too, but the
// replay names it with the value kept instead of keeping quiet.
TEST(Replay, AValueThatIsNotStoredIsNamedWithTheValueKept) {
    std::string json =
        input("photoshop", R"({"hair": "FF8000", "eyes": "336699", "skin": "e0b090"})",
              R"(["35", "20", "40000", 10, "5", "40", "30", "12", "8", "70"])");
    const Replayed typedOver = replay(json);
    ASSERT_EQ(typedOver.outcome.exitCode, 0) << typedOver.outcome.message;
    ASSERT_EQ(typedOver.outcome.keptValues.size(), 1u);
    EXPECT_EQ(typedOver.outcome.keptValues[0], "angles[2]: too large: 0 is kept");
    EXPECT_EQ(typedOver.file, handFaceFile("Jane Doe", "Singer, British",
                                           {35, 20, 0, 10, 5, 40, 30, 12, 8, 70}, kTrailer));

    json.replace(json.find("\"40000\""), 7, "\"15\"");
    EXPECT_TRUE(replay(json).outcome.keptValues.empty());
}
