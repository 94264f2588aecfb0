// The headless drivers, run as they are from outside, under a file-size limit far below what
// they write (as `prlimit --fsize=300` sets it) and with the file-size signal at its default,
// which kills a program that writes past the limit. Every save must fail like one on a full
// disk instead: the program ends by itself, says which file and why, keeps the old files and
// leaves no temporary file.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/files/text_file.h"
#include "tests/common/temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr rlim_t kFileSizeLimit = 300;
constexpr unsigned kHangSeconds = 20;

struct Ended {
    bool exited = false;
    int code = -1;
    int signal = 0;
    std::string errors;
};

// Runs a program in a child with the limit, the signal's default handling and an alarm against
// a hang; standard error goes to a file of the folder, standard output nowhere.
Ended runLimited(const std::vector<std::string>& command, const TempFolder& scratch) {
    const std::string errorFile = scratch.file("stderr");
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        ::alarm(kHangSeconds);
        const int err = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int nowhere = ::open("/dev/null", O_WRONLY);
        ::dup2(err, STDERR_FILENO);
        ::dup2(nowhere, STDOUT_FILENO);
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::vector<char*> argv;
        for (const std::string& part : command) {
            argv.push_back(const_cast<char*>(part.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    Ended ended;
    ended.exited = WIFEXITED(status);
    ended.code = ended.exited ? WEXITSTATUS(status) : -1;
    ended.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    ended.errors = common::readWholeFile(errorFile);
    return ended;
}

// Temporary files of the safe save begin with ".".
std::vector<std::string> temporariesIn(const fs::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        // The data folder's lock file stays by design; anything else hidden is a leftover.
        if (name.starts_with(".") && name != ".analysis.lock") {
            found.push_back(name);
        }
    }
    return found;
}

void copyFolder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(from)) {
        fs::copy_file(entry.path(), to / entry.path().filename());
    }
}

const std::string kOld = "old content that must survive\r\n";

}  // namespace

TEST(FileSizeLimit, TheStatisticsDriverReportsTheFailedSave) {
    TempFolder scratch;
    const fs::path faces = scratch.path() / "faces";
    copyFolder(fs::path(TEST_DATA_DIR) / "vismaker" / "faces", faces);
    for (const char* picture :
         {"Anna0", "Anna1", "Anna2", "Anna3", "Anna4", "Ben1", "Ben3", "Cleo0", "Cleo1", "Cleo3"}) {
        common::writeWholeFile(common::fromPath(faces / (std::string(picture) + ".jpg")),
                               "\xFF\xD8\xFF\xD9");
    }
    for (const char* file : {"Upper.vis", "Lower.vis", "Median.vis"}) {
        common::writeWholeFile(common::fromPath(faces / file), kOld);
    }
    const std::string start = scratch.subfolder("start");
    const Ended ended =
        runLimited({VISMAKER_RUN, common::fromPath(faces), "--start", start}, scratch);
    EXPECT_EQ(ended.signal, 0) << "killed by signal " << ended.signal;
    ASSERT_TRUE(ended.exited);
    EXPECT_EQ(ended.code, 1);
    EXPECT_NE(ended.errors.find("File too large"), std::string::npos) << ended.errors;
    for (const char* file : {"Upper.vis", "Lower.vis", "Median.vis"}) {
        EXPECT_EQ(common::readWholeFile(common::fromPath(faces / file)), kOld) << file;
    }
    EXPECT_TRUE(temporariesIn(faces).empty());
}

TEST(FileSizeLimit, TheComparisonDriverReportsTheFailedPage) {
    TempFolder scratch;
    const fs::path data = scratch.path() / "data";
    copyFolder(fs::path(TEST_DATA_DIR) / "vis" / "three_faces", data);
    common::writeWholeFile(common::fromPath(data / "Results_Profile.htm"), kOld);
    const Ended ended =
        runLimited({COMPARE_FOLDER, common::fromPath(data), "Anna", "--view", "1"}, scratch);
    EXPECT_EQ(ended.signal, 0) << "killed by signal " << ended.signal;
    ASSERT_TRUE(ended.exited);
    EXPECT_EQ(ended.code, 3) << ended.errors;
    EXPECT_NE(ended.errors.find("File too large"), std::string::npos) << ended.errors;
    EXPECT_NE(ended.errors.find("Results_Profile.htm"), std::string::npos) << ended.errors;
    EXPECT_EQ(common::readWholeFile(common::fromPath(data / "Results_Profile.htm")), kOld);
    EXPECT_TRUE(temporariesIn(data).empty());
}

TEST(FileSizeLimit, TheWizardsDriverReportsTheFailedSave) {
    TempFolder scratch;
    const std::string out = scratch.subfolder("out");
    const std::string face = common::joinPath(out, "NewSampleFace.txt");
    common::writeWholeFile(face, kOld);
    scratch.write("input.json",
                  R"({"mode": "photoshop", "replace": true, "points": [[1, 5], [2, 4]]})");
    const Ended ended = runLimited({TRANSCRIBE_REPLAY, scratch.file("input.json"), out}, scratch);
    EXPECT_EQ(ended.signal, 0) << "killed by signal " << ended.signal;
    ASSERT_TRUE(ended.exited);
    EXPECT_EQ(ended.code, 1) << ended.errors;
    EXPECT_NE(ended.errors.find("File too large"), std::string::npos) << ended.errors;
    EXPECT_EQ(common::readWholeFile(face), kOld);
    EXPECT_TRUE(temporariesIn(common::toPath(out)).empty());
}
