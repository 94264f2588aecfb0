#include "analysis/engine/scoring/overall_score.h"

#include "common/text/convert.h"
#include "common/text/int16.h"

namespace analysis {

namespace {
double term(double score, double factor, double weight) {
    return 100 - ((100 - score) * factor) * weight;
}

void weighProfile(std::int16_t& subScore, int slider) {
    subScore = common::toInt16((20 - slider) / 20.0 * (100 - subScore) + subScore);
}
}  // namespace

WeightedScores weighFeatureScores(const FeatureScores& s, std::int16_t profileScore,
                                  std::int16_t colourScore, const SliderValues& sliders) {
    const double wN = sliders.nose / 20.0;
    const double wE = sliders.eye / 20.0;
    const double wM = sliders.mouth / 20.0;
    const double wJ = (0.9 * sliders.jawline) / 20;
    const double wC = sliders.colouration / 20.0;
    const double wP = sliders.profile / 20.0;
    const double wF = sliders.face / 20.0;

    WeightedScores w;
    const double outline = (s.ProportionScore1 + s.ProportionScore2) / 2.0;
    const double t1 = term(outline, 1, wF);
    const double t2 = term(s.AngleScore23, 0.1, 1);
    w.WeightedJawlineScore = common::toInt16(term(s.JawlineScore, 1, wJ));
    const double t4 = term(s.EyeAngleScore, 0.6, wE);
    const double t5 = term(s.NoseAngleScore, 0.7, wN);
    const double t6 = term(s.MouthAngleScore, 0.5, wM);
    w.WeightedNoseScore = common::toInt16(term(s.NoseShapeScore, 1, wN));
    w.WeightedEyesScore = common::toInt16(term(s.EyeShapeScore, 1, wE));
    w.WeightedMouthScore = common::toInt16(term(s.MouthShapeScore, 1, wM));

    const double sum = t1 + t2 + w.WeightedJawlineScore + t4 + t5 + t6 + w.WeightedNoseScore +
                       w.WeightedEyesScore + w.WeightedMouthScore;
    w.OverallScore = common::toInt16(sum / 9);
    if (profileScore > 0) {
        w.OverallScore = common::toInt16((sum + profileScore * wP) / 10);
    }
    if (colourScore > 0) {
        w.OverallScore = common::toInt16(w.OverallScore * wC * (1 - colourScore / 65535.0));
    }
    return w;
}

std::int16_t weighProfileScores(ProfileSubScores& sub, const SliderValues& sliders) {
    weighProfile(sub.NoseProfileScore, sliders.nose);
    weighProfile(sub.EyeProfileScore, sliders.eye);
    weighProfile(sub.MouthProfileScore, sliders.mouth);
    weighProfile(sub.JawlineProfileScore, sliders.jawline);
    const common::Int16 sum =
        common::Int16(sub.EyeProfileScore) + common::Int16(sub.NoseProfileScore) +
        common::Int16(sub.MouthProfileScore) + common::Int16(sub.JawlineProfileScore);
    return common::toInt16(common::Int(sum / 4.0));
}

}  // namespace analysis
