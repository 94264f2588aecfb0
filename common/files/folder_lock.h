#pragma once

#include <string_view>

#include "common/files/file_descriptor.h"

namespace common {

// An exclusive advisory lock (flock) on a lock file of a folder, held while the object lives and
// never waited for. The lock file is created when missing and never removed, so two holders can
// never each lock a file of their own. Where it cannot be opened for writing it is opened for
// reading, which locks as well; where it cannot exist at all (a read-only folder without it) the
// work goes on unlocked. On network file systems the lock may hold on one machine only.
class FolderLock {
  public:
    enum class State {
        Held,
        // Another open file of the lock holds it.
        InUse,
        // No lock file could be there; nothing is locked.
        Unlocked,
    };

    // folder and lockName are in the programs' 8-bit text form. Raises common::Error naming the
    // lock file and the reason when it is there but can be opened neither way.
    FolderLock(std::string_view folder, std::string_view lockName);

    State state() const { return state_; }

  private:
    FileDescriptor fd_;
    State state_ = State::Unlocked;
};

}  // namespace common
