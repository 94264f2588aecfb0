#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/forms/control.h"

namespace forms {

// The drive box lists the file system root; "c:" and any other drive letter mean "/".
class DriveListBox : public Control {
  public:
    DriveListBox(Window& window, std::string name, int index = -1);

    const std::string& Drive() const { return drive_; }
    // A drive letter or "/" chooses the root; anything else is DeviceUnavailable.
    void setDrive(const std::string& drive);
    std::vector<std::string> drives() const;

    // Runs when another drive is chosen; with one root it never does.
    std::function<void()> onChange;

  private:
    std::string drive_ = "/";
};

// The folder box shows the chain of folders from the root to Path, then Path's sub-folders.
class DirListBox : public Control {
  public:
    DirListBox(Window& window, std::string name, int index = -1);

    const std::string& Path() const { return path_; }
    // Moving to another folder runs the change handler; a folder that does not exist is
    // PathNotFound and the box stays where it was.
    void setPath(const std::string& path);

    struct Entry {
        std::string name;
        std::string path;
        int depth;
        bool current;
    };
    std::vector<Entry> entries() const;

    std::function<void()> onChange;

  private:
    std::string path_;
};

class FileListBox : public Control {
  public:
    FileListBox(Window& window, std::string name, int index = -1);

    const std::string& Path() const { return path_; }
    void setPath(const std::string& path);
    const std::string& Pattern() const { return pattern_; }
    void setPattern(const std::string& pattern);
    // Reads the folder again; the selection stays on the same name while it is listed.
    void Refresh();

    int ListCount() const { return static_cast<int>(files().size()); }
    // Raises SubscriptOutOfRange outside 0..ListCount-1.
    const std::string& List(int i) const;
    int ListIndex() const { return listIndex_; }
    // Selecting another entry runs the click handler, as a click does; -1 selects nothing.
    void setListIndex(int index);
    // The user clicks an entry: it is selected, and the click handler runs also when it was
    // selected already.
    void clickEntry(int index);
    // The selected file's name, "" when nothing is selected.
    std::string FileName() const;

    std::function<void(int keyCode)> onKeyDown;
    void keyDown(int keyCode);

  private:
    // A new box reads its folder when it is first looked at, so one whose path and pattern are set
    // at once does not read its start folder first; a set path or pattern reads it at once.
    const std::vector<std::string>& files() const;

    std::string path_;
    std::string pattern_ = "*";
    mutable std::vector<std::string> files_;
    mutable bool stale_ = true;
    int listIndex_ = -1;
};

}  // namespace forms
