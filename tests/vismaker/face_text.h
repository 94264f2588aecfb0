#pragma once

#include <string>
#include <vector>

#include "common/files/text_file.h"

// A face file's text with the given value lines under the four section heads.
struct FaceSections {
    std::vector<std::string> profile = {};
    std::vector<std::string> portrait = {};
    std::vector<std::string> profileAngles = {};
    std::vector<std::string> portraitAngles = {};
    std::string description = "Test face";
};

inline std::string faceText(const FaceSections& face) {
    std::vector<std::string> lines = {"Name", face.description, "", "NormX1, NormY1"};
    const auto add = [&lines](const std::vector<std::string>& section) {
        lines.insert(lines.end(), section.begin(), section.end());
    };
    add(face.profile);
    add({"99999,99999", "", "NormX2, NormY2"});
    add(face.portrait);
    add({"99999,99999", "", "Angles1"});
    add(face.profileAngles);
    add({"99999", "", "Angles2"});
    add(face.portraitAngles);
    add({"99999", ""});
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += common::kCrLf;
    }
    return text;
}
