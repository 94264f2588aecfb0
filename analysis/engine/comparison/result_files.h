#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/files/safe_save.h"

namespace analysis {

// The five result record files of one comparison run. The records of the run are written aside,
// into temporary files of the data folder, and close puts the five lists in place together, each
// ended by its "99999" line, with the colour list ranked, and empties the run's report pages in
// the same step. A run that stops before that leaves the last run's lists and pages as they were,
// and no temporary behind.
class ResultFiles {
  public:
    // Raises common::Error when the data folder takes no new file.
    explicit ResultFiles(std::string_view folder);

    void appendResults(std::string_view record) { files_[0].write(record); }
    void appendResults2(std::string_view record) { files_[1].write(record); }
    void appendHeight(std::string_view record) { files_[2].write(record); }
    void appendColour(std::string_view record) { colours_ += record; }
    void appendProfile(std::string_view record) { files_[4].write(record); }

    // Report pages of the data folder that close empties along with the lists.
    void emptyPages(const std::vector<std::string_view>& pages);

    // Ends every list with its "99999" line, ranks the colour records (or leaves only the
    // closing line when face 1 has no colours) and puts the five lists and the emptied pages in
    // place as one unit; raises common::Error naming the file when one cannot be written, and
    // then none is replaced.
    void close(bool rankColours);

    static constexpr std::string_view kResults = "Results.tmp";
    static constexpr std::string_view kResults2 = "Results2.tmp";
    static constexpr std::string_view kHeights = "HeightResults.tmp";
    static constexpr std::string_view kColours = "ColourResults.tmp";
    static constexpr std::string_view kProfiles = "ProfileResults.tmp";

  private:
    // In the order of the names above, then the emptied pages.
    std::vector<common::PendingSave> files_;
    // The colour records, ranked only once all are there.
    std::string colours_;
    std::string folder_;
    bool closed_ = false;
};

}  // namespace analysis
