#include "analysis/engine/scoring/feature_scores.h"

#include <functional>

#include "analysis/engine/scoring/similarity.h"
#include "common/text/convert.h"
#include "common/text/int16.h"

namespace analysis {

namespace {

using Measure = std::function<double(const Portrait&)>;

double similarity(const PortraitTrio& f, const Measure& m, int faceSlider) {
    return MeasurementSimilarity(m(f.face1), m(f.face2), m(f.average), faceSlider);
}

double strict(const PortraitTrio& f, const Measure& m) {
    return strictSimilarity(m(f.face1), m(f.face2), m(f.average));
}

bool anyZero(const PortraitTrio& f, const Measure& denominator) {
    return denominator(f.face1) == 0 || denominator(f.face2) == 0 || denominator(f.average) == 0;
}

std::int16_t floorScore(double value) {
    return common::toInt16(common::Int(value));
}

}  // namespace

void ScoreFaceShape(const PortraitTrio& faces, FeatureScores& scores) {
    const Measure halfWidth = [](const Portrait& p) { return double(p.X[4] - p.X[5]); };
    if (anyZero(faces, halfWidth)) {
        scores.ProportionScore1 = 0;
        scores.ProportionScore2 = 0;
        return;
    }
    const Measure area = [](const Portrait& p) {
        return double(static_cast<long long>(p.X[4] - p.X[5]) * p.Y[3]);
    };
    const Measure proportion = [](const Portrait& p) {
        return double(p.Y[3]) / double(p.X[4] - p.X[5]);
    };
    scores.ProportionScore1 = common::toInt16(strict(faces, area));
    scores.ProportionScore2 = common::toInt16(strict(faces, proportion));
}

void ScoreCheekboneAngle(const PortraitTrio& faces, FeatureScores& scores) {
    scores.AngleScore23 =
        common::toInt16(strict(faces, [](const Portrait& p) { return double(p.Angle[3]); }));
}

std::int16_t anglePairScore(const PortraitTrio& faces, int p, int q) {
    const auto angle = [](int j) {
        return Measure(
            [j](const Portrait& face) { return double(face.Angle[static_cast<std::size_t>(j)]); });
    };
    const double s1 = strict(faces, angle(p));
    const double s2 = strict(faces, angle(q));
    return floorScore((s1 + s2) / 2);
}

void ScoreJawlineAngles(const PortraitTrio& faces, FeatureScores& scores) {
    scores.JawlineScore = anglePairScore(faces, 1, 2);
}

void ScoreEyebrowAngles(const PortraitTrio& faces, FeatureScores& scores) {
    scores.EyeAngleScore = anglePairScore(faces, 4, 5);
}

void ScoreNoseAngles(const PortraitTrio& faces, FeatureScores& scores) {
    scores.NoseAngleScore = anglePairScore(faces, 6, 7);
}

void ScoreMouthAngles(const PortraitTrio& faces, FeatureScores& scores) {
    scores.MouthAngleScore = anglePairScore(faces, 8, 9);
}

void ScoreEyeShape(const PortraitTrio& faces, int faceSlider, FeatureScores& scores) {
    const double s1 = similarity(
        faces, [](const Portrait& p) { return double(p.X[13] - p.X[11]); }, faceSlider);
    const double s2 =
        (similarity(
             faces, [](const Portrait& p) { return double(p.X[7] - p.X[2]); }, faceSlider) +
         similarity(
             faces, [](const Portrait& p) { return double(1000 - p.Y[7]); }, faceSlider)) /
        2;
    const double s3 = similarity(
        faces, [](const Portrait& p) { return double(p.X[10] - p.X[9]); }, faceSlider);
    scores.EyeShapeScore = floorScore((s1 + s2 + s3) / 3);
}

void ScoreNoseShape(const PortraitTrio& faces, int faceSlider, FeatureScores& scores) {
    const Measure nostrilWidth = [](const Portrait& p) { return double(p.X[4] - p.X[19]); };
    const Measure faceWidth = [](const Portrait& p) { return double(p.X[4] - p.X[5]); };
    double s1 = 0;
    if (!anyZero(faces, nostrilWidth)) {
        s1 = similarity(
            faces,
            [](const Portrait& p) { return double(p.Y[6] - p.Y[4]) / double(p.X[4] - p.X[19]); },
            faceSlider);
    }
    // A nostril width of 0 is a fine numerator: only the face width can leave s2 unscored.
    double s2 = 0;
    if (!anyZero(faces, faceWidth)) {
        s2 = similarity(
            faces,
            [](const Portrait& p) { return double(p.X[4] - p.X[19]) / double(p.X[4] - p.X[5]); },
            faceSlider);
    }
    const double s3 = similarity(
        faces, [](const Portrait& p) { return double(p.Y[18] - p.Y[4]); }, faceSlider);
    scores.NoseShapeScore = floorScore((s1 + s2 + s3) / 3);
}

void ScoreMouthShape(const PortraitTrio& faces, int faceSlider, FeatureScores& scores) {
    const double s1 = similarity(
        faces,
        [](const Portrait& p) {
            return double(static_cast<long long>(p.X[4] - p.X[15]) * (p.Y[14] - p.Y[16]));
        },
        faceSlider);
    const double s2 = similarity(
        faces, [](const Portrait& p) { return double(p.Y[4] - p.Y[14]); }, faceSlider);
    const double s3 = similarity(
        faces, [](const Portrait& p) { return double(p.Y[16]); }, faceSlider);
    scores.MouthShapeScore = common::toInt16((s1 + s2 + s3) / 3);
}

void ScoreFeatureShapes(const PortraitTrio& faces, int faceSlider, FeatureScores& scores) {
    ScoreEyeShape(faces, faceSlider, scores);
    ScoreNoseShape(faces, faceSlider, scores);
    ScoreMouthShape(faces, faceSlider, scores);
}

}  // namespace analysis
