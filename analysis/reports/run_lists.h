#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace analysis {

// What tells one file on disk from another saved under its name: every save puts a new file in
// place, so a list another program's run replaced differs in its inode, and a list rewritten in
// place differs in its size or modification time.
struct FileIdentity {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The file under path as it stands now (the link itself for a symbolic link).
FileIdentity identityOf(std::string_view path);

// The result lists of this program's last completed comparison run, as the run and the Views and
// heights sort after it left them. Pages are written only from these lists: lists another program
// replaced since belong to another face, and none at all are there before the first run.
class RunLists {
  public:
    // The run has put its lists in place in folder.
    void recordRun(std::string_view folder);
    // One of the lists, rewritten by this program.
    void recordList(std::string_view name);
    // No completed run's lists to show, until the next run records them.
    void forget() { folder_.reset(); }

    // Why the lists cannot be shown now, naming the first list that changed; "" when they are
    // the run's lists as this program left them.
    std::string whyNotShown() const;

  private:
    std::optional<std::string> folder_;
    std::array<FileIdentity, 5> identities_{};
};

}  // namespace analysis
