#include "common/forms/list_boxes.h"

#include <filesystem>
#include <system_error>

#include "common/forms/application.h"
#include "common/forms/file_listing.h"
#include "common/forms/window.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace forms {

namespace {

bool isDriveLetter(const std::string& drive) {
    return drive.size() >= 2 && drive[1] == ':' &&
           ((drive[0] >= 'a' && drive[0] <= 'z') || (drive[0] >= 'A' && drive[0] <= 'Z'));
}

// An absolute, normalised folder path without a trailing separator (the root stays "/").
std::string normalFolder(const std::string& path) {
    std::filesystem::path p = common::toPath(path);
    std::error_code ec;
    if (p.is_relative()) {
        p = std::filesystem::absolute(p, ec);
    }
    p = p.lexically_normal();
    std::string text = common::fromPath(p);
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

}  // namespace

DriveListBox::DriveListBox(Window& window, std::string name, int index)
    : Control(window, ControlKind::DriveListBox, std::move(name), index) {
    BackColor = kWhite;
}

std::vector<std::string> DriveListBox::drives() const {
    return {"/"};
}

void DriveListBox::setDrive(const std::string& drive) {
    if (!(drive.empty() || drive == "/" || isDriveLetter(drive))) {
        throw common::Error(common::ErrorCode::DeviceUnavailable, drive);
    }
    // Every drive letter names the one root, which is always the chosen drive: nothing changes.
}

DirListBox::DirListBox(Window& window, std::string name, int index)
    : Control(window, ControlKind::DirListBox, std::move(name), index),
      path_(normalFolder(window.app().startFolder())) {
    BackColor = kWhite;
}

void DirListBox::setPath(const std::string& path) {
    const std::string target = normalFolder(path);
    std::error_code ec;
    if (!std::filesystem::is_directory(common::toPath(target), ec)) {
        throw common::Error(common::ErrorCode::PathNotFound, path);
    }
    if (target == path_) {
        return;
    }
    path_ = target;
    if (onChange) {
        onChange();
    }
}

std::vector<DirListBox::Entry> DirListBox::entries() const {
    std::vector<Entry> list;
    std::vector<std::filesystem::path> chain;
    for (std::filesystem::path p = common::toPath(path_);; p = p.parent_path()) {
        chain.insert(chain.begin(), p);
        if (p == p.parent_path() || p.empty()) {
            break;
        }
    }
    int depth = 0;
    for (const auto& p : chain) {
        std::string name = common::fromPath(p.filename());
        if (name.empty()) {
            name = common::fromPath(p);
        }
        list.push_back(
            {name, common::fromPath(p), depth, depth + 1 == static_cast<int>(chain.size())});
        ++depth;
    }
    for (const auto& sub : listFolders(path_)) {
        list.push_back({sub, common::joinPath(path_, sub), depth, false});
    }
    return list;
}

FileListBox::FileListBox(Window& window, std::string name, int index)
    : Control(window, ControlKind::FileListBox, std::move(name), index),
      path_(normalFolder(window.app().startFolder())) {
    BackColor = kWhite;
}

void FileListBox::setPath(const std::string& path) {
    path_ = normalFolder(path);
    listIndex_ = -1;
    Refresh();
}

void FileListBox::setPattern(const std::string& pattern) {
    pattern_ = pattern;
    listIndex_ = -1;
    Refresh();
}

const std::vector<std::string>& FileListBox::files() const {
    if (stale_) {
        files_ = listFiles(path_, pattern_);
        stale_ = false;
    }
    return files_;
}

void FileListBox::Refresh() {
    const std::string selected = stale_ ? std::string() : FileName();
    stale_ = true;
    files();
    listIndex_ = -1;
    for (int i = 0; i < ListCount(); ++i) {
        if (!selected.empty() && files_[static_cast<std::size_t>(i)] == selected) {
            listIndex_ = i;
        }
    }
}

const std::string& FileListBox::List(int i) const {
    if (i < 0 || i >= ListCount()) {
        throw common::Error(common::ErrorCode::SubscriptOutOfRange, key());
    }
    return files()[static_cast<std::size_t>(i)];
}

void FileListBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) {
        throw common::Error(common::ErrorCode::InvalidPropertyValue, key());
    }
    if (index == listIndex_) {
        return;
    }
    listIndex_ = index;
    click();
}

void FileListBox::clickEntry(int index) {
    if (index == listIndex_ && index >= 0) {
        click();
    } else {
        setListIndex(index);
    }
}

std::string FileListBox::FileName() const {
    return listIndex_ < 0 ? std::string() : files()[static_cast<std::size_t>(listIndex_)];
}

void FileListBox::keyDown(int keyCode) {
    if (onKeyDown) {
        onKeyDown(keyCode);
    }
}

}  // namespace forms
