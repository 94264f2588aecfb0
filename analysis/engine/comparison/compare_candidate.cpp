#include <string>

#include "analysis/engine/comparison/candidate_file.h"
#include "analysis/engine/comparison/comparison.h"
#include "analysis/engine/comparison/left_out_faces.h"
#include "analysis/engine/comparison/result_files.h"
#include "analysis/engine/comparison/result_records.h"
#include "analysis/engine/face_loading.h"
#include "analysis/engine/face_names.h"
#include "analysis/engine/photos.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

void keepIfBest(BestCandidate& best, std::int16_t score, const FaceSlot& candidate,
                const std::string& link) {
    if (score > best.score) {
        best = {score, candidate.FaceName, candidate.FaceInfo, link};
    }
}

}  // namespace

std::optional<ResultRecord> CompareCandidate(AnalysisProgram& program, ResultFiles& files,
                                             std::string_view fileName, LeftOutFaces& leftOut) {
    // A name from a list is looked at before anything is opened under it, its photo included.
    if (std::string why = whyNotAFaceOfTheFolder(fileName); !why.empty()) {
        leftOut.add(std::string(fileName), std::move(why));
        return std::nullopt;
    }
    Analysis& w = program.MainWindow;
    const std::string stem =
        fileName.size() < 4 ? std::string() : common::Left(fileName, fileName.size() - 4);
    CandidateFile candidate;
    try {
        candidate = parseCandidateFile(
            common::readWholeFile(common::joinPath(w.Dir1.Path(), stem + ".txt")));
    } catch (const common::Error& error) {
        leftOut.add(std::string(fileName), error.reason());
        return std::nullopt;
    }

    // Only a candidate read whole is shown as face 2, by its portrait, so a run that ends on a
    // face it could not read leaves the last one read with its own photo.
    FaceSlot& face2 = program.Face2;
    face2.Loaded = true;
    face2.ColourLine.clear();
    for (forms::Shape* swatch : {&w.Face2Colour1, &w.Face2Colour2, &w.Face2Colour3}) {
        swatch->FillStyle = forms::kFillTransparent;
    }
    // A candidate without its portrait is still compared.
    showPhoto(w.face2Photo, w.Dir1.Path(), stem + "1.jpg");
    w.View2.Caption = program.Words.ViewPortrait;
    face2.FaceName = candidate.face.name;
    face2.FaceInfo = candidate.face.info;
    for (int i = 1; i <= kFileCoordCount; ++i) {
        face2.Coords[i] = candidate.face.coords[i];
    }
    face2.Angles = candidate.face.angles;
    face2.ColourLine = candidate.colourLine;
    w.Person2.Caption = face2.FaceName;
    // The photo's description and the globe go with the face shown: a run that ends here
    // leaves no other face's description or address under this name.
    w.face2Photo.ToolTipText = PhotoToolTip(program, face2.FaceInfo);
    w.URL2.Visible = !candidate.urlLine.empty();
    w.URL2.ToolTipText = linkOf(candidate.urlLine);
    // Slot 2 now holds this file's face: a swap reloads it from here.
    program.FaceFile2 = std::string(fileName);

    PairScores& scores = program.Scores;
    if (!face2.ColourLine.empty() && w.Face1Colour1.FillStyle != forms::kFillTransparent) {
        CompareColours(program, files);
        ShowSecondFaceColours(program);
    }
    CompareProfiles(program, files);
    CompareFeatures(program);

    const std::string link = linkOf(candidate.urlLine);
    if (face2.FaceName != w.Person1.Caption) {
        keepIfBest(program.Best.eyes, scores.Weighted.WeightedEyesScore, face2, link);
        keepIfBest(program.Best.nose, scores.Weighted.WeightedNoseScore, face2, link);
        keepIfBest(program.Best.mouth, scores.Weighted.WeightedMouthScore, face2, link);
    }

    const CandidateNames names{face2.FaceName, face2.FaceInfo, candidate.urlLine};
    const std::string record = resultsRecord(names, scores);
    scores.ColourScore = 0;
    files.appendResults(record);
    files.appendResults2(results2Record(names, scores));
    // A height of 0 or less, or one that fits no height field, counts as none.
    const double height = common::roundHalfEven(candidate.height);
    if (height > 0 && height <= 32767) {
        face2.FaceHeight = common::toInt16(height);
        files.appendHeight(heightRecord(names, face2.FaceHeight));
    }
    const WeightedScores& weighted = scores.Weighted;
    return ResultRecord{face2.FaceName,
                        face2.FaceInfo,
                        linkBetweenBrackets(candidate.urlLine),
                        weighted.OverallScore,
                        weighted.WeightedEyesScore,
                        weighted.WeightedNoseScore,
                        weighted.WeightedMouthScore};
}

}  // namespace analysis
