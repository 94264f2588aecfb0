#pragma once

namespace analysis {

class AnalysisProgram;

// Reads Prefs.prf from the start folder into the weight sliders, the plot colours, the automatic
// quick-key switch, the unit of height and the quick-key names. Without the file every weight is
// 20 and every other setting keeps its design value. A damaged line gives its setting alone that
// value, and the user is told once which file was damaged; a file that cannot be read is reported.
void LoadPrefs(AnalysisProgram& program);

// Writes the settings as they stand to Prefs.prf in the start folder. A file that cannot be
// written is reported to the user; it never keeps the program from ending.
void SavePrefs(AnalysisProgram& program);

// Opens the quick-key chooser for quick key n on the main window's data folder.
void AssignQuickKey(AnalysisProgram& program, int n);

}  // namespace analysis
