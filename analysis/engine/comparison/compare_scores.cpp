#include <string>

#include "analysis/engine/colour_line.h"
#include "analysis/engine/comparison/comparison.h"
#include "analysis/engine/comparison/result_files.h"
#include "analysis/engine/comparison/result_records.h"
#include "analysis/engine/scoring/colour_distance.h"
#include "analysis/engine/scoring/similarity.h"
#include "analysis/program.h"
#include "common/text/convert.h"
#include "common/text/int16.h"

namespace analysis {

SliderValues currentSliders(const AnalysisProgram& program) {
    const PrefsForm& prefs = program.PrefsWindow;
    return {prefs.EyeSlider.Value(),     prefs.NoseSlider.Value(),
            prefs.MouthSlider.Value(),   prefs.JawlineSlider.Value(),
            prefs.ProfileSlider.Value(), prefs.ColourationSlider.Value(),
            prefs.FaceSlider.Value()};
}

Portrait portraitOf(const FaceSlot& slot) {
    Portrait p;
    for (int k = 1; k <= 20; ++k) {
        p.X[static_cast<std::size_t>(k)] = slot.Coords[51 + 2 * k];
        p.Y[static_cast<std::size_t>(k)] = slot.Coords[52 + 2 * k];
    }
    for (int j = 1; j <= 10; ++j) {
        p.Angle[static_cast<std::size_t>(j)] = slot.Angles[20 + j];
    }
    return p;
}

Portrait averagePortraitOf(const FaceStatistics& statistics) {
    Portrait p;
    for (int k = 1; k <= 20; ++k) {
        p.X[static_cast<std::size_t>(k)] = statistics.MedianCoords[53 + 2 * k];
        p.Y[static_cast<std::size_t>(k)] = statistics.MedianCoords[54 + 2 * k];
    }
    for (int j = 1; j <= 10; ++j) {
        p.Angle[static_cast<std::size_t>(j)] = statistics.MedianAngles[20 + j];
    }
    return p;
}

void CompareColours(AnalysisProgram& program, ResultFiles& files) {
    PairScores& scores = program.Scores;
    scores.ColourScore = 0;
    const FaceSlot& face2 = program.Face2;
    if (program.Face1.FaceName == face2.FaceName) {
        return;
    }
    // A hand-edited colour line without its four "~", or with a value that is no colour, cannot
    // be compared: no colour record, and the run goes on.
    const auto colours2 = parseColourLine(face2.ColourLine);
    const Analysis& w = program.MainWindow;
    const auto isColour = [](std::int32_t v) { return v >= 0 && v <= 0xFFFFFF; };
    if (!colours2 || !(isColour(colours2->hair) && isColour(colours2->eyes) &&
                       isColour(colours2->skin) && isColour(w.Face1Colour1.FillColor) &&
                       isColour(w.Face1Colour2.FillColor) && isColour(w.Face1Colour3.FillColor))) {
        return;
    }
    const std::int32_t hair = ColourDistance(colours2->hair, w.Face1Colour1.FillColor);
    const std::int32_t eyes = ColourDistance(colours2->eyes, w.Face1Colour2.FillColor);
    const std::int32_t skin = ColourDistance(colours2->skin, w.Face1Colour3.FillColor);
    const std::int32_t total = hair + eyes + skin;
    scores.ColourScore = common::toInt16(total);
    files.appendColour(
        colourRecord(colourKey(total), hair, eyes, skin, face2.FaceName, face2.FaceInfo));
}

namespace {

std::int16_t profileSubScore(const AnalysisProgram& program, std::initializer_list<int> elements,
                             int faceSlider) {
    double sum = 0;
    for (int e : elements) {
        sum += MeasurementSimilarity(program.Face1.Angles[e], program.Face2.Angles[e],
                                     program.Statistics.MedianAngles[e], faceSlider);
    }
    return common::toInt16(common::Int(sum / static_cast<double>(elements.size())));
}

}  // namespace

void CompareProfiles(AnalysisProgram& program, ResultFiles& files) {
    PairScores& scores = program.Scores;
    scores.ProfileScore = 0;
    const Analysis& w = program.MainWindow;
    if (program.Face1.Coords[9] == 0 || program.Face2.Coords[9] == 0 ||
        w.Person1.Caption == w.Person2.Caption) {
        return;
    }
    program.ResultsWindow.Style6.Enabled = true;
    const SliderValues sliders = currentSliders(program);
    ProfileSubScores& sub = scores.Profile;
    sub.EyeProfileScore = profileSubScore(program, {17, 18, 19, 20}, sliders.face);
    sub.NoseProfileScore = profileSubScore(program, {2, 5, 15}, sliders.face);
    sub.MouthProfileScore = profileSubScore(program, {8, 9, 10}, sliders.face);
    sub.JawlineProfileScore = profileSubScore(program, {11, 12}, sliders.face);
    scores.ProfileScore = weighProfileScores(sub, sliders);
    files.appendProfile(profileRecord(w.Person2.Caption, scores));
}

void CompareFeatures(AnalysisProgram& program) {
    forms::Label& progress = program.MainWindow.CurrentSubtotal;
    const Portrait face1 = portraitOf(program.Face1);
    const Portrait face2 = portraitOf(program.Face2);
    const Portrait average = averagePortraitOf(program.Statistics);
    const PortraitTrio faces{face1, face2, average};
    PairScores& scores = program.Scores;
    FeatureScores& f = scores.Features;

    ScoreFaceShape(faces, f);
    ScoreFeatureShapes(faces, currentSliders(program).face, f);
    progress.Caption = "33%";
    ScoreCheekboneAngle(faces, f);
    ScoreJawlineAngles(faces, f);
    progress.Caption = "50%";
    progress.Refresh();
    ScoreEyebrowAngles(faces, f);
    progress.Caption = "66%";
    progress.Refresh();
    ScoreNoseAngles(faces, f);
    ScoreMouthAngles(faces, f);
    progress.Caption = "75%";
    progress.Refresh();
    progress.Caption = "100%";
    progress.Refresh();
    scores.Weighted =
        weighFeatureScores(f, scores.ProfileScore, scores.ColourScore, currentSliders(program));
}

}  // namespace analysis
