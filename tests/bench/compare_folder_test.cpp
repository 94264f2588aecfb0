// The developer driver as it is used from outside: its command line, what it prints on standard
// output and standard error, its exit codes and what it leaves in the data folder.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/facefile/face_file_writer.h"
#include "common/files/folder_lock.h"
#include "tests/bench/driver_run.h"
#include "tests/common/temp_folder.h"
#include "tests/tools/face_generator/face_lines.h"
#include "tools/face_generator/face_database.h"

namespace {

// Runs compare_folder in its own start folder with the arguments given.
DriverRun runDriver(const std::vector<std::string>& args) {
    return runDriverAt(COMPARE_FOLDER, args);
}

std::vector<std::string> outputLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

struct CompareFolder : ::testing::Test {
    TempFolder data;
    std::vector<facegen::GeneratedFace> faces = facegen::generateFaces(8, 21);

    void SetUp() override {
        facegen::writeDatabase(data.text(), faces, facegen::Pictures::Placeholders);
    }
    std::string file(int i) const { return common::faceFileName(faces[i].face.name); }
    DriverRun run(std::vector<std::string> more) const {
        std::vector<std::string> args = {data.text(), file(0)};
        args.insert(args.end(), more.begin(), more.end());
        return runDriver(args);
    }
};

}  // namespace

// The time line counts the list's faces; only the listed faces are compared, and a line that is
// no ".txt" name is no face.
TEST_F(CompareFolder, ListComparesTheFacesOfTheList) {
    data.write("Three.lst",
               file(3) + "\r\nnot a face\r\n" + file(5) + "\r\n" + file(6) + "\r\n99999\r\n");
    const DriverRun done = run({"--list", "Three.lst"});
    ASSERT_EQ(done.code, 0) << done.err;
    EXPECT_EQ(done.err, "");
    const auto lines = outputLines(done.out);
    ASSERT_EQ(lines.size(), 4u) << done.out;
    EXPECT_TRUE(lines[0].ends_with(" s for 3 faces")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("1st : ")) << lines[1];
    const auto records = crLfLines(data.read("Results.tmp"));
    ASSERT_EQ(records.size(), 4u);
    EXPECT_TRUE(records[0].starts_with(faces[3].face.name + " -")) << records[0];
    EXPECT_EQ(records.back(), "99999");

    // The whole folder without --list, as before.
    const DriverRun folderRun = run({});
    ASSERT_EQ(folderRun.code, 0) << folderRun.err;
    EXPECT_TRUE(outputLines(folderRun.out)[0].ends_with(" s for 8 faces")) << folderRun.out;
    EXPECT_EQ(crLfLines(data.read("Results.tmp")).size(), 9u);
}

