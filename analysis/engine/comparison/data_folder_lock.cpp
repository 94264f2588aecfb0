#include "analysis/engine/comparison/data_folder_lock.h"

namespace analysis {

FolderInUse::FolderInUse(std::string_view folder)
    : std::runtime_error("The data folder " + std::string(folder) +
                         " is in use by another comparison. Nothing was changed; try again when "
                         "it has finished.") {}

DataFolderLock::DataFolderLock(std::string_view folder) : lock_(folder, kLockName) {
    if (lock_.state() == common::FolderLock::State::InUse) {
        throw FolderInUse(folder);
    }
}

}  // namespace analysis
