#include "analysis/engine/comparison/result_files.h"

#include "analysis/engine/comparison/result_records.h"
#include "analysis/engine/ranking/colour_ranking.h"
#include "common/text/cp1252.h"

namespace analysis {

ResultFiles::ResultFiles(std::string_view folder) : folder_(folder) {
    files_.reserve(9);
    for (std::string_view name : {kResults, kResults2, kHeights, kColours, kProfiles}) {
        files_.emplace_back(common::joinPath(folder, name));
    }
    appendHeight(kHeightResultsHead);
}

void ResultFiles::emptyPages(const std::vector<std::string_view>& pages) {
    for (std::string_view page : pages) {
        files_.emplace_back(common::joinPath(folder_, page));
    }
}

void ResultFiles::close(bool rankColours) {
    if (closed_) {
        return;
    }
    closed_ = true;
    files_[3].write(rankColours ? rankColourRecords(colours_ + std::string(kListEnd))
                                : std::string(kNoColourResults));
    for (std::size_t i : {0, 1, 2, 4}) {
        files_[i].write(kListEnd);
    }
    common::commitTogether(files_);
}

}  // namespace analysis
