#include <gtest/gtest.h>

#include "analysis/engine/scoring/feature_scores.h"
#include "analysis/engine/scoring/overall_score.h"

using namespace analysis;

namespace {

// A plausible portrait: chin at 0, eye edge at 1000.
Portrait typicalFace() {
    Portrait p;
    const int xs[21] = {0,   600, 300, 350, 900, 100, 420, 520, 310, 430, 420,
                        250, 0,   560, 820, 640, 820, 840, 620, 760, 700};
    const int ys[21] = {0,    0,    1000, 1350, 560, 900, 1010, 980, 1000, 950, 1060,
                        1200, 1250, 1220, 380,  300, 230, 470,  520, 540,  1100};
    for (int k = 1; k <= 20; ++k) {
        p.X[static_cast<std::size_t>(k)] = xs[k];
        p.Y[static_cast<std::size_t>(k)] = ys[k];
    }
    const int angles[11] = {0, -35, -40, -60, -20, -15, -45, -30, -5, -8, -70};
    for (int j = 1; j <= 10; ++j) {
        p.Angle[static_cast<std::size_t>(j)] = angles[j];
    }
    return p;
}

}  // namespace

TEST(FeatureScores, IdenticalFacesScoreOneHundredEverywhere) {
    const Portrait face = typicalFace();
    Portrait average = typicalFace();
    average.X[13] += 40;
    average.Angle[3] = -50;
    FeatureScores s;
    const PortraitTrio trio{face, face, average};
    ScoreFaceShape(trio, s);
    ScoreCheekboneAngle(trio, s);
    ScoreJawlineAngles(trio, s);
    ScoreEyebrowAngles(trio, s);
    ScoreNoseAngles(trio, s);
    ScoreMouthAngles(trio, s);
    ScoreFeatureShapes(trio, 20, s);
    for (auto v : {s.ProportionScore1, s.ProportionScore2, s.AngleScore23, s.JawlineScore,
                   s.EyeAngleScore, s.NoseAngleScore, s.MouthAngleScore, s.EyeShapeScore,
                   s.NoseShapeScore, s.MouthShapeScore}) {
        EXPECT_EQ(v, 100);
    }
}

TEST(FeatureScores, AnglePairAveragesAndFloors) {
    Portrait f1 = typicalFace(), f2 = typicalFace(), avg = typicalFace();
    // Angle 1: 300/400 about 200 -> 50; angle 2: 75.
    f1.Angle[1] = -300, f2.Angle[1] = -400, avg.Angle[1] = -200;
    f1.Angle[2] = -40, f2.Angle[2] = -50, avg.Angle[2] = -10;
    EXPECT_EQ(anglePairScore({f1, f2, avg}, 1, 2), 62);
}

TEST(FeatureScores, AverageOutlineComesFromItsOwnLandmarks) {
    Portrait f1 = typicalFace(), f2 = typicalFace(), avg = typicalFace();
    f1.Y[3] = 1000;
    f2.Y[3] = 1100;
    avg.Y[3] = 900;
    FeatureScores s;
    ScoreFaceShape({f1, f2, avg}, s);
    // Half width 800: areas and proportions lie 100 and 200 units from the average's: 50.
    EXPECT_EQ(s.ProportionScore1, 50);
    EXPECT_EQ(s.ProportionScore2, 50);
}

TEST(FeatureScores, ZeroDenominatorsScoreZero) {
    Portrait f1 = typicalFace(), f2 = typicalFace(), avg = typicalFace();
    f2.X[5] = f2.X[4];
    f2.X[19] = f2.X[4];
    FeatureScores s;
    ScoreFaceShape({f1, f2, avg}, s);
    EXPECT_EQ(s.ProportionScore1, 0);
    EXPECT_EQ(s.ProportionScore2, 0);
    FeatureScores averageWithoutWidth;
    Portrait narrow = typicalFace();
    narrow.X[5] = narrow.X[4];
    ScoreFaceShape({f1, f1, narrow}, averageWithoutWidth);
    EXPECT_EQ(averageWithoutWidth.ProportionScore1, 0) << "the same faces, but no average width";
    EXPECT_EQ(averageWithoutWidth.ProportionScore2, 0);
    ScoreNoseShape({f1, f2, avg}, 20, s);
    // Both ratio terms 0; the nostril height of face 1 and face 2 is the same: Int(100 / 3).
    EXPECT_EQ(s.NoseShapeScore, 33);
}

