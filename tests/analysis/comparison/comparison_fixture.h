#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/program.h"
#include "common/facefile/face_file_writer.h"
#include "common/files/text_file.h"
#include "common/headless/recording_platform.h"
#include "common/text/strings.h"
#include "tests/common/temp_folder.h"
#include "vismaker/stats/limits.h"
#include "vismaker/stats/read_face_values.h"
#include "vismaker/stats/vis_files.h"

namespace comparison {

// A platform that also keeps every caption painted at once, so a test sees progress as the user
// would.
class CaptionRecorder : public common::RecordingPlatform {
  public:
    void redrawNow(const forms::Control& control) override {
        common::RecordingPlatform::redrawNow(control);
        if (const auto* label = dynamic_cast<const forms::Label*>(&control)) {
            painted.push_back(control.name() + "=" + label->Caption);
        }
    }
    std::vector<std::string> painted;
};

// A wizard-made face whose measurements grow with its shift.
inline common::WizardFace wizardFace(const std::string& name, int shift,
                                     const std::string& info = "Model, British") {
    common::WizardFace f;
    f.name = name;
    f.description = info;
    const int xs[20] = {600, 300, 350, 900, 100, 420, 520, 310, 430, 420,
                        250, 320, 560, 820, 640, 820, 840, 620, 760, 700};
    const int ys[20] = {0,    1000, 1350, 560, 900, 1010, 980, 1000, 950, 1060,
                        1200, 1250, 1220, 380, 300, 230,  470, 520,  540, 1100};
    for (int k = 0; k < 20; ++k) {
        const auto i = static_cast<std::size_t>(k);
        f.points[i] = {
            static_cast<std::int16_t>(xs[i] + (k % 3) * shift),
            static_cast<std::int16_t>(k == 0 || k == 1 ? ys[i] : ys[i] + (k % 4) * shift)};
    }
    for (int j = 0; j < 10; ++j) {
        f.angles[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(20 + 2 * j + shift / 2);
    }
    return f;
}

// The face file text with measured profile points and angles in place of the "*" lines.
inline std::string withProfile(const std::string& text, int shift) {
    auto reader = common::TextFileReader::fromText(text);
    std::string out;
    for (int line = 1; !reader.eof(); ++line) {
        std::string l = reader.lineInput();
        if (line >= 5 && line <= 27) {
            l = std::to_string(100 + 10 * line + shift) + ", " + std::to_string(50 * line);
        } else if (line >= 55 && line <= 73) {
            l = "-" + std::to_string(10 + line - 55 + shift / 3);
        }
        out += l + "\r\n";
    }
    return out;
}

struct Face {
    common::WizardFace wizard;
    bool profile = false;
    int shift = 0;
};

// A data folder of faces with their Portrait and Typical photos and the statistics over them,
// and a headless program started on it.
struct ComparisonFixture : ::testing::Test {
    TempFolder folder;
    CaptionRecorder platform;
    forms::Application app{platform, folder.text()};
    analysis::AnalysisProgram program{app};
    analysis::Analysis& window = program.MainWindow;

    void writeFaces(const std::vector<Face>& faces) {
        vismaker::FaceValues values;
        vismaker::Limits limits;
        for (const Face& f : faces) {
            std::string text = common::faceFileText(f.wizard);
            if (f.profile) {
                text = withProfile(text, f.shift);
            }
            folder.write(common::faceFileName(f.wizard.name), text);
            for (const char* view : {"1.jpg", "3.jpg"}) {
                folder.write(common::Trim(f.wizard.name) + view, "\xFF\xD8\xFF");
            }
            vismaker::ReadFaceValues(text, values);
            vismaker::UpdateLimits(values, limits);
        }
        folder.write("Missing.jpg", "\xFF\xD8\xFF");
        vismaker::WriteVisFiles(folder.text(), limits, static_cast<int>(faces.size()));
    }

    // Moves a face's file and pictures to its name on disk in UTF-8, as a folder of files named in
    // characters Windows-1252 lacks holds them.
    void underUtf8Name(const std::string& name) const {
        for (const char* end : {".txt", "1.jpg", "3.jpg"}) {
            std::filesystem::rename(common::toPath(folder.file(name + end)),
                                    folder.path() / (name + end));
        }
    }

    // Every weight at its fullest, as a user who counts every feature sets them.
    void setAllSliders(int value) {
        analysis::PrefsForm& prefs = program.PrefsWindow;
        for (forms::Slider* slider :
             {&prefs.EyeSlider, &prefs.NoseSlider, &prefs.MouthSlider, &prefs.JawlineSlider,
              &prefs.ProfileSlider, &prefs.ColourationSlider, &prefs.FaceSlider}) {
            slider->setValue(value);
        }
    }

    void startAndSelect(const std::string& fileName) {
        program.start();
        setAllSliders(20);
        window.File1.Refresh();
        window.ListFiles.Refresh();
        for (int i = 0; i < window.File1.ListCount(); ++i) {
            if (window.File1.List(i) == fileName) {
                window.File1.setListIndex(i);
            }
        }
        window.selectFace1_Click();
    }

    // Run Comparisons, pressed as the user presses it.
    void run() {
        app.dispatch([this] { window.CompButton_Click(); });
    }
    // Compare with List over a list of these lines, saved as Chosen.lst and chosen in the list box.
    void runList(const std::string& lines) {
        folder.write("Chosen.lst", lines);
        window.ListFiles.Refresh();
        window.ListsButton_Click();
        window.ListFiles.setListIndex(0);
        window.ListFiles_Click();
        app.dispatch([this] { window.CompListButton_Click(); });
    }

    std::string read(const std::string& name) const { return folder.read(name); }
};

}  // namespace comparison
