#include "analysis/engine/face_loading.h"

#include <array>
#include <optional>
#include <string>

#include "analysis/engine/colour_line.h"
#include "analysis/engine/face_file.h"
#include "analysis/engine/face_names.h"
#include "analysis/engine/photos.h"
#include "analysis/engine/statistics_loading.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

// A face slot and the main-window controls that show it.
struct FaceDisplay {
    FaceSlot& slot;
    forms::Label& person;
    forms::PictureBox& photo;
    forms::Image& link;
    std::array<forms::Shape*, 3> swatches;
    std::array<forms::Label*, 3> swatchLabels;
};

FaceDisplay firstFace(AnalysisProgram& program) {
    Analysis& w = program.MainWindow;
    return {program.Face1,
            w.Person1,
            w.face1Photo,
            w.URL1,
            {&w.Face1Colour1, &w.Face1Colour2, &w.Face1Colour3},
            {&w.FC1, &w.FC2, &w.FC3}};
}

FaceDisplay secondFace(AnalysisProgram& program) {
    Analysis& w = program.MainWindow;
    return {program.Face2,
            w.Person2,
            w.face2Photo,
            w.URL2,
            {&w.Face2Colour1, &w.Face2Colour2, &w.Face2Colour3},
            {&w.FC1B, &w.FC2B, &w.FC3B}};
}

std::string inDataFolder(const AnalysisProgram& program, std::string_view name) {
    return common::joinPath(program.MainWindow.Dir1.Path(), name);
}

// The file name less its ".txt"; a name too short to have one has no stem.
std::string stemOf(std::string_view fileName) {
    return fileName.size() < 4 ? std::string() : common::Left(fileName, fileName.size() - 4);
}

// A load starts afresh: the slot counts as loaded and has no colours until the file gives some.
void startLoad(FaceDisplay& face) {
    face.slot.Loaded = true;
    face.slot.ColourLine.clear();
    for (forms::Shape* swatch : face.swatches) {
        swatch->FillStyle = forms::kFillTransparent;
    }
}

// A face that cannot be read is reported once, with its file and what is wrong; the slot and its
// whole display (photo and view caption included) keep the earlier face, so no name is ever shown
// with another face's data or picture. The file is named in UTF-8, so that names held in
// Windows-1252 and names beyond it share one message.
std::optional<FaceFileContents> readFaceFile(AnalysisProgram& program, const std::string& stem) {
    // A name that is no face file of the data folder is never made into a path.
    if (const std::string why = whyNotAFaceOfTheFolder(stem + ".txt"); !why.empty()) {
        program.app().platform().reportError("The face file " + common::heldToUtf8(stem) +
                                             ".txt could not be read: " + why);
        return std::nullopt;
    }
    const std::string path = inDataFolder(program, stem + ".txt");
    try {
        return parseFaceFile(common::readWholeFile(path));
    } catch (const common::Error& error) {
        program.app().platform().reportError("The face file " + common::heldToUtf8(path) +
                                             " could not be read: " + error.reason());
        return std::nullopt;
    }
}

// Stores a wholly read file; elements 95 to 100 are not in the file and keep their values.
void storeFace(FaceDisplay& face, const FaceFileContents& contents) {
    face.slot.FaceName = contents.name;
    face.slot.FaceInfo = contents.info;
    for (int i = 1; i <= kFileCoordCount; ++i) {
        face.slot.Coords[i] = contents.coords[i];
    }
    face.slot.Angles = contents.angles;
    face.slot.FaceHeight = contents.height;
    face.slot.ColourLine = contents.colourLine;
}

// The web address is held nowhere but in the link's tool tip.
void showWebAddress(FaceDisplay& face, const FaceFileContents& contents) {
    face.link.Visible = contents.webAddress.has_value();
    face.link.ToolTipText = contents.webAddress.value_or("");
}

void showNameAndInfo(const AnalysisProgram& program, FaceDisplay& face) {
    face.photo.ToolTipText = PhotoToolTip(program, face.slot.FaceInfo);
    face.slot.FaceInfo = withPortraitOnlyTag(face.slot.FaceInfo, program.Words.PortraitOnlyText);
    face.person.Caption = face.slot.FaceName;
}

void showFaceColours(const AnalysisProgram& program, FaceDisplay face) {
    const auto colours = parseColourLine(face.slot.ColourLine);
    if (!colours) {
        return;
    }
    const std::array<std::int32_t, 3> values{colours->hair, colours->eyes, colours->skin};
    const std::array<const std::string*, 3> words{&program.Words.HairWord, &program.Words.EyesWord,
                                                  &program.Words.SkinWord};
    for (std::size_t i = 0; i < values.size(); ++i) {
        face.swatches[i]->FillColor = values[i];
        face.swatchLabels[i]->ToolTipText = *words[i] + " = " + common::Hex(values[i]);
        face.swatches[i]->FillStyle = forms::kFillSolid;
    }
}

}  // namespace

bool LoadFirstFace(AnalysisProgram& program, std::string_view fileName) {
    FaceDisplay face = firstFace(program);
    if (fileName.empty()) {
        startLoad(face);
        return false;
    }
    const std::string stem = stemOf(fileName);
    const auto contents = readFaceFile(program, stem);
    if (!contents) {
        return false;
    }
    startLoad(face);
    // A face without its Typical photo still loads, showing Missing.jpg.
    showPhoto(face.photo, program.MainWindow.Dir1.Path(), stem + "3.jpg");
    program.MainWindow.View1.Caption = program.Words.ViewTypical;
    storeFace(face, *contents);
    ShowFirstFaceColours(program);
    showWebAddress(face, *contents);
    showNameAndInfo(program, face);
    // The places and the report pages belong to the face the last run compared.
    if (program.FaceFile1 != fileName) {
        program.MainWindow.withdrawResults();
    }
    program.FaceFile1 = std::string(fileName);
    LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    return true;
}

bool LoadSecondFace(AnalysisProgram& program, std::string_view fileName) {
    FaceDisplay face = secondFace(program);
    // The caption of an empty slot with ".txt" added names no face.
    if (fileName.empty() || fileName == program.Words.NoDataText + ".txt") {
        startLoad(face);
        program.MainWindow.View2.Caption = program.Words.ViewPortrait;
        if (!fileName.empty()) {
            showMissingPhoto(face.photo, program.MainWindow.Dir1.Path());
        }
        return false;
    }
    const std::string stem = stemOf(fileName);
    const auto contents = readFaceFile(program, stem);
    if (!contents) {
        return false;
    }
    startLoad(face);
    // A face without its Portrait photo still loads, showing Missing.jpg, so the face shown is
    // always the face named.
    showPhoto(face.photo, program.MainWindow.Dir1.Path(), stem + "1.jpg");
    program.MainWindow.View2.Caption = program.Words.ViewPortrait;
    storeFace(face, *contents);
    showWebAddress(face, *contents);
    showNameAndInfo(program, face);
    ShowSecondFaceColours(program);
    program.FaceFile2 = std::string(fileName);
    LoadVisFiles(program, "Upper.vis", "Lower.vis", "Median.vis");
    return true;
}

std::string PhotoToolTip(const AnalysisProgram& program, std::string_view info) {
    return withPortraitOnlyTag(besideWords(program.Words, info), program.Words.PortraitOnlyText);
}

void ShowFirstFaceColours(AnalysisProgram& program) {
    showFaceColours(program, firstFace(program));
}

void ShowSecondFaceColours(AnalysisProgram& program) {
    showFaceColours(program, secondFace(program));
}

}  // namespace analysis
