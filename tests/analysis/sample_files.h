#pragma once

#include <string>
#include <vector>

#include "common/text/convert.h"

// Face data and statistics files built by hand, as the wizard and the statistics builder write
// them, for the loader tests.
namespace sample {

inline std::string joinLines(const std::vector<std::string>& lines,
                             const std::string& end = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line + end;
    }
    return text;
}

// The 88 fixed lines of a wizard-made face: portrait point k at (100 + k, 200 + k), portrait
// angle j of magnitude 10 + j; then the trailer lines. Line n of the file is element n - 1.
inline std::vector<std::string> faceLines(const std::string& name, const std::string& info,
                                          const std::vector<std::string>& trailer = {}) {
    std::vector<std::string> lines{name, info, "", "NormX1, NormY1"};
    lines.insert(lines.end(), 23, "*,*");
    lines.insert(lines.end(), {"99999,99999", "", "NormX2, NormY2"});
    for (int k = 1; k <= 20; ++k) {
        lines.push_back(common::plain(100 + k) + "&&&, " + common::plain(200 + k) + "&&&");
    }
    lines.insert(lines.end(), {"*,*", "99999,99999", "", "Angles1"});
    lines.insert(lines.end(), 19, "*");
    lines.insert(lines.end(), {"99999", "", "Angles2"});
    for (int j = 1; j <= 10; ++j) {
        lines.push_back("-" + common::plain(10 + j));
    }
    lines.insert(lines.end(), {"99999", ""});
    lines.insert(lines.end(), trailer.begin(), trailer.end());
    return lines;
}

inline std::string face(const std::string& name, const std::string& info,
                        const std::vector<std::string>& trailer = {}) {
    return joinLines(faceLines(name, info, trailer));
}

// The four value lists of a statistics file.
struct VisValues {
    std::vector<int> profile;         // 46
    std::vector<int> portrait;        // 42
    std::vector<int> profileAngles;   // 19
    std::vector<int> portraitAngles;  // 10
};

// Distinct values per file: profile base + p, portrait base + 100 + q, angles -(base + ...).
inline VisValues visValues(int base) {
    VisValues v;
    for (int p = 1; p <= 46; ++p) {
        v.profile.push_back(base + p);
    }
    for (int q = 1; q <= 42; ++q) {
        v.portrait.push_back(base + 100 + q);
    }
    for (int a = 1; a <= 19; ++a) {
        v.profileAngles.push_back(-(base + 200 + a));
    }
    for (int a = 1; a <= 10; ++a) {
        v.portraitAngles.push_back(-(base + 300 + a));
    }
    return v;
}

inline std::string valueLine(const std::vector<int>& values) {
    std::string line;
    for (int value : values) {
        line += common::Str(value) + ",";
    }
    return line + "99999,99999";
}

// Upper.vis and Lower.vis; Median.vis is the same text quoted, with a closing quote line.
inline std::string vis(const std::string& title, const VisValues& v, bool quoted = false) {
    std::vector<std::string> lines{(quoted ? "\"" : "") + title,
                                   "Face data from 3 faces",
                                   "",
                                   "NormX1, NormY1",
                                   valueLine(v.profile),
                                   "",
                                   "NormX2, NormY2",
                                   valueLine(v.portrait),
                                   "",
                                   "Angles1",
                                   valueLine(v.profileAngles),
                                   "",
                                   "Angles2",
                                   valueLine(v.portraitAngles)};
    if (quoted) {
        lines.push_back("\"");
    }
    return joinLines(lines);
}

inline constexpr int kUpperBase = 1000;
inline constexpr int kLowerBase = 2000;
inline constexpr int kMedianBase = 3000;

inline std::string jpeg() {
    return std::string("\xFF\xD8\xFF\xE0", 4) + "JFIF";
}

}  // namespace sample
