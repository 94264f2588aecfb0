#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "common/text/error.h"
#include "tools/sample_data/command_line.h"
#include "tools/sample_data/failure_message.h"

namespace {

using Kind = sample::CommandLine::Kind;

sample::CommandLine parse(std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> list(args);
    return sample::parseCommandLine(list);
}

}  // namespace

TEST(SampleCommandLine, FolderAndPrefsInEitherOrder) {
    const auto plain = parse({"Sample data"});
    EXPECT_EQ(plain.kind, Kind::Draw);
    EXPECT_EQ(plain.folder, "Sample data");
    EXPECT_EQ(plain.prefs, "");
    for (const auto& line : {parse({"Sample data", "--prefs", "Prefs.prf"}),
                             parse({"--prefs", "Prefs.prf", "Sample data"})}) {
        EXPECT_EQ(line.kind, Kind::Draw);
        EXPECT_EQ(line.folder, "Sample data");
        EXPECT_EQ(line.prefs, "Prefs.prf");
    }
}

// Help wins wherever it stands, so asking for it never draws.
TEST(SampleCommandLine, HelpAnywhere) {
    EXPECT_EQ(parse({"--help"}).kind, Kind::Help);
    EXPECT_EQ(parse({"-h"}).kind, Kind::Help);
    EXPECT_EQ(parse({"out", "--prefs", "p", "-h"}).kind, Kind::Help);
    EXPECT_EQ(parse({"-x", "--help"}).kind, Kind::Help);
}

// Nothing that looks like an option is ever taken for a folder or the Prefs.prf file.
TEST(SampleCommandLine, WrongLines) {
    for (const auto& line :
         {parse({}), parse({"-x", "out"}), parse({"out", "-x"}), parse({"--prefs", "p"}),
          parse({"out", "--prefs"}), parse({"out", "--prefs", "--help-me"}),
          parse({"out", "--prefs", ""}), parse({""}), parse({"out", "other"}),
          parse({"out", "--prefs", "a", "--prefs", "b"}), parse({"-"})}) {
        EXPECT_EQ(line.kind, Kind::Wrong) << line.folder;
    }
}

TEST(SampleFailureMessage, NamesTheFileInUtf8AndWhatToDo) {
    const common::Error refusal(common::ErrorCode::InvalidCall,
                                "Sample data/Zo\xEB Testperson.txt: it is not a generated face");
    EXPECT_EQ(sample::failureMessage(refusal),
              "Sample data/Zo\xC3\xAB Testperson.txt is not a face of the sample database; choose "
              "an empty or new folder");

    const common::Error full(common::ErrorCode::PathFileAccess,
                             "out/Ava Kelly1.jpg: No space left on device");
    EXPECT_EQ(sample::failureMessage(full),
              "out/Ava Kelly1.jpg could not be written (No space left on device); free some space "
              "or choose a folder you may write to");

    const common::Error folder(common::ErrorCode::PathNotFound, "plain/out: Not a directory");
    EXPECT_EQ(sample::failureMessage(folder),
              "the folder plain/out could not be made (Not a directory); choose another folder");
}
