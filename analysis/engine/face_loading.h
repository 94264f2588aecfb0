#pragma once

#include <string_view>

namespace analysis {

class AnalysisProgram;

// Load a face data file "<stem>.txt" of the data folder into face slot 1 or 2, show it on the
// main window and read the statistics files afresh. A face that cannot be read shows Missing.jpg
// and leaves the slot's earlier face in place.
void LoadFirstFace(AnalysisProgram& program, std::string_view fileName);
void LoadSecondFace(AnalysisProgram& program, std::string_view fileName);

// Paint the hair, eye and skin swatches of face 1 or 2 from the slot's colour line; a line that
// cannot be read leaves the swatches transparent and their tool tips as they were.
void ShowFirstFaceColours(AnalysisProgram& program);
void ShowSecondFaceColours(AnalysisProgram& program);

}  // namespace analysis
