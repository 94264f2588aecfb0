#pragma once

#include <string>
#include <string_view>

namespace analysis {

class AnalysisProgram;

// Load a face data file "<stem>.txt" of the data folder into face slot 1 or 2, show it on the
// main window with its view (Typical for face 1, Portrait for face 2; Missing.jpg when that
// photo is missing) and read the statistics files afresh. A face file that cannot be read is
// reported to the user and changes nothing: the slot, everything the main window shows of that
// face and the statistics stay as they were; so does a name that is no face file of the data
// folder (one holding "/" or "\", "." or "..", or beginning with "."). Face 1 loaded from another
// file withdraws the results of the last run. Returns whether the face was loaded.
bool LoadFirstFace(AnalysisProgram& program, std::string_view fileName);
bool LoadSecondFace(AnalysisProgram& program, std::string_view fileName);

// Paint the hair, eye and skin swatches of face 1 or 2 from the slot's colour line; a line that
// cannot be read leaves the swatches transparent and their tool tips as they were.
void ShowFirstFaceColours(AnalysisProgram& program);
void ShowSecondFaceColours(AnalysisProgram& program);

// The tool tip of a face's photo: the description from its face file, in the words of the
// language in use.
std::string PhotoToolTip(const AnalysisProgram& program, std::string_view info);

}  // namespace analysis
