#include "analysis/mainwindow/prefs_storage.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "analysis/mainwindow/prefs_file.h"
#include "analysis/plotter/plot_colours.h"
#include "analysis/program.h"
#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

constexpr std::string_view kPrefsFile = "Prefs.prf";
constexpr int kWeightWithoutPrefs = 20;

// The seven weight sliders in the order of the file.
auto weightSliders(PrefsForm& form) {
    return std::array<forms::Slider*, 7>{
        &form.EyeSlider,     &form.NoseSlider,        &form.MouthSlider, &form.JawlineSlider,
        &form.ProfileSlider, &form.ColourationSlider, &form.FaceSlider};
}

PrefsValues currentPrefs(AnalysisProgram& program) {
    PrefsForm& form = program.PrefsWindow;
    PrefsValues prefs;
    const auto sliders = weightSliders(form);
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        prefs.weights[i] = sliders[i]->Value();
    }
    prefs.plotBackgroundColour = program.PlotBackgroundColour;
    prefs.plotColourA = program.PlotColourA;
    prefs.plotColourB = program.PlotColourB;
    prefs.plotColourC = program.PlotColourC;
    prefs.autoTopTen = form.AutoTopTen.Value() == 1;
    prefs.imperialUnits = program.ImperialUnits != 0;
    for (std::size_t key = 0; key < prefs.quickKeys.size(); ++key) {
        prefs.quickKeys[key] = form.F1Person(static_cast<int>(key) + 1).Caption;
    }
    return prefs;
}

// The values are already checked, so nothing here can fail halfway.
void applyPrefs(AnalysisProgram& program, const PrefsValues& prefs) {
    PrefsForm& form = program.PrefsWindow;
    const auto sliders = weightSliders(form);
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        sliders[i]->setValue(prefs.weights[i]);
    }
    program.PlotBackgroundColour = prefs.plotBackgroundColour;
    program.PlotColourA = prefs.plotColourA;
    program.PlotColourB = prefs.plotColourB;
    program.PlotColourC = prefs.plotColourC;
    form.AutoTopTen.setValue(prefs.autoTopTen ? 1 : 0);
    // Metric is what start-up set; only the file's "I" changes it.
    if (prefs.imperialUnits) {
        program.ImperialUnits = -1;
    }
    for (std::size_t key = 0; key < prefs.quickKeys.size(); ++key) {
        form.F1Person(static_cast<int>(key) + 1).Caption = prefs.quickKeys[key];
    }
}

}  // namespace

void LoadPrefs(AnalysisProgram& program) {
    // Without a file, or for a damaged line, a weight counts fully: with every weight at 0 each
    // candidate with colours would score 0 and every other one about 99%.
    PrefsValues fallback = currentPrefs(program);
    fallback.weights.fill(kWeightWithoutPrefs);
    fallback.plotBackgroundColour = kDesignBackgroundColour;
    fallback.plotColourA = kDesignColourA;
    fallback.plotColourB = kDesignColourB;
    fallback.plotColourC = kDesignColourC;
    const std::string path = common::joinPath(program.AppPath, kPrefsFile);
    std::string text;
    try {
        text = common::readWholeFile(path);
    } catch (const common::Error& error) {
        applyPrefs(program, fallback);
        std::error_code absent;
        if (std::filesystem::exists(common::toPath(path), absent)) {
            program.app().platform().reportError("The preferences could not be read from " +
                                                 common::heldToUtf8(path) + ": " + error.reason());
        }
        PaintPlotterBackground(program);
        return;
    }
    const PrefsReading reading = parsePrefsFile(text, fallback);
    applyPrefs(program, reading.values);
    if (!reading.damagedLines.empty()) {
        std::string lines;
        for (int line : reading.damagedLines) {
            lines += (lines.empty() ? "" : ", ") + common::plain(line);
        }
        program.app().platform().reportError(
            "The preferences file " + common::heldToUtf8(path) + " is damaged (" +
            (reading.damagedLines.size() == 1 ? "line " : "lines ") + lines +
            "). Those settings start at their usual values; every other setting is kept.");
    }
    PaintPlotterBackground(program);
}

void SavePrefs(AnalysisProgram& program) {
    const std::string path = common::joinPath(program.app().startFolder(), kPrefsFile);
    try {
        common::writeWholeFile(path, prefsFileText(currentPrefs(program)));
    } catch (const common::Error& error) {
        program.app().platform().reportError("The preferences could not be saved to " +
                                             common::heldToUtf8(path) + ": " + error.reason());
    }
}

void AssignQuickKey(AnalysisProgram& program, int n) {
    program.QuickKeyIndex = n;
    QuickKeyChooser& loader = program.QuickKeyChooserWindow;
    const std::string& caption = loader.functionKeyLabel.Caption;
    loader.functionKeyLabel.Caption =
        common::Left(caption, common::InStr(caption, ":")) + " F" + common::plain(n);
    loader.nameKey(n);
    loader.Show();
    loader.File2.setPath(program.MainWindow.Dir1.Path());
}

}  // namespace analysis
