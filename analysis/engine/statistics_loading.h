#pragma once

#include <cstddef>
#include <string_view>

#include "analysis/engine/face_statistics.h"
#include "common/files/text_file.h"
#include "common/text/error.h"

namespace analysis {

class AnalysisProgram;

// A failure to read one of the three statistics files: which one (0 upper, 1 lower, 2 median)
// and, as a common::Error, what went wrong.
class StatisticsFileError : public common::Error {
  public:
    StatisticsFileError(std::size_t file, const common::Error& cause)
        : common::Error(cause), file_(file) {}
    std::size_t file() const { return file_; }

  private:
    std::size_t file_;
};

// Reads Upper.vis, Lower.vis and Median.vis in step into the statistics, storing each value as
// it is read. Raises StatisticsFileError when a file ends early or a value does not fit 16 bits;
// the arrays then keep what was stored up to that point.
void readStatistics(common::TextFileReader& upper, common::TextFileReader& lower,
                    common::TextFileReader& median, FaceStatistics& statistics);

// Reads the three statistics files of the data folder (the main window's folder box). Files that
// read but whose "Face data from N faces" lines differ are read once more (a statistics run may
// be between its renames) before they count as damaged. Any failure shows the missing-statistics
// window, which names the file and what is wrong with it, and returns normally.
void LoadVisFiles(AnalysisProgram& program, std::string_view upperName, std::string_view lowerName,
                  std::string_view medianName);

}  // namespace analysis
