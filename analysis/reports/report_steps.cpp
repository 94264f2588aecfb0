#include "analysis/reports/report_steps.h"

#include <array>

#include "analysis/engine/comparison/result_files.h"
#include "analysis/program.h"
#include "analysis/reports/busy_pointer.h"
#include "analysis/reports/report_pages.h"
#include "analysis/reports/result_sorting.h"
#include "common/files/safe_save.h"
#include "common/files/text_file.h"
#include "common/text/cp1252.h"

namespace analysis {

namespace {

std::string inDataFolder(const AnalysisProgram& program, std::string_view name) {
    return common::joinPath(program.MainWindow.Dir1.Path(), name);
}

std::string readList(const AnalysisProgram& program, std::string_view name) {
    return common::readWholeFile(inDataFolder(program, name));
}

void savePage(const AnalysisProgram& program, std::string_view name, const std::string& page) {
    common::writeWholeFile(inDataFolder(program, name), page);
}

// A long page goes into its save as it is written; the save puts it in place only whole.
template <typename Write>
void savePageAsWritten(const AnalysisProgram& program, std::string_view name, Write write) {
    common::PendingSave save(inDataFolder(program, name));
    PageOut out(&save);
    write(out);
    out.finish();
    save.commit();
}

PageContext pageContext(const AnalysisProgram& program) {
    const Analysis& w = program.MainWindow;
    return PageContext{
        program.Words, w.Person1.Caption, w.File1.ListCount(),
        PageText(program.Words.WordsInUtf8, program.ResultsWindow.WebLinkCheck.Value() == 1),
        program.Face1.FaceName};
}

constexpr std::string_view kResults2b = "Results2b.tmp";

}  // namespace

// Both lists change together: a failed save leaves the two as they were.
void SortResults2(AnalysisProgram& program) {
    BusyPointer busy(program.ResultsWindow);
    const SortedResults2 sorted = sortResults2(readList(program, ResultFiles::kResults2));
    const std::string results2b = inDataFolder(program, kResults2b);
    const std::string results2 = inDataFolder(program, ResultFiles::kResults2);
    const std::array<common::FileContent, 2> files{common::FileContent{results2b, sorted.sorted},
                                                   common::FileContent{results2, sorted.remaining}};
    common::saveFilesTogether(files);
    program.Results2Sorted = true;
    program.Lists.recordList(ResultFiles::kResults2);
}

void SortProfileResults(AnalysisProgram& program) {
    const std::string sorted = sortProfileResults(readList(program, ResultFiles::kProfiles));
    common::writeWholeFile(inDataFolder(program, ResultFiles::kProfiles), sorted);
    program.ProfilesSorted = true;
    program.Lists.recordList(ResultFiles::kProfiles);
}

void SortHeightResults(AnalysisProgram& program) {
    const std::string sorted = sortHeightResults(readList(program, ResultFiles::kHeights));
    common::writeWholeFile(inDataFolder(program, ResultFiles::kHeights), sorted);
    program.HeightsSorted = true;
    program.Lists.recordList(ResultFiles::kHeights);
}

void WriteResultsPage1(AnalysisProgram& program) {
    const Results& r = program.ResultsWindow;
    if (r.Style2.Value()) {
        WriteResultsPage2(program);
    } else if (r.Style3.Value()) {
        WriteResultsPage3(program);
    } else if (r.Style4.Value()) {
        WriteHeightsPage(program);
    } else if (r.Style5.Value()) {
        WriteColoursPage(program);
    }
    savePage(program, "Results_1.htm", bestThreePage(pageContext(program), program.Top));
}

void WriteResultsPage2(AnalysisProgram& program) {
    const std::string sorted = readList(program, kResults2b);
    savePageAsWritten(program, "Results_2.htm",
                      [&](PageOut& out) { allMatchesPage(out, pageContext(program), sorted); });
}

void WriteResultsPage3(AnalysisProgram& program) {
    savePage(program, "Results_3.htm", featuresPage(pageContext(program), program.Best));
}

void WriteHeightsPage(AnalysisProgram& program) {
    const std::string heights = readList(program, ResultFiles::kHeights);
    savePageAsWritten(program, "Results_Heights.htm", [&](PageOut& out) {
        heightsPage(out, pageContext(program), heights, program.ImperialUnits != 0);
    });
    program.HeightsPageWritten = true;
}

void WriteColoursPage(AnalysisProgram& program) {
    const std::string colours = readList(program, ResultFiles::kColours);
    savePageAsWritten(program, "Results_Colours.htm",
                      [&](PageOut& out) { coloursPage(out, pageContext(program), colours); });
    program.ColoursPageWritten = true;
}

void WriteProfilePage(AnalysisProgram& program) {
    const std::string profiles = readList(program, ResultFiles::kProfiles);
    savePageAsWritten(program, "Results_Profile.htm",
                      [&](PageOut& out) { profilePage(out, pageContext(program), profiles); });
}

}  // namespace analysis
