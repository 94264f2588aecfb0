#pragma once

namespace analysis {

class AnalysisProgram;

// The report procedures of the results window over the lists of the data folder. Each reads its
// list whole and saves its file whole: a list that cannot be read or a file that cannot be
// written raises common::Error naming it, and no file is left half written.

// Each sort uses up its list: it sets its flag (Results2Sorted, ProfilesSorted, HeightsSorted)
// and records the list it left for the run's lists.
// Results2.tmp into Results2b.tmp, best first.
void SortResults2(AnalysisProgram& program);
// ProfileResults.tmp in place, best first.
void SortProfileResults(AnalysisProgram& program);
// HeightResults.tmp in place, shortest first.
void SortHeightResults(AnalysisProgram& program);

// The page of the chosen style among Style2 to Style5, then Results_1.htm.
void WriteResultsPage1(AnalysisProgram& program);
void WriteResultsPage2(AnalysisProgram& program);
void WriteResultsPage3(AnalysisProgram& program);
void WriteHeightsPage(AnalysisProgram& program);
void WriteColoursPage(AnalysisProgram& program);
void WriteProfilePage(AnalysisProgram& program);

}  // namespace analysis
