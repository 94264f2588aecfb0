#include <gtest/gtest.h>

#include "analysis/engine/comparison/candidate_file.h"
#include "analysis/engine/comparison/result_records.h"
#include "analysis/engine/scoring/colour_distance.h"
#include "common/facefile/face_file_writer.h"

using namespace analysis;

// The five records of the candidate Face Two: overall 85, weighted eyes 70, nose 60, mouth 90,
// colour distances 12, 20 and 13, profile 75 from nose 80, eyes 70, mouth 75, jawline 75.
TEST(ResultRecords, ExampleCandidateRecords) {
    PairScores s;
    s.Weighted.OverallScore = 85;
    s.Weighted.WeightedEyesScore = 70;
    s.Weighted.WeightedNoseScore = 60;
    s.Weighted.WeightedMouthScore = 90;
    s.ColourScore = 45;
    s.ProfileScore = 75;
    s.Profile = {80, 70, 75, 75};
    const CandidateNames names{"Face Two", "Actor (Portrait only)", ""};
    EXPECT_EQ(resultsRecord(names, s),
              "Face Two -Actor (Portrait only)= 85  70  60  90{ 45} #75 ~\r\n");
    EXPECT_EQ(results2Record(names, s), " 85 Face Two ^Actor (Portrait only) ~\r\n");
    EXPECT_EQ(heightRecord(names, 168), " 168# Face Two [Actor (Portrait only)] ~\r\n");
    EXPECT_EQ(colourRecord(colourKey(45), 12, 20, 13, "Face Two", "Actor (Portrait only)"),
              "045 H12 E20 S13 [Face Two]{Actor (Portrait only)}\r\n");
    EXPECT_EQ(profileRecord("Face Two", s), "Face Two {75} [80] [70] [75] [75]$\r\n");
}

TEST(ResultRecords, WebAddressLineStandsAsInTheFile) {
    PairScores s;
    const CandidateNames names{"Ann", "Singer", "[www.ann.org]"};
    EXPECT_EQ(resultsRecord(names, s), "Ann -Singer= 0  0  0  0{ 0} #0 ~[www.ann.org]\r\n");
    EXPECT_EQ(linkOf("[www.ann.org]"), "www.ann.org");
    EXPECT_EQ(linkOf("[]"), "");
    EXPECT_EQ(linkOf(""), "");
}

namespace {
std::string candidateText(const std::vector<std::string>& trailer) {
    common::WizardFace face;
    face.name = "Cand";
    face.description = "Actor";
    std::string text = common::faceFileText(face);
    for (const std::string& line : trailer) {
        text += line + "\r\n";
    }
    return text;
}
}  // namespace

TEST(CandidateFile, FiveTrailerLinesEachTestedForEveryMark) {
    auto c = parseCandidateFile(candidateText({"172#", "~ 1~ 2~ 3~", "[www.x.org/#~]",
                                               "\xA3"
                                               "5\xA3"}));
    EXPECT_EQ(c.height, 172);
    EXPECT_EQ(c.urlLine, "[www.x.org/#~]");
    EXPECT_EQ(c.colourLine, "~ 1~ 2~ 3~");
    EXPECT_EQ(c.face.name, "Cand");
    EXPECT_EQ(c.face.info, "Actor (Portrait only)");

    c = parseCandidateFile(candidateText({"", "", "", "", "", "180#"}));
    EXPECT_EQ(c.height, 0) << "a sixth trailer line is never read";
    c = parseCandidateFile(candidateText({"180#"}));
    EXPECT_EQ(c.height, 180);
    EXPECT_EQ(c.urlLine, "");
    c = parseCandidateFile(candidateText({"1E999#"}));
    EXPECT_EQ(c.height, 0);
    c = parseCandidateFile(candidateText({"170# ~ 4~ 5~ 6~"}));
    EXPECT_EQ(c.height, 170) << "a line without [ counts for both other marks";
    EXPECT_EQ(c.colourLine, "170# ~ 4~ 5~ 6~");
}

// A web address is never the colour line nor the height, wherever it stands in the trailer.
TEST(CandidateFile, WebAddressIsNothingButTheAddress) {
    for (const std::string& address :
         {std::string("[http://uni.example.edu/~ann/]"), std::string("[www.x.org/#top]"),
          std::string("[12#~ 1~ 2~ 3~]")}) {
        auto c = parseCandidateFile(candidateText({"165#", "~ 7~ 8~ 9~", address}));
        EXPECT_EQ(c.urlLine, address);
        EXPECT_EQ(c.colourLine, "~ 7~ 8~ 9~") << address;
        EXPECT_EQ(c.height, 165) << address;
        c = parseCandidateFile(candidateText({address, "~ 7~ 8~ 9~", "165#"}));
        EXPECT_EQ(c.colourLine, "~ 7~ 8~ 9~") << address;
        EXPECT_EQ(c.height, 165) << address;
        c = parseCandidateFile(candidateText({address}));
        EXPECT_EQ(c.colourLine, "") << address;
        EXPECT_EQ(c.height, 0) << address;
    }
}

TEST(CandidateFile, ShortFileIsAnError) {
    EXPECT_THROW(parseCandidateFile("Name\r\nInfo\r\n"), common::Error);
}