// Each nose ratio is left unscored only by its own zero denominator: the nostril width leaves the
// first ratio at 0 but is a fine numerator of the second.
TEST(FeatureScores, NoseRatiosFailOnlyByTheirOwnDenominator) {
    // Half face widths 800; nostril widths 200 (face 1), 400 (average): ratios 0.25 and 0.5.
    const auto nose = [](int nostril1, int nostril2, int nostrilAverage, int faceWidthAverage) {
        Portrait f1 = typicalFace(), f2 = typicalFace(), avg = typicalFace();
        f1.X[19] = f1.X[4] - nostril1;
        f2.X[19] = f2.X[4] - nostril2;
        avg.X[19] = avg.X[4] - nostrilAverage;
        avg.X[5] = avg.X[4] - faceWidthAverage;
        FeatureScores s;
        ScoreNoseShape({f1, f2, avg}, 20, s);
        return s.NoseShapeScore;
    };
    // Face 2 without nostril width: s1 0; s2 of 0.25 and 0 about 0.5 is 50; s3 100.
    EXPECT_EQ(nose(200, 0, 400, 800), 50);
    // The average without nostril width: 0.25 and 0.125 about 0 give 50 as well.
    EXPECT_EQ(nose(200, 100, 0, 800), 50);
    // Face 1 without nostril width: 0 and 0.25 about 0.5 give 50.
    EXPECT_EQ(nose(0, 200, 400, 800), 50);
    // No face width for the average: only s2 is 0; s1 of equal faces is 100.
    EXPECT_EQ(nose(140, 140, 140, 0), 66);
    // Every denominator in place and face 1 equal to face 2: 100.
    EXPECT_EQ(nose(200, 200, 400, 800), 100);
}

TEST(FeatureScores, MouthRoundsWhereTheOthersFloor) {
    Portrait f1 = typicalFace(), f2 = typicalFace(), avg = typicalFace();
    for (Portrait* p : {&f1, &f2, &avg}) {
        p->Y[14] = 0;
        p->X[4] = 800;
    }
    // Bottom lip height 90 and 100 against 0: 90.
    avg.Y[16] = 0, f1.Y[16] = 90, f2.Y[16] = 100;
    // Nose tip above the top lip 1080 and 1100 against 1000: 80.
    avg.Y[4] = 1000, f1.Y[4] = 1080, f2.Y[4] = 1100;
    // Half mouth width times lip height: -18000 and -22200 against 0: 81.
    avg.X[15] = 600, f1.X[15] = 600, f2.X[15] = 578;
    FeatureScores s;
    ScoreMouthShape({f1, f2, avg}, 20, s);
    EXPECT_EQ(s.MouthShapeScore, 84) << "251 / 3 rounds to 84";
}

TEST(OverallScore, WorkedExamples) {
    FeatureScores all;
    all.ProportionScore1 = all.ProportionScore2 = all.AngleScore23 = all.JawlineScore = 100;
    all.EyeAngleScore = all.NoseAngleScore = all.MouthAngleScore = 100;
    all.EyeShapeScore = all.NoseShapeScore = all.MouthShapeScore = 100;
    SliderValues sliders{20, 20, 20, 20, 20, 20, 20};
    EXPECT_EQ(weighFeatureScores(all, 0, 0, sliders).OverallScore, 100);
    EXPECT_EQ(weighFeatureScores(all, 0, 0, SliderValues{}).OverallScore, 100);

    FeatureScores cheek = all;
    cheek.AngleScore23 = 0;
    EXPECT_EQ(weighFeatureScores(cheek, 0, 0, sliders).OverallScore, 99);

    FeatureScores shapes = all;
    shapes.EyeShapeScore = 75;
    shapes.NoseShapeScore = 85;
    SliderValues half = sliders;
    half.eye = 10;
    half.nose = 10;
    const auto w = weighFeatureScores(shapes, 0, 0, half);
    EXPECT_EQ(w.WeightedEyesScore, 88);
    EXPECT_EQ(w.WeightedNoseScore, 92);

    SliderValues noProfile = sliders;
    noProfile.profile = 0;
    EXPECT_EQ(weighFeatureScores(all, 80, 0, sliders).OverallScore, 98);
    EXPECT_EQ(weighFeatureScores(all, 80, 0, noProfile).OverallScore, 90);
}

