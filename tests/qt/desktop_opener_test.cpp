#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <filesystem>
#include <string>

#include "tests/common/temp_folder.h"
#include "tests/qt/sample_program.h"

namespace {

using namespace std::chrono_literals;

// A stand-in for xdg-open: a shell script that records its argument and ends as told.
std::string opener(const TempFolder& folder, const std::string& body) {
    folder.write("opener.sh", "#!/bin/sh\nprintf '%s' \"$1\" > \"" + folder.file("argument") +
                                  "\"\n" + body + "\n");
    std::filesystem::permissions(common::toPath(folder.file("opener.sh")),
                                 std::filesystem::perms::owner_all);
    return folder.file("opener.sh");
}

// Runs the event loop until the platform reported something or the time is up.
void waitForReport(const QuietPlatform& platform, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    while (platform.errors.empty() && clock.elapsed() < limit.count()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

}  // namespace

TEST(DesktopOpener, AMissingOpenerIsReportedAtOnceWithThePagesFullPath) {
    TempFolder folder;
    QuietPlatform platform;
    platform.setOpener(folder.file("no-such-opener"), 2s);
    platform.openDocument(folder.file("Results_1.htm"));
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find(folder.file("Results_1.htm")), std::string::npos);
    EXPECT_NE(platform.errors[0].find("could not be opened"), std::string::npos);
    EXPECT_NE(platform.errors[0].find("no-such-opener is missing"), std::string::npos);

    platform.openWebAddress("http://faces.example/ann");
    ASSERT_EQ(platform.errors.size(), 2u);
    EXPECT_NE(platform.errors[1].find("The web address http://faces.example/ann"),
              std::string::npos);
}

// A page in a folder of any name is named readably: a folder name Windows-1252 cannot hold as it
// stands, one held in Windows-1252 converted, the whole message UTF-8.
TEST(DesktopOpener, APageIsNamedReadablyInAFolderOfAnyName) {
    TempFolder folder;
    const std::string people = "\xD0\x9B\xD0\xB8\xD1\x86\xD0\xB0";
    std::filesystem::create_directories(folder.path() / people / "Zo\xC3\xAB");
    QuietPlatform platform;
    platform.setOpener(folder.file("no-such-opener"), 2s);
    platform.openDocument(folder.file(people + "/Zo\xEB/Results_1.htm"));
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_TRUE(platform.errors[0].starts_with("The page " + common::cp1252ToUtf8(folder.text()) +
                                               "/" + people +
                                               "/Zo\xC3\xAB/Results_1.htm could not be opened: "))
        << platform.errors[0];
}

TEST(DesktopOpener, AnOpenerThatFailsIsReportedWhenItEnds) {
    TempFolder folder;
    QuietPlatform platform;
    platform.setOpener(opener(folder, "exit 3"), 5s);
    QElapsedTimer clock;
    clock.start();
    platform.openDocument(folder.file("help/Online Help.htm"));
    EXPECT_TRUE(platform.errors.empty()) << "the exit status is read later, not waited for";
    waitForReport(platform, 5s);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find(folder.file("help/Online Help.htm")), std::string::npos);
    EXPECT_NE(platform.errors[0].find("exit status 3"), std::string::npos);
    EXPECT_NE(platform.errors[0].find("no program to open it was found"), std::string::npos);
}

TEST(DesktopOpener, TheWindowNeverWaitsForTheBrowser) {
    TempFolder folder;
    QuietPlatform platform;
    // The opener runs the browser itself and fails only once the browser is closed: past the
    // few watched moments, that is no failure of the opening.
    platform.setOpener(opener(folder, "sleep 1; exit 4"), 200ms);
    QElapsedTimer clock;
    clock.start();
    platform.openDocument(folder.file("Results_2.htm"));
    EXPECT_LT(clock.elapsed(), 500);
    waitForReport(platform, 2s);
    EXPECT_TRUE(platform.errors.empty());
}

TEST(DesktopOpener, PagesGoAsAbsolutePathsAndAddressesPercentEncoded) {
    TempFolder folder;
    QuietPlatform platform;
    platform.setOpener(opener(folder, "exit 0"), 2s);
    const std::string page = folder.file("Results \xA3.htm");
    platform.openDocument(page);
    waitForReport(platform, 1s);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(folder.read("argument"), common::toPath(page).native());

    std::filesystem::remove(common::toPath(folder.file("argument")));
    platform.openWebAddress("http://faces.example/a b.htm");
    waitForReport(platform, 1s);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(folder.read("argument"), "http://faces.example/a%20b.htm");
}
