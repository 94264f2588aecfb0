#include "analysis/engine/comparison/result_files.h"

#include "analysis/engine/comparison/result_records.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace analysis {

ResultFiles::ResultFiles(std::string_view folder)
    : results_(open(folder, kResults)),
      results2_(open(folder, kResults2)),
      heights_(open(folder, kHeights)),
      colours_(open(folder, kColours)),
      profiles_(open(folder, kProfiles)) {
    append(heights_, kHeightResultsHead);
}

ResultFiles::~ResultFiles() = default;

std::ofstream ResultFiles::open(std::string_view folder, std::string_view name) {
    const std::string path = common::joinPath(folder, name);
    std::ofstream file(common::toPath(path), std::ios::binary | std::ios::trunc);
    if (!file) {
        throw common::Error(common::ErrorCode::PathFileAccess, path);
    }
    return file;
}

void ResultFiles::append(std::ofstream& file, std::string_view record) {
    file.write(record.data(), static_cast<std::streamsize>(record.size()));
}

void ResultFiles::close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    bool good = true;
    for (std::ofstream* file : {&results_, &results2_, &heights_, &colours_, &profiles_}) {
        append(*file, kListEnd);
        file->close();
        good = good && !file->fail();
    }
    if (!good) {
        throw common::Error(common::ErrorCode::PathFileAccess, "result record files");
    }
}

}  // namespace analysis
