#include "analysis/reports/run_lists.h"

#include <sys/stat.h>

#include "analysis/engine/comparison/result_files.h"
#include "common/text/cp1252.h"

namespace analysis {

namespace {

constexpr std::array<std::string_view, 5> kLists = {ResultFiles::kResults, ResultFiles::kResults2,
                                                    ResultFiles::kHeights, ResultFiles::kColours,
                                                    ResultFiles::kProfiles};

}  // namespace

FileIdentity identityOf(std::string_view path) {
    struct stat status {};
    if (::lstat(common::toPath(path).c_str(), &status) != 0) {
        return {};
    }
    return {true,
            static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

void RunLists::recordRun(std::string_view folder) {
    folder_ = std::string(folder);
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        identities_[i] = identityOf(common::joinPath(folder, kLists[i]));
    }
}

void RunLists::recordList(std::string_view name) {
    if (!folder_) {
        return;
    }
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        if (kLists[i] == name) {
            identities_[i] = identityOf(common::joinPath(*folder_, name));
        }
    }
}

std::string RunLists::whyNotShown() const {
    if (!folder_) {
        return "There are no results to show: run a comparison of face 1 first.";
    }
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        const std::string path = common::joinPath(*folder_, kLists[i]);
        if (identityOf(path) != identities_[i]) {
            return "The result list " + path +
                   " has changed since this program's comparison: another comparison has run "
                   "in this folder since. Run the comparison again to see its results.";
        }
    }
    return {};
}

}  // namespace analysis
