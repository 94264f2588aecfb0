#include "common/files/folder_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "common/text/error.h"
#include "tests/common/temp_folder.h"

using common::FolderLock;
namespace fs = std::filesystem;

namespace {
constexpr const char* kLock = ".lock";
}  // namespace

TEST(FolderLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    TempFolder folder;
    {
        const FolderLock first(folder.text(), kLock);
        EXPECT_EQ(first.state(), FolderLock::State::Held);
        const FolderLock second(folder.text(), kLock);
        EXPECT_EQ(second.state(), FolderLock::State::InUse);
    }
    const FolderLock again(folder.text(), kLock);
    EXPECT_EQ(again.state(), FolderLock::State::Held);
    EXPECT_TRUE(fs::is_regular_file(folder.path() / kLock)) << "created and never removed";
}

// A lock file that is a folder still locks; a link is never followed, and what cannot be opened
// is named.
TEST(FolderLock, OddLockFilesLockOrAreNamed) {
    TempFolder folder;
    fs::create_directory(folder.path() / kLock);
    {
        const FolderLock first(folder.text(), kLock);
        EXPECT_EQ(first.state(), FolderLock::State::Held);
        EXPECT_EQ(FolderLock(folder.text(), kLock).state(), FolderLock::State::InUse);
    }
    TempFolder linked;
    fs::create_symlink(linked.path() / "elsewhere", linked.path() / kLock);
    try {
        const FolderLock lock(linked.text(), kLock);
        FAIL() << "a link was followed";
    } catch (const common::Error& e) {
        EXPECT_NE(std::string(e.what()).find(linked.file(kLock)), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(linked.path() / "elsewhere"));
}

TEST(FolderLock, AFolderThatIsNotThereLeavesTheWorkUnlocked) {
    TempFolder folder;
    EXPECT_EQ(FolderLock(folder.file("missing"), kLock).state(), FolderLock::State::Unlocked);
}

// A user who may not write the lock file locks it opened for reading, against a writer as well;
// in a read-only folder without one the work goes on unlocked. Run as another user where the
// tests run as root, since root may write anything.
TEST(FolderLock, ReadOnlyLockFilesLockAndReadOnlyFoldersGoOnUnlocked) {
    TempFolder folder;
    TempFolder readOnly;
    const FolderLock writer(folder.text(), kLock);
    ASSERT_EQ(writer.state(), FolderLock::State::Held);
    ::chmod(folder.file(kLock).c_str(), 0444);
    ::chmod(readOnly.text().c_str(), 0555);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(10);
        }
        if (FolderLock(folder.text(), kLock).state() != FolderLock::State::InUse) {
            ::_exit(11);
        }
        if (FolderLock(readOnly.text(), kLock).state() != FolderLock::State::Unlocked) {
            ::_exit(12);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(readOnly.text().c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(readOnly.path() / kLock));
}
