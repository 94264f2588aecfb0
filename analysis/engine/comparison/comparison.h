#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "analysis/engine/face_slot.h"
#include "analysis/engine/face_statistics.h"
#include "analysis/engine/ranking/top_nine.h"
#include "analysis/engine/scoring/feature_scores.h"
#include "analysis/engine/scoring/overall_score.h"

namespace analysis {

class AnalysisProgram;
class LeftOutFaces;
class ResultFiles;

// The preferences window's seven weight sliders as they stand now.
SliderValues currentSliders(const AnalysisProgram& program);

// Portrait point k of a face slot sits at elements 51 + 2k, 52 + 2k; the average face holds it
// two elements higher.
Portrait portraitOf(const FaceSlot& slot);
Portrait averagePortraitOf(const FaceStatistics& statistics);

// Scores the colours of face 1 against the candidate's; appends its colour record.
void CompareColours(AnalysisProgram& program, ResultFiles& files);
// Scores the profile angles when both faces have profile points; appends its profile record.
void CompareProfiles(AnalysisProgram& program, ResultFiles& files);
// Runs the feature scorers, shows their progress and weighs the overall score.
void CompareFeatures(AnalysisProgram& program);
// Reads one candidate into face slot 2, scores it against face 1 and appends its records; gives
// the candidate as the ranking takes it. A candidate whose face data file cannot be read, or
// whose name is no face file of the data folder, is skipped: it writes no record, gives nothing
// and is added to leftOut with the reason.
std::optional<ResultRecord> CompareCandidate(AnalysisProgram& program, ResultFiles& files,
                                             std::string_view fileName, LeftOutFaces& leftOut);

// After a run: the nine best matches of the run's candidates (in run order), the quick keys.
void RankTopNine(AnalysisProgram& program, const std::vector<ResultRecord>& candidates);
void FillQuickKeys(AnalysisProgram& program);

}  // namespace analysis
