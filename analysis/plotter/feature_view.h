#pragma once

#include <string>
#include <string_view>

namespace analysis {

class PlotterForm;
struct UiWords;

// What the eyes, nose, mouth and layout views share: every face is drawn on its own nose centre
// line, which lies on one canvas x for all three.
inline constexpr int kCentreLineX = 4600;

// The line of symmetry from y 500 down to y 4500 on the centre line, shown with its label.
void DrawSymmetryLine(PlotterForm& plotter);

// The opening of the figures panel: the percentage heading and an empty line.
std::string FiguresHeading(const UiWords& words);
// One face's block of figures: FaceWord, the letter text and the feature word, then its width
// and height as a percentage of the average face, then an empty line.
std::string FiguresBlock(const UiWords& words, std::string_view letter, const std::string& feature,
                         float widthPercent, float heightPercent);

}  // namespace analysis
