#pragma once

#include <string>

namespace analysis {
class AnalysisProgram;
}

namespace facegen {

// The plotter's whole canvas model, one item per line, shown or not: the 33 face lines and
// EyeLevel, the 15 shapes, the four canvas labels, the text panel (CR written as \r, LF as \n)
// and the view state. Twips and colours as plain decimal numbers, visibility 1 or 0; texts in
// UTF-8.
//
//   line <Name>(<i>) <X1> <Y1> <X2> <Y2> <BorderColor> <Visible>
//   line EyeLevel <X1> <Y1> <X2> <Y2> <BorderColor> <Visible>
//   shape <Name> <Left> <Top> <Width> <Height> <BorderColor> <FillColor> <FillStyle> <Visible>
//   label <Name> <Left> <Top> <Visible> <Caption>
//   text Statsbox <text>
//   state ViewMode <n>
//   state FaceShapeA <word>
//   state FaceShapeB <word>
std::string canvasListing(const analysis::AnalysisProgram& program);

}  // namespace facegen
