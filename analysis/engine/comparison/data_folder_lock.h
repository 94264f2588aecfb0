#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/files/folder_lock.h"

namespace analysis {

// Another program holds the data folder for its comparison; the message says so.
class FolderInUse : public std::runtime_error {
  public:
    explicit FolderInUse(std::string_view folder);
};

// A comparison run, a View and the heights sort each hold the data folder from start to end, so
// two programs on one folder never use up each other's lists. Raises FolderInUse, before anything
// is changed, when another program holds it; never waits.
class DataFolderLock {
  public:
    explicit DataFolderLock(std::string_view folder);

    static constexpr std::string_view kLockName = ".analysis.lock";

  private:
    common::FolderLock lock_;
};

}  // namespace analysis
