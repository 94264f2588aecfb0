#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/program.h"
#include "common/forms/application.h"
#include "common/headless/recording_platform.h"

namespace facegen {

// The analysis program without a desktop, for benchmarks and developer tools: every event goes
// through the program's error policy, so an error lands in platform.errors instead of ending the
// process.
class HeadlessAnalysis {
  public:
    // Starts the program in startFolder, where its start-up looks for Prefs.prf and the language
    // files.
    explicit HeadlessAnalysis(std::string startFolder);
    HeadlessAnalysis(const HeadlessAnalysis&) = delete;
    HeadlessAnalysis& operator=(const HeadlessAnalysis&) = delete;

    // Points the face browser at the data folder.
    void openFolder(std::string_view folder);
    // Selects the face in the browser and chooses it as face 1, as the select button does.
    // False when the browser does not list the file.
    bool chooseFirstFace(std::string_view fileName);
    // The same as face 2, as "Select face 2" chooses it.
    bool chooseSecondFace(std::string_view fileName);
    // Empty when Upper.vis, Lower.vis and Median.vis of the data folder all read whole; else
    // which file is missing or damaged. The program itself would only show its missing-statistics
    // window and go on comparing against an average face of zeros.
    std::string statisticsFault() const;
    // "Run Comparisons" over every face of the folder.
    void runFolderComparison();
    // "Compare with List" over the list of the folder named as the browser lists it (".lst"
    // included); gives how many faces the list names, or nothing when the folder has no such list.
    std::optional<int> runListComparison(std::string_view listName);
    // Ticks or clears "With Web Links?" of the results window.
    void setWebLinks(bool ticked);
    // With every report style enabled, chooses style 1 to 6 (0 chooses none) and presses View,
    // which writes the report pages at the first View of a run. The page it opens is recorded in
    // platform.openedDocuments.
    void viewResults(int style);

    bool failed() const { return !platform.errors.empty(); }
    // True once a run or a View found the data folder held by another program.
    bool folderWasInUse() const { return folderInUse_; }

    common::RecordingPlatform platform;
    forms::Application app;
    analysis::AnalysisProgram program;

  private:
    bool chooseFace(std::string_view fileName, bool second);
    // Dispatches an event as the program does, noting a folder found in use.
    void dispatchNotingTheLock(const std::function<void()>& handler);

    bool folderInUse_ = false;
};

}  // namespace facegen
