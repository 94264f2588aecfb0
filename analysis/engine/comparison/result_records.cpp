#include "analysis/engine/comparison/result_records.h"

#include "common/text/convert.h"

namespace analysis {

namespace {
std::string plain(long long value) {
    return common::plain(value);
}
std::string str(long long value) {
    return common::Str(value);
}
}  // namespace

std::string resultsRecord(const CandidateNames& c, const PairScores& s) {
    std::string line;
    line.append(c.name).append(" -").append(c.info).append("=");
    line += str(s.Weighted.OverallScore) + " " + str(s.Weighted.WeightedEyesScore) + " " +
            str(s.Weighted.WeightedNoseScore) + " " + str(s.Weighted.WeightedMouthScore);
    line += "{" + str(s.ColourScore) + "}" + " #" + plain(s.ProfileScore) + " ~";
    line.append(c.urlLine).append("\r\n");
    return line;
}

std::string results2Record(const CandidateNames& c, const PairScores& s) {
    std::string line = str(s.Weighted.OverallScore) + " ";
    line.append(c.name).append(" ^").append(c.info).append(" ~").append(c.urlLine).append("\r\n");
    return line;
}

std::string heightRecord(const CandidateNames& c, std::int16_t height) {
    std::string line = str(height) + "# ";
    line.append(c.name).append(" [").append(c.info).append("]").append(" ~");
    line.append(c.urlLine).append("\r\n");
    return line;
}

std::string colourRecord(std::string_view key, std::int32_t hair, std::int32_t eyes,
                         std::int32_t skin, std::string_view name, std::string_view info) {
    std::string line(key);
    line += " H" + plain(hair) + " E" + plain(eyes) + " S" + plain(skin) + " [";
    line.append(name).append("]").append("{").append(info).append("}").append("\r\n");
    return line;
}

std::string profileRecord(std::string_view person2Caption, const PairScores& s) {
    std::string line(person2Caption);
    line += " {" + plain(s.ProfileScore) + "}";
    for (std::int16_t sub : {s.Profile.NoseProfileScore, s.Profile.EyeProfileScore,
                             s.Profile.MouthProfileScore, s.Profile.JawlineProfileScore}) {
        line += " [" + plain(sub) + "]";
    }
    line += "$\r\n";
    return line;
}

}  // namespace analysis