std::size_t countOf(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

constexpr std::string_view kDetailBlock = "<tr>\r\n<td width='13%'>";

// A list of two faces ranks two: two places are printed and the best-three page shows those two,
// nothing in the place no face filled.
TEST_F(CompareFolder, ListAndViewWriteThePages) {
    data.write("Two.lst", file(1) + "\r\n" + file(2) + "\r\n99999\r\n");
    const DriverRun done = run({"--list", "Two.lst", "--view", "1"});
    ASSERT_EQ(done.code, 0) << done.err;
    const auto lines = outputLines(done.out);
    ASSERT_EQ(lines.size(), 5u) << done.out;
    EXPECT_TRUE(lines[1].starts_with("1st : ")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("2nd : ")) << lines[2];
    EXPECT_EQ(done.out.find(": A "), std::string::npos) << done.out;
    EXPECT_TRUE(lines[3].ends_with(" s for the report pages")) << lines[3];
    EXPECT_EQ(lines[4], data.file("Results_1.htm"));
    const std::string best = data.read("Results_1.htm");
    EXPECT_EQ(countOf(best, kDetailBlock), 2u) << best;
    EXPECT_EQ(best.find("A1.jpg"), std::string::npos);
    EXPECT_NE(data.read("Results_2.htm").find(faces[1].face.name), std::string::npos);
}

// A list that names no readable face ranks nobody: no place, no match on the pages.
TEST_F(CompareFolder, AListOfNoReadableFacePrintsNoPlace) {
    data.write("Ghosts.lst", "Ghost.txt\r\nPhantom.txt\r\n99999\r\n");
    const DriverRun done = run({"--list", "Ghosts.lst", "--view", "1"});
    ASSERT_EQ(done.code, 0) << done.err;
    const auto lines = outputLines(done.out);
    ASSERT_EQ(lines.size(), 3u) << done.out;
    EXPECT_TRUE(lines[0].ends_with(" s for 2 faces")) << lines[0];
    EXPECT_TRUE(lines[1].ends_with(" s for the report pages")) << lines[1];
    const std::string best = data.read("Results_1.htm");
    EXPECT_EQ(countOf(best, kDetailBlock), 0u) << best;
    EXPECT_EQ(best.find("A1.jpg"), std::string::npos);
    EXPECT_EQ(data.read("Results_3.htm").find("1.jpg"), std::string::npos);
}

// --web-links links every page alike; without it no page links.
TEST_F(CompareFolder, WebLinksReachEveryPageAlike) {
    facegen::GeneratedFace linked = faces[1];
    linked.face.webAddress = "www.linked.example";
    data.write(file(1), facegen::faceText(linked));
    data.write("Two.lst", file(1) + "\r\n" + file(2) + "\r\n99999\r\n");
    const std::string anchor = "<a href='http://www.linked.example'>";
    for (const bool links : {true, false}) {
        std::vector<std::string> args = {"--list", "Two.lst", "--view", "1"};
        if (links) {
            args.push_back("--web-links");
        }
        const DriverRun done = run(args);
        ASSERT_EQ(done.code, 0) << done.err;
        for (const char* page : {"Results_1.htm", "Results_2.htm"}) {
            EXPECT_EQ(data.read(page).find(anchor) != std::string::npos, links) << page;
        }
    }
}

TEST_F(CompareFolder, AListNotInTheFolderEndsWithCodeTwo) {
    const DriverRun done = run({"--list", "Missing.lst"});
    EXPECT_EQ(done.code, 2);
    EXPECT_EQ(done.out, "");
    EXPECT_NE(done.err.find("Missing.lst is not a list file of " + data.text()), std::string::npos)
        << done.err;
    EXPECT_FALSE(common::fileExists(data.file("Results.tmp")));

    EXPECT_EQ(run({"--list"}).code, 1) << "a list name is needed";
}

// Faces the run could not read are a notice on standard error: the run's output and exit code
// stay those of a run that went well.
TEST_F(CompareFolder, FacesLeftOutAreANoticeOnStandardError) {
    data.write("Odd.txt", "Odd\r\nOnly two lines\r\n");
    data.write("Mixed.lst",
               file(2) + "\r\nGhost.txt\r\n../" + file(3) + "\r\nOdd.txt\r\n99999\r\n");
    const DriverRun listed = run({"--list", "Mixed.lst"});
    ASSERT_EQ(listed.code, 0) << listed.err;
    EXPECT_EQ(listed.err,
              "compare_folder: 3 faces could not be read and were left out of the comparison:\n"
              "Ghost.txt: File not found\n../" +
                  file(3) +
                  ": a face name holding \"/\" or \"\\\" names no face file of the data folder\n"
                  "Odd.txt: Input past end of file\n"
                  "The results of the other faces stand.\n");
    const auto lines = outputLines(listed.out);
    ASSERT_EQ(lines.size(), 2u) << listed.out << "one place: the one face read";
    EXPECT_TRUE(lines[0].ends_with(" s for 4 faces")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("1st : ")) << lines[1];
    EXPECT_EQ(crLfLines(data.read("Results.tmp")).size(), 2u) << "only the one face read";
}

// A face named in Windows-1252 characters and one named in characters Windows-1252 lacks are
// both printed readably in UTF-8.
TEST_F(CompareFolder, NamesOfEveryKindArePrintedReadably) {
    const std::string ivan = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";
    data.write("Zo\xEB.txt", "Zo\xEB\r\nOnly two lines\r\n");
    std::ofstream(data.path() / (ivan + ".txt"), std::ios::binary)
        << ivan << "\r\nOnly two lines\r\n";
    const DriverRun done = run({});
    ASSERT_EQ(done.code, 0) << done.err;
    EXPECT_EQ(done.err,
              "compare_folder: 2 faces could not be read and were left out of the comparison:\n"
              "Zo\xC3\xAB.txt: Input past end of file\n" +
                  ivan +
                  ".txt: Input past end of file\n"
                  "The results of the other faces stand.\n");
}

TEST_F(CompareFolder, AFolderInUseEndsWithCodeFive) {
    const common::FolderLock other(data.text(), ".analysis.lock");
    ASSERT_EQ(other.state(), common::FolderLock::State::Held);
    const DriverRun done = run({"--view", "1"});
    EXPECT_EQ(done.code, 5);
    EXPECT_EQ(done.out, "");
    EXPECT_NE(done.err.find("is in use by another comparison"), std::string::npos) << done.err;
    EXPECT_FALSE(common::fileExists(data.file("Results.tmp")));
}

// Statistics files that each read but come from two statistics runs are refused as a set, as the
// program's missing-statistics window refuses them: nothing is compared.
TEST_F(CompareFolder, StatisticsOfTwoRunsEndWithCodeFour) {
    std::string median = data.read("Median.vis");
    const std::size_t count = median.find("from 8 faces");
    ASSERT_NE(count, std::string::npos);
    median.replace(count, 12, "from 9 faces");
    data.write("Median.vis", median);
    const DriverRun done = run({});
    EXPECT_EQ(done.code, 4);
    EXPECT_EQ(done.out, "");
    EXPECT_NE(done.err.find("come from different runs (Upper.vis: 8 faces, Lower.vis: 8 faces, "
                            "Median.vis: 9 faces)"),
              std::string::npos)
        << done.err;
    EXPECT_FALSE(common::fileExists(data.file("Results.tmp")));
}
