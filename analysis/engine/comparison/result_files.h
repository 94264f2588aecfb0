#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/files/safe_save.h"

namespace analysis {

// The five result record files of one comparison run. The records of the run are written aside,
// into temporary files of the data folder, and close puts the five lists in place together, each
// ended by its "99999" line. A run that stops before that leaves the last run's lists as they
// were, and no temporary behind.
class ResultFiles {
  public:
    // Raises common::Error when the data folder takes no new file.
    explicit ResultFiles(std::string_view folder);

    void appendResults(std::string_view record) { files_[0].write(record); }
    void appendResults2(std::string_view record) { files_[1].write(record); }
    void appendHeight(std::string_view record) { files_[2].write(record); }
    void appendColour(std::string_view record) { files_[3].write(record); }
    void appendProfile(std::string_view record) { files_[4].write(record); }

    // Ends every list with its "99999" line and puts the five in place as one unit; raises
    // common::Error naming the file when one cannot be written, and then none is replaced.
    void close();

    static constexpr std::string_view kResults = "Results.tmp";
    static constexpr std::string_view kResults2 = "Results2.tmp";
    static constexpr std::string_view kHeights = "HeightResults.tmp";
    static constexpr std::string_view kColours = "ColourResults.tmp";
    static constexpr std::string_view kProfiles = "ProfileResults.tmp";

  private:
    // In the order of the names above.
    std::vector<common::PendingSave> files_;
    bool closed_ = false;
};

}  // namespace analysis
