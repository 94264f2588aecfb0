#include "common/facefile/face_file_writer.h"

#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/strings.h"

namespace common {

namespace {

void refuseLineEnds(std::string_view text, std::string_view field) {
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        throw Error(ErrorCode::InvalidPropertyValue, std::string(field) + " holds a line end");
    }
}

void addLine(std::string& text, std::string_view line) {
    text += line;
    text += kCrLf;
}

void addLines(std::string& text, int count, std::string_view line) {
    for (int i = 0; i < count; ++i) {
        addLine(text, line);
    }
}

std::string pointLine(FacePoint point) {
    return plain(point.x) + "&&&, " + plain(point.y) + "&&&";
}

std::string colourLine(const FaceColours& colours) {
    return "~" + Str(colours.hair) + "~" + Str(colours.eyes) + "~" + Str(colours.skin) + "~";
}

}  // namespace

std::string faceFileText(const WizardFace& face) {
    refuseLineEnds(face.name, "name");
    refuseLineEnds(face.description, "description");
    refuseLineEnds(face.heightText, "height");
    refuseLineEnds(face.webAddress, "web address");
    for (const std::int16_t magnitude : face.angles) {
        if (magnitude < 0) {
            throw Error(ErrorCode::InvalidPropertyValue, "negative angle magnitude");
        }
    }

    std::string text;
    addLine(text, face.name);
    addLine(text, face.description + " (Portrait only)");
    addLine(text, "");
    addLine(text, "NormX1, NormY1");
    addLines(text, 23, "*,*");  // profile points are never measured by the wizard
    addLine(text, "99999,99999");
    addLine(text, "");
    addLine(text, "NormX2, NormY2");
    for (const FacePoint point : face.points) {
        addLine(text, pointLine(point));
    }
    addLine(text, "*,*");  // portrait point 21
    addLine(text, "99999,99999");
    addLine(text, "");
    addLine(text, "Angles1");
    addLines(text, 19, "*");
    addLine(text, "99999");
    addLine(text, "");
    addLine(text, "Angles2");
    for (const std::int16_t magnitude : face.angles) {
        addLine(text, "-" + plain(magnitude));  // slopes are stored falling, "-0" included
    }
    addLine(text, "99999");
    addLine(text, "");

    if (Val(face.heightText) != 0) {
        addLine(text, face.heightText + "#");
    }
    if (face.colours) {
        addLine(text, colourLine(*face.colours));
    }
    if (!face.webAddress.empty()) {
        addLine(text, "[" + face.webAddress + "]");
        addLine(text, "\xA3" + plain(face.scaleDistance) + "\xA3");
    }
    return text;
}

std::string faceFileName(std::string_view name) {
    const std::string trimmed = Trim(name);
    if (trimmed.empty() || trimmed.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
        throw Error(ErrorCode::PathFileAccess, "no file can be named \"" + trimmed + "\"");
    }
    return trimmed + ".txt";
}

std::string writeFaceFile(std::string_view folder, const WizardFace& face) {
    const std::string path = joinPath(folder, faceFileName(face.name));
    writeWholeFile(path, faceFileText(face));
    return path;
}

}  // namespace common