TEST(OverallScore, ColourDistanceLowersTheScore) {
    // Terms giving 90 before the colour step: every score 100 except the three shapes at 70.
    FeatureScores s;
    s.ProportionScore1 = s.ProportionScore2 = s.AngleScore23 = s.JawlineScore = 100;
    s.EyeAngleScore = s.NoseAngleScore = s.MouthAngleScore = 100;
    s.EyeShapeScore = s.NoseShapeScore = s.MouthShapeScore = 70;
    SliderValues sliders{20, 20, 20, 20, 20, 20, 20};
    ASSERT_EQ(weighFeatureScores(s, 0, 0, sliders).OverallScore, 90);
    EXPECT_EQ(weighFeatureScores(s, 0, 655, sliders).OverallScore, 89);
    sliders.colouration = 10;
    EXPECT_EQ(weighFeatureScores(s, 0, 655, sliders).OverallScore, 45);
    sliders.colouration = 0;
    EXPECT_EQ(weighFeatureScores(s, 0, 655, sliders).OverallScore, 0);
}

TEST(OverallScore, FaceSliderWeighsTheOutline) {
    FeatureScores s;
    s.AngleScore23 = s.JawlineScore = s.EyeAngleScore = s.NoseAngleScore = s.MouthAngleScore = 100;
    s.EyeShapeScore = s.NoseShapeScore = s.MouthShapeScore = 100;
    s.ProportionScore1 = 40;
    s.ProportionScore2 = 60;  // s = 50
    SliderValues sliders{20, 20, 20, 20, 20, 20, 20};
    EXPECT_EQ(weighFeatureScores(s, 0, 0, sliders).OverallScore, 94);  // (50 + 800) / 9 = 94.4
    sliders.face = 10;
    EXPECT_EQ(weighFeatureScores(s, 0, 0, sliders).OverallScore, 97);  // (75 + 800) / 9 = 97.2
    sliders.face = 0;
    EXPECT_EQ(weighFeatureScores(s, 0, 0, sliders).OverallScore, 100);
}

// Each term is 100 - ((100 - score) x factor) x weight and the nine are summed left to right:
// either sum below lies on a half, where another order would round the other way.
TEST(OverallScore, TermsInTheirWrittenOrder) {
    FeatureScores a;
    a.ProportionScore1 = 74, a.ProportionScore2 = 95, a.AngleScore23 = 17, a.JawlineScore = 90;
    a.EyeAngleScore = 46, a.NoseAngleScore = 54, a.MouthAngleScore = 99;
    a.NoseShapeScore = 28, a.EyeShapeScore = 100, a.MouthShapeScore = 37;
    // The sum is 697.5 exactly: 77.5 rounds to 78; (100 - score) x (factor x weight) gives 77.
    EXPECT_EQ(weighFeatureScores(a, 0, 0, SliderValues{18, 19, 18, 19, 20, 20, 0}).OverallScore,
              78);
    FeatureScores b;
    b.ProportionScore1 = 18, b.ProportionScore2 = 65, b.AngleScore23 = 57, b.JawlineScore = 85;
    b.EyeAngleScore = 26, b.NoseAngleScore = 39, b.MouthAngleScore = 96;
    b.NoseShapeScore = 37, b.EyeShapeScore = 97, b.MouthShapeScore = 89;
    // Summed left to right just below 805.5: 89; summed in pairs it reaches 805.5 and gives 90.
    EXPECT_EQ(weighFeatureScores(b, 0, 0, SliderValues{5, 10, 2, 9, 20, 20, 6}).OverallScore, 89);
}

TEST(ProfileScores, WeightingAndMean) {
    ProfileSubScores raw{80, 70, 75, 75};
    SliderValues full{20, 20, 20, 20, 20, 20, 20};
    ProfileSubScores a = raw;
    EXPECT_EQ(weighProfileScores(a, full), 75);
    EXPECT_EQ(a.NoseProfileScore, 80);
    ProfileSubScores b = raw;
    EXPECT_EQ(weighProfileScores(b, SliderValues{}), 100);
    ProfileSubScores c = raw;
    SliderValues half{10, 10, 10, 10, 20, 20, 20};
    // (10/20)*(100-75)+75 = 87.5 -> 88; 85 -> 85 (nose 80 -> 90, eyes 70 -> 85).
    EXPECT_EQ(weighProfileScores(c, half), (85 + 90 + 88 + 88) / 4);
    EXPECT_EQ(c.MouthProfileScore, 88);
}
