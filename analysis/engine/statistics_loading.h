#pragma once

#include <string_view>

#include "analysis/engine/face_statistics.h"
#include "common/files/text_file.h"

namespace analysis {

class AnalysisProgram;

// Reads Upper.vis, Lower.vis and Median.vis in step into the statistics, storing each value as
// it is read. Raises common::Error when a file ends early or a value does not fit 16 bits; the
// arrays then keep what was stored up to that point.
void readStatistics(common::TextFileReader& upper, common::TextFileReader& lower,
                    common::TextFileReader& median, FaceStatistics& statistics);

// Reads the three statistics files of the data folder (the main window's folder box). Any
// failure shows the missing-statistics window, modeless, and returns normally.
void LoadVisFiles(AnalysisProgram& program, std::string_view upperName, std::string_view lowerName,
                  std::string_view medianName);

}  // namespace analysis
