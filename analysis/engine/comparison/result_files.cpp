#include "analysis/engine/comparison/result_files.h"

#include "analysis/engine/comparison/result_records.h"
#include "common/text/cp1252.h"

namespace analysis {

ResultFiles::ResultFiles(std::string_view folder) {
    files_.reserve(5);
    for (std::string_view name : {kResults, kResults2, kHeights, kColours, kProfiles}) {
        files_.emplace_back(common::joinPath(folder, name));
    }
    appendHeight(kHeightResultsHead);
}

void ResultFiles::close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    for (common::PendingSave& file : files_) {
        file.write(kListEnd);
    }
    common::commitTogether(files_);
}

}  // namespace analysis
