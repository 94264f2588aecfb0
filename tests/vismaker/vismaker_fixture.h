#pragma once

#include <filesystem>
#include <string>

#include "common/files/text_file.h"
#include "common/forms/application.h"
#include "common/headless/recording_platform.h"
#include "common/text/cp1252.h"
#include "tests/common/temp_folder.h"
#include "vismaker/window/statistics_window.h"

inline const std::string kVismakerData = TEST_DATA_DIR "/vismaker";

// A freshly started statistics builder without a desktop.
class FreshVismaker {
  public:
    explicit FreshVismaker(const std::string& startFolder) : app(platform, startFolder) {
        app.dispatch([this] { window.Show(); });
    }
    void open(const std::string& folder) {
        app.dispatch([this, &folder] { window.Dir1.setPath(folder); });
    }
    void press() {
        app.dispatch([this] { window.selectAllButton.click(); });
    }
    void save() {
        app.dispatch([this] { window.SaveLog.click(); });
    }
    bool finished() const { return window.SaveLog.Visible; }

    common::RecordingPlatform platform;
    forms::Application app;
    vismaker::StatisticsWindow window{app};
};

// The hand-worked folder: Anna with all five views, Ben with views 1 and 3, Cleo with 0, 1 and 3.
inline void writeHandWorkedFolder(const std::string& folder) {
    for (const char* name : {"Anna", "Ben", "Cleo"}) {
        common::writeWholeFile(common::joinPath(folder, std::string(name) + ".txt"),
                               common::readWholeFile(kVismakerData + "/faces/" + name + ".txt"));
    }
    for (const char* picture : {"Anna0.jpg", "Anna1.jpg", "Anna2.jpg", "Anna3.jpg", "Anna4.jpg",
                                "Ben1.jpg", "Ben3.jpg", "Cleo0.jpg", "Cleo1.jpg", "Cleo3.jpg"}) {
        common::writeWholeFile(common::joinPath(folder, picture), "\xFF\xD8\xFF\xD9");
    }
}

inline void writeHandWorkedFolder(const TempFolder& folder) {
    writeHandWorkedFolder(folder.text());
}

inline bool exists(const TempFolder& folder, const std::string& name) {
    return std::filesystem::exists(common::toPath(folder.file(name)));
}
